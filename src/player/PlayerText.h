#pragma once
// The texts the player writes: console read-outs and the parts of the caption.

#include <cstdint>
#include <string>

namespace player {

// Minutes and seconds, "%02.02d:%02.02d"; minutes above 99 take three digits.
std::string FormatMinSec(std::int64_t seconds);
// A song number or count, "%03.03d".
std::string FormatSongNumber(int number);
// The text after the last backslash (the whole path when it has none).
std::string FileNameOf(const std::string& path);
// The text before the last "." (the whole name when it has none).
std::string WithoutExtension(const std::string& name);
std::string UpperCased(std::string text);

}  // namespace player
