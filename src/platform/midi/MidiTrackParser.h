#pragma once
// Reads the events of one MTrk chunk. Every read is checked against the chunk's
// end. Reading is liberal, as long-lived players are with the files found in the
// wild: an event that cannot be read (a delta of five bytes, an event cut off by
// the chunk's end, a stray byte) ends the track, and everything before it plays;
// running status carries across meta and system-exclusive events; data bytes with
// no status to run on are skipped up to the next status byte; whatever follows
// End of Track is ignored.

#include "platform/midi/MidiEvent.h"
#include "platform/midi/TempoMap.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace platform {

class MidiTrackParser {
public:
    // Ticks beyond this are refused: times then stay far inside 64-bit arithmetic.
    static constexpr std::uint64_t kMaxTick = std::uint64_t{1} << 36;

    MidiTrackParser(std::vector<MidiEvent>& events, std::vector<std::uint8_t>& sysexData,
                    TempoMap& tempoMap);

    // Appends the track's events (tick set, time not yet) and its tempo changes.
    // Returns the tick of the track's last event of any kind that was read.
    std::uint64_t parse(std::span<const std::uint8_t> track);

private:
    enum class Read { Event, EndOfTrack, Unreadable };

    bool readVarLen(std::uint32_t& value);
    bool readByte(std::uint8_t& value);
    bool skipToStatus(std::uint8_t& status);
    Read readEvent(std::uint64_t tick, std::uint8_t status, std::uint8_t& running);
    bool parseMeta(std::uint64_t tick, bool& endOfTrack);
    bool parseSysex(std::uint64_t tick, bool escapeForm);
    void addSysex(std::uint64_t tick, std::span<const std::uint8_t> body);

    std::vector<MidiEvent>& events_;
    std::vector<std::uint8_t>& sysexData_;
    TempoMap& tempoMap_;
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    // A system-exclusive message split into F0 and F7 packets is gathered here.
    std::vector<std::uint8_t> pendingSysex_;
    bool sysexOpen_ = false;
};

}  // namespace platform
