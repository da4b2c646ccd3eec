// Loading and writing albums through the console: real files on a temporary drive.

#include "player/AlbumFixture.h"
#include "support/DiskLimit.h"

#include <sys/resource.h>

#include <csignal>

namespace playertest {
namespace {

using resources::CM_AUTO_PLAY;
using resources::CM_AUTO_SAVE_ALBUM;
using resources::CM_RANDOM_ORDER;
using resources::CM_RELATIVE_PATHS;

using namespace std::string_literals;

class AlbumFile : public AlbumFixture {};

TEST_F(AlbumFile, SaveAndLoadGiveTheSameQueueAndCurrentSong)
{
    AddSongs(3);
    window->currentSong = 1;
    ASSERT_EQ(window->WriteAlbum(drive.path("Music\\Rock.ALB")), 0);
    EXPECT_EQ(window->albumPath, "t:\\music\\rock.alb");
    EXPECT_EQ(FileText("music/rock.alb"),
              "1\r\nt:\\music\\song1.mid\r\nt:\\music\\song2.mid\r\nt:\\music\\song3.mid\r\n");
    EXPECT_EQ(frame.panes[player::kPaneAlbum], "ROCK.ALB");
    EXPECT_EQ(frame.panes[player::kPaneSong], "SONG2.MID");

    // Edit, save, load again.
    queue->RemoveSongAt(0);
    AddSong(1000);
    window->currentSong = 2;
    ASSERT_EQ(window->SaveAlbum(), 0);
    const std::vector<std::string> saved = Songs();
    window->ClearAlbum();
    ASSERT_EQ(window->LoadAlbum("t:\\MUSIC\\rock.alb"), 0);
    EXPECT_EQ(Songs(), saved);
    EXPECT_EQ(window->currentSong, 2);
    EXPECT_EQ(queue->GetSelIndex(), 2);
    EXPECT_EQ(window->albumPath, "t:\\music\\rock.alb");
    EXPECT_STREQ(window->recentAlbums.GetRecent(0), "t:\\music\\rock.alb");
    EXPECT_EQ(frame.busy.back(), 7789);
    EXPECT_EQ(frame.depth, 0);
}

TEST_F(AlbumFile, RelativePathsAsWrittenAndRead)
{
    drive.makeDir("music/midi");
    AddSongAt("t:\\music\\midi\\bach.mid", 1000);
    AddSongAt("t:\\music\\wave\\ding.wav", 1000);
    AddSongAt("d:\\midi\\fugue.mid", 1000);
    AddSongAt("t:\\windows\\media\\ding.wav", 1000);
    window->currentSong = 1;
    Check(CM_RELATIVE_PATHS, true);
    ASSERT_EQ(window->WriteAlbum("t:\\music\\midi\\classic.alb"), 0);
    EXPECT_EQ(FileText("music/midi/classic.alb"),
              "1\r\nbach.mid\r\n..\\wave\\ding.wav\r\nd:\\midi\\fugue.mid\r\n..\\..\\windows\\media\\ding.wav\r\n");
    const std::vector<std::string> saved = Songs();
    window->ClearAlbum();
    ASSERT_EQ(window->LoadAlbum("t:\\music\\midi\\classic.alb"), 0);
    EXPECT_EQ(Songs(), saved);

    // More levels up than the album's directory has: the word stays as read.
    drive.makeDir("a");
    ASSERT_EQ(window->LoadAlbum(WriteAlbumFile("a/up.alb", "0\r\n..\\..\\..\\x.mid\r\n")), 0);
    EXPECT_EQ(Songs(), std::vector<std::string>{"..\\..\\..\\x.mid"});
}

TEST_F(AlbumFile, StoredIndexAndUnusualFiles)
{
    struct Row {
        std::string contents;
        int songs;
        int current;
        int selected;
    };
    const std::vector<Row> rows = {
        {"", 0, 0, -1},
        {"-1\r\n", 0, 0, -1},
        {"abc\r\nt:\\a.mid\r\nt:\\b.mid\r\n", 0, 0, -1},
        {"-1\r\nt:\\a.mid\r\nt:\\b.mid\r\n", 2, 0, 0},
        {"5\r\nt:\\a.mid\r\nt:\\b.mid\r\n", 2, 5, -1},
        {"010 t:\\a t:\\b t:\\c t:\\d t:\\e t:\\f t:\\g t:\\h t:\\i", 9, 8, 8},
        {"0x1\nt:\\a.mid\tt:\\b.mid", 2, 1, 1},
        {"1 " + std::string(10000, 'x') + " t:\\a.mid t:\\b.mid", 2, 1, 1},
        {"0 \x01\x02\xff\xfe\0t:\\a\xc3.mid \xc3 t:\\b.mid"s, 1, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.contents.substr(0, 30));
        ASSERT_EQ(window->LoadAlbum(WriteAlbumFile("music/odd.alb", row.contents)), 0);
        EXPECT_EQ(queue->GetCount(), row.songs);
        EXPECT_EQ(window->currentSong, row.current);
        EXPECT_EQ(queue->GetSelIndex(), row.selected);
    }
}

TEST_F(AlbumFile, AHugeStoredIndexIsPastTheEndOfTheAlbum)
{
    sim.addSong("t:\\a.mid", 3000);
    sim.addSong("t:\\b.mid", 3000);
    ASSERT_EQ(window->LoadAlbum(WriteAlbumFile("music/huge.alb", "99999999999 t:\\a.mid t:\\b.mid")), 0);
    Check(player::kOptContinuousLoop, true);
    window->NextSong();
    EXPECT_EQ(window->currentSong, 0);
    EXPECT_FALSE(window->IsStopped());
}

TEST_F(AlbumFile, StoredCurrentSongPlaysWithAutoPlayAndRandomPicksWithoutOne)
{
    for (int i = 1; i <= 4; ++i)
        sim.addSong("t:\\music\\s" + std::to_string(i) + ".mid", 3000);
    const std::string songs = "t:\\music\\s1.mid t:\\music\\s2.mid t:\\music\\s3.mid t:\\music\\s4.mid";
    Check(CM_AUTO_PLAY, true);
    ASSERT_EQ(window->LoadAlbum(WriteAlbumFile("music/a.alb", "2 " + songs)), 0);
    EXPECT_EQ(OpenPath(), "t:\\music\\s3.mid");
    EXPECT_TRUE(DevicePlaying());
    EXPECT_EQ(window->currentSong, 2);

    // A load stops play first.
    Check(CM_AUTO_PLAY, false);
    Check(CM_RANDOM_ORDER, true);
    std::vector<int> picked;
    for (int i = 0; i < 12; ++i) {
        ASSERT_EQ(window->LoadAlbum(WriteAlbumFile("music/b.alb", "-1 " + songs)), 0);
        EXPECT_FALSE(DevicePlaying());
        ASSERT_GE(window->currentSong, 0);
        ASSERT_LT(window->currentSong, 4);
        picked.push_back(window->currentSong);
    }
    EXPECT_NE(std::count(picked.begin(), picked.end(), picked.front()), 12);
    ASSERT_EQ(window->LoadAlbum(WriteAlbumFile("music/c.alb", "")), 0);
    EXPECT_EQ(window->currentSong, 0);
}

TEST_F(AlbumFile, EverySongIsWritten)
{
    AddSongs(1200, 1000);
    window->currentSong = 1100;
    ASSERT_EQ(window->WriteAlbum(drive.path("music\\big.alb")), 0);
    const std::string text = FileText("music/big.alb");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1201);
    EXPECT_EQ(text.substr(0, 6), "1100\r\n");
    window->ClearAlbum();
    ASSERT_EQ(window->LoadAlbum(drive.path("music\\big.alb")), 0);
    EXPECT_EQ(queue->GetCount(), 1200);
    EXPECT_EQ(window->currentSong, 1100);
    EXPECT_STREQ(queue->GetSongPath(1199), "t:\\music\\song1200.mid");
}

TEST_F(AlbumFile, LoadRefusesWhatIsNoAlbum)
{
    drive.writeFile("music/song.txt", "0\r\n");
    drive.makeDir("music/dir.alb");
    AddSongs(2);
    window->albumPath = "t:\\music\\current.alb";
    for (const std::string& path : {std::string(), drive.path("music\\none.alb"), drive.path("music\\song.txt"),
                                   drive.path("music\\dir.alb")}) {
        EXPECT_EQ(window->LoadAlbum(path), -1) << path;
    }
    EXPECT_EQ(queue->GetCount(), 2);
    EXPECT_EQ(window->albumPath, "t:\\music\\current.alb");
}

TEST_F(AlbumFile, SaveRefreshesTheBackupFirst)
{
    WriteAlbumFile("music/rock.alb", "0\r\nt:\\old.mid\r\n");
    AddSongs(1);
    ASSERT_EQ(window->WriteAlbum(drive.path("music\\rock.alb")), 0);
    EXPECT_EQ(FileText("music/rock.al~"), "0\r\nt:\\old.mid\r\n");
    EXPECT_EQ(FileText("music/rock.alb"), "-1\r\nt:\\music\\song1.mid\r\n");
}

TEST_F(AlbumFile, FailedSaveLeavesTheAlbumAndItsPath)
{
    const std::string old = "0\r\nt:\\old.mid\r\n";
    WriteAlbumFile("music/rock.alb", old);
    window->albumPath = "t:\\music\\other.alb";
    AddSongs(50);
    {
        const DiskLimit full(64);
        EXPECT_EQ(window->WriteAlbum(drive.path("music\\rock.alb")), -1);
    }
    EXPECT_EQ(FileText("music/rock.alb"), old);
    EXPECT_EQ(FileText("music/rock.al~"), old);
    EXPECT_EQ(window->albumPath, "t:\\music\\other.alb");
    EXPECT_EQ(window->recentAlbums.GetCount(), 0);

    EXPECT_EQ(window->WriteAlbum(drive.path("nodir\\rock.alb")), -1);
    EXPECT_EQ(window->WriteAlbum(drive.path("music\\rock.txt")), -1);
    EXPECT_EQ(window->WriteAlbum(""), -1);
    EXPECT_EQ(window->albumPath, "t:\\music\\other.alb");
    EXPECT_EQ(frame.depth, 0);
}

}  // namespace
}  // namespace playertest
