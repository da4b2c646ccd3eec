// The views, typed as a user types them: which elements show, the frame's size
// and where the console stays on the screen.
#include "SettingsFrameFixture.h"

#include "album/TQueueList.h"
#include "frame/SystemMenuPopup.h"
#include "player/IMenuState.h"
#include "resources/CommandIds.h"

#include <QMenuBar>

namespace frametest {
namespace {

using namespace resources;

constexpr int kBars[] = {CM_QUEUE_BOX, CM_POSITION_SLIDER, CM_VOLUME_BAR, CM_BUTTONS, CM_STATUS_BAR};

class ViewsTest : public SettingsFrameFixture {
protected:
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::AltModifier)
    {
        QTest::keyClick(frame->QueueList(), key, modifiers);
        QCoreApplication::processEvents();
    }
    QPoint ConsoleOnScreen() const { return frame->Client()->mapToGlobal(QPoint(0, 0)); }
    // The shown elements, the menu bar first, in the element table's order.
    std::vector<int> Shown() const
    {
        std::vector<int> shown;
        if (!frame->MenuBar()->isHidden())
            shown.push_back(CM_MENU_BAR);
        for (int id : kBars)
            if (!frame->Bar(id)->isHidden())
                shown.push_back(id);
        return shown;
    }
    static std::vector<int> Everything()
    {
        return {CM_MENU_BAR, CM_QUEUE_BOX, CM_POSITION_SLIDER, CM_VOLUME_BAR, CM_BUTTONS, CM_STATUS_BAR};
    }
};

TEST_F(ViewsTest, MenuOffShowsOnlyTheConsoleAndEverythingRestoresTheSameFrame)
{
    Start("");
    const QRect before = frame->geometry();
    const QPoint console = ConsoleOnScreen();
    const int queueBar = frame->Bar(CM_QUEUE_BOX)->height();

    Type(Qt::Key_7);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(frame->height(), frame->Client()->height());
    EXPECT_EQ(frame->width(), frame->MinimumContentWidth());
    EXPECT_TRUE(frame->SystemMenuWidget()->HasItem(CM_RESTORE_MENU));
    // The menu bar goes at the window's top edge, which keeps the console still;
    // the queue bar above it goes as every bar does, from the bottom edge.
    EXPECT_EQ(ConsoleOnScreen(), console - QPoint(0, queueBar - 1));

    Type(Qt::Key_1);
    EXPECT_EQ(Shown(), Everything());
    EXPECT_EQ(frame->geometry(), before);
    EXPECT_FALSE(frame->SystemMenuWidget()->HasItem(CM_RESTORE_MENU));
    for (int id : kBars)
        EXPECT_TRUE(frame->FrameMenu()->IsChecked(id)) << id;
}

TEST_F(ViewsTest, EachViewShowsItsRowAndFitsTheFrame)
{
    Start("");
    const std::vector<std::vector<int>> rows = {
        {CM_MENU_BAR, CM_QUEUE_BOX, CM_POSITION_SLIDER, CM_BUTTONS, CM_STATUS_BAR},
        {CM_MENU_BAR, CM_QUEUE_BOX, CM_BUTTONS, CM_STATUS_BAR},
        {CM_MENU_BAR, CM_BUTTONS, CM_STATUS_BAR},
        {CM_MENU_BAR, CM_STATUS_BAR},
        {CM_MENU_BAR},
    };
    // Going down the list, then back up past bars hidden several steps ago.
    const Qt::Key keys[] = {Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6};
    for (int i : {0, 1, 2, 3, 4, 2, 0}) {
        SCOPED_TRACE(i + 2);
        Type(keys[i]);
        EXPECT_EQ(Shown(), rows[static_cast<std::size_t>(i)]);
        EXPECT_EQ(frame->height(), frame->ContentHeight());
    }
}

TEST_F(ViewsTest, MenuBarToggledTwiceKeepsTheConsoleStill)
{
    Start("[General]\r\nWindowPosition=100 120 0\r\n");
    const QPoint console = ConsoleOnScreen();
    const int height = frame->height();
    Type(Qt::Key_M);
    EXPECT_TRUE(frame->MenuBar()->isHidden());
    EXPECT_EQ(ConsoleOnScreen(), console);
    EXPECT_EQ(frame->height(), height - frame->MenuBar()->sizeHint().height());
    Type(Qt::Key_M);
    EXPECT_FALSE(frame->MenuBar()->isHidden());
    EXPECT_EQ(ConsoleOnScreen(), console);
    EXPECT_EQ(frame->height(), height);
}

TEST_F(ViewsTest, SavedCustomViewRoundTripsThroughTheSettingsFile)
{
    Start("");
    frame->RouteCommand(CM_VOLUME_BAR);
    Type(Qt::Key_S);
    EXPECT_TRUE(Settings().contains("CustomView=7869 7891 7890 7860 32040\r\n")) << Settings().constData();

    Type(Qt::Key_1);
    Type(Qt::Key_C);
    EXPECT_EQ(Shown(), (std::vector<int>{CM_MENU_BAR, CM_QUEUE_BOX, CM_POSITION_SLIDER, CM_BUTTONS, CM_STATUS_BAR}));

    // Nothing shown stores an empty view, which shows only the console: not the
    // same as no view stored at all.
    Type(Qt::Key_7);
    Type(Qt::Key_S);
    EXPECT_TRUE(Settings().contains("CustomView=\r\n")) << Settings().constData();
    Type(Qt::Key_1);
    Type(Qt::Key_C);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ViewsTest, CustomViewWithoutAStoredViewShowsEverythingAndIgnoresStrangers)
{
    Start("");
    Type(Qt::Key_7);
    Type(Qt::Key_C);
    EXPECT_EQ(Shown(), Everything());

    // Unknown ids match nothing; ids past the sixth are not read.
    drive.writeFile("vantor/Vantor.ini", "[Settings]\r\nCustomView=42 7887 x 1 2 3 7860\r\n");
    Type(Qt::Key_C);
    EXPECT_EQ(Shown(), (std::vector<int>{CM_VOLUME_BAR}));
}

TEST_F(ViewsTest, DefaultSizeKeepsABarShownFromTheElementsPopup)
{
    Start("[Settings]\r\nButtons=0\r\n[General]\r\nWindowPosition=50 60 700\r\n");
    ASSERT_TRUE(frame->Bar(CM_BUTTONS)->isHidden());
    // The pop-up's choice arrives as the bar's command.
    frame->RouteCommand(CM_BUTTONS);
    frame->RouteCommand(CM_DEFAULT_SIZE);
    EXPECT_FALSE(frame->Bar(CM_BUTTONS)->isHidden());
    EXPECT_EQ(frame->frameGeometry().topLeft(), QPoint(50, 60));
    EXPECT_EQ(frame->width(), frame->MinimumContentWidth());
    EXPECT_EQ(frame->height(), frame->ContentHeight());
}

TEST_F(ViewsTest, AlwaysOnTopFollowsItsMarkWithoutMovingTheWindow)
{
    Start("[Settings]\r\nAlwaysonTop=1\r\n[General]\r\nWindowPosition=30 40 0\r\n");
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QRect place = frame->frameGeometry();
    frame->RouteCommand(CM_ALWAYS_ON_TOP);
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(frame->FrameMenu()->IsChecked(CM_ALWAYS_ON_TOP));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->frameGeometry(), place);
    frame->RouteCommand(CM_ALWAYS_ON_TOP);
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->frameGeometry(), place);
    // Minimize is still the only button changed by the program: the band stays
    // when the window's buttons are set again.
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

}  // namespace
}  // namespace frametest
