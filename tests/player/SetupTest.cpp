// The console window's set-up and clean-up.

#include "player/PlayerFixture.h"

#include "controls/console/TColorStatic.h"

using namespace player;

namespace playertest {
namespace {

using SetupTest = PlayerFixture;

TEST_F(SetupTest, SetupWiresTheDeviceMenusAndTimer)
{
    EXPECT_EQ(window->device.notifyWindow, window.get());
    EXPECT_STREQ(window->device.ErrorCaption(), "The Vantor");
    EXPECT_EQ(window->frameMenu, &frame.menu);
    const std::vector<std::string> items = {"-maximize", "---",        "7724 Pa&use",     "7709 Repea&t",
                                            "7729 Ci&rculate", "---", "7773 Remo&ve", "7711 &Delete"};
    EXPECT_EQ(frame.systemMenu.items, items);
    EXPECT_TRUE(window->TickTimerActive());
    EXPECT_EQ(TMainWindow::Instance(), window.get());
    // The console was built from its template.
    EXPECT_NE(window->itemAs<TColorStatic>(kItemTime), nullptr);
    EXPECT_EQ(Text(resources::IDC_SONG_COUNT), "000");
}

TEST_F(SetupTest, CleanupStopsSwitchesTheSoundOnAndClosesOnce)
{
    AddSongs(1, 10000);
    window->PlaySong(0);
    Tick();
    ClearCommands();
    window->CleanupWindow();
    EXPECT_FALSE(window->TickTimerActive());
    EXPECT_TRUE(window->IsStopped());
    const std::vector<std::string> expected = {"stop", "set audio on", "close"};
    EXPECT_EQ(Commands(), expected);
    EXPECT_FALSE(window->device.IsOpen());
    ClearCommands();
    window->CleanupWindow();
    EXPECT_TRUE(Commands().empty());
}

TEST_F(SetupTest, DestroyingTheWindowStillClosesTheDevice)
{
    AddSongs(1, 10000);
    window->PlaySong(0);
    ClearCommands();
    window.reset();
    EXPECT_EQ(Commands(), (std::vector<std::string>{"stop", "set audio on", "close"}));
    EXPECT_EQ(sim.openDevices(), 0u);
    EXPECT_EQ(TMainWindow::Instance(), nullptr);
    SetUp();  // TearDown expects a window
}

TEST_F(SetupTest, TheMidiResetRunsBeforeEachSongInItsMode)
{
    AddSongs(2);
    RecordingMidiOut::clear();
    window->midiReset.SetResetMode(MidiReset::kCmdStandardReset);
    EXPECT_TRUE(frame.menu.IsChecked(MidiReset::kCmdStandardReset));
    window->PlaySong(0);
    window->PlaySong(1);
    int shortMessages = 0;
    for (const auto& e : RecordingMidiOut::log())
        shortMessages += e.kind == RecordingMidiOut::Event::Short;
    EXPECT_EQ(shortMessages, 32);  // 16 channels per song
}

TEST_F(SetupTest, StartTrackingReachesTheOneWindow)
{
    AddSongs(1);
    window->PlaySong(0);
    TMainWindow::StopTracking();
    EXPECT_FALSE(window->IsTracking());
    TMainWindow::StartTracking();
    EXPECT_TRUE(window->IsTracking());
}

}  // namespace
}  // namespace playertest
