#include "settings/FontSetting.h"

#include <gtest/gtest.h>

#include <climits>

using namespace settings;

namespace {

TEST(FontSetting, ParsesAndFormats)
{
    const FontSetting parsed = ParseFontSetting("  Courier New, 12, 700, 1");
    EXPECT_EQ(parsed, (FontSetting{"Courier New", 12, 700, true}));
    EXPECT_EQ(FormatFontSetting(parsed), "Courier New, 12, 700, 1");
    EXPECT_EQ(FormatFontSetting(DefaultFontSetting()), "MS Sans Serif, 8, 0, 0");
    EXPECT_EQ(ParseFontSetting("Arial,10,400,0"), (FontSetting{"Arial", 10, 400, false}));
}

TEST(FontSetting, MalformedValuesGiveTheDefault)
{
    const char* values[] = {"", "Arial", "Arial 10 400 0", "Arial, 10", "Arial, 10, 400", "Arial, ten, 400, 0",
                            ", 10, 400, 0", "   , 10, 400, 0", "Arial, 10,, 400, 0"};
    for (const char* value : values)
        EXPECT_EQ(ParseFontSetting(value), DefaultFontSetting()) << '"' << value << '"';
    EXPECT_EQ(ParseFontSetting(nullptr), DefaultFontSetting());
}

TEST(FontSetting, MulDivRoundsHalfAwayFromZero)
{
    struct Row {
        int a, b, c, result;
    };
    const Row rows[] = {
        {8, 96, 72, 11},     // 10.67
        {8, 120, 72, 13},    // 13.33
        {9, 96, 72, 12},     // exact
        {11, 72, 96, 8},     // 8.25
        {13, 72, 120, 8},    // 7.8
        {3, 1, 2, 2},        // 1.5 up
        {-3, 1, 2, -2},      // -1.5 away from zero
        {3, 1, -2, -2},
        {5, 5, 0, -1},
        {INT_MAX, 4, 2, -1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(MulDiv(row.a, row.b, row.c), row.result) << row.a << '*' << row.b << '/' << row.c;
}

TEST(FontSetting, PointsAndPixelsConvertWithTheScreenResolution)
{
    struct Row {
        int points, dpi, pixels;
    };
    const Row rows[] = {{8, 96, 11}, {8, 120, 13}, {10, 96, 13}, {12, 96, 16}, {12, 144, 24}};
    for (const Row& row : rows) {
        const FontSetting setting{"Arial", row.points, 0, false};
        const QFont font = FontFromSetting(setting, row.dpi);
        EXPECT_EQ(font.pixelSize(), row.pixels) << row.points << "pt at " << row.dpi;
        EXPECT_EQ(SettingFromFont(font, row.dpi).points, row.points);
    }
}

TEST(FontSetting, FontDescriptionRoundTrip)
{
    const FontSetting bold{"Courier New", 12, 700, true};
    const QFont font = FontFromSetting(bold, 96);
    EXPECT_EQ(font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(SettingFromFont(font, 96), bold);
    // A weight never chosen stays "the face's own".
    EXPECT_EQ(SettingFromFont(FontFromSetting(DefaultFontSetting(), 96), 96), DefaultFontSetting());
}

TEST(FontSetting, PointSizedFontsKeepTheirPoints)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10.6);
    EXPECT_EQ(SettingFromFont(font, 96).points, 11);
}

TEST(FontSetting, UnconvertibleSizeKeepsTheDefaultSize)
{
    const QFont plain;
    const QFont font = FontFromSetting(FontSetting{"Arial", INT_MAX, 0, false}, 96);
    EXPECT_EQ(font.pixelSize(), plain.pixelSize());
}

}  // namespace
