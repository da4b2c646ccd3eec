#pragma once

#include <vector>

// Orders of song lines for Sort and Shuffle. A null line is an empty slot (a line that could
// not be read); it compares lower than any line.

// A three-way comparison of two song lines: negative, zero or positive.
using SongLineComparator = int (*)(const char* a, const char* b);

// Empty a: -1; else empty b: +1; else the comparison of the whole lines character by
// character, the same in every locale: the dot, the blank, the TAB and the bracket count,
// so lines order by file name as it reads, then by short path, then by full path.
int CompareSongLines(const char* a, const char* b);

// Empty a: -1; else empty b: +1; else a coin toss of the runtime's rand(): odd +1, even -1.
// Not an order at all, so it may only be given to SortSongLines.
int CompareRandomly(const char* a, const char* b);

// Sorts lines by compare with a merge sort: every comparison's answer is taken as it comes,
// so any comparator, even an inconsistent one, gives some permutation of the lines.
void SortSongLines(std::vector<const char*>& lines, SongLineComparator compare);
