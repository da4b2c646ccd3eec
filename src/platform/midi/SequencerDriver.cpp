#include "platform/midi/SequencerDriver.h"

#include "platform/midi/SynthHost.h"

#include <algorithm>
#include <array>
#include <vector>

namespace platform {

namespace {

constexpr std::int64_t kUsPerSecond = 1000000;
constexpr int kDrumChannel = 9;

// The instruments a song selects, in the order it first does: each program
// change with its channel's bank (the last bank select, or the drum bank on the
// drum channel).
std::vector<SynthHost::Instrument> songInstruments(const MidiFile& file)
{
    std::array<int, ChannelSnapshot::kChannels> bank{};
    std::vector<SynthHost::Instrument> found;
    for (const MidiEvent& ev : file.events()) {
        if (ev.kind() == 0xB0 && ev.data1 == 0) {
            bank[static_cast<std::size_t>(ev.channel())] = ev.data2;
        } else if (ev.kind() == 0xC0) {
            const int from = ev.channel() == kDrumChannel ? SynthHost::kDrumBank
                                                          : bank[static_cast<std::size_t>(ev.channel())];
            const SynthHost::Instrument instrument{from, ev.data1};
            if (std::find(found.begin(), found.end(), instrument) == found.end())
                found.push_back(instrument);
        }
    }
    return found;
}

}  // namespace

std::unique_ptr<MediaDriver> CreateSequencerDriver()
{
    return std::make_unique<SequencerDriver>();
}

SequencerDriver::~SequencerDriver()
{
    close();
}

mci::ErrorCode SequencerDriver::errorFor(MidiFile::Error error)
{
    switch (error) {
    case MidiFile::Error::None: return 0;
    case MidiFile::Error::NotFound: return mci::MCIERR_FILE_NOT_FOUND;
    case MidiFile::Error::SmpteDivision: return mci::MCIERR_SEQ_DIV_INCOMPATIBLE;
    case MidiFile::Error::TooLarge: return mci::MCIERR_OUT_OF_MEMORY;
    case MidiFile::Error::Damaged:
    case MidiFile::Error::Format2: return mci::MCIERR_INVALID_FILE;
    }
    return mci::MCIERR_INVALID_FILE;
}

mci::ErrorCode SequencerDriver::open(const std::string& file)
{
    {
        std::lock_guard lock(mutex_);
        if (open_)
            return mci::MCIERR_DEVICE_OPEN;
    }
    SynthHost& host = SynthHost::instance();
    if (!host.startSong())
        return mci::MCIERR_SEQ_NOMIDIPRESENT;
    MidiFile parsed;
    if (const MidiFile::Error error = parsed.load(file); error != MidiFile::Error::None)
        return errorFor(error);
    // Before the song sounds: the render thread then finds its instruments read in.
    host.holdInstruments(songInstruments(parsed));
    {
        std::lock_guard lock(mutex_);
        synth_ = host.synth();
        file_ = std::move(parsed);
        path_ = file;
        baseline_.capture(synth_);
        mode_ = MediaMode::Stopped;
        positionUs_ = 0;
        next_ = 0;
        needsChase_ = false;
        open_ = true;
    }
    host.addClient(this);
    return 0;
}

void SequencerDriver::close()
{
    {
        std::lock_guard lock(mutex_);
        if (!open_)
            return;
    }
    SynthHost& host = SynthHost::instance();
    host.removeClient(this);
    std::lock_guard lock(mutex_);
    halt(MediaMode::Stopped);
    releaseNotes();
    if (muted_)
        host.setMuted(false);
    muted_ = false;
    open_ = false;
    file_ = MidiFile();
}

std::uint32_t SequencerDriver::lengthMs() const
{
    std::lock_guard lock(mutex_);
    return file_.lengthMs();
}

std::uint32_t SequencerDriver::positionMs() const
{
    std::lock_guard lock(mutex_);
    return static_cast<std::uint32_t>(currentUs() / 1000);
}

MediaMode SequencerDriver::mode() const
{
    std::lock_guard lock(mutex_);
    return mode_;
}

std::int64_t SequencerDriver::frameOffset(std::int64_t us) const
{
    const std::int64_t d = (us - startUs_) * SynthHost::kSampleRate;
    // Rounded up: an event never sounds before its time.
    return d <= 0 ? d / kUsPerSecond : (d + kUsPerSecond - 1) / kUsPerSecond;
}

std::int64_t SequencerDriver::currentUs() const
{
    if (mode_ != MediaMode::Playing)
        return positionUs_;
    const std::int64_t us = startUs_ + framesPlayed_ * kUsPerSecond / SynthHost::kSampleRate;
    return std::min(us, endUs_);
}

mci::ErrorCode SequencerDriver::play(std::uint32_t toMs)
{
    EndHandler immediateEnd;
    bool started = false;
    {
        std::lock_guard lock(mutex_);
        if (!open_)
            return mci::MCIERR_INVALID_DEVICE_ID;
        toMs = std::min(toMs, file_.lengthMs());
        const std::int64_t from = currentUs();
        const std::int64_t to = std::int64_t{toMs} * 1000;
        if (to < from)
            return mci::MCIERR_OUTOFRANGE;
        if (mode_ != MediaMode::Playing && needsChase_) {
            chase();
            needsChase_ = false;
        }
        startUs_ = from;
        endUs_ = to;
        toSongEnd_ = toMs == file_.lengthMs();
        framesPlayed_ = 0;
        endFrame_ = frameOffset(to);
        if (endFrame_ <= 0) {
            // Already at the end point: the play ends where it starts.
            halt(MediaMode::Stopped);
            positionUs_ = to;
            immediateEnd = endHandler_;
        } else {
            mode_ = MediaMode::Playing;
            started = true;
        }
    }
    if (started)
        SynthHost::instance().playStarted();
    if (immediateEnd)
        immediateEnd();
    return 0;
}

mci::ErrorCode SequencerDriver::pause()
{
    std::lock_guard lock(mutex_);
    if (!open_)
        return mci::MCIERR_INVALID_DEVICE_ID;
    halt(MediaMode::Paused);
    return 0;
}

mci::ErrorCode SequencerDriver::stop()
{
    std::lock_guard lock(mutex_);
    if (!open_)
        return mci::MCIERR_INVALID_DEVICE_ID;
    halt(MediaMode::Stopped);
    return 0;
}

void SequencerDriver::halt(MediaMode mode)
{
    if (mode_ == MediaMode::Playing) {
        positionUs_ = currentUs();
        releaseNotes();
    }
    mode_ = mode;
}

mci::ErrorCode SequencerDriver::seek(std::uint32_t ms)
{
    std::lock_guard lock(mutex_);
    if (!open_)
        return mci::MCIERR_INVALID_DEVICE_ID;
    halt(MediaMode::Stopped);
    // Whatever rings from before the jump belongs to another place in the song.
    fluid_synth_all_sounds_off(synth_, -1);
    positionUs_ = std::int64_t{std::min(ms, file_.lengthMs())} * 1000;
    const auto& events = file_.events();
    next_ = static_cast<std::size_t>(
        std::lower_bound(events.begin(), events.end(), positionUs_,
                         [](const MidiEvent& ev, std::int64_t us) { return ev.timeUs < us; }) -
        events.begin());
    chase();
    needsChase_ = false;
    return 0;
}

mci::ErrorCode SequencerDriver::setAudio(bool on)
{
    std::lock_guard lock(mutex_);
    if (!open_)
        return mci::MCIERR_INVALID_DEVICE_ID;
    muted_ = !on;
    SynthHost::instance().setMuted(muted_);
    return 0;
}

void SequencerDriver::setEndHandler(EndHandler handler)
{
    std::lock_guard lock(mutex_);
    endHandler_ = std::move(handler);
}

std::string SequencerDriver::info(std::uint32_t flags) const
{
    std::lock_guard lock(mutex_);
    if (flags & mci::MCI_INFO_FILE)
        return path_;
    if (flags & mci::MCI_INFO_PRODUCT)
        return "MIDI Sequencer";
    return {};
}

std::uint32_t SequencerDriver::deviceCaps(std::uint32_t item) const
{
    switch (item) {
    case mci::MCI_GETDEVCAPS_DEVICE_TYPE: return kDeviceTypeSequencer;
    case mci::MCI_GETDEVCAPS_HAS_AUDIO:
    case mci::MCI_GETDEVCAPS_USES_FILES:
    case mci::MCI_GETDEVCAPS_COMPOUND_DEVICE:
    case mci::MCI_GETDEVCAPS_CAN_PLAY: return 1;
    default: return 0;
    }
}

void SequencerDriver::releaseNotes()
{
    // All-notes-off leaves notes held by a pedal sounding: lift the pedals first.
    for (int ch = 0; ch < ChannelSnapshot::kChannels; ++ch) {
        fluid_synth_cc(synth_, ch, 64, 0);
        fluid_synth_cc(synth_, ch, 66, 0);
        fluid_synth_all_notes_off(synth_, ch);
    }
    needsChase_ = true;
}

void SequencerDriver::chase()
{
    baseline_.restore(synth_);
    const auto& events = file_.events();
    for (std::size_t i = 0; i < next_ && i < events.size(); ++i) {
        if (events[i].isChannelState())
            send(events[i]);
    }
}

void SequencerDriver::send(const MidiEvent& ev)
{
    const int ch = ev.channel();
    switch (ev.kind()) {
    case 0x80: fluid_synth_noteoff(synth_, ch, ev.data1); break;
    case 0x90: fluid_synth_noteon(synth_, ch, ev.data1, ev.data2); break;
    case 0xA0: fluid_synth_key_pressure(synth_, ch, ev.data1, ev.data2); break;
    case 0xB0: fluid_synth_cc(synth_, ch, ev.data1, ev.data2); break;
    case 0xC0: fluid_synth_program_change(synth_, ch, ev.data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth_, ch, ev.data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth_, ch, ev.data1 | (ev.data2 << 7)); break;
    case 0xF0: {
        const auto body = file_.sysex(ev);
        fluid_synth_sysex(synth_, reinterpret_cast<const char*>(body.data()), static_cast<int>(body.size()),
                          nullptr, nullptr, nullptr, 0);
        break;
    }
    default: break;
    }
}

std::int64_t SequencerDriver::dispatchDue()
{
    std::lock_guard lock(mutex_);
    if (mode_ != MediaMode::Playing)
        return kIdle;
    const auto& events = file_.events();
    while (next_ < events.size()) {
        const MidiEvent& ev = events[next_];
        if ((ev.timeUs >= endUs_ && !toSongEnd_) || frameOffset(ev.timeUs) > framesPlayed_)
            break;
        send(ev);
        ++next_;
    }
    std::int64_t limit = endFrame_ - framesPlayed_;
    if (next_ < events.size() && (events[next_].timeUs < endUs_ || toSongEnd_))
        limit = std::min(limit, frameOffset(events[next_].timeUs) - framesPlayed_);
    return std::max<std::int64_t>(limit, 1);
}

void SequencerDriver::rendered(std::int64_t frames, Deferred& deferred)
{
    std::lock_guard lock(mutex_);
    if (mode_ != MediaMode::Playing)
        return;
    framesPlayed_ += frames;
    if (framesPlayed_ < endFrame_)
        return;
    if (toSongEnd_) {
        const auto& events = file_.events();
        for (; next_ < events.size(); ++next_)
            send(events[next_]);
    }
    halt(MediaMode::Stopped);
    positionUs_ = endUs_;
    if (endHandler_)
        deferred.push_back(endHandler_);
}

}  // namespace platform
