#include "FrameFixture.h"

#include "controls/gadgets/TButtonGadget.h"
#include "controls/menu/MenuBuilder.h"
#include "controls/sliders/ScrollCodes.h"
#include "frame/SystemMenuPopup.h"
#include "frame/TMStatusBar.h"
#include "frame/THSeparator.h"
#include "frame/TPosBar.h"
#include "frame/TVolBar.h"
#include "controls/sliders/TSoundBar.h"
#include "player/IMenuState.h"
#include "resources/CommandIds.h"

#include <QAction>
#include <QMenuBar>

namespace frametest {
namespace {

using namespace resources;

class MouseTest : public FrameFixture {
protected:
    // What a right press did: repeat flipped, pause flipped, Mute routed, pop-up open.
    struct Outcome {
        bool repeat = false;
        bool pause = false;
        bool mute = false;
        bool popup = false;
    };

    // At the target's centre; a bar's margin (3, 3) for the bar around the queue list.
    Outcome RightPress(QWidget* target, Qt::KeyboardModifiers keys)
    {
        const QPoint at = target == frame->Bar(CM_QUEUE_BOX) ? QPoint(3, 3) : target->rect().center();
        const bool repeatBefore = Console().repeat;
        const bool pausedBefore = Console().IsPaused();
        Routed().clear();
        QTest::mousePress(target, Qt::RightButton, keys, at);
        QTest::mouseRelease(target, Qt::RightButton, keys, at);
        Deliver();
        Outcome outcome;
        outcome.repeat = Console().repeat != repeatBefore;
        outcome.pause = Console().IsPaused() != pausedBefore;
        outcome.mute = std::count(Routed().begin(), Routed().end(), CM_MUTE) == 1;
        if (QMenu* popup = frame->ElementsPopup()) {
            outcome.popup = popup->isVisible();
            popup->close();
        }
        Deliver();
        return outcome;
    }
};

TEST_F(MouseTest, RightButtonShiftOverControlOverAlt)
{
    PlayOneSong();
    struct Row {
        Qt::KeyboardModifiers keys;
        bool repeat, mute, popup, pause;
    };
    const Row rows[] = {
        {Qt::NoModifier, false, false, false, true},
        {Qt::ShiftModifier, true, false, false, false},
        {Qt::ShiftModifier | Qt::ControlModifier, true, false, false, false},
        {Qt::ShiftModifier | Qt::AltModifier, true, false, false, false},
        {Qt::ControlModifier, false, true, false, false},
        {Qt::ControlModifier | Qt::AltModifier, false, true, false, false},
        {Qt::AltModifier, false, false, true, false},
    };
    QWidget* targets[] = {&Console(),
                          frame->Bar(CM_POSITION_SLIDER),
                          frame->PositionBar()->Slider(),
                          frame->VolumeBar(),
                          frame->FindButton(CM_STOP),
                          frame->StatusBar(),
                          frame->Separator(),
                          frame->Bar(CM_QUEUE_BOX)};
    for (QWidget* target : targets) {
        for (const Row& row : rows) {
            SCOPED_TRACE(target->metaObject()->className() + std::string(" keys ") +
                         std::to_string(row.keys.toInt()));
            const Outcome got = RightPress(target, row.keys);
            EXPECT_EQ(got.repeat, row.repeat);
            EXPECT_EQ(got.mute, row.mute);
            EXPECT_EQ(got.popup, row.popup);
            EXPECT_EQ(got.pause, row.pause);
        }
    }
}

TEST_F(MouseTest, QueueListKeepsItsRightButton)
{
    PlayOneSong();
    QWidget* list = frame->QueueList()->viewport();
    const Outcome got = RightPress(list, Qt::NoModifier);
    EXPECT_FALSE(got.pause);
    EXPECT_FALSE(RightPress(list, Qt::ShiftModifier).repeat);
}

TEST_F(MouseTest, ElementsPopupCarriesTheMarksAndRoutesTheChoice)
{
    frame->FrameMenu()->SetChecked(CM_ALWAYS_ON_TOP, false);
    frame->RouteCommand(CM_VOLUME_BAR);
    ASSERT_TRUE(frame->VolumeBar()->isHidden());
    QTest::mousePress(&Console(), Qt::RightButton, Qt::AltModifier, QPoint(5, 5));
    QMenu* popup = frame->ElementsPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(FindMenuAction(popup, CM_MENU_BAR)->isChecked());
    EXPECT_FALSE(FindMenuAction(popup, CM_ALWAYS_ON_TOP)->isChecked());
    EXPECT_TRUE(FindMenuAction(popup, CM_QUEUE_BOX)->isChecked());
    EXPECT_FALSE(FindMenuAction(popup, CM_VOLUME_BAR)->isChecked());
    EXPECT_TRUE(FindMenuAction(popup, CM_STATUS_BAR)->isChecked());

    FindMenuAction(popup, CM_VOLUME_BAR)->trigger();
    popup->close();
    Deliver();
    EXPECT_FALSE(frame->VolumeBar()->isHidden());
    EXPECT_TRUE(app.commands.empty());
}

TEST_F(MouseTest, DoubleClickOnConsoleTogglesTheMenuBarButNotOnABar)
{
    QTest::mouseDClick(&Console(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(frame->MenuBar()->isHidden());
    EXPECT_FALSE(frame->FrameMenu()->IsChecked(CM_MENU_BAR));
    QTest::mouseDClick(frame->StatusBar(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    EXPECT_TRUE(frame->MenuBar()->isHidden());
    QTest::mouseDClick(&Console(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_FALSE(frame->MenuBar()->isHidden());
}

TEST_F(MouseTest, TwoQuickRightClicksPauseAndResume)
{
    PlayOneSong();
    // What a quick pair delivers: press, release, then press and double-click
    // for the second one.
    const QPoint at(10, 10);
    QTest::mouseClick(&Console(), Qt::RightButton, Qt::NoModifier, at);
    EXPECT_TRUE(Console().IsPaused());
    QTest::mousePress(&Console(), Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseDClick(&Console(), Qt::RightButton, Qt::NoModifier, at);
    EXPECT_FALSE(Console().IsPaused());
}

TEST_F(MouseTest, RestoreMenuOnTheSystemMenuOnlyWhileTheMenuBarIsDetached)
{
    auto* system = frame->SystemMenuWidget();
    const int itemsBefore = static_cast<int>(system->RootMenu()->actions().size());
    frame->RouteCommand(CM_MENU_BAR);
    ASSERT_TRUE(system->HasItem(CM_RESTORE_MENU));
    QAction* restore = FindMenuAction(system->RootMenu(), CM_RESTORE_MENU);
    EXPECT_EQ(restore->text(), QStringLiteral("Re&store Menu"));
    restore->trigger();
    Deliver();
    EXPECT_FALSE(frame->MenuBar()->isHidden());
    EXPECT_FALSE(system->HasItem(CM_RESTORE_MENU));
    EXPECT_EQ(static_cast<int>(system->RootMenu()->actions().size()), itemsBefore);
}

TEST_F(MouseTest, ButtonsPostTheirCommandsThroughTheChain)
{
    QWidget* stop = frame->FindButton(CM_ADD_SONGS);
    ASSERT_NE(stop, nullptr);
    QTest::mouseClick(stop, Qt::LeftButton);
    Deliver();
    EXPECT_EQ(Routed(), std::vector<int>{CM_ADD_SONGS});
}

TEST_F(MouseTest, ToolBarButtonsFollowThePlayer)
{
    PlayOneSong();
    EXPECT_TRUE(frame->FindButton(CM_PAUSE)->isEnabled());
    Console().StopSong();
    EXPECT_FALSE(frame->FindButton(CM_PAUSE)->isEnabled());
    Console().ToggleRepeat();
    EXPECT_EQ(frame->FindButton(CM_REPEAT)->GetButtonState(), TButtonGadget::State::Down);
}

TEST_F(MouseTest, PositionSliderScrollReachesThePlayer)
{
    PlayOneSong();
    TSoundBar* slider = frame->PositionBar()->Slider();
    EXPECT_TRUE(slider->isEnabled());
    slider->Scroll(SB_THUMBPOSITION, 5000);
    Deliver();
    EXPECT_EQ(frame->PositionBar()->GetPosition(), 5000);
    EXPECT_NEAR(static_cast<double>(sim.positionOf("c:\\music\\one.mid")), 30000.0, 1000.0);
}

}  // namespace
}  // namespace frametest
