#pragma once
// The queue font as stored in [Settings] Font: "face, points, weight, italic".

#include <QFont>

#include <string>

namespace settings {

struct FontSetting {
    std::string face;
    int points = 0;
    int weight = 0;  // 0: the face's normal weight; else 1 (thin) to 1000 (black)
    bool italic = false;

    bool operator==(const FontSetting&) const = default;
};

// "MS Sans Serif", 8 points, weight 0, not italic.
FontSetting DefaultFontSetting();
// "%s, %d, %d, %d" of the four fields.
std::string FormatFontSetting(const FontSetting& font);
// The face is the text before the first comma, leading blanks skipped; then three
// numbers separated by commas. A value without a comma, with an empty face or with
// fewer than three numbers gives the default.
FontSetting ParseFontSetting(const char* value);

// a * b / c rounded half away from zero, -1 when c is 0 or the result does not
// fit an int (the rounding the stored point sizes were made with).
int MulDiv(int a, int b, int c);
// The vertical logical resolution of the primary screen, 96 without a screen.
int ScreenLogPixelsY();

// The font description of a setting: pixel size = points x dpi / 72.
QFont FontFromSetting(const FontSetting& font, int dpi);
// The setting of a font description: points = pixel height x 72 / dpi; a
// description made in points keeps its rounded point size; a weight never set
// is 0.
FontSetting SettingFromFont(const QFont& font, int dpi);

}  // namespace settings
