#include "media/VolumeWord.h"

#include <algorithm>

namespace {
constexpr std::int64_t kFull = 65535;
constexpr std::int64_t kSliderMax = 10000;
}  // namespace

std::uint32_t VolumeWordOfPosition(int position)
{
    const std::int64_t clamped = std::clamp<std::int64_t>(position, 0, kSliderMax);
    const auto v = static_cast<std::uint32_t>(clamped * kFull / kSliderMax);
    return (v << 16) | v;
}

int PositionOfVolumeWord(std::uint32_t word)
{
    return static_cast<int>(static_cast<std::int64_t>(word & 0xFFFFu) * kSliderMax / kFull);
}
