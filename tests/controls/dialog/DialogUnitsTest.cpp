#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include "controls/console/TConsoleDialog.h"
#include "controls/dialog/DialogUnits.h"
#include "resources/dialogs/ConsoleIds.h"

namespace {

struct MapCase {
    QRect du;
    DialogBaseUnits base;
    QRect px;
};

TEST(DialogUnits, MapsEdgesWithRounding)
{
    const MapCase cases[] = {
        {{0, 0, 185, 52}, {6, 13}, {0, 0, 278, 85}},     // 277.5 and 84.5 round up
        {{9, 11, 166, 30}, {6, 13}, {14, 18, 249, 49}},  // edges 13.5->14, 17.875->18, 262.5->263, 66.625->67
        {{19, 13, 30, 5}, {7, 13}, {33, 21, 53, 8}},
        {{1, 1, 1, 1}, {4, 8}, {1, 1, 1, 1}},
        {{0, 0, 0, 0}, {7, 13}, {0, 0, 0, 0}},
    };
    for (const MapCase& c : cases)
        EXPECT_EQ(MapDialogRect(c.du, c.base), c.px) << c.du.x() << "," << c.du.y() << " base " << c.base.cx;
}

TEST(DialogUnits, BaseUnitsAreRoundedAverageLetterWidthAndFontHeight)
{
    QFont font = MapDialogFont("MS Sans Serif", 8);
    const QFontMetrics fm(font);
    double sum = 0;
    for (char c = 'A'; c <= 'Z'; ++c)
        sum += QFontMetricsF(font).horizontalAdvance(QChar(c));
    for (char c = 'a'; c <= 'z'; ++c)
        sum += QFontMetricsF(font).horizontalAdvance(QChar(c));
    const DialogBaseUnits base = ComputeBaseUnits(font);
    EXPECT_NEAR(base.cx, sum / 52.0, 0.75);
    EXPECT_EQ(base.cy, fm.height());
    EXPECT_GT(base.cx, 0);
}

TEST(DialogUnits, DialogFontIsAnExistingSansFaceAtEightPoints)
{
    const QFont font = MapDialogFont("MS Sans Serif", 8);
    EXPECT_EQ(font.pixelSize(), PointsToPixels(8));
    EXPECT_NE(QFontInfo(font).family(), QString("MS Sans Serif"));
    EXPECT_FALSE(QFontInfo(font).fixedPitch());
}

TEST(DialogUnits, PointsToPixelsFollowsTheScreenResolution)
{
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    for (int points : {5, 8, 17})
        EXPECT_EQ(PointsToPixels(points), (points * dpi + 36) / 72) << points;
}

TEST(DialogUnits, ConsoleTakesItsSizeAndPlacesFromTheTemplate)
{
    TConsoleDialog console(nullptr);
    ASSERT_EQ(console.Create(), 0);
    const DialogBaseUnits base = console.BaseUnits();
    EXPECT_EQ(base.cx, ComputeBaseUnits(console.DialogFont()).cx);
    EXPECT_EQ(console.size(), MapDialogRect(QRect(0, 0, 185, 52), base).size());
    EXPECT_EQ(console.item(resources::IDC_TIME)->geometry(), MapDialogRect(QRect(19, 18, 36, 16), base));
    EXPECT_EQ(console.item(resources::IDC_LAMP_RANDOM)->geometry(), MapDialogRect(QRect(111, 34, 19, 5), base));
    EXPECT_EQ(console.item(resources::IDC_CONSOLE_SIZE)->geometry(), console.rect());
}

}  // namespace
