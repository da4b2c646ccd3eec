#pragma once
// Conversion between MIDI ticks and time for one song. Times are integer
// microseconds from the song's start; the map keeps, for each tempo segment,
// the exact product sum (ticks x microseconds per quarter) so a conversion is
// rounded once, never accumulated across tempo changes: tickToUs rounds down,
// usToTick gives the first tick at or after the time.

#include <cstdint>
#include <vector>

namespace platform {

class TempoMap {
public:
    static constexpr std::uint32_t kDefaultTempo = 500000;   // 120 beats per minute

    // division: ticks per quarter note, 1 to 32767.
    explicit TempoMap(std::uint32_t division = 96);

    // Tempo changes may be added in any order; at equal ticks the last added wins.
    void addTempo(std::uint64_t tick, std::uint32_t usPerQuarter);
    // Must be called after the last addTempo and before any conversion.
    void finalize();

    std::int64_t tickToUs(std::uint64_t tick) const;
    std::uint64_t usToTick(std::int64_t us) const;
    std::uint32_t tempoAt(std::uint64_t tick) const;
    std::uint32_t division() const { return division_; }

private:
    struct Segment {
        std::uint64_t tick;
        std::uint32_t tempo;
        std::uint64_t scaled;   // microseconds x division at `tick`, exact
    };
    const Segment& segmentForTick(std::uint64_t tick) const;

    std::uint32_t division_;
    std::vector<Segment> segments_;
    std::vector<std::pair<std::uint64_t, std::uint32_t>> pending_;
};

}  // namespace platform
