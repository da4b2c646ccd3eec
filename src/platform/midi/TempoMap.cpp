#include "platform/midi/TempoMap.h"

#include <algorithm>

namespace platform {

TempoMap::TempoMap(std::uint32_t division) : division_(division == 0 ? 1 : division)
{
    segments_.push_back({0, kDefaultTempo, 0});
}

void TempoMap::addTempo(std::uint64_t tick, std::uint32_t usPerQuarter)
{
    pending_.emplace_back(tick, usPerQuarter == 0 ? 1 : usPerQuarter);
}

void TempoMap::finalize()
{
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    segments_.assign(1, Segment{0, kDefaultTempo, 0});
    for (const auto& [tick, tempo] : pending_) {
        Segment& last = segments_.back();
        if (tick == last.tick) {
            last.tempo = tempo;
            continue;
        }
        const std::uint64_t scaled = last.scaled + (tick - last.tick) * last.tempo;
        segments_.push_back({tick, tempo, scaled});
    }
    pending_.clear();
}

const TempoMap::Segment& TempoMap::segmentForTick(std::uint64_t tick) const
{
    auto it = std::upper_bound(segments_.begin(), segments_.end(), tick,
                               [](std::uint64_t t, const Segment& s) { return t < s.tick; });
    return *std::prev(it);
}

std::int64_t TempoMap::tickToUs(std::uint64_t tick) const
{
    const Segment& s = segmentForTick(tick);
    return static_cast<std::int64_t>((s.scaled + (tick - s.tick) * s.tempo) / division_);
}

std::uint64_t TempoMap::usToTick(std::int64_t us) const
{
    if (us <= 0)
        return 0;
    const std::uint64_t target = static_cast<std::uint64_t>(us) * division_;
    auto it = std::upper_bound(segments_.begin(), segments_.end(), target,
                               [](std::uint64_t t, const Segment& s) { return t < s.scaled; });
    const Segment& s = *std::prev(it);
    // Smallest tick whose time (rounded down) is at or after `us`.
    const std::uint64_t rest = target - s.scaled;
    return s.tick + (rest + s.tempo - 1) / s.tempo;
}

std::uint32_t TempoMap::tempoAt(std::uint64_t tick) const
{
    return segmentForTick(tick).tempo;
}

}  // namespace platform
