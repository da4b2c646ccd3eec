#include "SettingsFrameFixture.h"

#include "album/TQueueList.h"
#include "player/IMenuState.h"
#include "resources/CommandIds.h"

#include <QApplication>

#include <cerrno>
#include <cstring>

namespace frametest {
namespace {

using namespace resources;

// The frame's set-up with a settings file beside the program.
using SetupTest = SettingsFrameFixture;

TEST_F(SetupTest, StoredPositionPlacesTheFrameAndZeroWidthGivesTheConsoleWidth)
{
    Start("[General]\r\nWindowPosition=40 50 0 999\r\n");
    EXPECT_EQ(frame->frameGeometry().topLeft(), QPoint(40, 50));
    EXPECT_EQ(frame->width(), frame->MinimumContentWidth());
    // The stored height is never used: the height is the content's.
    EXPECT_EQ(frame->height(), frame->ContentHeight());
    EXPECT_EQ(QApplication::focusWidget(), frame->QueueList());
}

TEST_F(SetupTest, StoredWidthIsKeptAndAnOffScreenPositionIsPulledBack)
{
    Start("[General]\r\nWindowPosition=99999 30 500\r\n");
    // The stored width is the outer one, the desktop's border included.
    EXPECT_EQ(frame->frameGeometry().width(), 500);
    EXPECT_EQ(frame->frameGeometry().right() + 1, frame->screen()->geometry().right() + 1);
    EXPECT_EQ(frame->frameGeometry().top(), 30);
}

TEST_F(SetupTest, RestoredRectIsTheFramesOuterRectangle)
{
    Start("[General]\r\nWindowPosition=60 70 420\r\n");
    int left = 0, top = 0, width = 0, height = 0;
    frame->GetRestoredRect(left, top, width, height);
    EXPECT_EQ(QRect(left, top, width, height), frame->frameGeometry());
}

TEST_F(SetupTest, CloseWithShiftSavesEverythingAndStaysOpen)
{
    Start("[General]\r\nWindowPosition=60 70 420\r\n");
    frame->FrameMenu()->SetChecked(CM_SAVE_SETTINGS_ON_EXIT, false);
    frame->RouteCommand(CM_MENU_BAR);

    QTest::keyPress(frame->windowHandle(), Qt::Key_Shift, Qt::ShiftModifier);
    frame->close();
    QTest::keyRelease(frame->windowHandle(), Qt::Key_Shift, Qt::NoModifier);
    EXPECT_TRUE(frame->isVisible());
    const QByteArray saved = drive.readFile("vantor/Vantor.ini");
    // The settings in full: the menu bar's check among them.
    EXPECT_TRUE(saved.contains("Menu=0")) << saved.constData();

    // Without Shift only the state of Save Settings on Exit is written, and the frame closes.
    frame->RouteCommand(CM_MENU_BAR);
    frame->RouteCommand(CM_EXIT);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(drive.readFile("vantor/Vantor.ini").contains("Menu=0"));
    EXPECT_TRUE(frame->Client()->IsStopped());
}

TEST_F(SetupTest, CloseAsksWhetherToGoOnWhenTheAlbumCannotBeSaved)
{
    Start("[General]\r\nWindowPosition=60 70 420\r\n");
    // A folder where the album file should be: the auto-save at the close fails.
    drive.makeDir("vantor/rock.alb");
    frame->Client()->albumPath = drive.path("vantor\\rock.alb");
    frame->FrameMenu()->SetChecked(CM_AUTO_SAVE_ALBUM, true);

    frame->close();  // answered No, the default
    EXPECT_TRUE(frame->isVisible());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const QString text = boxes.boxes()[0].text;
    EXPECT_TRUE(text.contains(QString::fromStdString(drive.path("vantor\\rock.alb")))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromLocal8Bit(std::strerror(EISDIR)))) << text.toStdString();

    boxes.answer(platform::IDYES);
    frame->close();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(SetupTest, SettingsDecideWhichBarsShowAtStart)
{
    Start("[Settings]\r\nVolumeBar=0\r\nStatusBar=0\r\n");
    EXPECT_TRUE(frame->Bar(CM_VOLUME_BAR)->isHidden());
    EXPECT_TRUE(frame->Bar(CM_STATUS_BAR)->isHidden());
    EXPECT_FALSE(frame->Bar(CM_BUTTONS)->isHidden());
    EXPECT_EQ(frame->height(), frame->ContentHeight());
    frame->RouteCommand(CM_VOLUME_BAR);
    EXPECT_FALSE(frame->Bar(CM_VOLUME_BAR)->isHidden());
}

}  // namespace
}  // namespace frametest
