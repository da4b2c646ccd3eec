// Seeking from the slider, the fast-wind buttons and the repeat, and the
// thumb tracking that only moves the read-out.

#include "player/PlayerFixture.h"

#include "controls/console/TColorStatic.h"

using namespace player;

namespace playertest {
namespace {

using SeekTest = PlayerFixture;

TEST_F(SeekTest, SeekMovesThePositionShowsTheTimeAndPlaysOn)
{
    AddSongs(1, 200000);
    window->PlaySong(0);
    Tick();
    ClearCommands();
    ASSERT_EQ(window->SeekToPosition(2500), 0);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"seek 50000", "play -1 -2"}));
    EXPECT_EQ(slider.position, 2500);
    EXPECT_EQ(Time(), "02:30");
    EXPECT_EQ(frame.busy.back(), kBusySeeking);
    EXPECT_EQ(frame.depth, 0);
    EXPECT_TRUE(window->IsTracking());
    Tick();
    EXPECT_EQ(slider.position, 2550);
}

TEST_F(SeekTest, SeekTargetsAreTruncatedAndKeptInsideTheSong)
{
    struct Row {
        int pos;
        std::uint32_t length;
        const char* expectSeek;
    };
    const Row rows[] = {
        {0, 3333, "seek 0"},          {1, 3333, "seek 0"},      {3, 3333, "seek 0"},
        {5000, 3333, "seek 1666"},    {9999, 3333, "seek 3332"}, {10000, 3333, "seek 3333"},
        {12000, 3333, "seek 3333"},   {-50, 3333, "seek 0"},     {7, 4294967u, "seek 3006"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pos);
        Restart();
        AddSongs(1, row.length);
        window->PlaySong(0);
        ClearCommands();
        window->SeekToPosition(row.pos);
        ASSERT_FALSE(Commands().empty());
        EXPECT_EQ(Commands().front(), row.expectSeek);
    }
}

TEST_F(SeekTest, SeekWhileStoppedWithTheDeviceClosedStartsTheSelectedSongFirst)
{
    AddSongs(2, 100000);
    queue->SetSelIndex(1);
    ASSERT_EQ(window->SeekToPosition(5000), 0);
    EXPECT_EQ(window->currentSong, 1);
    EXPECT_EQ(Position(), 50000u);
    EXPECT_FALSE(window->IsStopped());

    window->ClearAlbum();
    EXPECT_EQ(window->SeekToPosition(5000), -1);  // nothing to start
}

TEST_F(SeekTest, SeekWhilePausedResumes)
{
    AddSongs(1, 100000);
    window->PlaySong(0);
    Tick();
    window->TogglePause();
    window->SeekToPosition(8000);
    EXPECT_FALSE(window->IsPaused());
    EXPECT_EQ(Text(kLampPause), "");
    EXPECT_EQ(Text(kLampPlay), "PLAY");
    EXPECT_TRUE(DevicePlaying());
}

TEST_F(SeekTest, SliderCodesSeekOrOnlyMoveTheReadOut)
{
    struct Row {
        int code;
        bool seeks;
    };
    const Row rows[] = {{SB_LINEUP, true},     {SB_LINEDOWN, true},      {SB_PAGEUP, true},
                        {SB_PAGEDOWN, true},   {SB_THUMBPOSITION, true}, {SB_THUMBTRACK, false},
                        {SB_TOP, true},        {SB_BOTTOM, true},        {SB_ENDSCROLL, false},
                        {9, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        Restart();
        AddSongs(1, 100000);
        window->PlaySong(0);
        Tick();
        ClearCommands();
        slider.position = 4000;
        window->SliderScrolled(row.code);
        EXPECT_EQ(!Commands().empty(), row.seeks);
        if (row.seeks) {
            EXPECT_EQ(Commands().front(), "seek 40000");
            EXPECT_TRUE(window->IsTracking());
        }
    }
}

TEST_F(SeekTest, ThumbTrackingShowsTheThumbTimeAtOnceAndStopsTheTimer)
{
    window->show();
    AddSongs(1, 100000);
    Check(kOptElapsedTime, true);
    window->PlaySong(0);
    Tick();
    auto* time = window->itemAs<TColorStatic>(kItemTime);
    ASSERT_NE(time, nullptr);
    const int drawn = time->DrawCount();
    slider.position = 6000;
    window->SliderScrolled(SB_THUMBTRACK);
    EXPECT_EQ(Time(), "01:00");
    EXPECT_GT(time->DrawCount(), drawn);  // painted without waiting for the event loop
    EXPECT_FALSE(window->IsTracking());
    EXPECT_EQ(Position(), 1000u);
    for (int i = 0; i < 3; ++i)
        Tick();
    EXPECT_EQ(slider.position, 6000);  // the timer leaves the dragged thumb alone
    EXPECT_EQ(Time(), "01:00");
    window->SliderScrolled(SB_THUMBPOSITION);
    EXPECT_EQ(Position(), 60000u);
    EXPECT_TRUE(window->IsTracking());
}

TEST_F(SeekTest, FastWindRepeatsMoveTheDisplayAndTheReleaseSeeks)
{
    AddSongs(1, 100000);
    window->PlaySong(0);
    Tick(20000);
    ASSERT_EQ(slider.position, 2000);
    ClearCommands();
    for (int i = 0; i < 5; ++i)
        window->FastWind(kCmdForwardRepeat);
    EXPECT_EQ(window->PendingFastWind(), 2500);
    EXPECT_EQ(slider.position, 2500);
    EXPECT_EQ(Time(), "01:15");
    EXPECT_TRUE(Commands().empty());  // the song plays on meanwhile
    sim.advance(3000);
    window->OnTick();
    EXPECT_EQ(slider.position, 2500);
    window->FastWind(kCmdRewindRepeat);
    EXPECT_EQ(slider.position, 2400);
    window->FastWind(kCmdForwardRelease);
    EXPECT_EQ(window->PendingFastWind(), -1);
    EXPECT_EQ(Commands().front(), "seek 24000");
    EXPECT_TRUE(window->IsTracking());
}

TEST_F(SeekTest, FastWindStopsAtTheEndsOfTheSlider)
{
    AddSongs(1, 100000);
    window->PlaySong(0);
    Tick();
    for (int i = 0; i < 5; ++i)
        window->FastWind(kCmdRewindRepeat);
    EXPECT_EQ(window->PendingFastWind(), 0);
    window->FastWind(kCmdRewindRelease);
    EXPECT_EQ(Position(), 0u);
    slider.position = 9950;
    window->FastWind(kCmdForwardRepeat);
    EXPECT_EQ(window->PendingFastWind(), 10000);
    window->FastWind(kCmdForwardRepeat);
    EXPECT_EQ(window->PendingFastWind(), 10000);
}

TEST_F(SeekTest, AReleaseWithoutRepeatDoesNotSeek)
{
    AddSongs(1, 100000);
    window->PlaySong(0);
    ClearCommands();
    window->FastWind(kCmdForwardRelease);
    window->FastWind(kCmdRewindRelease);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(SeekTest, FastWindIsIgnoredWhileStopped)
{
    AddSongs(1, 100000);
    window->PlaySong(0);
    Tick();
    window->FastWind(kCmdForwardRepeat);
    window->StopSong();
    ClearCommands();
    window->FastWind(kCmdForwardRepeat);
    window->FastWind(kCmdForwardRelease);
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(window->PendingFastWind(), -1);
    EXPECT_EQ(slider.position, 0);
}

}  // namespace
}  // namespace playertest
