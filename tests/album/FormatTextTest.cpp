#include "album/FormatText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(FormatText, ResultSurvivesNineteenFurtherCallsAndTheTwentiethReusesItsBuffer)
{
    char* first = FormatText("first %d", 1);
    for (int i = 0; i < 19; ++i)
        FormatText("other %d", i);
    EXPECT_STREQ(first, "first 1");
    char* twentieth = FormatText("reused");
    EXPECT_EQ(twentieth, first);
}

TEST(FormatText, OverLongResultIsCutToOneBuffer)
{
    const std::string big(3000, 'x');
    char* neighbour = FormatText("neighbour");
    char* cut = FormatText("%s%s", big.c_str(), "tail");
    EXPECT_EQ(std::strlen(cut), static_cast<size_t>(kFormatBufferSize - 1));
    EXPECT_EQ(std::string(cut), big.substr(0, kFormatBufferSize - 1));
    EXPECT_STREQ(neighbour, "neighbour");
}

TEST(FormatMinSec, MinutesAndSeconds)
{
    struct Case { int seconds; const char* text; };
    for (const Case& c : {Case{0, "00:00"}, Case{59, "00:59"}, Case{61, "01:01"}, Case{3599, "59:59"},
                          Case{6000, "100:00"}}) {
        EXPECT_STREQ(FormatMinSec(c.seconds), c.text) << c.seconds;
    }
}

TEST(Blanks, SkipTrimAndEnd)
{
    char mixed[] = " \t\n\v\f\rword  two \r\n\t ";
    EXPECT_EQ(SkipBlanks(mixed), mixed + 6);
    EXPECT_STREQ(Trim(mixed), "word  two");

    char blanks[] = "  \t \n ";
    EXPECT_STREQ(Trim(blanks), "");
    char none[] = "abc";
    EXPECT_EQ(TrimBlanks(none), none);
    EXPECT_STREQ(none, "abc");
    char empty[] = "";
    EXPECT_STREQ(TrimBlanks(empty), "");
    EXPECT_EQ(StringEnd(none), none + 3);
    EXPECT_EQ(*StringEnd(static_cast<const char*>(none)), '\0');
}
