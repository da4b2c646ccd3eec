#include "settings/FontSetting.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace settings {

namespace {
constexpr const char* kDefaultFace = "MS Sans Serif";
constexpr int kDefaultPoints = 8;
constexpr int kPointsPerInch = 72;
constexpr int kWeightMax = 1000;
}  // namespace

FontSetting DefaultFontSetting()
{
    return FontSetting{kDefaultFace, kDefaultPoints, 0, false};
}

std::string FormatFontSetting(const FontSetting& font)
{
    return font.face + ", " + std::to_string(font.points) + ", " + std::to_string(font.weight) + ", " +
           std::to_string(font.italic ? 1 : 0);
}

FontSetting ParseFontSetting(const char* value)
{
    if (value == nullptr)
        return DefaultFontSetting();
    const char* comma = std::strchr(value, ',');
    if (comma == nullptr)
        return DefaultFontSetting();
    const char* face = value;
    while (face < comma && (*face == ' ' || *face == '\t'))
        ++face;
    if (face == comma)
        return DefaultFontSetting();
    int points = 0;
    int weight = 0;
    int italic = 0;
    if (std::sscanf(comma + 1, " %d, %d, %d", &points, &weight, &italic) != 3)
        return DefaultFontSetting();
    FontSetting font;
    font.face.assign(face, comma);
    font.points = points;
    font.weight = weight;
    font.italic = italic != 0;
    return font;
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    // Half away from zero: twice the remainder reaching the divisor rounds up in magnitude.
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<std::int64_t>(c)))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient > INT_MAX || quotient < INT_MIN)
        return -1;
    return static_cast<int>(quotient);
}

int ScreenLogPixelsY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return 96;
    const int dpi = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    return dpi > 0 ? dpi : 96;
}

QFont FontFromSetting(const FontSetting& font, int dpi)
{
    QFont result;
    result.setFamily(QString::fromStdString(font.face));
    // A size that cannot be converted keeps the default size.
    const int pixels = MulDiv(std::abs(font.points), dpi, kPointsPerInch);
    if (pixels > 0)
        result.setPixelSize(pixels);
    // 0 lets the face choose, which is its normal weight.
    if (font.weight > 0)
        result.setWeight(static_cast<QFont::Weight>(std::min(font.weight, kWeightMax)));
    result.setItalic(font.italic);
    return result;
}

FontSetting SettingFromFont(const QFont& font, int dpi)
{
    FontSetting setting;
    setting.face = font.family().toStdString();
    if (font.pixelSize() > 0)
        setting.points = MulDiv(font.pixelSize(), kPointsPerInch, dpi);
    else
        setting.points = static_cast<int>(std::lround(font.pointSizeF()));
    // A weight never set is the face's own choice, stored as 0.
    setting.weight = (font.resolveMask() & QFont::WeightResolved) != 0 ? font.weight() : 0;
    setting.italic = font.italic();
    return setting;
}

}  // namespace settings
