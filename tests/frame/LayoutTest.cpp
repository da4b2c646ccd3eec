#include "FrameFixture.h"

#include "frame/ElementTable.h"
#include "player/IMenuState.h"
#include "frame/FrameServices.h"
#include "frame/THSeparator.h"
#include "frame/TMStatusBar.h"
#include "resources/CommandIds.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <cstdlib>

namespace frametest {
namespace {

using namespace resources;

constexpr int kBars[] = {CM_QUEUE_BOX, CM_POSITION_SLIDER, CM_VOLUME_BAR, CM_BUTTONS, CM_STATUS_BAR};

using LayoutTest = FrameFixture;

// Top to bottom, the pieces that are shown, by their top edge.
std::vector<QWidget*> StackingOrder(const frame::TMainFrame& f)
{
    std::vector<QWidget*> pieces = {f.Bar(CM_QUEUE_BOX), f.Client(), f.Bar(CM_POSITION_SLIDER),
                                    f.Bar(CM_VOLUME_BAR), f.Bar(CM_BUTTONS), f.Separator(),
                                    f.Bar(CM_STATUS_BAR)};
    std::erase_if(pieces, [](QWidget* w) { return w->isHidden(); });
    return pieces;
}

// Each piece starts on the last row of the piece above it (the first one right
// under the menu bar) and the last one ends at the frame's bottom edge.
void ExpectStackedWithoutGaps(const frame::TMainFrame& f)
{
    const std::vector<QWidget*> pieces = StackingOrder(f);
    int top = f.MenuBar()->isHidden() ? 0 : f.MenuBar()->height();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i]->y(), top) << "piece " << i;
        top = pieces[i]->y() + pieces[i]->height() - 1;
    }
    EXPECT_EQ(f.height(), top + 1);
    EXPECT_EQ(f.height(), f.ContentHeight());
}

TEST_F(LayoutTest, HeightIsConsolePlusEachShownBarLessOne)
{
    int expected = frame->MenuBar()->height() + Console().height();
    for (int id : kBars)
        expected += frame->Bar(id)->height() - 1;
    // The separator is not an element: it is always there.
    expected += frame->Separator()->height() - 1;
    EXPECT_EQ(frame->height(), expected);
    EXPECT_EQ(frame->width(), frame->MinimumContentWidth());
    ExpectStackedWithoutGaps(*frame);
}

TEST_F(LayoutTest, EachBarToggleChangesHeightByBarHeightLessOneAndReturnsToItsPlace)
{
    for (int id : kBars) {
        SCOPED_TRACE(id);
        QWidget* bar = frame->Bar(id);
        const int before = frame->height();
        const int barHeight = bar->height();
        const QRect placeBefore = bar->geometry();

        frame->RouteCommand(id);
        EXPECT_TRUE(bar->isHidden());
        EXPECT_EQ(frame->height(), before - (barHeight - 1));
        EXPECT_EQ(frame::SizeClampEnabled, 1);
        ExpectStackedWithoutGaps(*frame);

        frame->RouteCommand(id);
        EXPECT_FALSE(bar->isHidden());
        EXPECT_EQ(frame->height(), before);
        EXPECT_EQ(bar->geometry(), placeBefore);
        ExpectStackedWithoutGaps(*frame);
    }
    EXPECT_TRUE(app.commands.empty());
}

TEST_F(LayoutTest, VolumeBarShownAgainSitsBetweenSliderAndButtons)
{
    frame->RouteCommand(CM_VOLUME_BAR);
    frame->RouteCommand(CM_BUTTONS);
    frame->RouteCommand(CM_VOLUME_BAR);
    QWidget* volume = frame->Bar(CM_VOLUME_BAR);
    EXPECT_EQ(volume->y(), frame->Bar(CM_POSITION_SLIDER)->geometry().bottom());
    EXPECT_EQ(frame->Separator()->y(), volume->geometry().bottom());
    frame->RouteCommand(CM_BUTTONS);
    EXPECT_EQ(frame->Bar(CM_BUTTONS)->y(), volume->geometry().bottom());
}

TEST_F(LayoutTest, ResizingCannotChangeHeightNorNarrowBelowConsole)
{
    const int height = frame->height();
    const int minWidth = frame->MinimumContentWidth();
    frame->resize(minWidth + 120, height + 80);
    EXPECT_EQ(frame->height(), height);
    EXPECT_EQ(frame->width(), minWidth + 120);
    frame->resize(minWidth - 50, height - 40);
    EXPECT_EQ(frame->height(), height);
    EXPECT_EQ(frame->width(), minWidth);
    // The bars follow the width; the console keeps its size.
    frame->resize(minWidth + 60, height);
    EXPECT_EQ(frame->Bar(CM_BUTTONS)->width(), minWidth + 60);
    EXPECT_EQ(Console().width(), minWidth);
}

TEST_F(LayoutTest, MenuBarToggleKeepsConsoleStillOnScreen)
{
    // Room above the frame so that it can grow upwards.
    frame::MoveWindowOnScreen(frame.get(), 50, 100, frame->width(), frame->height());
    const QPoint console = Console().mapToGlobal(QPoint(0, 0));
    const int height = frame->height();
    const int menu = frame->MenuBar()->height();

    frame->RouteCommand(CM_MENU_BAR);
    EXPECT_TRUE(frame->MenuBar()->isHidden());
    EXPECT_FALSE(frame->FrameMenu()->IsChecked(CM_MENU_BAR));
    EXPECT_EQ(frame->height(), height - menu);
    EXPECT_EQ(Console().mapToGlobal(QPoint(0, 0)), console);

    frame->RouteCommand(CM_MENU_BAR);
    EXPECT_FALSE(frame->MenuBar()->isHidden());
    EXPECT_EQ(frame->height(), height);
    EXPECT_EQ(Console().mapToGlobal(QPoint(0, 0)), console);
}

TEST(MoveWindowOnScreenTest, KeepsRightAndBottomOnScreenAndOriginNotNegative)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int sw = screen.width();
    const int sh = screen.height();
    struct Row {
        int x, y, w, h;
        int wantX, wantY;
    };
    const Row rows[] = {
        {10, 20, 200, 100, 10, 20},                 // on screen: unchanged
        {sw - 50, 20, 200, 100, sw - 200, 20},      // right edge pulled back
        {10, sh - 10, 200, 100, 10, sh - 100},      // bottom edge pulled back
        {-30, -40, 200, 100, 0, 0},                 // left and top raised to 0
        {sw - 50, sh - 10, sw + 100, 100, 0, sh - 100},  // wider than the screen: left wins
    };
    QWidget window;
    window.show();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.x);
        frame::MoveWindowOnScreen(&window, r.x, r.y, r.w, r.h);
        EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(r.wantX, r.wantY));
        EXPECT_EQ(window.frameGeometry().size(), QSize(r.w, r.h));
    }
}

TEST_F(LayoutTest, SeparatorLinesOnlyWhileATextShowsOnAVisibleStatusBar)
{
    frame::THSeparator* separator = frame->Separator();
    EXPECT_FALSE(separator->LineFlag());
    frame::BeginBusy(7789);
    EXPECT_TRUE(separator->LineFlag());
    frame::EndBusy(true);
    EXPECT_FALSE(separator->LineFlag());

    frame->RouteCommand(CM_STATUS_BAR);
    frame::BeginBusy(7789);
    EXPECT_FALSE(separator->LineFlag());
    frame::EndBusy(true);

    // What the lines look like: shadow at row 1, highlight at row 3.
    frame->RouteCommand(CM_STATUS_BAR);
    frame::ShowStatusText("x");
    const QImage lined = separator->grab().toImage();
    frame::ShowStatusText(nullptr);
    const QImage plain = separator->grab().toImage();
    const QColor face = plain.pixelColor(5, 1);
    EXPECT_NE(lined.pixelColor(5, 1), face);
    EXPECT_NE(lined.pixelColor(5, 3), face);
    EXPECT_EQ(lined.pixelColor(5, 2), face);
    EXPECT_EQ(plain.pixelColor(5, 3), face);
}

TEST_F(LayoutTest, ScreenshotShowsTheStacking)
{
    const char* dir = std::getenv("VANTOR_TEST_DATA");
    const QPixmap shot = frame->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.height(), frame->height());
    if (dir) {
        EXPECT_TRUE(shot.save(QString::fromLocal8Bit(dir) + "/frame.png"));
    }
}

}  // namespace
}  // namespace frametest
