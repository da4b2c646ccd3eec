#pragma once
// The program's one synthesizer: FluidSynth with one SoundFont, the user's
// choice or else the best General MIDI SoundFont installed. Every MIDI song and
// the MIDI mapper output play on it. Audio goes to the desktop's sound server
// through FluidSynth's own driver; with no server a thread of ours renders into
// nothing at wall-clock pace. In manual mode (tests, benchmarks) nothing renders
// until render() is called, and time advances exactly by the frames rendered.

#include "platform/midi/RenderClient.h"

#include <fluidsynth.h>

#include <atomic>
#include <condition_variable>
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
    // The channels songs play on, then as many that only hold instruments.
    static constexpr int kSongChannels = 16;
    static constexpr int kHoldChannels = 16;
    // The bank the drum channel's programs play from.
    static constexpr int kDrumBank = 128;

    struct Instrument {
        int bank = 0;
        int program = 0;
        bool operator==(const Instrument&) const = default;
    };

    static SynthHost& instance();
    ~SynthHost();
    SynthHost(const SynthHost&) = delete;
    SynthHost& operator=(const SynthHost&) = delete;

    // Creates the synthesizer, loads its SoundFont and starts the output on
    // first use. False when no synthesizer can be made or no SoundFont loads.
    bool start();
    // start() for a MIDI song about to open: a SoundFont choice made since the
    // last one took effect replaces the loaded SoundFont first, unless a song is
    // open (a playing song never changes its sound). With no SoundFont the
    // failure is reported once to SoundFontNotice.
    bool startSong();
    fluid_synth_t* synth() const { return synth_; }
    int soundFontId() const;
    // The Linux path of the loaded SoundFont; empty when none is.
    std::string soundFontPath() const;
    // An instrument's samples are read from the SoundFont when a channel first
    // selects it; on the render thread that would hold up the sound. A song
    // names its instruments when it opens: the first kHoldChannels of them stay
    // selected on the holding channels, so their samples are read now and kept
    // until the next song names its own. Instruments the SoundFont lacks fall
    // back as a song's program change does (bank 0, or the standard drum kit).
    void holdInstruments(const std::vector<Instrument>& instruments);
    // The settings every synthesizer of ours is made with; the caller deletes them.
    static fluid_settings_t* newSettings();

    // The SoundFont the user chose (a Linux path; empty for none): the first one
    // tried, before the installed ones. Taken at start, or from the next song.
    void setChosenSoundFont(const std::string& path);
    std::string chosenSoundFont() const;
    // The folders the installed SoundFonts are looked for in (default:
    // defaultSoundFontFolders()); taken as the choice is.
    void setSoundFontFolders(std::vector<std::string> folders);
    // /usr/share/sounds/sf2 and sf3, the user's data directory's sounds/sf2 and
    // sounds/sf3 ($XDG_DATA_HOME, else ~/.local/share), /usr/share/soundfonts.
    static std::vector<std::string> defaultSoundFontFolders();
    // The best General MIDI SoundFont in folders: FluidSynth's default-GM link,
    // then FluidR3_GM, then TimGM6mb, .sf2 before .sf3; the better name wins
    // whatever its folder, the earlier folder between equals. Empty when none.
    static std::string findSoundFont(const std::vector<std::string>& folders);
    static std::string findSoundFont() { return findSoundFont(defaultSoundFontFolders()); }
    // Why path cannot serve as a SoundFont (it is loaded on a synthesizer of its
    // own to find out), or empty when it can.
    static std::string soundFontProblem(const std::string& path);

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

    // A play ends the sound server's wait for the next song (below); clients
    // call it once they play.
    void playStarted();
    // When a song ends in silence on the sound server's output, the output
    // stops rendering until the next play starts, at most this long: the song
    // change on the window thread then falls within what the server has
    // buffered (about 5 ms), and the next song follows the last one without a
    // gap. Nothing sounds meanwhile, so a longer wait is silence in silence.
    static constexpr int kNextPlayWaitMs = 20;

private:
    SynthHost();
    // With startMutex_ held and the synthesizer made: the choice, else the best
    // installed SoundFont, loaded in place of the one before. False when none loads.
    bool selectSoundFont();
    bool hasClients();
    void startOutput();
    void stopOutput();
    static void applyOutputGain(int frames, float* dryL, float* dryR);
    void waitForNextPlay();
    static int driverCallback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);

    std::mutex startMutex_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    mutable std::mutex fontMutex_;  // guards the five below for readers on other threads
    int soundFontId_ = -1;
    std::string soundFontPath_;
    std::string chosen_;
    std::vector<std::string> folders_;
    bool selectionChanged_ = false;
    bool started_ = false;
    bool manual_ = false;

    fluid_audio_driver_t* driver_ = nullptr;
    std::string driverName_;
    std::unique_ptr<NullAudioThread> nullThread_;

    std::mutex clientMutex_;
    std::vector<RenderClient*> clients_;
    std::mutex playMutex_;
    std::condition_variable playWake_;
    bool playStarted_ = false;   // since the last end (guarded by playMutex_)
    std::atomic<bool> muted_{false};
    std::atomic<std::int64_t> framesRendered_{0};
};

}  // namespace platform
