#include "album/SongOrder.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

TEST(SongOrder, EmptySlotsCompareLowest)
{
    for (SongLineComparator compare : {CompareSongLines, CompareRandomly}) {
        EXPECT_EQ(compare(nullptr, "a"), -1);
        EXPECT_EQ(compare("", "a"), -1);
        EXPECT_EQ(compare("a", nullptr), 1);
        EXPECT_EQ(compare("a", ""), 1);
    }
    EXPECT_LT(CompareSongLines("a.mid \t", "b.mid \t"), 0);
    EXPECT_GT(CompareSongLines("b.mid \t", "a.mid \t"), 0);
    EXPECT_EQ(CompareSongLines("a", "a"), 0);
}

TEST(SongOrder, FileNamesOrderAsTheyReadInTheDesktopLocaleAndInC)
{
    const std::string lines[] = {"ab.mid \t[c:\\m]\tc:\\m\\ab.mid", "song10.mid \t[c:\\m]\tc:\\m\\song10.mid",
                                 "a.mid \t[c:\\z]\tc:\\z\\a.mid", "song1.mid \t[c:\\z]\tc:\\z\\song1.mid"};
    const std::string saved = std::setlocale(LC_COLLATE, nullptr);
    for (const char* locale : {"en_US.UTF-8", "C"}) {
        SCOPED_TRACE(locale);
        if (!std::setlocale(LC_COLLATE, locale))
            ADD_FAILURE() << "locale missing: scripts/setup.sh generates it";
        std::vector<const char*> sorted;
        for (const std::string& line : lines)
            sorted.push_back(line.c_str());
        SortSongLines(sorted, CompareSongLines);
        EXPECT_EQ(sorted, (std::vector<const char*>{lines[2].c_str(), lines[0].c_str(), lines[3].c_str(),
                                                    lines[1].c_str()}));
    }
    std::setlocale(LC_COLLATE, saved.c_str());
}

TEST(SongOrder, MergeSortIsStableAndGathersEmptySlotsFirst)
{
    const std::string b1 = "b", b2 = "b", a = "a", c = "c";
    std::vector<const char*> lines{b1.c_str(), nullptr, c.c_str(), b2.c_str(), a.c_str(), nullptr};
    SortSongLines(lines, CompareSongLines);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], nullptr);
    EXPECT_EQ(lines[1], nullptr);
    EXPECT_EQ(lines[2], a.c_str());
    EXPECT_EQ(lines[3], b1.c_str());
    EXPECT_EQ(lines[4], b2.c_str());
    EXPECT_EQ(lines[5], c.c_str());
}

TEST(SongOrder, AnyComparatorGivesAPermutation)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 1000; ++i)
        texts.push_back("line" + std::to_string(i));
    std::vector<const char*> lines;
    for (const auto& t : texts)
        lines.push_back(t.c_str());
    std::srand(99);
    for (SongLineComparator compare : {CompareRandomly,
                                       +[](const char*, const char*) { return 1; },
                                       +[](const char*, const char*) { return -1; }}) {
        std::vector<const char*> sorted = lines;
        SortSongLines(sorted, compare);
        std::vector<const char*> a = sorted, b = lines;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b);
    }
}
