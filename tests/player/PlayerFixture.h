#pragma once
// A console window wired to the simulated device and the recording surfaces,
// with a queue of songs and a virtual clock the test drives tick by tick.

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
        window = std::make_unique<player::TMainWindow>(std::move(owned), console, queue, prompt);
        window->SetFrame(&frame);
        window->SetPositionSlider(&slider);
        window->SetupWindow();
        std::srand(1);
    }

    void TearDown() override
    {
        window->CleanupWindow();
        window.reset();
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
        const std::string path =
            "c:\\music\\song" + std::to_string(queue.paths.size() + 1) + ".mid";
        songs[path] = SimSong{lengthMs, behaviour, stallAtMs};
        queue.paths.push_back(path);
        return path;
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

    std::string Time() const { return console.Text(player::kItemTime); }
    std::string Length() const { return console.Text(player::kItemLength); }
    std::string SongNumber() const { return console.Text(player::kItemSongNumber); }

    std::map<std::string, SimSong> songs;
    SimSongDevice* sim = nullptr;
    RecordingConsole console;
    ListQueue queue;
    ScriptedPrompt prompt;
    RecordingFrame frame;
    RecordingSlider slider;
    std::unique_ptr<player::TMainWindow> window;
};

}  // namespace playertest
