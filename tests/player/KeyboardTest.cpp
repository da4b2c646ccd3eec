// The keyboard inside the frame: the accelerators of table 7735 by the character
// a key types, wherever the focus is in the frame's window, and the console's
// Enter and Escape, which never close it.

#include "controls/menu/AcceleratorFilter.h"
#include "player/MenuTreeFixture.h"

#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

using namespace player;
using namespace resources;

namespace playertest {
namespace {

// The frame's window in small: a menu bar with the real pop-ups, the queue and
// the console, and the accelerators routed to the console's command table.
class KeyboardTest : public MenuTreeFixture {
protected:
    void SetUp() override
    {
        MenuTreeFixture::SetUp();
        host = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(host.get());
        menuBar = new QMenuBar(host.get());
        for (QAction* popup : root->actions())
            menuBar->addAction(popup);
        layout->setMenuBar(menuBar);
        layout->addWidget(queue.get());
        layout->addWidget(window.get());
        filter = new AcceleratorFilter(host.get(), [this](int id) {
            routed.push_back(id);
            window->HandleCommand(id);
        });
        qApp->installEventFilter(filter);
        host->show();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    void TearDown() override
    {
        // The console and the queue belong to the fixture, not to the stand-in frame.
        window->setParent(nullptr);
        queue->setParent(nullptr);
        host.reset();
        MenuTreeFixture::TearDown();
    }

    std::vector<int> Press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        routed.clear();
        QTest::keyClick(target, key, modifiers);
        return routed;
    }

    std::unique_ptr<QWidget> host;
    QMenuBar* menuBar = nullptr;
    QPointer<AcceleratorFilter> filter;
    std::vector<int> routed;
};

TEST_F(KeyboardTest, EveryAcceleratorByTheCharacterItTypesInTheQueue)
{
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int command;
    };
    const Row rows[] = {
        {Qt::Key_S, Qt::ControlModifier, CM_SAVE_ALBUM},
        {Qt::Key_P, Qt::ControlModifier, CM_PAUSE},
        {Qt::Key_T, Qt::ControlModifier, CM_REPEAT},
        {Qt::Key_M, Qt::ControlModifier, CM_MUTE},
        {Qt::Key_H, Qt::ControlModifier, CM_HIGHLIGHT_CURRENT},
        {Qt::Key_U, Qt::ControlModifier, CM_MOVE_UP},
        {Qt::Key_D, Qt::ControlModifier, CM_MOVE_DOWN},
        {Qt::Key_1, Qt::AltModifier, 17900},
        {Qt::Key_2, Qt::AltModifier, 17901},
        {Qt::Key_3, Qt::AltModifier, 17902},
        {Qt::Key_4, Qt::AltModifier, 17903},
        {Qt::Key_5, Qt::AltModifier, 17904},
        {Qt::Key_6, Qt::AltModifier, 17905},
        {Qt::Key_7, Qt::AltModifier, 17906},
        {Qt::Key_M, Qt::AltModifier, CM_MENU_BAR},
        {Qt::Key_C, Qt::AltModifier, CM_CUSTOM_VIEW},
        {Qt::Key_S, Qt::AltModifier, CM_SAVE_CUSTOM_VIEW},
        {Qt::Key_F1, Qt::NoModifier, CM_HELP_CONTENTS},
        // The same characters from other keys.
        {Qt::Key_Return, Qt::NoModifier, CM_MUTE},
        {Qt::Key_Enter, Qt::KeypadModifier, CM_MUTE},
        {Qt::Key_Backspace, Qt::NoModifier, CM_HIGHLIGHT_CURRENT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QKeySequence(row.key | row.modifiers).toString().toStdString());
        EXPECT_EQ(Press(queue.get(), row.key, row.modifiers), std::vector<int>{row.command});
        // No menu of the menu bar opened on the way (Alt+S is also "&Song").
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
}

TEST_F(KeyboardTest, KeysOutsideTheTableGoToTheFocusedWidget)
{
    for (const auto& [key, modifiers] : std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>{
             {Qt::Key_M, Qt::NoModifier},
             {Qt::Key_S, Qt::ShiftModifier},
             {Qt::Key_F1, Qt::ShiftModifier},
             {Qt::Key_F2, Qt::NoModifier},
             {Qt::Key_8, Qt::AltModifier},
             {Qt::Key_Escape, Qt::NoModifier},
         }) {
        SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
        EXPECT_TRUE(Press(queue.get(), key, modifiers).empty());
    }
}

TEST_F(KeyboardTest, EnterAndBackspaceInTheQueueRunMuteAndHighlightCurrent)
{
    AddSongs(4);
    window->PlaySong(2);
    queue->SetSelIndex(0);
    queue->setFocus();
    EXPECT_EQ(Press(queue.get(), Qt::Key_Backspace), std::vector<int>{CM_HIGHLIGHT_CURRENT});
    EXPECT_EQ(queue->GetSelIndex(), 2);
    // Mute is taken by the console's table and changes nothing of the player yet.
    EXPECT_EQ(Press(queue.get(), Qt::Key_Return), std::vector<int>{CM_MUTE});
    EXPECT_TRUE(DevicePlaying());
    EXPECT_EQ(Press(queue.get(), Qt::Key_P, Qt::ControlModifier), std::vector<int>{CM_PAUSE});
    EXPECT_TRUE(window->IsPaused());
}

TEST_F(KeyboardTest, InTheConsoleEnterAndEscapeAreTheDialogsAndCloseNothing)
{
    EXPECT_TRUE(Press(window.get(), Qt::Key_Return).empty());
    EXPECT_TRUE(Press(window.get(), Qt::Key_Escape).empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(host->isVisible());
    // Ctrl+M types the same character as Enter and is the accelerator's.
    EXPECT_EQ(Press(window.get(), Qt::Key_M, Qt::ControlModifier), std::vector<int>{CM_MUTE});
    EXPECT_EQ(Press(window.get(), Qt::Key_T, Qt::ControlModifier), std::vector<int>{CM_REPEAT});
    EXPECT_TRUE(window->repeat);
}

TEST_F(KeyboardTest, OtherWindowsKeepTheirKeys)
{
    QDialog owned(host.get());
    owned.show();
    EXPECT_TRUE(Press(&owned, Qt::Key_S, Qt::ControlModifier).empty());
    QWidget stranger;
    stranger.show();
    EXPECT_TRUE(Press(&stranger, Qt::Key_Backspace).empty());
}

TEST_F(KeyboardTest, WithoutTheFilterAltSOpensTheSongMenu)
{
    delete filter;
    queue->setFocus();
    EXPECT_TRUE(Press(queue.get(), Qt::Key_S, Qt::AltModifier).empty());
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(static_cast<QMenu*>(popup)->title(), "&Song");
    popup->close();
}

TEST_F(KeyboardTest, TheFilterGoesWithTheFrame)
{
    window->setParent(nullptr);
    queue->setParent(nullptr);
    host.reset(new QWidget);
    EXPECT_TRUE(filter.isNull());
    QWidget other;
    EXPECT_TRUE(Press(&other, Qt::Key_S, Qt::ControlModifier).empty());
}

// A console that is a window of its own (no frame around it) still never
// closes by keyboard.
using ConsoleKeyTest = MenuTreeFixture;

TEST_F(ConsoleKeyTest, EnterAndEscapeNeverCloseTheConsole)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(window.get(), key);
        EXPECT_TRUE(window->isVisible()) << key;
        EXPECT_EQ(window->result(), 0);
    }
    window->reject();
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace playertest
