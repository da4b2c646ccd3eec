#include "album/SongOrder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

int CompareSongLines(const char* a, const char* b)
{
    if (!a || !*a)
        return -1;
    if (!b || !*b)
        return 1;
    // Byte order, not the desktop's collation: a locale that skips punctuation
    // would run the name into the path and put song10.mid before song1.mid.
    return std::strcmp(a, b);
}

int CompareRandomly(const char* a, const char* b)
{
    if (!a || !*a)
        return -1;
    if (!b || !*b)
        return 1;
    return (std::rand() & 1) ? 1 : -1;
}

void SortSongLines(std::vector<const char*>& lines, SongLineComparator compare)
{
    const size_t n = lines.size();
    std::vector<const char*> scratch(n);
    std::vector<const char*>* from = &lines;
    std::vector<const char*>* to = &scratch;
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t lo = 0; lo < n; lo += 2 * width) {
            const size_t mid = std::min(lo + width, n);
            const size_t hi = std::min(lo + 2 * width, n);
            size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi)
                (*to)[k++] = compare((*from)[j], (*from)[i]) < 0 ? (*from)[j++] : (*from)[i++];
            while (i < mid)
                (*to)[k++] = (*from)[i++];
            while (j < hi)
                (*to)[k++] = (*from)[j++];
        }
        std::swap(from, to);
    }
    if (from != &lines)
        lines.swap(*from);
}
