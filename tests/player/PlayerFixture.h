#pragma once
// A console window wired to the simulated media command layer (virtual clock)
// and the recording frame surfaces, with a queue of songs the test fills.

#include "album/TQueueList.h"
#include "platform/mci/MciNotifyEvent.h"
#include "player/PlayerIds.h"
#include "player/RecordingSurfaces.h"
#include "player/TMainWindow.h"
#include "support/RecordingMidiOut.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/SimulatedMci.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace playertest {

// Records the notification codes that reach the window.
class NotificationLog : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == mci::MM_MCINOTIFY())
            codes.push_back(static_cast<mci::MciNotifyEvent*>(event)->code());
        return false;
    }
    std::vector<std::uint32_t> codes;
};

// Hands the console its queue, frame and position slider as the real frame does
// before the console's set-up.
inline void WireConsole(player::TMainWindow& window, TQueueList& queue, player::IPlayerFrame& frame,
                        player::IPositionSlider& slider)
{
    queue.SetConsole(&window);
    queue.SetOptions(&window);
    queue.SetPlayer(&window);
    queue.SetBusy(&frame);
    window.SetQueue(&queue);
    window.SetFrame(&frame);
    window.SetPositionSlider(&slider);
}

class PlayerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<player::TMainWindow>(nullptr, "c:\\vantor", &RecordingMidiOut::create);
        queue = std::make_unique<TQueueList>();
        WireConsole(*window, *queue, frame, slider);
        window->installEventFilter(&notifications);
        ASSERT_EQ(window->Create(), 0);
        std::srand(1);
    }

    void TearDown() override
    {
        window->CleanupWindow();
        window.reset();
        queue.reset();
        Deliver();
    }

    // Adds songs named song1.mid, song2.mid, ... to the queue.
    void AddSongs(int count, std::uint32_t lengthMs = 5000, SimBehaviour behaviour = SimBehaviour::Plays)
    {
        for (int i = 0; i < count; ++i)
            AddSong(lengthMs, behaviour);
    }

    std::string AddSong(std::uint32_t lengthMs, SimBehaviour behaviour = SimBehaviour::Plays,
                        std::uint32_t atMs = 0)
    {
        return AddSongAt(songDir + "song" + std::to_string(++songsMade_) + ".mid", lengthMs, behaviour, atMs);
    }

    std::string AddSongAt(const std::string& path, std::uint32_t lengthMs,
                          SimBehaviour behaviour = SimBehaviour::Plays, std::uint32_t atMs = 0)
    {
        sim.addSong(path, lengthMs, behaviour, atMs);
        EXPECT_GE(queue->AddSong(path.c_str()), 0);
        return path;
    }

    // Empties the queue and forgets what was sent, for the next row of a table.
    void Restart()
    {
        window->ClearAlbum();
        Deliver();
        sim.clearSent();
        notifications.codes.clear();
        songsMade_ = 0;
    }

    // Delivers the notifications the layer has posted.
    static void Deliver() { QCoreApplication::sendPostedEvents(); }

    // Virtual time passes: the song advances, its notification (if any) arrives,
    // then the timer ticks.
    void Tick(std::uint32_t ms = 1000)
    {
        sim.advance(ms);
        Deliver();
        window->OnTick();
    }

    void Check(int option, bool on)
    {
        on ? (void)frame.menu.checked.insert(option) : (void)frame.menu.checked.erase(option);
    }

    // The commands the device sent since the last ClearCommands, status queries left out:
    // "open PATH", "set timeformat N", "play FROM TO" (-1: current, -2: end), "seek TO",
    // "stop", "pause", "close", "set audio on|off".
    std::vector<std::string> Commands() const;
    void ClearCommands() { sim.clearSent(); }

    std::string OpenPath() const
    {
        const char* element = window->device.ElementName();
        return element ? element : "";
    }
    std::uint32_t Position() const { return sim.positionOf(OpenPath()); }
    bool DevicePlaying() const { return sim.isPlaying(OpenPath()); }

    // What a console control shows.
    std::string Text(int controlId) const { return window->GetDlgItemText(controlId).toStdString(); }
    std::string Time() const { return Text(player::kItemTime); }
    std::string Length() const { return Text(player::kItemLength); }
    std::string SongNumber() const { return Text(player::kItemSongNumber); }

    // Where AddSong puts its songs (a drive path ending in a backslash).
    std::string songDir = "c:\\music\\";
    SimulatedMci sim;
    ScriptedMessageBoxes boxes;
    NotificationLog notifications;
    RecordingFrame frame;
    RecordingSlider slider;
    std::unique_ptr<TQueueList> queue;
    std::unique_ptr<player::TMainWindow> window;

private:
    int songsMade_ = 0;
};

}  // namespace playertest
