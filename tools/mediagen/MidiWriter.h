#pragma once
// Writes Standard MIDI Files from events given in absolute ticks. Events of one
// track are kept in tick order (stable: events at the same tick keep the order
// they were added in), so callers may add voices one after another.

#include <cstdint>
#include <string>
#include <vector>

namespace mediagen {

class MidiWriter {
public:
    // format 0 (one track) or 1 (several tracks played together); division is
    // the number of ticks per quarter note (1..0x7FFF).
    MidiWriter(int format, int division);

    // Index of the new track. Format 0 allows one track only (std::logic_error).
    int addTrack();
    int trackCount() const { return static_cast<int>(tracks_.size()); }
    int format() const { return format_; }
    int division() const { return division_; }

    // Channel messages. Channels 0..15, data bytes 0..127, pitch bend 0..16383
    // (8192 = centre); anything outside throws std::invalid_argument, an unknown
    // track std::out_of_range.
    void noteOn(int track, std::uint32_t tick, int channel, int key, int velocity);
    void noteOff(int track, std::uint32_t tick, int channel, int key, int velocity = 0);
    void program(int track, std::uint32_t tick, int channel, int program);
    void control(int track, std::uint32_t tick, int channel, int controller, int value);
    void pitchBend(int track, std::uint32_t tick, int channel, int value14);

    // Set Tempo meta event (microseconds per quarter note, 1..0xFFFFFF).
    void tempo(int track, std::uint32_t tick, std::uint32_t microsecondsPerQuarter);
    // A system exclusive message F0 ... F7; a missing leading F0 or closing F7 is added.
    void sysex(int track, std::uint32_t tick, const std::vector<std::uint8_t>& message);
    // Any meta event but End of Track (type 0x2F), which only moves the track's
    // end to a later tick: every track ends with exactly one End of Track, at its
    // last event or at the latest tick asked for, whichever is later.
    void meta(int track, std::uint32_t tick, std::uint8_t type, const std::vector<std::uint8_t>& data);
    void trackName(int track, const std::string& name);

    // Omit repeated status bytes of channel messages (off by default).
    void setRunningStatus(bool on) { runningStatus_ = on; }

    std::vector<std::uint8_t> bytes() const;
    // Writes bytes() to path; false when the file cannot be written completely.
    bool save(const std::string& path) const;

private:
    struct Event {
        std::uint32_t tick;
        std::vector<std::uint8_t> data;  // status byte first, as written to the file
    };
    struct Track {
        std::vector<Event> events;
        std::uint32_t endTick = 0;
    };

    Track& trackAt(int track);
    void add(int track, std::uint32_t tick, std::vector<std::uint8_t> data);
    void channelMessage(int track, std::uint32_t tick, int status, int channel, int data1, int data2, bool twoBytes);
    std::vector<std::uint8_t> trackBytes(const Track& track) const;

    int format_;
    int division_;
    bool runningStatus_ = false;
    std::vector<Track> tracks_;
};

// Variable-length quantity as used for deltas and lengths (values up to 0x0FFFFFFF).
void appendVarLen(std::vector<std::uint8_t>& out, std::uint32_t value);

}  // namespace mediagen
