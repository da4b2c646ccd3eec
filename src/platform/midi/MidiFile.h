#pragma once
// A Standard MIDI File (format 0 or 1, ticks per quarter note), bare or wrapped
// in a RIFF "RMID" file, read whole into memory. The events of all tracks are
// merged in time order with their times in microseconds; the song's length is
// the time of its last event of any kind, end-of-track included.
//
// Damage is forgiven where the music can still be told apart from it: a track
// plays up to its first unreadable event, chunks cut off by the end of the file
// hold what is there, unknown chunks and trailing bytes are skipped (see
// MidiTrackParser for the events). A file with no header or no track at all
// does not open.

#include "platform/midi/MidiEvent.h"
#include "platform/midi/TempoMap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

class MidiFile {
public:
    enum class Error {
        None,
        NotFound,       // missing or unreadable
        Damaged,        // not MIDI, a damaged header, or no track
        Format2,        // independent sequences: no single timeline to play
        SmpteDivision,  // frame-based time division
        TooLarge,
    };
    // Far above any real song; bounds the memory a hostile file can claim.
    static constexpr std::size_t kMaxFileSize = 16u << 20;

    Error load(const std::string& path);
    Error parse(std::span<const std::uint8_t> bytes);

    const std::vector<MidiEvent>& events() const { return events_; }
    const TempoMap& tempoMap() const { return tempoMap_; }
    std::span<const std::uint8_t> sysex(const MidiEvent& ev) const;

    std::int64_t lengthUs() const { return lengthUs_; }
    // Rounded up, so that playing to the length plays every event.
    std::uint32_t lengthMs() const;
    int format() const { return format_; }
    // The tracks read, which a damaged file may hold fewer of than it announces.
    int trackCount() const { return trackCount_; }

    static const char* describe(Error error);

private:
    Error parseSmf(std::span<const std::uint8_t> bytes);
    void clear();

    std::vector<MidiEvent> events_;
    std::vector<std::uint8_t> sysexData_;
    TempoMap tempoMap_;
    std::int64_t lengthUs_ = 0;
    int format_ = 0;
    int trackCount_ = 0;
};

}  // namespace platform
