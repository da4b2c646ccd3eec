// Starting songs, the choice of the next song, failures and the caption.

#include "player/PlayerFixture.h"

#include "platform/mci/MciConstants.h"
#include "support/RecordingMci.h"

#include <set>

using namespace player;

namespace playertest {
namespace {

using SequencingTest = PlayerFixture;

TEST_F(SequencingTest, StartingASongSelectsItAndFillsTheReadOuts)
{
    AddSongs(2, 125000);
    ASSERT_EQ(window->PlaySong(1), 0);
    EXPECT_EQ(queue->GetSelIndex(), 1);
    EXPECT_EQ(window->currentSong, 1);
    EXPECT_EQ(SongNumber(), "002");
    EXPECT_EQ(Length(), "02:05");
    EXPECT_EQ(Time(), "02:05");  // remaining: the whole song right after the start
    EXPECT_EQ(window->SongLength(), 125000u);
    EXPECT_EQ(frame.busy, (std::vector<int>{kBusyOpeningSong}));
    EXPECT_EQ(frame.depth, 0);
    const std::vector<std::string> expected = {"open c:\\music\\song2.mid", "set timeformat 0",
                                               "play -1 -2"};
    EXPECT_EQ(Commands(), expected);

    Check(kOptElapsedTime, true);
    ASSERT_EQ(window->PlaySong(0), 0);
    EXPECT_EQ(Time(), "00:00");
    EXPECT_EQ(frame.busy.back(), kBusyOpeningSong);
    EXPECT_EQ(frame.busy[frame.busy.size() - 2], kBusyClosingSong);
}

TEST_F(SequencingTest, RefusedIndexesStartNothing)
{
    AddSongs(2);
    EXPECT_EQ(window->PlaySong(2), -1);
    EXPECT_EQ(window->PlaySong(-1), -1);
    EXPECT_EQ(window->StartSong(-1), -1);
    EXPECT_EQ(window->PlaySelected(), -1);  // nothing selected yet
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(window->currentSong, -1);
}

TEST_F(SequencingTest, EmptyQueueCommandsDoNothing)
{
    window->PlaySelected();
    window->TogglePause();
    window->NextSong();
    Check(kOptRandomOrder, true);
    window->NextSong();
    Check(kOptContinuousLoop, true);
    Check(kOptRandomOrder, false);
    window->NextSong();
    EXPECT_TRUE(window->IsStopped());
    EXPECT_TRUE(Commands().empty());
}

TEST_F(SequencingTest, EndOfAlbumStopsOrLoops)
{
    struct Row {
        bool loop;
        bool expectStopped;
        int expectCurrent;
    };
    for (const Row row : {Row{false, true, 2}, Row{true, false, 0}}) {
        SCOPED_TRACE(row.loop ? "loop" : "no loop");
        Restart();
        AddSongs(3, 3000);
        Check(kOptContinuousLoop, row.loop);
        window->PlaySong(2);
        for (int i = 0; i < 3; ++i)
            Tick();
        EXPECT_EQ(window->IsStopped(), row.expectStopped);
        EXPECT_EQ(window->currentSong, row.expectCurrent);
        EXPECT_EQ(SongNumber(), row.expectCurrent == 0 ? "001" : "003");
        EXPECT_EQ(window->device.IsOpen(), true);
    }
}

TEST_F(SequencingTest, SongsFollowEachOtherAtTheirEnds)
{
    AddSongs(3, 2500);
    window->PlaySong(0);
    std::vector<int> played{window->currentSong};
    for (int i = 0; i < 12 && !window->IsStopped(); ++i) {
        Tick();
        if (window->currentSong != played.back())
            played.push_back(window->currentSong);
    }
    EXPECT_EQ(played, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(window->IsStopped());
}

TEST_F(SequencingTest, RandomOrderPicksAnySongIncludingTheOneThatEnded)
{
    AddSongs(4, 1000);
    Check(kOptRandomOrder, true);
    std::set<int> chosen;
    int repeats = 0;
    for (int i = 0; i < 200; ++i) {
        const int before = window->currentSong;
        window->NextSong();
        ASSERT_FALSE(window->IsStopped());
        chosen.insert(window->currentSong);
        repeats += window->currentSong == before;
    }
    EXPECT_EQ(chosen, (std::set<int>{0, 1, 2, 3}));
    EXPECT_GT(repeats, 0);
}

TEST_F(SequencingTest, RandomOrderFollowsTheRuntimeGenerator)
{
    AddSongs(7, 1000);
    Check(kOptRandomOrder, true);
    std::vector<int> first;
    std::srand(42);
    for (int i = 0; i < 10; ++i) {
        window->NextSong();
        first.push_back(window->currentSong);
    }
    std::srand(42);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(first[static_cast<size_t>(i)], std::rand() % 7);
}

TEST_F(SequencingTest, CirculateGoesOnFromTheCurrentSongNotTheSelection)
{
    AddSongs(4);
    window->PlaySong(1);
    queue->SetSelIndex(3);
    window->NextSong();
    EXPECT_EQ(window->currentSong, 2);
    queue->SetSelIndex(0);
    window->HighlightCurrent();
    EXPECT_EQ(queue->GetSelIndex(), 2);
    queue->SetSelIndex(3);
    window->PlaySelected();
    EXPECT_EQ(window->currentSong, 3);
}

TEST_F(SequencingTest, ASongThatCannotStartStopsThePlayerAndStaysCurrent)
{
    struct Row {
        const char* name;
        SimBehaviour behaviour;
        bool openAfter;
    };
    for (const Row row : {Row{"open", SimBehaviour::FailsToOpen, false},
                          Row{"play", SimBehaviour::FailsToPlay, true}}) {
        SCOPED_TRACE(row.name);
        Restart();
        AddSongs(1, 3000);
        AddSong(3000, row.behaviour);
        AddSongs(1, 3000);
        window->PlaySong(0);
        Tick();
        Tick();
        Tick();  // the end of song 1 starts song 2, which fails
        Deliver();
        EXPECT_TRUE(window->IsStopped());
        EXPECT_EQ(window->currentSong, 1);
        EXPECT_EQ(SongNumber(), "002");
        EXPECT_EQ(window->device.IsOpen(), row.openAfter);
        EXPECT_FALSE(frame.toolBar.IsDown(kCmdPlayButton));
        for (const auto& c : Commands())
            EXPECT_EQ(c.find("song3"), std::string::npos) << "the next song was tried";
        // Nothing moves on by itself afterwards.
        for (int i = 0; i < 15; ++i)
            Tick();
        EXPECT_EQ(window->currentSong, 1);
        ClearCommands();
    }
}

TEST_F(SequencingTest, ATimeFormatTheDeviceRefusesStopsThePlayerWithoutAMessage)
{
    RecordingMci recording;
    recording.setStatus(mci::MCI_STATUS_LENGTH, 4000);
    recording.failNext(mci::MCI_SET, mci::MCIERR_BAD_TIME_FORMAT);
    AddSongs(2);
    EXPECT_EQ(window->PlaySong(0), -1);
    EXPECT_TRUE(window->IsStopped());
    EXPECT_EQ(window->currentSong, 0);
    EXPECT_TRUE(recording.sentOf(mci::MCI_PLAY).empty());
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_TRUE(window->device.IsOpen());  // closed before the next song
    ASSERT_EQ(window->PlaySong(1), 0);
    EXPECT_EQ(recording.sentOf(mci::MCI_CLOSE).size(), 1u);
    window->device.Close();
}

TEST_F(SequencingTest, AnOpenFailureShowsTheDeviceErrorOnce)
{
    AddSong(3000, SimBehaviour::FailsToOpen);
    EXPECT_EQ(window->PlaySong(0), -1);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, "The Vantor");
}

TEST_F(SequencingTest, AnOpenFailureLeavesTheReadOutsEmptyButTheNumberShown)
{
    AddSong(3000, SimBehaviour::FailsToOpen);
    EXPECT_EQ(window->PlaySong(0), -1);
    EXPECT_EQ(SongNumber(), "001");
    EXPECT_EQ(Length(), "");
    EXPECT_EQ(frame.depth, 0);
}

TEST_F(SequencingTest, CaptionAndStatusPanes)
{
    struct Row {
        const char* album;
        const char* song;
        const char* caption;
        const char* left;
        const char* right;
    };
    const Row rows[] = {
        {"c:\\music\\rock.alb", "c:\\midi\\my song.mid", "Rock - my song", "ROCK.ALB", "MY SONG.MID"},
        {"c:\\music\\rock.alb", nullptr, "Rock", "ROCK.ALB", ""},
        {nullptr, "c:\\midi\\a.mid", "The Vantor", "", ""},
        {"c:\\x.y\\noext", "c:\\m\\two.dots.wav", "Noext - two.dots", "NOEXT", "TWO.DOTS.WAV"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        const std::string album = row.album ? row.album : "";
        const std::string song = row.song ? row.song : "";
        window->ShowCaption(row.album ? &album : nullptr, row.song ? &song : nullptr);
        EXPECT_EQ(frame.caption, row.caption);
        EXPECT_EQ(frame.panes[kPaneAlbum], row.left);
        EXPECT_EQ(frame.panes[kPaneSong], row.right);
    }
}

TEST_F(SequencingTest, StartingASongShowsTheAlbumAndSongInTheCaption)
{
    AddSongs(1);
    window->albumPath = "c:\\music\\rock.alb";
    window->PlaySong(0);
    EXPECT_EQ(frame.caption, "Rock - song1");
    EXPECT_EQ(frame.panes[kPaneSong], "SONG1.MID");
}

// A notice waiting in the queue while a new song loads speaks of a device closed since.
TEST_F(SequencingTest, ANoticeOfTheSongBeforeIsIgnoredWhenNextIsPressedAsItEnds)
{
    AddSongs(4, 3000);
    ASSERT_EQ(window->PlaySong(0), 0);
    // The song ends; its notice waits in the queue while the user presses Next.
    sim.advance(3000);
    window->HandleCommand(kCmdCirculate);
    Deliver();
    EXPECT_EQ(window->currentSong, 1);
    EXPECT_FALSE(window->IsStopped());
    EXPECT_TRUE(DevicePlaying());
}

}  // namespace
}  // namespace playertest
