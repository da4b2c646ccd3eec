#pragma once
// The device volume word: left channel in the low 16 bits, right in the high
// 16 bits, each 0 (silent) to 65535 (full). The volume slider runs 0 to 10000;
// the program writes both channels alike and reads back the left one.

#include <cstdint>

// Both channels at the slider's position (truncated: 5000 gives 32767 each).
std::uint32_t VolumeWordOfPosition(int position);
// The slider position of the word's left channel (truncated: 32768 gives 5000).
int PositionOfVolumeWord(std::uint32_t word);
