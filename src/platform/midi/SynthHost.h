#pragma once
// The program's one synthesizer: FluidSynth with the General MIDI SoundFont
// found on the system, loaded once. Every MIDI song and the MIDI mapper output
// play on it. Audio goes to the desktop's sound server through FluidSynth's own
// driver; with no server a thread of ours renders into nothing at wall-clock
// pace. In manual mode (tests, benchmarks) nothing renders until render() is
// called, and time advances exactly by the frames rendered.

#include "platform/midi/RenderClient.h"

#include <fluidsynth.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

class NullAudioThread;

class SynthHost {
public:
    static constexpr int kSampleRate = 44100;

    static SynthHost& instance();
    ~SynthHost();
    SynthHost(const SynthHost&) = delete;
    SynthHost& operator=(const SynthHost&) = delete;

    // Creates the synthesizer and starts the output on first use. False when no
    // synthesizer can be made or no SoundFont is installed.
    bool start();
    fluid_synth_t* synth() const { return synth_; }
    int soundFontId() const { return soundFontId_; }
    std::string soundFontPath() const { return soundFontPath_; }
    // The settings every synthesizer of ours is made with; the caller deletes them.
    static fluid_settings_t* newSettings();
    // The preferred General MIDI SoundFont present on this system, or empty.
    static std::string findSoundFont();

    // Switching stops the running output; the other mode starts at once when
    // the synthesizer exists.
    void setManualRendering(bool manual);
    bool manualRendering() const { return manual_; }
    // Manual mode only: renders `frames` frames (stereo, either buffer may be
    // null to discard). Returns the frames rendered, 0 outside manual mode.
    std::int64_t render(std::int64_t frames, float* left = nullptr, float* right = nullptr);

    void addClient(RenderClient* client);
    void removeClient(RenderClient* client);

    // Output silenced while the synthesizer keeps running (mute).
    void setMuted(bool muted) { muted_ = muted; }
    bool muted() const { return muted_; }

    // Which output runs: "manual", "null" or the FluidSynth driver's name.
    std::string outputName() const;
    std::int64_t framesRendered() const { return framesRendered_; }

    // The rendering step shared by every output: dispatch, synthesize, advance.
    // dryL/dryR receive the audio (mixed with the effects), scaled by the
    // program's output gain (auxiliary device 0).
    void renderBlock(int frames, float* dryL, float* dryR);

private:
    SynthHost() = default;
    void startOutput();
    void stopOutput();
    static void applyOutputGain(int frames, float* dryL, float* dryR);
    static int driverCallback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);

    std::mutex startMutex_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int soundFontId_ = -1;
    std::string soundFontPath_;
    bool started_ = false;
    bool manual_ = false;

    fluid_audio_driver_t* driver_ = nullptr;
    std::string driverName_;
    std::unique_ptr<NullAudioThread> nullThread_;

    std::mutex clientMutex_;
    std::vector<RenderClient*> clients_;
    std::atomic<bool> muted_{false};
    std::atomic<std::int64_t> framesRendered_{0};
};

}  // namespace platform
