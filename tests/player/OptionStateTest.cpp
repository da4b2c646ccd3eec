// Option toggles with their lamps and the time read-out, and the Pause item's
// state in the menu, the tool bar and the system menu after every transition.

#include "player/MenuTreeFixture.h"

using namespace player;
using namespace resources;

namespace playertest {
namespace {

using OptionStateTest = MenuTreeFixture;

TEST_F(OptionStateTest, LoopAndRandomLightAndPutOutTheirLamps)
{
    struct Row {
        int option;
        int lamp;
        const char* word;
    };
    for (const Row& row : {Row{CM_CONTINUOUS_LOOP, kLampLoop, "LOOP"}, Row{CM_RANDOM_ORDER, kLampRandom, "RANDOM"}}) {
        SCOPED_TRACE(row.word);
        window->ToggleOption(row.option);
        EXPECT_TRUE(Checked(row.option));
        EXPECT_EQ(Text(row.lamp), row.word);
        window->ToggleOption(row.option);
        EXPECT_FALSE(Checked(row.option));
        EXPECT_EQ(Text(row.lamp), "");
    }
}

TEST_F(OptionStateTest, OtherOptionsLightNoLamp)
{
    const int lamps[] = {kLampPlay, kLampPause, kLampRepeat, kLampLoop, kLampRandom, IDC_LAMP_MUTE};
    for (const int option : {CM_ELAPSED_TIME, CM_AUTO_PLAY, CM_AUTO_SAVE_ALBUM, CM_RELATIVE_PATHS,
                             CM_ALLOW_DUPLICATES, CM_CONFIRM_DELETE, CM_SAVE_SETTINGS_ON_EXIT,
                             CM_SHOW_LONG_NAMES}) {
        SCOPED_TRACE(option);
        window->ToggleOption(option);
        EXPECT_TRUE(Checked(option));
        for (const int lamp : lamps)
            EXPECT_EQ(Text(lamp), "") << lamp;
    }
}

TEST_F(OptionStateTest, ElapsedTimeRewritesTheReadOutOfAnOpenSong)
{
    AddSongs(2, 8000);
    window->PlaySong(0);
    Tick(3000);
    for (const bool stopFirst : {false, true}) {
        SCOPED_TRACE(stopFirst ? "stopped, song open" : "playing");
        if (stopFirst) {
            window->StopSong();
            ASSERT_TRUE(window->device.IsOpen());
        }
        // A quarter of the 8 s song: 2 s elapsed, 6 s remaining.
        slider.position = 2500;
        window->HandleCommand(CM_ELAPSED_TIME);
        ASSERT_TRUE(Checked(CM_ELAPSED_TIME));
        EXPECT_EQ(Time(), "00:02");
        window->HandleCommand(CM_ELAPSED_TIME);
        ASSERT_FALSE(Checked(CM_ELAPSED_TIME));
        EXPECT_EQ(Time(), "00:06");
        // At the very end the remaining time is nothing, never less.
        slider.position = 10000;
        window->HandleCommand(CM_ELAPSED_TIME);
        EXPECT_EQ(Time(), "00:08");
        window->HandleCommand(CM_ELAPSED_TIME);
        EXPECT_EQ(Time(), "00:00");
    }
}

TEST_F(OptionStateTest, ElapsedTimeWithoutASongOnlyFlipsTheMark)
{
    window->SetConsoleText(kItemTime, "12:34");
    slider.position = 5000;
    window->HandleCommand(CM_ELAPSED_TIME);
    EXPECT_TRUE(Checked(CM_ELAPSED_TIME));
    EXPECT_EQ(Time(), "12:34");
    window->HandleCommand(CM_ELAPSED_TIME);
    EXPECT_FALSE(Checked(CM_ELAPSED_TIME));
    EXPECT_EQ(Time(), "12:34");
}

TEST_F(OptionStateTest, PauseIsEnabledExactlyWhileNotStoppedAndCheckedWhilePaused)
{
    AddSongs(2, 3000);
    AddSong(3000, SimBehaviour::FailsToOpen);
    struct Step {
        const char* name;
        std::function<void()> run;
        bool enabled;
        bool paused;
    };
    const Step steps[] = {
        {"set up", [] {}, false, false},
        {"play", [this] { queue->SetSelIndex(0); window->HandleCommand(CM_PLAY); }, true, false},
        {"pause", [this] { window->HandleCommand(CM_PAUSE); }, true, true},
        {"resume", [this] { window->HandleCommand(CM_PAUSE); }, true, false},
        {"pause again", [this] { window->HandleCommand(CM_PAUSE); }, true, true},
        {"circulate while paused", [this] { window->HandleCommand(CM_CIRCULATE); }, true, false},
        {"pause, then stop", [this] { window->HandleCommand(CM_PAUSE); window->HandleCommand(CM_STOP); }, false, false},
        {"pause while stopped", [this] { window->HandleCommand(CM_PAUSE); }, false, false},
        {"play button", [this] { window->HandleCommand(CM_PLAY_BUTTON); }, true, false},
        {"song ends into the song that cannot open", [this] { Tick(3000); Tick(); }, false, false},
        {"play again", [this] { window->PlaySong(0); }, true, false},
        {"pause, then clear", [this] { window->HandleCommand(CM_PAUSE); window->HandleCommand(CM_CLEAR_ALBUM); },
         false, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.run();
        Deliver();
        EXPECT_EQ(window->IsStopped(), !step.enabled);
        EXPECT_EQ(window->IsPaused(), step.paused);
        EXPECT_EQ(Action(CM_PAUSE)->isEnabled(), step.enabled);
        EXPECT_EQ(frame.toolBar.IsEnabled(CM_PAUSE), step.enabled);
        EXPECT_EQ(frame.systemMenu.grayed.count(CM_PAUSE) == 0, step.enabled);
        EXPECT_EQ(Checked(CM_PAUSE), step.paused);
        EXPECT_EQ(frame.toolBar.IsDown(CM_PAUSE), step.paused);
        EXPECT_EQ(frame.systemMenu.IsChecked(CM_PAUSE), step.paused);
        EXPECT_EQ(Text(kLampPause), step.paused ? "PAUSE" : "");
    }
}

}  // namespace
}  // namespace playertest
