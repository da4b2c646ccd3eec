#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "controls/paint/DrawIconProgress.h"

namespace {

const QColor kGray(Qt::lightGray);

QImage Canvas()
{
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    return img;
}

TEST(DrawIconProgress, LevelRowsAtZeroHalfAndFull)
{
    struct Case {
        int percent;
        int level;   // first row of the level colour; the meter is rows 7..24
    };
    const Case cases[] = {{0, 25}, {50, 16}, {100, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        QImage img = Canvas();
        IconProgressState state{c.percent, -1};
        {
            QPainter p(&img);
            EXPECT_TRUE(DrawIconProgress(p, img.rect(), state, QPixmap(), true));
        }
        EXPECT_EQ(state.lastIconLevel, c.level);
        EXPECT_EQ(IconMeterRect(img.rect()), QRect(7, 7, 18, 18));
        for (int y = 7; y < 25; ++y)
            for (int x : {7, 16, 24})
                ASSERT_EQ(img.pixelColor(x, y), y >= c.level ? IconLevelColor() : kGray) << x << "," << y;
        // Outline without its corners, then the bevels around the meter.
        EXPECT_EQ(img.pixelColor(5, 0), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::magenta));
        EXPECT_EQ(img.pixelColor(31, 31), QColor(Qt::magenta));
        EXPECT_NE(img.pixelColor(6, 16), kGray);   // the sunken bevel's left edge
        EXPECT_NE(img.pixelColor(6, 16), IconLevelColor());
    }
}

TEST(DrawIconProgress, WithoutAPaintContextOnlyAChangedLevelIsDrawn)
{
    QImage img = Canvas();
    IconProgressState state{50, -1};
    QPainter p(&img);
    EXPECT_TRUE(DrawIconProgress(p, img.rect(), state, QPixmap(), false));
    EXPECT_EQ(img.pixelColor(0, 5), QColor(Qt::magenta));   // no outline, no bevel
    EXPECT_EQ(img.pixelColor(16, 20), IconLevelColor());
    EXPECT_FALSE(DrawIconProgress(p, img.rect(), state, QPixmap(), false));
    state.iconProgress = 51;   // same pixel row for an 18-row meter
    EXPECT_FALSE(DrawIconProgress(p, img.rect(), state, QPixmap(), false));
    state.iconProgress = 80;
    EXPECT_TRUE(DrawIconProgress(p, img.rect(), state, QPixmap(), false));
    EXPECT_EQ(state.lastIconLevel, IconLevelRow(QRect(7, 7, 18, 18), 80));
    // A full paint always draws.
    EXPECT_TRUE(DrawIconProgress(p, img.rect(), state, QPixmap(), true));
}

TEST(DrawIconProgress, ProgressAboveAHundredIsCappedAndStoredBack)
{
    QImage img = Canvas();
    IconProgressState state{250, -1};
    QPainter p(&img);
    DrawIconProgress(p, img.rect(), state, QPixmap(), true);
    EXPECT_EQ(state.iconProgress, 100);
    EXPECT_EQ(state.lastIconLevel, 7);
}

TEST(DrawIconProgress, TheIconIsDrawnOverTheLevelInsideTheMeterOnly)
{
    QPixmap icon(32, 32);
    icon.fill(Qt::red);
    QImage img = Canvas();
    IconProgressState state{30, -1};
    {
        QPainter p(&img);
        DrawIconProgress(p, img.rect(), state, icon, true);
    }
    EXPECT_EQ(img.pixelColor(16, 16), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(5, 0), QColor(Qt::black));
    EXPECT_NE(img.pixelColor(3, 16), QColor(Qt::red));
}

}  // namespace
