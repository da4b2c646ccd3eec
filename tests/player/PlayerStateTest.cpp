// Every transition of the player's state table, with what each state shows on
// the console lamps, the tool-bar buttons, the menus and the slider.

#include "player/PlayerFixture.h"

#include <functional>

using namespace player;

namespace playertest {
namespace {

enum class State { Stopped, Playing, Paused };

class PlayerStateTest : public PlayerFixture {
protected:
    State Observed() const
    {
        if (window->IsStopped())
            return State::Stopped;
        return window->IsPaused() ? State::Paused : State::Playing;
    }

    // Everything a state shows must agree with the state itself.
    void ExpectShown(State s)
    {
        const bool running = s != State::Stopped;
        const bool paused = s == State::Paused;
        EXPECT_EQ(Text(kLampPlay), running ? "PLAY" : "");
        EXPECT_EQ(Text(kLampPause), paused ? "PAUSE" : "");
        EXPECT_EQ(frame.toolBar.IsDown(kCmdPlayButton), running);
        EXPECT_EQ(frame.toolBar.IsDown(kCmdPause), paused);
        EXPECT_EQ(frame.toolBar.IsEnabled(kCmdPause), running);
        EXPECT_EQ(frame.menu.grayed.count(kCmdPause) == 0, running);
        EXPECT_EQ(frame.systemMenu.grayed.count(kCmdPause) == 0, running);
        EXPECT_EQ(frame.menu.IsChecked(kCmdPause), paused);
        EXPECT_EQ(frame.systemMenu.IsChecked(kCmdPause), paused);
        EXPECT_EQ(slider.enabled, running);
        EXPECT_EQ(window->IsTracking(), s == State::Playing);
    }

    void Reach(State s)
    {
        ASSERT_EQ(window->PlaySong(0), 0);
        Tick();
        if (s == State::Paused)
            window->TogglePause();
        if (s == State::Stopped)
            window->StopSong();
        ASSERT_EQ(Observed(), s);
    }
};

struct Env {
    TMainWindow& window;
    SimulatedMci& sim;
    TQueueList& queue;
};

struct Transition {
    const char* name;
    State from;
    std::function<void(Env&)> event;
    State to;
};

TEST_F(PlayerStateTest, StartsStoppedWithPauseControlsDisabled)
{
    EXPECT_EQ(Observed(), State::Stopped);
    EXPECT_FALSE(frame.toolBar.IsEnabled(kCmdPause));
    EXPECT_EQ(frame.menu.grayed.count(kCmdPause), 1u);
    EXPECT_FALSE(slider.enabled);
    EXPECT_EQ(window->currentSong, -1);
}

TEST_F(PlayerStateTest, EveryTransitionOfTheTable)
{
    const Transition table[] = {
        {"play from stopped", State::Stopped, [](Env& e) { e.window.PlaySelected(); }, State::Playing},
        {"play while paused", State::Paused, [](Env& e) { e.window.PlaySelected(); }, State::Playing},
        {"pause while playing", State::Playing, [](Env& e) { e.window.TogglePause(); }, State::Paused},
        {"pause toggles back", State::Paused, [](Env& e) { e.window.TogglePause(); }, State::Playing},
        {"pause ignored when stopped", State::Stopped, [](Env& e) { e.window.TogglePause(); }, State::Stopped},
        {"seek while paused resumes", State::Paused, [](Env& e) { e.window.SeekToPosition(5000); }, State::Playing},
        {"next song while playing", State::Playing, [](Env& e) { e.window.NextSong(); }, State::Playing},
        {"next song while stopped", State::Stopped, [](Env& e) { e.window.NextSong(); }, State::Playing},
        {"stop while playing", State::Playing, [](Env& e) { e.window.StopSong(); }, State::Stopped},
        {"stop while paused", State::Paused, [](Env& e) { e.window.StopSong(); }, State::Stopped},
        {"failed start while playing", State::Playing,
         [](Env& e) {
             e.sim.song(e.queue.GetSongPath(1))->behaviour = SimBehaviour::FailsToOpen;
             e.window.PlaySong(1);
         },
         State::Stopped},
        {"end of album without loop", State::Playing,
         [](Env& e) {
             e.window.PlaySong(2);
             e.window.NextSong();
         },
         State::Stopped},
        {"queue emptied while paused", State::Paused, [](Env& e) { e.window.ClearAlbum(); }, State::Stopped},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        TearDown();
        frame = RecordingFrame();
        SetUp();
        AddSongs(3);
        Reach(row.from);
        Env env{*window, sim, *queue};
        row.event(env);
        EXPECT_EQ(Observed(), row.to);
        ExpectShown(row.to);
    }
}

TEST_F(PlayerStateTest, ResumeSendsANewPlayFromThePausedPosition)
{
    AddSongs(1, 10000);
    window->PlaySong(0);
    Tick();
    Tick();
    window->TogglePause();
    EXPECT_EQ(Commands().back(), "pause");
    ClearCommands();
    window->TogglePause();
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0], "play -1 -2");
    EXPECT_EQ(Position(), 2000u);
    ExpectShown(State::Playing);
}

TEST_F(PlayerStateTest, RepeatIsIndependentOfPlayState)
{
    AddSongs(1);
    window->ToggleRepeat();
    EXPECT_TRUE(window->repeat);
    EXPECT_EQ(Text(kLampRepeat), "REPEAT");
    EXPECT_TRUE(frame.toolBar.IsDown(kCmdRepeat));
    EXPECT_TRUE(frame.menu.IsChecked(kCmdRepeat));
    EXPECT_TRUE(frame.systemMenu.IsChecked(kCmdRepeat));
    EXPECT_EQ(Observed(), State::Stopped);
    window->ToggleRepeat();
    EXPECT_EQ(Text(kLampRepeat), "");
    EXPECT_FALSE(frame.toolBar.IsDown(kCmdRepeat));
    EXPECT_FALSE(frame.menu.IsChecked(kCmdRepeat));
    EXPECT_FALSE(frame.systemMenu.IsChecked(kCmdRepeat));
}

TEST_F(PlayerStateTest, StopKeepsTheDeviceOpenAndPlayStartsTheSelectedSongAfresh)
{
    AddSongs(2, 8000);
    window->PlaySong(0);
    Tick();
    Tick();
    window->StopSong();
    EXPECT_TRUE(window->device.IsOpen());
    EXPECT_EQ(Time(), "00:08");  // remaining: the whole song again
    EXPECT_EQ(slider.position, 0);
    ClearCommands();
    window->PlaySelected();
    EXPECT_EQ(Commands().front(), "stop");
    EXPECT_EQ(Commands()[1], "close");
    EXPECT_EQ(Commands()[2], "open c:\\music\\song1.mid");
    EXPECT_EQ(Commands().back(), "play -1 -2");
    EXPECT_EQ(Position(), 0u);
}

}  // namespace
}  // namespace playertest
