#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "controls/console/TLedStatic.h"

namespace {

class ShownLed : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.resize(200, 60);
        led = new TLedStatic(&host, 7803, DT_LEFT, 10);
        led->setGeometry(5, 5, 120, 30);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QApplication::processEvents();
    }
    // Counts after the pending repaints have happened.
    std::pair<int, int> Counts()
    {
        QApplication::processEvents();
        return {led->DrawCount(), led->EraseCount()};
    }
    QWidget host;
    TLedStatic* led = nullptr;
};

TEST_F(ShownLed, EqualTextDoesNotRepaintAndOnlyEmptyTextErases)
{
    const auto [draws0, erases0] = Counts();
    led->SetText("PLAY");
    EXPECT_EQ(Counts(), std::make_pair(draws0 + 1, erases0));
    led->SetText("PLAY");
    EXPECT_EQ(Counts(), std::make_pair(draws0 + 1, erases0));
    led->SetText("");
    EXPECT_EQ(Counts(), std::make_pair(draws0 + 2, erases0 + 1));
    led->SetText("");
    EXPECT_EQ(Counts(), std::make_pair(draws0 + 2, erases0 + 1));
    EXPECT_EQ(led->Buffer(), "");
}

TEST_F(ShownLed, AnEqualBackgroundChangesNothingAndANewOneErases)
{
    const auto [draws0, erases0] = Counts();
    led->SetBackground(TLedStatic::kBackground);
    EXPECT_EQ(Counts(), std::make_pair(draws0, erases0));
    led->SetBackground(QColor(10, 20, 30));
    EXPECT_EQ(Counts(), std::make_pair(draws0 + 1, erases0 + 1));
    // The text colour and format wait for the next paint.
    led->SetForeground(Qt::red);
    led->SetFormat(DT_RIGHT);
    EXPECT_EQ(Counts(), std::make_pair(draws0 + 1, erases0 + 1));
    EXPECT_EQ(led->Format(), DT_RIGHT);
}

TEST_F(ShownLed, ANewTextOfTheSameLengthIsDrawnOverTheOldWithoutBlanking)
{
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(20);
    led->SetFont(font);
    led->SetText("88:88");
    const auto [draws0, erases0] = Counts();
    led->SetText("11:11");
    EXPECT_EQ(Counts(), std::make_pair(draws0 + 1, erases0));
    // Opaque character cells cover the old text exactly: the control looks as a
    // fresh one showing only the new text.
    TLedStatic fresh(&host, 7803, DT_LEFT, 10);
    fresh.setGeometry(led->geometry());
    fresh.SetFont(font);
    fresh.SetText("11:11");
    fresh.show();
    QApplication::processEvents();
    EXPECT_EQ(led->grab().toImage(), fresh.grab().toImage());
}

TEST(TColorStatic, LongTextsKeepTheirLastCharacters)
{
    struct Case {
        int capacity;
        QString text;
        QString shown;
    };
    const Case cases[] = {
        {5, "12:34", "12:34"},
        {5, "100:00", "00:00"},
        {3, "1000", "000"},
        {3, "7", "7"},
        {0, "anything", ""},
        {50, QString(60, 'x') + "END", QString(47, 'x') + "END"},
    };
    for (const Case& c : cases) {
        TColorStatic s(nullptr, 1, Qt::black, Qt::white, DT_LEFT, c.capacity);
        s.SetText(c.text);
        EXPECT_EQ(s.Buffer(), c.shown) << c.capacity << " " << c.text.toStdString();
        EXPECT_EQ(s.ItemText(), c.shown);
    }
}

TEST(TColorStatic, FontIsStoredAndReturnedAndNoneAtFirst)
{
    TLedStatic s(nullptr, 1, DT_LEFT, 5);
    EXPECT_EQ(s.GetFont(), nullptr);
    QFont f("DejaVu Sans");
    f.setPixelSize(13);
    s.SetFont(f);
    ASSERT_NE(s.GetFont(), nullptr);
    EXPECT_EQ(*s.GetFont(), f);
    EXPECT_EQ(s.Background(), QColor(0, 0, 0));
    EXPECT_EQ(s.Foreground(), QColor(0, 255, 255));
}

TEST(TColorStatic, RightAlignedTextEndsAtTheRightEdge)
{
    TLedStatic s(nullptr, 1, DT_RIGHT, 3);
    QFont f("DejaVu Sans Mono");
    f.setPixelSize(16);
    s.SetFont(f);
    s.resize(80, 20);
    s.SetText("7");
    const QImage img = s.grab().toImage();
    auto litColumn = [&](int x) {
        for (int y = 0; y < img.height(); ++y)
            if (img.pixelColor(x, y) != QColor(0, 0, 0))
                return true;
        return false;
    };
    int firstLit = -1;
    for (int x = 0; x < img.width() && firstLit < 0; ++x)
        if (litColumn(x))
            firstLit = x;
    EXPECT_GT(firstLit, 60);
    EXPECT_EQ(img.pixelColor(2, 10), QColor(0, 0, 0));
}

}  // namespace
