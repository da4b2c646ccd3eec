#include "FrameFixture.h"

#include "controls/gadgets/TButtonGadget.h"
#include "controls/menu/MenuBuilder.h"
#include "frame/FrameServices.h"
#include "frame/HintTracker.h"
#include "frame/TMStatusBar.h"
#include "player/IMenuState.h"
#include "resources/CommandIds.h"
#include "resources/strings/StringTable.h"
#include "support/TempDrive.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>

#include <QAction>
#include <QEnterEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

namespace frametest {
namespace {

using namespace resources;

class HintRoutingTest : public FrameFixture {
protected:
    QString Hint() const { return frame->StatusBar()->HintText().value_or(QStringLiteral("<none>")); }
    QAction* Item(int id) const { return FindMenuAction(frame->SavedMenu(), id); }
    void SetMiniHelp(bool on)
    {
        if (frame->FrameMenu()->IsChecked(CM_MINI_HELP) != on)
            frame->RouteCommand(CM_MINI_HELP);
    }
    void EnterButton(int id)
    {
        TButtonGadget* button = frame->FindButton(id);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(button, &enter);
    }
    void LeaveButton(int id)
    {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(frame->FindButton(id), &leave);
    }
};

TEST_F(HintRoutingTest, MenuAndButtonHintsOnlyWithMiniHelp)
{
    const QString none = QStringLiteral("<none>");
    struct Row {
        int hovered;  // a menu item or pop-up (0: a tool-bar button, Stop)
        int shows;    // the string shown with Mini Help on
    };
    const Row rows[] = {
        {7861, 7861},                 // Options (its first item is the Song Play pop-up, 7862)
        {CM_ELEMENTS_POPUP, 7868},    // Elements, a sub-menu of Options
        {17929, 17929},               // Size and Views
        {CM_STOP, CM_STOP},           // an ordinary item
        {0, CM_STOP},                 // the Stop button on entry
        {-CM_REWIND_REPEAT, CM_REWIND_RELEASE},  // the fast rewind button hints with its release command
    };
    for (bool on : {false, true}) {
        SetMiniHelp(on);
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(row.hovered) + (on ? " on" : " off"));
            if (row.hovered > 0) {
                QAction* action = Item(row.hovered);
                ASSERT_NE(action, nullptr);
                action->hover();
            } else {
                EnterButton(row.hovered == 0 ? CM_STOP : CM_REWIND_RELEASE);
            }
            EXPECT_EQ(Hint(), on ? QString::fromLatin1(LoadString(row.shows)) : none);
            if (row.hovered <= 0)
                LeaveButton(row.hovered == 0 ? CM_STOP : CM_REWIND_RELEASE);
            else
                frame->Hints()->Clear();
            EXPECT_EQ(Hint(), none);
        }
    }
    EXPECT_EQ(QString::fromLatin1(LoadString(7861)),
              QStringLiteral("Option settings for the program (Continuous Loop, ..etc.)"));
}

TEST_F(HintRoutingTest, HintOfARealMenuFollowsThePointerAndGoesWhenTheMenuCloses)
{
    SetMiniHelp(true);
    QMenuBar* bar = frame->MenuBar();
    QAction* song = bar->actions().at(1);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(song).center());
    QMenu* menu = song->menu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
    QTest::mouseMove(menu, menu->actionGeometry(Item(CM_STOP)).center());
    EXPECT_EQ(Hint(), QString::fromLatin1(LoadString(CM_STOP)));
    menu->close();
    EXPECT_EQ(Hint(), QStringLiteral("<none>"));
}

TEST_F(HintRoutingTest, PassingOverTheMenuBarLeavesNoHintBehind)
{
    SetMiniHelp(true);
    QMenuBar* bar = frame->MenuBar();
    const QPoint over = bar->actionGeometry(bar->actions().at(2)).center();
    QMouseEvent move(QEvent::MouseMove, over, bar->mapToGlobal(over), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    ASSERT_NE(Hint(), QStringLiteral("<none>"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(bar, &leave);
    EXPECT_EQ(Hint(), QStringLiteral("<none>"));
}

TEST_F(HintRoutingTest, BusyTextsShowWithMiniHelpOffAndTheFrameIsDisabled)
{
    SetMiniHelp(false);
    frame->StatusBar()->SetPaneText(frame::TMStatusBar::kAlbumPane, QStringLiteral("DEMO.ALB"));
    frame::BeginBusy(7789);
    EXPECT_EQ(Hint(), QString::fromLatin1(LoadString(7789)));
    EXPECT_EQ(Hint(), QStringLiteral("Loading album from disk..."));
    EXPECT_FALSE(frame->isEnabled());
    EXPECT_EQ(frame->cursor().shape(), Qt::WaitCursor);
    frame::EndBusy(false);
    EXPECT_EQ(Hint(), QStringLiteral("<none>"));
    EXPECT_FALSE(frame->isEnabled());
    EXPECT_EQ(frame->cursor().shape(), Qt::ArrowCursor);
    frame::EndBusy(true);
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_EQ(frame->StatusBar()->PaneText(frame::TMStatusBar::kAlbumPane), QStringLiteral("DEMO.ALB"));
}

TEST_F(HintRoutingTest, RoutingOrderConsoleThenFrameThenApplication)
{
    PlayOneSong();
    // The console's own command: nothing reaches the others.
    frame->RouteCommand(CM_STOP);
    EXPECT_TRUE(Console().IsStopped());
    // The frame's own commands.
    const bool miniHelp = frame->FrameMenu()->IsChecked(CM_MINI_HELP);
    frame->RouteCommand(CM_MINI_HELP);
    EXPECT_NE(frame->FrameMenu()->IsChecked(CM_MINI_HELP), miniHelp);
    for (int accepted : {CM_ELEMENTS_POPUP, CM_ALWAYS_ON_TOP, CM_DEFAULT_SIZE, CM_VIEW_FIRST, CM_VIEW_LAST,
                         CM_CUSTOM_VIEW, CM_SAVE_CUSTOM_VIEW})
        frame->RouteCommand(accepted);
    EXPECT_TRUE(app.commands.empty());
    // Neither's: the application gets it.
    constexpr int kNobodys = 4242;
    frame->RouteCommand(kNobodys);
    frame->RouteCommand(kNobodys + 1);
    EXPECT_EQ(app.commands, (std::vector<int>{kNobodys, kNobodys + 1}));
}

TEST_F(HintRoutingTest, MenuItemsRouteOnceWhetherChosenOrTriggered)
{
    Item(CM_NEW_ALBUM)->trigger();
    EXPECT_EQ(Routed(), std::vector<int>{CM_NEW_ALBUM});
    // The check mark changes only through the command, and the command runs once.
    const bool loop = Item(CM_CONTINUOUS_LOOP)->isChecked();
    Item(CM_CONTINUOUS_LOOP)->trigger();
    EXPECT_NE(Item(CM_CONTINUOUS_LOOP)->isChecked(), loop);

    // Chosen with the mouse from the menu bar.
    Routed().clear();
    QMenuBar* bar = frame->MenuBar();
    QAction* album = bar->actions().at(0);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(album).center());
    QMenu* menu = album->menu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(Item(CM_NEW_ALBUM)).center());
    Deliver();
    EXPECT_EQ(Routed(), std::vector<int>{CM_NEW_ALBUM});
}

TEST_F(HintRoutingTest, ExitClosesAndCleansUpTheConsole)
{
    PlayOneSong();
    frame->RouteCommand(CM_EXIT);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(Console().IsStopped());
    EXPECT_FALSE(Console().TickTimerActive());
}

TEST_F(HintRoutingTest, DroppedUrlsGiveTheirLocalPathsInOrder)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/b.mid"), QUrl(QStringLiteral("http://example.org/x.mid")),
                  QUrl::fromLocalFile("/tmp/a.wav")});
    EXPECT_EQ(frame::TMainFrame::DroppedPaths(&data), (std::vector<std::string>{"/tmp/b.mid", "/tmp/a.wav"}));
}

TEST_F(HintRoutingTest, FilesDroppedOnTheFrameJoinTheQueueInOrder)
{
    TempDrive drive;
    const QString b = drive.writeFile("b.mid", "MThd");
    const QString a = drive.writeFile("a.wav", "RIFF");
    frame->FrameMenu()->SetChecked(CM_AUTO_PLAY, false);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(b), QUrl::fromLocalFile(a)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &drop);
    ASSERT_EQ(frame->QueueList()->GetCount(), 2);
    char line[512];
    ASSERT_GT(frame->QueueList()->GetString(line, sizeof line, 0), 0);
    EXPECT_EQ(std::string(line).rfind("b.mid"), std::string(line).size() - 5) << line;
    ASSERT_GT(frame->QueueList()->GetString(line, sizeof line, 1), 0);
    EXPECT_EQ(std::string(line).rfind("a.wav"), std::string(line).size() - 5) << line;
}

TEST_F(HintRoutingTest, MinimizedFrameShowsTheMeterInItsIcon)
{
    const QImage programIcon = frame->windowIcon().pixmap(32, 32).toImage();
    Console().iconProgress = 150;
    frame->showMinimized();
    ASSERT_TRUE(frame->IsIconic());
    EXPECT_EQ(Console().iconProgress, 100);
    const QImage meter = frame->windowIcon().pixmap(32, 32).toImage();
    EXPECT_NE(meter, programIcon);
    frame->showNormal();
    EXPECT_FALSE(frame->IsIconic());
    EXPECT_EQ(frame->windowIcon().pixmap(32, 32).toImage(), programIcon);
}

}  // namespace
}  // namespace frametest
