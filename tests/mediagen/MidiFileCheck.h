#pragma once
// A small reader of Standard MIDI Files, written apart from the generator, that
// the generator's output must pass: chunk sizes, variable-length deltas, status
// bytes and one End of Track closing each track.

#include <cstdint>
#include <string>
#include <vector>

namespace mediagen::testing {

struct ParsedEvent {
    std::uint32_t tick = 0;
    std::uint8_t status = 0;            // running status resolved
    std::vector<std::uint8_t> data;     // data bytes (meta: payload; sysex: body incl. F7)
    std::uint8_t metaType = 0;
};

struct ParsedFile {
    int format = -1;
    int division = 0;
    std::vector<std::vector<ParsedEvent>> tracks;
};

// Throws std::runtime_error naming the first fault found.
ParsedFile parseMidi(const std::vector<std::uint8_t>& bytes);

}  // namespace mediagen::testing
