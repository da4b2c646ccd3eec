// Queue edits that move the current song: remove, delete, clear, move, highlight.

#include "player/PlayerFixture.h"

#include "support/TempDrive.h"

#include <QFile>

using namespace player;

namespace playertest {
namespace {

using QueueEditTest = PlayerFixture;

TEST_F(QueueEditTest, RemovingTheCurrentSongStartsItsSuccessorAlsoWhenStopped)
{
    for (const bool stoppedFirst : {false, true}) {
        SCOPED_TRACE(stoppedFirst ? "stopped" : "playing");
        Restart();
        AddSongs(4);
        window->PlaySong(1);
        if (stoppedFirst)
            window->StopSong();
        queue->SetSelIndex(1);
        ASSERT_EQ(window->RemoveSelectedSong(), 0);
        EXPECT_EQ(queue->GetCount(), 3);
        EXPECT_EQ(window->currentSong, 1);
        EXPECT_FALSE(window->IsStopped());
        EXPECT_EQ(OpenPath(), "c:\\music\\song3.mid");
        EXPECT_EQ(SongNumber(), "002");
        EXPECT_EQ(Text(resources::IDC_SONG_COUNT), "003");
    }
}

TEST_F(QueueEditTest, RemovingTheCurrentLastSongFollowsTheLoopRule)
{
    AddSongs(3);
    window->PlaySong(2);
    queue->SetSelIndex(2);
    window->RemoveSelectedSong();
    EXPECT_TRUE(window->IsStopped());
    EXPECT_EQ(window->currentSong, 1);

    window->PlaySong(1);
    Check(kOptContinuousLoop, true);
    queue->SetSelIndex(1);
    window->RemoveSelectedSong();
    EXPECT_FALSE(window->IsStopped());
    EXPECT_EQ(window->currentSong, 0);
    EXPECT_EQ(OpenPath(), "c:\\music\\song1.mid");
}

TEST_F(QueueEditTest, RemovingOtherSongsKeepsTheCurrentSong)
{
    struct Row {
        const char* name;
        int removed;
        int expectCurrent;
        int expectSelection;
        const char* expectNumber;
    };
    const Row rows[] = {
        {"above the current song", 0, 1, 0, "002"},
        {"below the current song", 3, 2, 3, "003"},
        {"the last line", 4, 2, 3, "003"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Restart();
        AddSongs(5);
        window->PlaySong(2);
        queue->SetSelIndex(row.removed);
        ASSERT_EQ(window->RemoveSelectedSong(), 0);
        EXPECT_EQ(window->currentSong, row.expectCurrent);
        EXPECT_EQ(queue->GetSelIndex(), row.expectSelection);
        EXPECT_EQ(SongNumber(), row.expectNumber);
        EXPECT_EQ(OpenPath(), "c:\\music\\song3.mid");
        EXPECT_FALSE(window->IsStopped());
    }
}

TEST_F(QueueEditTest, RemovingTheLastRemainingSongClearsTheReadOuts)
{
    window->albumPath = "c:\\music\\rock.alb";
    AddSongs(1, 65000);
    window->PlaySong(0);
    Tick();
    queue->SetSelIndex(0);
    ASSERT_EQ(window->RemoveSelectedSong(), 0);
    EXPECT_TRUE(window->IsStopped());
    EXPECT_FALSE(window->device.IsOpen());
    EXPECT_EQ(Time(), "");
    EXPECT_EQ(Length(), "");
    EXPECT_EQ(SongNumber(), "");
    EXPECT_EQ(Text(resources::IDC_SONG_COUNT), "000");
    EXPECT_EQ(frame.caption, "Rock");
    EXPECT_EQ(frame.panes[kPaneSong], "");
    EXPECT_EQ(window->currentSong, -1);
}

TEST_F(QueueEditTest, RemoveWithoutSelectionFails)
{
    AddSongs(2);
    EXPECT_EQ(window->RemoveSelectedSong(), -1);
    EXPECT_EQ(queue->GetCount(), 2);
}

TEST_F(QueueEditTest, DeleteAsksWhenConfirmOnDeleteIsChecked)
{
    struct Row {
        const char* name;
        bool confirm;
        bool answerYes;
        bool expectAsked;
        bool expectDeleted;
    };
    const Row rows[] = {
        {"no confirmation", false, false, false, true},
        {"confirmed", true, true, true, true},
        {"refused", true, false, true, false},
    };
    TempDrive drive;
    songDir = drive.path("music\\");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Restart();
        boxes.clear();
        for (const char* name : {"music/song1.mid", "music/song2.mid", "music/song3.mid"})
            drive.writeFile(name, "MThd");
        AddSongs(3);
        Check(kOptConfirmOnDelete, row.confirm);
        if (row.confirm)
            boxes.answer(row.answerYes ? platform::IDYES : platform::IDNO);
        window->PlaySong(1);
        queue->SetSelIndex(1);
        EXPECT_EQ(window->DeleteSelectedSongFile(), 0);
        ASSERT_EQ(boxes.boxes().size(), row.expectAsked ? 1u : 0u);
        if (row.expectAsked) {
            const auto& box = boxes.boxes()[0];
            EXPECT_EQ(box.caption, "The Vantor");
            EXPECT_EQ(box.style, platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2);
            EXPECT_TRUE(box.text.startsWith("Delete the currently selected song file from disk?\n\nNOVICE"));
            EXPECT_TRUE(box.text.endsWith("\n\nUse REMOVE to just remove the song from the queue."));
            EXPECT_EQ(boxes.order(), (std::vector<char>{'B', 'M'}));
            EXPECT_EQ(boxes.beeps(), (std::vector<std::uint32_t>{platform::MB_ICONQUESTION}));
        }
        EXPECT_EQ(QFile::exists(drive.linuxPath("music/song2.mid")), !row.expectDeleted);
        EXPECT_TRUE(QFile::exists(drive.linuxPath("music/song1.mid")));
        EXPECT_EQ(queue->GetCount(), row.expectDeleted ? 2 : 3);
        if (row.expectDeleted) {
            EXPECT_NE(OpenPath(), drive.path("music\\song2.mid"));
        }
    }
}

TEST_F(QueueEditTest, DeleteRemovesTheLineAskedAboutWhateverPlayedMeanwhile)
{
    TempDrive drive;
    songDir = drive.path("music\\");
    for (const char* name : {"music/song1.mid", "music/song2.mid", "music/song3.mid"})
        drive.writeFile(name, "MThd");
    AddSongs(3, 3000);
    Check(kOptConfirmOnDelete, true);
    window->PlaySong(0);
    queue->SetSelIndex(2);
    // The playing song ends while the question is open: the next one starts and is selected.
    boxes.whileOpen([this] { Tick(3000); });
    boxes.answer(platform::IDYES);
    EXPECT_EQ(window->DeleteSelectedSongFile(), 0);
    EXPECT_FALSE(QFile::exists(drive.linuxPath("music/song3.mid")));
    EXPECT_TRUE(QFile::exists(drive.linuxPath("music/song2.mid")));
    ASSERT_EQ(queue->GetCount(), 2);
    EXPECT_STREQ(queue->GetSongPath(1), drive.path("music\\song2.mid").c_str());
    EXPECT_EQ(window->currentSong, 1);
}

TEST_F(QueueEditTest, DeleteWithoutSelectionDoesNothing)
{
    TempDrive drive;
    songDir = drive.path();
    drive.writeFile("song1.mid", "MThd");
    AddSongs(1);
    Check(kOptConfirmOnDelete, true);
    EXPECT_EQ(window->DeleteSelectedSongFile(), 0);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_TRUE(QFile::exists(drive.linuxPath("song1.mid")));
}

TEST_F(QueueEditTest, AFileThatCannotBeDeletedStillLeavesTheQueue)
{
    TempDrive drive;
    songDir = drive.path();
    AddSongs(2);  // no files behind them
    queue->SetSelIndex(0);
    EXPECT_EQ(window->DeleteSelectedSongFile(), -1);
    EXPECT_EQ(queue->GetCount(), 1);
}

TEST_F(QueueEditTest, ClearStopsClosesAndForgetsTheCurrentSong)
{
    AddSongs(3);
    window->PlaySong(1);
    window->ClearAlbum();
    EXPECT_TRUE(window->IsStopped());
    EXPECT_FALSE(window->device.IsOpen());
    EXPECT_EQ(queue->GetCount(), 0);
    EXPECT_EQ(window->currentSong, -1);
    EXPECT_EQ(SongNumber(), "");
    EXPECT_EQ(Text(resources::IDC_SONG_COUNT), "000");
}

TEST_F(QueueEditTest, MovesKeepTheCurrentIndexOnTheSameSong)
{
    struct Row {
        const char* name;
        int selected;
        bool down;
        bool shift;
        int expectCurrent;
    };
    // Five songs, the current one is line 2.
    const Row rows[] = {
        {"current up", 2, false, false, 1},
        {"current down", 2, true, false, 3},
        {"current to the top with Shift", 2, false, true, 0},
        {"current to the bottom with Shift", 2, true, true, 4},
        {"a song from below to above", 3, false, true, 3},
        {"a song from above to below", 0, true, true, 1},
        {"a song passing onto the current place", 1, true, false, 1},
        {"a song below moving further down", 3, true, false, 2},
        {"a song above moving further up", 1, false, false, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Restart();
        AddSongs(5);
        window->PlaySong(2);
        const std::string current = queue->GetSongPath(2);
        queue->SetSelIndex(row.selected);
        const int result = row.down ? queue->MoveSongDown(row.shift) : queue->MoveSongUp(row.shift);
        ASSERT_EQ(result, 0);
        EXPECT_EQ(window->currentSong, row.expectCurrent);
        EXPECT_EQ(queue->GetSongPath(window->currentSong), current);
        EXPECT_EQ(SongNumber(), "003");  // a move does not refresh the number
    }
}

TEST_F(QueueEditTest, AFailedMoveChangesNothing)
{
    AddSongs(3);
    window->PlaySong(0);
    queue->SetSelIndex(0);
    EXPECT_EQ(queue->MoveSongUp(false), -1);
    EXPECT_EQ(window->currentSong, 0);
    queue->SetSelIndex(0);
    EXPECT_EQ(queue->MoveSongUp(true), 0);  // onto itself
    EXPECT_EQ(window->currentSong, 0);
}

TEST_F(QueueEditTest, SortKeepsTheCurrentSongThroughThePlayerInterface)
{
    for (const char* name : {"c:\\music\\x.mid", "c:\\music\\b.mid", "c:\\music\\a.mid"}) {
        sim.addSong(name, 5000);
        queue->AddSong(name);
    }
    window->PlaySong(0);
    queue->SortAlbum();
    EXPECT_EQ(window->currentSong, 2);
    EXPECT_EQ(SongNumber(), "003");
    window->NextSong();
    EXPECT_TRUE(window->IsStopped());
}

TEST_F(QueueEditTest, SystemMenuCommandsReachThePlayer)
{
    AddSongs(3);
    queue->SetSelIndex(0);
    window->SystemMenuCommand(kCmdPlay);
    EXPECT_FALSE(window->IsStopped());
    window->SystemMenuCommand(kCmdPause);
    EXPECT_TRUE(window->IsPaused());
    window->SystemMenuCommand(kCmdRepeat);
    EXPECT_TRUE(window->repeat);
    window->SystemMenuCommand(kCmdCirculate);
    EXPECT_EQ(window->currentSong, 1);
    window->SystemMenuCommand(kCmdRemove);
    EXPECT_EQ(queue->GetCount(), 2);
    EXPECT_EQ(window->currentSong, 1);
    queue->SetSelIndex(0);
    window->SystemMenuCommand(kCmdDelete);
    EXPECT_EQ(queue->GetCount(), 1);
    window->SystemMenuCommand(kCmdStop);  // not a system menu item
    EXPECT_FALSE(window->IsStopped());
}

}  // namespace
}  // namespace playertest
