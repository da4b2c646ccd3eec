// The one-second tick (display rule, full-length rule, stuck rule) and the
// end-of-song notification.

#include "player/PlayerFixture.h"

#include "platform/mci/MciConstants.h"
#include "support/RecordingMci.h"

using namespace player;

namespace playertest {
namespace {

using TickTest = PlayerFixture;

TEST_F(TickTest, EachSecondMovesTheSliderTimeAndMeter)
{
    AddSongs(1, 100000);
    window->PlaySong(0);
    EXPECT_EQ(Time(), "01:40");
    Tick();
    EXPECT_EQ(slider.position, 100);
    EXPECT_EQ(Time(), "01:39");
    EXPECT_EQ(window->iconProgress, 2);
    Check(kOptElapsedTime, true);
    Tick(30000);
    EXPECT_EQ(slider.position, 3100);
    EXPECT_EQ(Time(), "00:31");
    EXPECT_EQ(window->iconProgress, 32);
}

TEST_F(TickTest, SmallProgressIsNotShown)
{
    AddSongs(1, 100000);
    window->PlaySong(0);
    Tick(2000);
    EXPECT_EQ(slider.position, 200);
    Tick(925);  // exactly 925 ms: not above the step
    EXPECT_EQ(slider.position, 200);
    EXPECT_EQ(Time(), "01:38");
    Tick(1);
    EXPECT_EQ(slider.position, 292);
}

TEST_F(TickTest, MeterIsDrawnOnlyWhileMinimized)
{
    AddSongs(1, 10000);
    window->PlaySong(0);
    Tick();
    EXPECT_EQ(frame.iconDraws, 0);
    frame.iconic = true;
    Tick();
    EXPECT_EQ(frame.iconDraws, 1);
    EXPECT_EQ(window->iconProgress, 21);
}

TEST_F(TickTest, TicksDoNothingWhileNotTracking)
{
    AddSongs(1, 10000);
    window->PlaySong(0);
    Tick();
    window->TogglePause();
    const int shown = slider.position;
    sim.advance(6000);
    for (int i = 0; i < 20; ++i)
        window->OnTick();
    EXPECT_EQ(slider.position, shown);
    EXPECT_TRUE(window->IsPaused());
    EXPECT_EQ(window->currentSong, 0);
}

TEST_F(TickTest, RemainingTimeReadsTheWholeSongAtTheStartAndZeroAtTheEnd)
{
    AddSongs(1, 10000, SimBehaviour::LosesNotification);
    window->PlaySong(0);
    EXPECT_EQ(Time(), "00:10");
    Tick(9500);
    EXPECT_EQ(Time(), "00:00");
    Tick(500);
    EXPECT_EQ(Time(), "00:00");
    EXPECT_EQ(slider.position, 9500);
}

TEST_F(TickTest, APositionPastTheLengthShowsZeroNotAHugeNumber)
{
    // A device that reports more than its length: only a scripted one does.
    RecordingMci recording;
    recording.setStatus(mci::MCI_STATUS_LENGTH, 10000);
    recording.setStatus(mci::MCI_STATUS_POSITION, 0);
    AddSongs(1, 10000);
    window->PlaySong(0);
    recording.setStatus(mci::MCI_STATUS_POSITION, 15000);
    window->OnTick();
    EXPECT_EQ(Time(), "00:00");
    EXPECT_EQ(slider.position, 10000);
    EXPECT_EQ(window->iconProgress, 151);
    window->device.Close();
}

TEST_F(TickTest, MinutesAboveNinetyNineTakeThreeDigits)
{
    AddSongs(1, 6000000);
    window->PlaySong(0);
    // The read-outs hold five characters and keep the last five.
    EXPECT_EQ(Length(), "00:00");
    EXPECT_EQ(Time(), "00:00");
}

TEST_F(TickTest, ASeekBackwardsIsShownOnTheNextTick)
{
    AddSongs(1, 100000);
    window->PlaySong(0);
    Tick(50000);
    EXPECT_EQ(slider.position, 5000);
    // Back by less than a display step, as the device reports it.
    window->device.Seek(49500);
    window->device.Play(-1, -2);
    window->OnTick();
    EXPECT_EQ(slider.position, 4950);
    EXPECT_EQ(Time(), "00:50");
}

TEST_F(TickTest, ASongOfLengthZeroNeverMovesTheDisplayNorEnds)
{
    AddSong(0, SimBehaviour::LosesNotification);
    AddSongs(1);
    window->PlaySong(0);
    Deliver();
    EXPECT_EQ(Length(), "00:00");
    for (int i = 0; i < 5; ++i)
        Tick();
    EXPECT_EQ(slider.position, 0);
    EXPECT_EQ(window->iconProgress, 0);
    EXPECT_EQ(window->currentSong, 0);
    EXPECT_FALSE(window->IsStopped());
}

TEST_F(TickTest, ALostNotificationIsMadeUpByTheFullLengthRule)
{
    AddSong(3000, SimBehaviour::LosesNotification);
    AddSongs(1);
    window->circulateIfStuck = false;
    window->PlaySong(0);
    Tick();
    Tick();
    Tick();  // reaches the end: shown, no notification
    EXPECT_EQ(window->currentSong, 0);
    Tick();  // full length on two ticks in a row
    EXPECT_EQ(window->currentSong, 1);
    EXPECT_FALSE(window->IsStopped());
}

TEST_F(TickTest, StuckSongsAreLeftOnTheEleventhTickOnlyWithCirculateIfStuck)
{
    for (const bool circulate : {true, false}) {
        SCOPED_TRACE(circulate ? "on" : "off");
        Restart();
        AddSong(60000, SimBehaviour::Stalls, 4000);
        AddSongs(1, 60000);
        window->circulateIfStuck = circulate;
        window->PlaySong(0);
        for (int i = 0; i < 4; ++i)
            Tick();
        ASSERT_EQ(Position(), 4000u);
        for (int i = 1; i <= 10; ++i)
            Tick();
        EXPECT_EQ(window->currentSong, 0);
        Tick();  // the eleventh tick without progress
        EXPECT_EQ(window->currentSong, circulate ? 1 : 0);
        if (!circulate) {
            for (int i = 0; i < 100; ++i)
                Tick();
            EXPECT_EQ(window->currentSong, 0);
            EXPECT_FALSE(window->IsStopped());
        }
    }
}

TEST_F(TickTest, ProgressRestartsTheStuckCount)
{
    AddSongs(2, 600000);
    window->PlaySong(0);
    Tick();
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 9; ++i)
            Tick(100);  // creeping: never more than 925 ms past the last shown
        Tick(1000);
    }
    EXPECT_EQ(window->currentSong, 0);
}

TEST_F(TickTest, OnlyASuccessfulNotificationMovesOn)
{
    AddSongs(3, 10000);
    window->PlaySong(0);
    for (const std::uint32_t code : {mci::MCI_NOTIFY_SUPERSEDED, mci::MCI_NOTIFY_ABORTED,
                                     mci::MCI_NOTIFY_FAILURE, 0u, 3u}) {
        EXPECT_EQ(window->SongEnded(code), 0);
        EXPECT_EQ(window->currentSong, 0);
    }
    EXPECT_EQ(window->SongEnded(mci::MCI_NOTIFY_SUCCESSFUL), 0);
    EXPECT_EQ(window->currentSong, 1);
}

TEST_F(TickTest, NotificationsFromStopPauseSeekAndCloseAreIgnored)
{
    AddSongs(3, 10000);
    window->PlaySong(0);
    Tick();
    window->TogglePause();
    window->TogglePause();
    window->SeekToPosition(5000);
    window->PlaySong(1);  // closes song 1 on the way
    window->StopSong();
    Deliver();
    ASSERT_GE(notifications.codes.size(), 4u);
    for (const std::uint32_t code : notifications.codes)
        EXPECT_NE(code, mci::MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(window->currentSong, 1);
    EXPECT_TRUE(window->IsStopped());
}

TEST_F(TickTest, NotificationsAreHandledAfterTheCommandReturns)
{
    AddSongs(2, 1000);
    window->PlaySong(0);
    sim.advance(1000);
    EXPECT_EQ(window->currentSong, 0);
    Deliver();
    EXPECT_EQ(window->currentSong, 1);
}

TEST_F(TickTest, RepeatPlaysTheSameSongAgainAtItsEnd)
{
    struct Row {
        const char* name;
        SimBehaviour behaviour;
        int ticks;
    };
    for (const Row row : {Row{"notified end", SimBehaviour::Plays, 3},
                          Row{"end found by the timer", SimBehaviour::LosesNotification, 4}}) {
        SCOPED_TRACE(row.name);
        Restart();
        AddSong(3000, row.behaviour);
        AddSongs(1);
        window->circulateIfStuck = false;
        if (!window->repeat)
            window->ToggleRepeat();
        window->PlaySong(0);
        ClearCommands();
        for (int i = 0; i < row.ticks; ++i)
            Tick();
        EXPECT_EQ(window->currentSong, 0);
        EXPECT_EQ(SongNumber(), "001");
        EXPECT_FALSE(window->IsStopped());
        ASSERT_GE(Commands().size(), 2u);
        EXPECT_EQ(Commands()[Commands().size() - 2], "seek 0");
        EXPECT_EQ(Commands().back(), "play -1 -2");
        EXPECT_EQ(Position(), 0u);
        Tick();
        EXPECT_EQ(slider.position, 3333);
    }
}

}  // namespace
}  // namespace playertest
