#include "controls/TSizFontLB.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

TEST(LineHeight, ThirtyUntilAFontIsSetThenFontHeightOrMinimum)
{
    TODListBox list;
    EXPECT_EQ(list.ItemHeight(), TODListBox::kInitialItemHeight);
    list.AddString("line");
    EXPECT_EQ(list.visualItemRect(list.item(0)).height(), TODListBox::kInitialItemHeight);

    QFont small = list.font();
    small.setPixelSize(8);
    const QFontMetrics smallMetrics(small);
    list.SetMinItemHeight(smallMetrics.height() + smallMetrics.leading() + 5);
    list.setFont(small);
    EXPECT_EQ(list.ItemHeight(), list.MinItemHeight());
    EXPECT_EQ(list.visualItemRect(list.item(0)).height(), list.MinItemHeight());

    QFont big = list.font();
    big.setPixelSize(40);
    list.setFont(big);
    const QFontMetrics bigMetrics(big);
    EXPECT_EQ(list.ItemHeight(), bigMetrics.height() + bigMetrics.leading());
}

TEST(SizedFontList, ShowsWholeLinesNeverTallerThanAtSetUp)
{
    TSizFontLB list;
    list.resize(200, 92);
    list.show();
    const int referenceHeight = list.ReferenceClientRect().height();
    ASSERT_GT(referenceHeight, 0);

    for (int pixels : {13, 31, 9, 24}) {
        list.GetLogFont().setPixelSize(pixels);
        list.FontChanged();
        const QFontMetrics metrics(list.GetLogFont());
        const int line = qMax(metrics.height() + metrics.leading(), list.MinItemHeight());
        EXPECT_EQ(list.ItemHeight(), line) << pixels;
        EXPECT_EQ(list.viewport()->height(), line * (referenceHeight / line)) << pixels;
        EXPECT_LE(list.viewport()->height(), referenceHeight) << pixels;
        EXPECT_EQ(list.pos(), QPoint(0, 0));
    }
}
