#pragma once
// The MIDI sequencer device: plays one .mid or .rmi file on the program's
// synthesizer. Our own reading of the file gives the timeline, so length and
// position in milliseconds are exact; events go to the synthesizer from the
// render thread at the sample they are due (to the synthesizer's block).
//
// Commands come from the window thread, rendering runs on the audio thread:
// the driver's state is guarded by one mutex, held briefly and never while
// calling the host or an end handler.

#include "platform/media/MediaDriver.h"
#include "platform/midi/ChannelSnapshot.h"
#include "platform/midi/MidiFile.h"
#include "platform/midi/RenderClient.h"

#include <fluidsynth.h>

#include <memory>
#include <mutex>

namespace platform {

class SequencerDriver final : public MediaDriver, private RenderClient {
public:
    // The value MCI_GETDEVCAPS_DEVICE_TYPE reports for a sequencer.
    static constexpr std::uint32_t kDeviceTypeSequencer = 523;

    SequencerDriver() = default;
    ~SequencerDriver() override;

    mci::ErrorCode open(const std::string& file) override;
    void close();

    std::uint32_t lengthMs() const override;
    std::uint32_t positionMs() const override;
    MediaMode mode() const override;

    mci::ErrorCode play(std::uint32_t toMs) override;
    mci::ErrorCode pause() override;
    mci::ErrorCode stop() override;
    mci::ErrorCode seek(std::uint32_t ms) override;
    mci::ErrorCode setAudio(bool on) override;
    void setEndHandler(EndHandler handler) override;

    std::string info(std::uint32_t flags) const override;
    std::uint32_t deviceCaps(std::uint32_t item) const override;

    static mci::ErrorCode errorFor(MidiFile::Error error);

private:
    std::int64_t dispatchDue() override;
    void rendered(std::int64_t frames, Deferred& deferred) override;

    // All below: with mutex_ held.
    std::int64_t frameOffset(std::int64_t us) const;
    std::int64_t currentUs() const;
    void send(const MidiEvent& ev);
    void halt(MediaMode mode);
    void releaseNotes();
    void chase();

    mutable std::mutex mutex_;
    fluid_synth_t* synth_ = nullptr;
    bool open_ = false;
    std::string path_;
    MidiFile file_;
    ChannelSnapshot baseline_;
    EndHandler endHandler_;
    bool muted_ = false;

    MediaMode mode_ = MediaMode::Stopped;
    std::int64_t positionUs_ = 0;   // while not playing
    std::size_t next_ = 0;          // first event not yet sent
    bool needsChase_ = false;       // notes were released since the last event sent
    // While playing: the stretch from startUs_ to endUs_, framesPlayed_ into it.
    std::int64_t startUs_ = 0;
    std::int64_t endUs_ = 0;
    std::int64_t endFrame_ = 0;
    std::int64_t framesPlayed_ = 0;
    bool toSongEnd_ = false;
};

std::unique_ptr<MediaDriver> CreateSequencerDriver();

}  // namespace platform
