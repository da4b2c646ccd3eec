#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QMouseEvent>
#include <QTest>

#include "controls/console/TConsoleDialog.h"
#include "controls/console/TLedStatic.h"
#include "controls/dialog/T3DFrame.h"
#include "resources/dialogs/ConsoleIds.h"

using namespace resources;

namespace {

constexpr int kAllLeds[] = {IDC_TIME,          IDC_LENGTH,         IDC_SONG_NUMBER,  IDC_SONG_COUNT,
                            IDC_CAPTION_SONG,  IDC_CAPTION_TOTAL,  IDC_CAPTION_TIME, IDC_CAPTION_LENGTH,
                            IDC_CONSOLE_PANEL, IDC_LAMP_PLAY,      IDC_LAMP_PAUSE,   IDC_LAMP_REPEAT,
                            IDC_LAMP_MUTE,     IDC_LAMP_LOOP,      IDC_LAMP_RANDOM};

// The main window stands in as the console's parent and records what reaches it.
class MainWindowStandIn : public QWidget {
public:
    struct Seen {
        QEvent::Type type;
        Qt::MouseButton button;
    };
    std::vector<Seen> seen;

protected:
    void mousePressEvent(QMouseEvent* e) override { seen.push_back({e->type(), e->button()}); }
    void mouseReleaseEvent(QMouseEvent* e) override { seen.push_back({e->type(), e->button()}); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { seen.push_back({e->type(), e->button()}); }
};

// Records the forwarded events and their points as the console receives them.
class RecordingConsole : public TConsoleDialog {
public:
    using TConsoleDialog::TConsoleDialog;
    struct Seen {
        QEvent::Type type;
        Qt::MouseButton button;
        QPoint pos;
    };
    std::vector<Seen> seen;

protected:
    void mousePressEvent(QMouseEvent* e) override { Record(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Record(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { Record(e); }

private:
    void Record(QMouseEvent* e) { seen.push_back({e->type(), e->button(), e->position().toPoint()}); }
};

class Console : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(console.Create(), 0);
        host.resize(console.size());
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QApplication::processEvents();
    }
    TLedStatic* Led(int id) { return console.itemAs<TLedStatic>(id); }

    MainWindowStandIn host;
    RecordingConsole console{&host};
};

TEST_F(Console, FifteenLedControlsWithTheirCapacitiesAndStartTexts)
{
    for (int id : kAllLeds) {
        ASSERT_NE(Led(id), nullptr) << id;
        EXPECT_EQ(Led(id)->Background(), QColor(0, 0, 0));
        EXPECT_EQ(Led(id)->Foreground(), QColor(0, 255, 255));
    }
    EXPECT_EQ(console.GetDlgItemText(IDC_SONG_COUNT), "000");
    EXPECT_EQ(console.GetDlgItemText(IDC_TIME), "");
    EXPECT_EQ(console.GetDlgItemText(IDC_CAPTION_TIME), "MIN                   SEC");
    EXPECT_EQ(console.GetDlgItemText(IDC_CAPTION_TOTAL), "TOTAL");
    EXPECT_EQ(Led(IDC_TIME)->Capacity(), 5);
    EXPECT_EQ(Led(IDC_SONG_NUMBER)->Capacity(), 3);
    EXPECT_EQ(Led(IDC_SONG_NUMBER)->Format(), DT_RIGHT);
    EXPECT_EQ(Led(IDC_CAPTION_SONG)->Capacity(), 50);
    EXPECT_EQ(Led(IDC_LAMP_MUTE)->Capacity(), 10);
    EXPECT_EQ(Led(IDC_CONSOLE_PANEL)->Capacity(), 0);
}

TEST_F(Console, ReadOutsUseTheDigitalFaceAndTheRestTheirOwnFonts)
{
    for (int id : {IDC_TIME, IDC_LENGTH, IDC_SONG_NUMBER, IDC_SONG_COUNT}) {
        ASSERT_NE(Led(id)->GetFont(), nullptr);
        EXPECT_EQ(*Led(id)->GetFont(), console.DigitalFont());
    }
    EXPECT_EQ(QFontInfo(console.DigitalFont()).family(), "DSEG7 Classic");
    for (int id : {IDC_CAPTION_TIME, IDC_LAMP_PLAY, IDC_LAMP_RANDOM})
        EXPECT_EQ(*Led(id)->GetFont(), console.SmallFont());
    EXPECT_EQ(*Led(IDC_CONSOLE_PANEL)->GetFont(), console.DialogFont());
}

TEST_F(Console, WidestTextsFitTheirReadOutsAndCells)
{
    const QFontMetrics digital(console.DigitalFont());
    EXPECT_LE(digital.horizontalAdvance("00:00"), Led(IDC_TIME)->width());
    EXPECT_LE(digital.horizontalAdvance("000"), Led(IDC_SONG_NUMBER)->width());
    EXPECT_LE(digital.height(), Led(IDC_TIME)->height());
    const QFontMetrics small(console.SmallFont());
    struct Word {
        int id;
        const char* text;
    };
    for (const Word& w : {Word{IDC_CAPTION_TIME, "MIN                   SEC"}, Word{IDC_CAPTION_LENGTH, "LENGTH"},
                          Word{IDC_LAMP_REPEAT, "REPEAT"}, Word{IDC_LAMP_RANDOM, "RANDOM"},
                          Word{IDC_LAMP_PAUSE, "PAUSE"}})
        EXPECT_LE(small.horizontalAdvance(w.text), Led(w.id)->width()) << w.text;
}

TEST_F(Console, ThePanelStaysBlankWhateverIsWrittenToIt)
{
    console.SetDlgItemText(IDC_CONSOLE_PANEL, "88888");
    QApplication::processEvents();
    EXPECT_EQ(console.GetDlgItemText(IDC_CONSOLE_PANEL), "");
    const QImage img = Led(IDC_CONSOLE_PANEL)->grab().toImage();
    for (int y = 0; y < img.height(); y += 3)
        for (int x = 0; x < img.width(); x += 3)
            ASSERT_EQ(img.pixelColor(x, y), QColor(0, 0, 0)) << x << "," << y;
}

TEST_F(Console, ALampLightsOnceAndGoesOutToBlack)
{
    TLedStatic* play = Led(IDC_LAMP_PLAY);
    QApplication::processEvents();
    const int draws = play->DrawCount();
    console.SetDlgItemText(IDC_LAMP_PLAY, "PLAY");
    console.SetDlgItemText(IDC_LAMP_PLAY, "PLAY");
    QApplication::processEvents();
    EXPECT_EQ(play->DrawCount(), draws + 1);
    EXPECT_TRUE(play->grab().toImage().pixelColor(0, 0).isValid());
    console.SetDlgItemText(IDC_LAMP_PLAY, "");
    QApplication::processEvents();
    const QImage img = play->grab().toImage();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(img.pixelColor(x, y), QColor(0, 0, 0)) << x << "," << y;
}

TEST_F(Console, NineMouseButtonEventsOnEveryControlReachTheConsoleInTheControlsCoordinates)
{
    const QPoint at(3, 2);
    for (int id : kAllLeds) {
        QWidget* w = console.item(id);
        console.seen.clear();
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
                QMouseEvent e(t, QPointF(at), w->mapToGlobal(QPointF(at)), b, b, Qt::NoModifier);
                QApplication::sendEvent(w, &e);
                EXPECT_TRUE(e.isAccepted());
            }
        }
        ASSERT_EQ(console.seen.size(), 9u) << id;
        const Qt::MouseButton order[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        for (size_t i = 0; i < 9; ++i) {
            EXPECT_EQ(console.seen[i].pos, at) << id;
            EXPECT_EQ(console.seen[i].button, order[i / 3]) << id;
        }
        EXPECT_EQ(console.seen[2].type, QEvent::MouseButtonDblClick);
    }
}

TEST(ConsoleParent, ARightClickOnAReadOutGoesOnToTheConsolesParent)
{
    MainWindowStandIn host;
    TConsoleDialog console(&host);
    ASSERT_EQ(console.Create(), 0);
    host.resize(console.size());
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QTest::mouseClick(console.item(IDC_TIME), Qt::RightButton);
    QTest::mouseDClick(console.item(IDC_SONG_COUNT), Qt::LeftButton);
    bool right = false, dbl = false;
    for (const auto& s : host.seen) {
        right = right || (s.type == QEvent::MouseButtonPress && s.button == Qt::RightButton);
        dbl = dbl || (s.type == QEvent::MouseButtonDblClick && s.button == Qt::LeftButton);
    }
    EXPECT_TRUE(right);
    EXPECT_TRUE(dbl);
}

TEST_F(Console, ThePanelIsFramedTwoPixelsOutside)
{
    ASSERT_NE(console.PanelFrame(), nullptr);
    EXPECT_TRUE(console.PanelFrame()->IsSunken());
    EXPECT_EQ(console.PanelFrame()->geometry(), console.item(IDC_CONSOLE_PANEL)->geometry().adjusted(-2, -2, 2, 2));
}

TEST_F(Console, RendersLegibleDigitsInTheLedFace)
{
    console.SetDlgItemText(IDC_TIME, "12:34");
    console.SetDlgItemText(IDC_LENGTH, "03:59");
    console.SetDlgItemText(IDC_SONG_NUMBER, "007");
    console.SetDlgItemText(IDC_SONG_COUNT, "042");
    const std::pair<int, const char*> lamps[] = {{IDC_LAMP_PLAY, "PLAY"}, {IDC_LAMP_PAUSE, "PAUSE"},
                                                 {IDC_LAMP_REPEAT, "REPEAT"}, {IDC_LAMP_MUTE, "MUTE"},
                                                 {IDC_LAMP_LOOP, "LOOP"}, {IDC_LAMP_RANDOM, "RANDOM"}};
    for (const auto& [id, word] : lamps)
        console.SetDlgItemText(id, word);
    QApplication::processEvents();
    const QImage img = console.grab().toImage();
    const QString out = qEnvironmentVariable("VANTOR_TEST_DATA", QDir::tempPath()) + "/console.png";
    img.save(out);
    // Cyan digits on black inside the time read-out.
    const QRect time = console.item(IDC_TIME)->geometry();
    int cyan = 0;
    for (int y = time.top(); y <= time.bottom(); ++y)
        for (int x = time.left(); x <= time.right(); ++x)
            cyan += img.pixelColor(x, y) == QColor(0, 255, 255);
    EXPECT_GT(cyan, 60);
}

}  // namespace
