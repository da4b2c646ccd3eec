#pragma once
// A console window wired to the simulated device and the recording surfaces,
// with a queue of songs and a virtual clock the test drives tick by tick.

#include "album/TQueueList.h"
#include "player/PlayerIds.h"
#include "player/RecordingSurfaces.h"
#include "player/SimSongDevice.h"
#include "player/TMainWindow.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace playertest {

class PlayerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto owned = std::make_unique<SimSongDevice>(songs);
        sim = owned.get();
        window = std::make_unique<player::TMainWindow>(std::move(owned), prompt);
        queue = std::make_unique<TQueueList>();
        queue->SetConsole(window.get());
        queue->SetOptions(window.get());
        queue->SetPlayer(window.get());
        queue->SetBusy(&frame);
        window->SetQueue(queue.get());
        window->SetFrame(&frame);
        window->SetPositionSlider(&slider);
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
    void AddSongs(int count, std::uint32_t lengthMs = 5000,
                  SongBehaviour behaviour = SongBehaviour::Plays)
    {
        for (int i = 0; i < count; ++i)
            AddSong(lengthMs, behaviour);
    }

    std::string AddSong(std::uint32_t lengthMs, SongBehaviour behaviour = SongBehaviour::Plays,
                        std::uint32_t stallAtMs = 0)
    {
        const std::string path = "c:\\music\\song" + std::to_string(++songsMade_) + ".mid";
        songs[path] = SimSong{lengthMs, behaviour, stallAtMs};
        EXPECT_GE(queue->AddSong(path.c_str()), 0);
        return path;
    }

    // Empties the queue and forgets the songs, for the next row of a table.
    void Restart()
    {
        window->ClearAlbum();
        songs.clear();
        songsMade_ = 0;
    }

    // Delivers the notifications the device has posted.
    static void Deliver() { QCoreApplication::sendPostedEvents(); }

    // One second of virtual time: the song advances, its notification (if any)
    // arrives, then the timer ticks.
    void Tick(std::uint32_t ms = 1000)
    {
        sim->Advance(ms);
        Deliver();
        window->OnTick();
    }

    void Check(int option, bool on) { on ? (void)frame.menu.checked.insert(option) : (void)frame.menu.checked.erase(option); }

    // What a console control shows.
    std::string Text(int controlId) const { return window->GetDlgItemText(controlId).toStdString(); }
    std::string Time() const { return Text(player::kItemTime); }
    std::string Length() const { return Text(player::kItemLength); }
    std::string SongNumber() const { return Text(player::kItemSongNumber); }

    std::map<std::string, SimSong> songs;
    SimSongDevice* sim = nullptr;
    std::unique_ptr<TQueueList> queue;
    ScriptedPrompt prompt;
    RecordingFrame frame;
    RecordingSlider slider;
    std::unique_ptr<player::TMainWindow> window;

private:
    int songsMade_ = 0;
};

}  // namespace playertest
