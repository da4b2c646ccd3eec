#pragma once
// One event of a MIDI song as the sequencer sends it: a channel message or a
// system-exclusive message, at its time from the song's start.

#include <cstdint>

namespace platform {

struct MidiEvent {
    std::int64_t timeUs = 0;
    std::uint64_t tick = 0;
    // 0x80 to 0xEF: a channel message with data1 and data2. 0xF0: a complete
    // system-exclusive message, its bytes between F0 and F7 at sysexOffset.
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    std::uint32_t sysexOffset = 0;
    std::uint32_t sysexLength = 0;

    int channel() const { return status & 0x0F; }
    int kind() const { return status & 0xF0; }
    bool isSysex() const { return status == 0xF0; }
    bool isNoteOn() const { return kind() == 0x90 && data2 != 0; }
    // Notes and key pressure only matter while they sound; everything else is
    // channel state that must be restored after a jump.
    bool isChannelState() const
    {
        return isSysex() || kind() == 0xB0 || kind() == 0xC0 || kind() == 0xD0 || kind() == 0xE0;
    }
};

}  // namespace platform
