#pragma once
// A real frame around a real console on the simulated media layer, shown
// offscreen, with a recording application handler at the end of the chain.

#include "album/TQueueList.h"
#include "controls/menu/ICommandHandler.h"
#include "frame/TMainFrame.h"
#include "player/TMainWindow.h"
#include "support/RecordingMidiOut.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/SimulatedMci.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace frametest {

class RecordingApp : public ICommandHandler {
public:
    bool HandleCommand(int id) override
    {
        commands.push_back(id);
        return true;
    }
    std::vector<int> commands;
};

// The console, keeping every command the chain offers it (it is the first link).
class RecordingConsole : public player::TMainWindow {
public:
    using player::TMainWindow::TMainWindow;
    bool HandleCommand(int id) override
    {
        offered.push_back(id);
        return player::TMainWindow::HandleCommand(id);
    }
    std::vector<int> offered;
};

class FrameFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* console = new RecordingConsole(nullptr, "c:\\vantor", &RecordingMidiOut::create);
        frame = std::make_unique<frame::TMainFrame>(console);
        frame->SetApplicationHandler(&app);
        frame->Create();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    void TearDown() override
    {
        frame->Client()->CleanupWindow();
        frame.reset();
        QCoreApplication::sendPostedEvents();
    }

    player::TMainWindow& Console() const { return *frame->Client(); }
    // The commands routed since the last clear, whoever took them.
    std::vector<int>& Routed() const { return static_cast<RecordingConsole*>(frame->Client())->offered; }

    // Starts a song so that pause has something to act on.
    void PlayOneSong()
    {
        sim.addSong("c:\\music\\one.mid", 60000);
        ASSERT_GE(frame->QueueList()->AddSong("c:\\music\\one.mid"), 0);
        ASSERT_EQ(Console().PlaySong(0), 0);
        ASSERT_FALSE(Console().IsStopped());
    }

    // Runs what was posted (commands from buttons, the pop-up's choice).
    static void Deliver()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    SimulatedMci sim;
    ScriptedMessageBoxes boxes;
    // Commands routed to the console may ask for a file; the dialog is cancelled.
    ScriptedFileDialogs dialogs;
    RecordingApp app;
    std::unique_ptr<frame::TMainFrame> frame;
};

}  // namespace frametest
