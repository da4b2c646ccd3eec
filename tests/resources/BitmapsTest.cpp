#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include "resources/bitmaps/Bitmaps.h"

using namespace resources;

namespace {

QSet<QRgb> Colours(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

bool IsStandardColour(QRgb c)
{
    static const QSet<QRgb> kSixteen = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return kSixteen.contains(c);
}

}  // namespace

TEST(Bitmaps, EveryPictureHasItsSizeAndTheSixteenColours)
{
    struct Case {
        int id;
        int w, h;
        bool icon;
    };
    const Case cases[] = {
        {7709, 20, 20, false},  {7711, 20, 20, false},  {7722, 20, 20, false}, {7723, 20, 20, false},
        {7724, 20, 20, false},  {7729, 20, 20, false},  {7762, 20, 20, false}, {7773, 20, 20, false},
        {7743, 16, 16, false},  {7744, 16, 16, false},  {7788, 16, 16, false}, {7888, 16, 16, false},
        {17933, 16, 16, false}, {17934, 16, 16, false}, {7839, 10, 11, false}, {7882, 160, 50, false},
        {7713, 32, 32, true},   {7779, 32, 32, true},
    };
    for (const Case& c : cases) {
        const QPixmap pixmap = c.icon ? LoadIcon(c.id) : LoadBitmap(c.id);
        ASSERT_FALSE(pixmap.isNull()) << c.id;
        EXPECT_EQ(pixmap.size(), QSize(c.w, c.h)) << c.id;
        const QSet<QRgb> colours = Colours(pixmap);
        EXPECT_GE(colours.size(), 2) << c.id << " draws nothing";
        for (QRgb colour : colours) {
            EXPECT_TRUE(IsStandardColour(colour)) << c.id << " uses " << std::hex << colour;
        }
        if (c.icon) {
            EXPECT_TRUE(pixmap.hasAlpha()) << c.id;
        }
    }
}

TEST(Bitmaps, GlyphsStandOnTheFaceGreyAndTransparentPicturesOnNavy)
{
    for (int id : {7722, 7888, 17933}) {
        const QImage image = LoadBitmap(id).toImage();
        EXPECT_EQ(image.pixelColor(0, 0), kGlyphFaceColor) << id;
    }
    // The queue and the About box draw these with navy as the transparent colour.
    for (int id : {7839, 7882}) {
        const QImage image = LoadBitmap(id).toImage();
        EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 128)) << id;
    }
}

TEST(Bitmaps, UnknownIdsAndWrongKindsAreNull)
{
    EXPECT_TRUE(LoadBitmap(0).isNull());
    EXPECT_TRUE(LoadBitmap(7714).isNull());
    EXPECT_TRUE(LoadBitmap(7713).isNull());
    EXPECT_TRUE(LoadIcon(7722).isNull());
}
