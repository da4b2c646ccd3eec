#pragma once
// A real frame around a real console on the simulated media layer, shown
// offscreen, with its settings file beside the program on a temporary drive.

#include "frame/TMainFrame.h"
#include "player/TMainWindow.h"
#include "support/RecordingMidiOut.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/SimulatedMci.h"
#include "support/TempDrive.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace frametest {

class SettingsFrameFixture : public ::testing::Test {
protected:
    void Start(const QByteArray& settings)
    {
        drive.writeFile("vantor/Vantor.ini", settings);
        auto* console = new player::TMainWindow(nullptr, drive.path("vantor"), &RecordingMidiOut::create);
        console->programDir = drive.path("vantor");
        console->settingsPath = drive.path("vantor\\Vantor.ini");
        frame = std::make_unique<frame::TMainFrame>(console);
        frame->Create();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    void TearDown() override
    {
        if (frame)
            frame->Client()->CleanupWindow();
        frame.reset();
        QCoreApplication::sendPostedEvents();
    }

    QByteArray Settings() const { return drive.readFile("vantor/Vantor.ini"); }

    TempDrive drive;
    SimulatedMci sim;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<frame::TMainFrame> frame;
};

}  // namespace frametest
