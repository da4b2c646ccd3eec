// The frame's accelerators on the real frame: a key reaches the routing chain
// by the character it types, with the focus in the queue list or the console.

#include "frame/FrameFixture.h"

#include "resources/CommandIds.h"

#include <QMenuBar>

using namespace resources;

namespace frametest {
namespace {

using AcceleratorTest = FrameFixture;

TEST_F(AcceleratorTest, NoKeyRunsACommandWhileTheFrameIsBusy)
{
    TQueueList* queue = frame->QueueList();
    queue->setFocus();
    frame->BeginBusy(7789);
    Routed().clear();
    QTest::keyClick(queue, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(queue, Qt::Key_7, Qt::AltModifier);
    EXPECT_TRUE(Routed().empty());
    EXPECT_FALSE(frame->MenuBar()->isHidden());
    frame->EndBusy(true);
    QTest::keyClick(queue, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(Routed(), std::vector<int>{CM_REPEAT});
}

TEST_F(AcceleratorTest, KeysInTheQueueRunTheirCommandsThroughTheChain)
{
    PlayOneSong();
    sim.addSong("c:\\music\\two.mid", 60000);
    TQueueList* queue = frame->QueueList();
    ASSERT_GE(queue->AddSong("c:\\music\\two.mid"), 0);
    queue->SetSelIndex(1);
    queue->setFocus();

    // Backspace types Ctrl+H's character: the selection goes to the playing song.
    QTest::keyClick(queue, Qt::Key_Backspace);
    EXPECT_EQ(queue->GetSelIndex(), 0);
    // Enter types Ctrl+M's: Mute, taken by the console.
    Routed().clear();
    QTest::keyClick(queue, Qt::Key_Return);
    EXPECT_EQ(Routed(), std::vector<int>{CM_MUTE});
    EXPECT_TRUE(app.commands.empty());
    EXPECT_EQ(queue->GetSelIndex(), 0);
    QTest::keyClick(queue, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(Console().repeat);
    QTest::keyClick(queue, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(Console().IsPaused());
    // Alt+M is the frame's: the menu bar goes.
    const bool menuShown = frame->MenuBar()->isVisible();
    QTest::keyClick(queue, Qt::Key_M, Qt::AltModifier);
    EXPECT_NE(frame->MenuBar()->isVisible(), menuShown);
    EXPECT_TRUE(app.commands.empty());
}

TEST_F(AcceleratorTest, TheConsoleKeepsEnterAndEscapeButTakesCtrlKeys)
{
    PlayOneSong();
    Routed().clear();
    QTest::keyClick(&Console(), Qt::Key_Return);
    QTest::keyClick(&Console(), Qt::Key_Escape);
    EXPECT_TRUE(Routed().empty());
    EXPECT_TRUE(Console().isVisible());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(Console().IsPaused());
    QTest::keyClick(&Console(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(Console().IsPaused());
}

}  // namespace
}  // namespace frametest
