// The Album menu's commands on real files, with scripted dialogs and boxes.

#include "player/AlbumFixture.h"
#include "support/DiskLimit.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace playertest {
namespace {

using resources::CM_ALLOW_DUPLICATES;
using resources::CM_AUTO_SAVE_ALBUM;
using Kind = ScriptedFileDialogs::Kind;

class AlbumCommands : public AlbumFixture {
protected:
    // The album t:\music\rock.alb with three songs, loaded.
    void LoadRock()
    {
        WriteAlbumFile("music/rock.alb", "1\r\nt:\\music\\a.mid\r\nt:\\music\\b.mid\r\nt:\\music\\c.mid\r\n");
        ASSERT_EQ(window->LoadAlbum(drive.path("music\\rock.alb")), 0);
    }
};

TEST_F(AlbumCommands, NewSavesTheOldAlbumWhenAutoSaveIsOn)
{
    LoadRock();
    AddSong(1000);
    Check(CM_AUTO_SAVE_ALBUM, true);
    EXPECT_EQ(window->NewAlbum(), 0);
    EXPECT_EQ(window->albumPath, "[untitled].alb");
    EXPECT_EQ(queue->GetCount(), 0);
    EXPECT_EQ(window->currentSong, -1);
    EXPECT_NE(FileText("music/rock.alb").find("song1.mid"), std::string::npos);

    // Leaving the untitled album asks for its name; Cancel there still lets New go on.
    AddSong(1000);
    EXPECT_EQ(window->NewAlbum(), 0);
    ASSERT_EQ(dialogs.dialogs().size(), 1u);
    EXPECT_EQ(dialogs.dialogs()[0].kind, Kind::Save);
    EXPECT_EQ(dialogs.dialogs()[0].request.title, "Save Album");
    EXPECT_EQ(dialogs.dialogs()[0].request.initialName, "");
    EXPECT_EQ(queue->GetCount(), 0);
}

TEST_F(AlbumCommands, OpenLoadsTheChosenAlbumOrSaysItCannot)
{
    WriteAlbumFile("music/pop.alb", "0\r\nt:\\music\\x.mid\r\n");
    dialogs.choose({drive.path("music\\pop.alb")});
    EXPECT_EQ(window->OpenAlbum(), 0);
    EXPECT_EQ(window->albumPath, "t:\\music\\pop.alb");
    const auto& request = dialogs.dialogs().at(0).request;
    EXPECT_EQ(request.title, "Open Album");
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].description, "Albums (*.alb)");
    EXPECT_EQ(request.filters[0].pattern, "*.alb");
    EXPECT_EQ(request.defaultExtension, "alb");
    EXPECT_TRUE(request.mustExist);

    dialogs.choose({drive.path("music\\gone.alb")});
    EXPECT_EQ(window->OpenAlbum(), -1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"t:\\music\\gone.alb\n\nCannot read this album"});
    EXPECT_EQ(boxes.boxes()[0].caption, "The Vantor");
    EXPECT_EQ(boxes.boxes()[0].style, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    EXPECT_EQ(boxes.order(), (std::vector<char>{'B', 'M'}));
    EXPECT_EQ(boxes.beeps(), std::vector<std::uint32_t>{platform::MB_ICONEXCLAMATION});
    EXPECT_EQ(window->albumPath, "t:\\music\\pop.alb");
    EXPECT_EQ(queue->GetCount(), 1);

    dialogs.cancel();
    EXPECT_EQ(window->OpenAlbum(), 0);
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

TEST_F(AlbumCommands, SaveOfAnUntitledAlbumAsksForAName)
{
    window->NewAlbum();
    AddSongs(2);
    dialogs.cancel();
    EXPECT_EQ(window->SaveAlbum(), 0);
    EXPECT_EQ(window->albumPath, "[untitled].alb");

    dialogs.choose({drive.path("music\\mine.alb")});
    EXPECT_EQ(window->SaveAlbum(), 0);
    EXPECT_EQ(window->albumPath, "t:\\music\\mine.alb");
    EXPECT_EQ(FileText("music/mine.alb"), "-1\r\nt:\\music\\song1.mid\r\nt:\\music\\song2.mid\r\n");
    ASSERT_EQ(dialogs.dialogs().size(), 2u);
    EXPECT_FALSE(dialogs.dialogs()[1].request.mustExist);
    EXPECT_TRUE(dialogs.dialogs()[1].request.overwritePrompt);
}

TEST_F(AlbumCommands, SaveAsStartsWithTheAlbumsNameAndWritesTheNewOne)
{
    LoadRock();
    dialogs.choose({drive.path("music\\copy.alb")});
    EXPECT_EQ(window->SaveAlbumAs(), 0);
    EXPECT_EQ(dialogs.dialogs().at(0).request.initialName, "rock.alb");
    EXPECT_EQ(window->albumPath, "t:\\music\\copy.alb");
    EXPECT_EQ(FileText("music/copy.alb"), FileText("music/rock.alb"));
    EXPECT_STREQ(window->recentAlbums.GetRecent(0), "t:\\music\\copy.alb");
    EXPECT_STREQ(window->recentAlbums.GetRecent(1), "t:\\music\\rock.alb");

    dialogs.cancel();
    EXPECT_EQ(window->SaveAlbumAs(), -1);
    EXPECT_EQ(window->albumPath, "t:\\music\\copy.alb");
}

TEST_F(AlbumCommands, CloseLoadsTheDefaultAlbumAfterSavingTheOldOne)
{
    WriteAlbumFile("prog/default.alb", "0\r\nt:\\music\\demo.mid\r\n");
    LoadRock();
    AddSong(1000);
    Check(CM_AUTO_SAVE_ALBUM, true);
    EXPECT_EQ(window->CloseAlbum(), 0);
    EXPECT_EQ(window->albumPath, "t:\\prog\\default.alb");
    EXPECT_EQ(Songs(), std::vector<std::string>{"t:\\music\\demo.mid"});
    EXPECT_NE(FileText("music/rock.alb").find("song1.mid"), std::string::npos);
    EXPECT_TRUE(frame.menu.IsChecked(CM_AUTO_SAVE_ALBUM));

    // Without default.alb: an empty album under its name, listed as recent.
    QFile::remove(drive.linuxPath("prog/default.alb"));
    Check(CM_AUTO_SAVE_ALBUM, false);
    LoadRock();
    EXPECT_EQ(window->CloseAlbum(), 0);
    EXPECT_EQ(window->albumPath, "t:\\prog\\default.alb");
    EXPECT_EQ(queue->GetCount(), 0);
    EXPECT_STREQ(window->recentAlbums.GetRecent(0), "t:\\prog\\default.alb");
    EXPECT_EQ(frame.panes[player::kPaneAlbum], "DEFAULT.ALB");
}

TEST_F(AlbumCommands, DeleteAsksThenRemovesAlbumAndBackup)
{
    WriteAlbumFile("prog/default.alb", "0\r\nt:\\music\\demo.mid\r\n");
    LoadRock();
    ASSERT_EQ(window->SaveAlbum(), 0);
    ASSERT_FALSE(FileText("music/rock.al~").empty());
    Check(CM_AUTO_SAVE_ALBUM, true);

    EXPECT_EQ(window->DeleteAlbum(), 0);
    ASSERT_EQ(Boxes(), std::vector<std::string>{"Delete the album and its backup from disk?"});
    EXPECT_EQ(boxes.boxes()[0].style, platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2);
    EXPECT_EQ(window->albumPath, "t:\\music\\rock.alb");

    boxes.answer(platform::IDYES);
    EXPECT_EQ(window->DeleteAlbum(), 0);
    EXPECT_FALSE(QFile::exists(drive.linuxPath("music/rock.alb")));
    EXPECT_FALSE(QFile::exists(drive.linuxPath("music/rock.al~")));
    EXPECT_EQ(window->albumPath, "t:\\prog\\default.alb");
    EXPECT_EQ(queue->GetCount(), 1);
    EXPECT_TRUE(frame.menu.IsChecked(CM_AUTO_SAVE_ALBUM));
}

TEST_F(AlbumCommands, RemoveDuplicatesKeepsTheFirstOccurrence)
{
    Check(CM_ALLOW_DUPLICATES, true);
    WriteAlbumFile("music/dup.alb", "0 t:\\a.mid t:\\b.mid t:\\a.mid t:\\c.mid t:\\b.mid");
    ASSERT_EQ(window->LoadAlbum(drive.path("music\\dup.alb")), 0);
    ASSERT_EQ(queue->GetCount(), 5);
    EXPECT_EQ(window->RemoveDuplicates(), 0);
    EXPECT_EQ(Songs(), (std::vector<std::string>{"t:\\a.mid", "t:\\b.mid", "t:\\c.mid"}));
    EXPECT_TRUE(frame.menu.IsChecked(CM_ALLOW_DUPLICATES));
    // Saved before the reload, so the file still holds all five.
    const std::string saved = FileText("music/dup.alb");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 6);
}

TEST_F(AlbumCommands, RemoveDuplicatesDoesNothingWhenTheAlbumCannotBeSaved)
{
    WriteAlbumFile("music/dup.alb", "0 t:\\a.mid");
    ASSERT_EQ(window->LoadAlbum(drive.path("music\\dup.alb")), 0);
    AddSongs(40);
    for (bool autoSave : {false, true}) {
        SCOPED_TRACE(autoSave);
        Check(CM_AUTO_SAVE_ALBUM, autoSave);
        const DiskLimit full(16);
        EXPECT_EQ(window->RemoveDuplicates(), -1);
        EXPECT_EQ(queue->GetCount(), 41);
    }
}

// Every failed save names the file and the system's reason; nothing of the queue is lost.
TEST_F(AlbumCommands, AFailedSaveSaysWhereAndWhyAndKeepsTheQueue)
{
    LoadRock();
    AddSong(1000);
    const std::string before = FileText("music/rock.alb");
    const DiskLimit full(16);
    EXPECT_EQ(window->SaveAlbum(), -1);
    dialogs.choose({drive.path("music\\new.alb")});
    EXPECT_EQ(window->SaveAlbumAs(), -1);
    const std::vector<std::string> texts = Boxes();
    ASSERT_EQ(texts.size(), 2u);
    const char* const paths[] = {"t:\\music\\rock.alb", "t:\\music\\new.alb"};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string& text = texts[i];
        const char* path = paths[i];
        EXPECT_NE(text.find(path), std::string::npos) << text;
        EXPECT_NE(text.find(std::strerror(EFBIG)), std::string::npos) << text;
    }
    EXPECT_EQ(queue->GetCount(), 4);
    EXPECT_EQ(window->albumPath, "t:\\music\\rock.alb");
    EXPECT_EQ(FileText("music/rock.alb"), before);
}

TEST_F(AlbumCommands, AFailedAutoSaveAsksBeforeTheQueueIsReplaced)
{
    WriteAlbumFile("music/pop.alb", "0\r\nt:\\music\\p.mid\r\n");
    LoadRock();
    AddSong(1000);
    Check(CM_AUTO_SAVE_ALBUM, true);
    const std::string before = FileText("music/rock.alb");
    const DiskLimit full(16);
    // No (the default) keeps the album: New, Open and Close do nothing.
    EXPECT_EQ(window->NewAlbum(), -1);
    EXPECT_EQ(window->LoadAlbum(drive.path("music\\pop.alb")), player::TMainWindow::kAlbumKept);
    window->CloseAlbum();
    EXPECT_EQ(queue->GetCount(), 4);
    EXPECT_EQ(window->albumPath, "t:\\music\\rock.alb");
    ASSERT_EQ(boxes.boxes().size(), 3u);
    for (const auto& box : boxes.boxes()) {
        EXPECT_EQ(box.style & platform::MB_TYPEMASK, platform::MB_YESNO);
        EXPECT_TRUE(box.text.contains("t:\\music\\rock.alb")) << box.text.toStdString();
    }
    // Yes goes on without it.
    boxes.answer(platform::IDYES);
    EXPECT_EQ(window->LoadAlbum(drive.path("music\\pop.alb")), 0);
    EXPECT_EQ(window->albumPath, "t:\\music\\pop.alb");
    EXPECT_EQ(FileText("music/rock.alb"), before);
}

TEST_F(AlbumCommands, RemoveDuplicatesOfAnUnsavedAlbumSaysItCannotReload)
{
    window->NewAlbum();
    AddSongs(2);
    dialogs.cancel();
    EXPECT_EQ(window->RemoveDuplicates(), -1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Cannot reload album '[untitled].alb'"});
    EXPECT_EQ(queue->GetCount(), 2);
}

TEST_F(AlbumCommands, AutoSaveBeforeAnotherAlbumIsOpened)
{
    WriteAlbumFile("music/pop.alb", "0\r\nt:\\music\\p.mid\r\n");
    LoadRock();
    AddSong(1000);
    Check(CM_AUTO_SAVE_ALBUM, true);

    // A missing album is no reason to save.
    const std::string before = FileText("music/rock.alb");
    EXPECT_EQ(window->LoadAlbum(drive.path("music\\none.alb")), -1);
    EXPECT_EQ(FileText("music/rock.alb"), before);

    ASSERT_EQ(window->LoadAlbum(drive.path("music\\pop.alb")), 0);
    EXPECT_EQ(FileText("music/rock.alb"),
              "1\r\nt:\\music\\a.mid\r\nt:\\music\\b.mid\r\nt:\\music\\c.mid\r\nt:\\music\\song1.mid\r\n");
    EXPECT_EQ(window->albumPath, "t:\\music\\pop.alb");
}

}  // namespace
}  // namespace playertest
