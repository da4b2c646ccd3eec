// The MIDI file reader on any bytes. What it accepts has a sane timeline: events
// in time order inside the song's length, system-exclusive data inside the file,
// and the tempo map converts a position taken from the input (as a seek does)
// to the first tick at or after it and back.

#include "FuzzCheck.h"
#include "platform/midi/MidiFile.h"

#include <algorithm>
#include <cstdint>
#include <span>

using platform::MidiFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MidiFile file;
    const std::span<const std::uint8_t> bytes(data, size);
    if (file.parse(bytes) != MidiFile::Error::None) {
        FUZZ_CHECK(file.events().empty() && file.lengthUs() == 0);
        return 0;
    }
    const auto& events = file.events();
    std::int64_t previous = 0;
    for (const auto& ev : events) {
        FUZZ_CHECK(ev.timeUs >= previous && ev.timeUs <= file.lengthUs());
        previous = ev.timeUs;
        FUZZ_CHECK(ev.status >= 0x80 && ev.status <= 0xF0);
        FUZZ_CHECK(((ev.data1 | ev.data2) & 0x80) == 0);
        if (ev.isSysex())
            FUZZ_CHECK(file.sysex(ev).size() == ev.sysexLength && ev.sysexLength <= size);
    }
    FUZZ_CHECK(std::uint64_t{file.lengthMs()} * 1000 >= static_cast<std::uint64_t>(file.lengthUs()));

    // A seek: a position from the input's last bytes, within the length.
    std::uint32_t seed = 0;
    for (std::size_t i = size >= 4 ? size - 4 : 0; i < size; ++i)
        seed = (seed << 8) | data[i];
    const std::uint32_t ms = file.lengthMs() ? seed % (file.lengthMs() + 1) : 0;
    const std::int64_t us = std::int64_t{ms} * 1000;
    const auto& map = file.tempoMap();
    const std::uint64_t tick = map.usToTick(us);
    FUZZ_CHECK(map.tickToUs(tick) >= us);
    FUZZ_CHECK(tick == 0 || map.tickToUs(tick - 1) < us);
    const auto next = std::lower_bound(events.begin(), events.end(), us,
                                       [](const auto& ev, std::int64_t t) { return ev.timeUs < t; });
    FUZZ_CHECK(next == events.end() || next->tick >= tick);
    FUZZ_CHECK(next == events.begin() || std::prev(next)->tick < tick);
    return 0;
}
