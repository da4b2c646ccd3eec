// The recent albums, their menu and the album chosen at start-up.

#include "player/AlbumFixture.h"

#include "controls/menu/MenuBuilder.h"
#include "platform/paths/PathNamespace.h"
#include "platform/profile/PrivateProfile.h"

#include <QAction>
#include <QMenu>

#include <memory>

namespace playertest {
namespace {

// The frame's menu with the program's real menu tree.
class MenuWithTree : public RecordingMenu {
public:
    QMenu* RootMenu() const override { return root.get(); }
    std::unique_ptr<QMenu> root{LoadMenu(resources::IDM_FRAME)};
};

class RecentAlbums : public AlbumFixture {
protected:
    void SetUp() override
    {
        AlbumFixture::SetUp();
        window->frameMenu = &menu;
    }

    void TearDown() override
    {
        window->frameMenu = &frame.menu;
        AlbumFixture::TearDown();
    }

    std::string MakeAlbum(const QString& relative)
    {
        return WriteAlbumFile(relative, "0\r\nt:\\music\\" + relative.section('/', -1).toStdString() + ".mid\r\n");
    }

    QMenu* RecentMenu() const
    {
        QAction* popup = FindMenuAction(menu.root.get(), 8200);
        return popup ? popup->menu() : nullptr;
    }

    std::vector<std::string> MenuTexts() const
    {
        std::vector<std::string> texts;
        for (const QAction* action : RecentMenu()->actions())
            texts.push_back(action->text().toStdString());
        return texts;
    }

    std::vector<std::string> Recent() const
    {
        std::vector<std::string> lines;
        for (int i = 0; window->recentAlbums.GetRecent(i); ++i)
            lines.push_back(window->recentAlbums.GetRecent(i));
        return lines;
    }

    void StoreRecent(const std::vector<std::string>& albums)
    {
        for (std::size_t i = 0; i < albums.size(); ++i)
            platform::WritePrivateProfileString("Albums", ("Album" + std::to_string(i + 1)).c_str(),
                                                albums[i].c_str(), window->settingsPath.c_str());
    }

    MenuWithTree menu;
};

TEST_F(RecentAlbums, MenuListsTheLastFiveShortenedAndLowerCase)
{
    ASSERT_NE(RecentMenu(), nullptr);
    drive.makeDir("music/classics/albums");
    for (const char* name : {"one", "two", "three", "four", "five"})
        ASSERT_EQ(window->LoadAlbum(MakeAlbum(QString("music/%1.alb").arg(name))), 0);
    ASSERT_EQ(window->LoadAlbum(MakeAlbum("music/classics/albums/Rock.alb")), 0);
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"&1 t:\\...\\albums\\rock.alb", "&2 t:\\music\\five.alb",
                                                     "&3 t:\\music\\four.alb", "&4 t:\\music\\three.alb",
                                                     "&5 t:\\music\\two.alb"}));
    const QList<QAction*> items = RecentMenu()->actions();
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(MenuCommandId(items[i]), 8201 + i);
        EXPECT_EQ(items[i]->statusTip().toStdString(), "Opens and loads this album from disk");
        EXPECT_EQ(MenuStoredLabel(items[i]), items[i]->text());
    }

    // Line 3 to the top, the others in their order.
    ASSERT_EQ(window->OpenRecentAlbum(8204), 0);
    EXPECT_EQ(window->albumPath, "t:\\music\\three.alb");
    EXPECT_EQ(Recent(), (std::vector<std::string>{"t:\\music\\three.alb", "t:\\music\\classics\\albums\\rock.alb",
                                                  "t:\\music\\five.alb", "t:\\music\\four.alb", "t:\\music\\two.alb"}));
    EXPECT_EQ(MenuTexts().front(), "&1 t:\\music\\three.alb");
    EXPECT_EQ(window->OpenRecentAlbum(8206), -1);
    EXPECT_EQ(window->OpenRecentAlbum(8200), -1);
}

TEST_F(RecentAlbums, AMissingRecentAlbumIsReportedAndKept)
{
    window->LoadAlbum(MakeAlbum("music/gone.alb"));
    window->LoadAlbum(MakeAlbum("music/here.alb"));
    QFile::remove(drive.linuxPath("music/gone.alb"));
    EXPECT_EQ(window->OpenRecentAlbum(8202), -1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Cannot read album 't:\\music\\gone.alb'"});
    EXPECT_EQ(boxes.boxes()[0].style, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    EXPECT_EQ(Recent(), (std::vector<std::string>{"t:\\music\\here.alb", "t:\\music\\gone.alb"}));
    EXPECT_EQ(window->albumPath, "t:\\music\\here.alb");
}

TEST_F(RecentAlbums, StartupLoadsTheMostRecentInTheStoredOrder)
{
    const std::vector<std::string> stored = {MakeAlbum("music/a.alb"), MakeAlbum("music/b.alb"),
                                             MakeAlbum("music/c.alb")};
    StoreRecent(stored);
    EXPECT_EQ(window->LoadStartupAlbum(""), 0);
    EXPECT_EQ(window->albumPath, "t:\\music\\a.alb");
    EXPECT_EQ(Recent(), stored);
    EXPECT_EQ(MenuTexts().size(), 3u);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(RecentAlbums, StartupTriesAMissingStoredAlbumSilentlyThenTheDefault)
{
    WriteAlbumFile("prog/default.alb", "0\r\nt:\\music\\demo.mid\r\n");
    StoreRecent({drive.path("music\\gone.alb"), MakeAlbum("music/b.alb")});
    menu.checked.insert(resources::CM_AUTO_SAVE_ALBUM);
    EXPECT_EQ(window->LoadStartupAlbum("   \t "), 0);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(window->albumPath, "t:\\prog\\default.alb");
    EXPECT_EQ(Songs(), std::vector<std::string>{"t:\\music\\demo.mid"});
    EXPECT_TRUE(menu.IsChecked(resources::CM_AUTO_SAVE_ALBUM));
    EXPECT_EQ(Recent().front(), "t:\\prog\\default.alb");
}

TEST_F(RecentAlbums, StartupWithoutAnyAlbumGivesAnEmptyDefault)
{
    EXPECT_EQ(window->LoadStartupAlbum(""), 0);
    EXPECT_EQ(window->albumPath, "t:\\prog\\default.alb");
    EXPECT_EQ(queue->GetCount(), 0);
    EXPECT_EQ(Recent(), std::vector<std::string>{"t:\\prog\\default.alb"});
    EXPECT_EQ(MenuTexts(), std::vector<std::string>{"&1 t:\\prog\\default.alb"});
}

TEST_F(RecentAlbums, RequestedAlbumTakesTheFirstWord)
{
    const std::vector<std::string> stored = {MakeAlbum("music/a.alb"), MakeAlbum("music/b.alb"),
                                             MakeAlbum("music/c.alb"), MakeAlbum("music/d.alb"),
                                             MakeAlbum("music/e.alb")};
    StoreRecent(stored);
    const std::string rock = MakeAlbum("music/rock.alb");
    EXPECT_EQ(window->LoadStartupAlbum("  " + rock + " extra words  "), 0);
    EXPECT_EQ(window->albumPath, rock);
    // The stored entries go on top afterwards, so the requested one drops off.
    EXPECT_EQ(Recent(), stored);

    // The desktop hands Linux paths.
    AlbumFixture::Restart();
    EXPECT_EQ(window->LoadStartupAlbum(drive.linuxPath("music/rock.alb").toStdString()), 0);
    EXPECT_EQ(window->albumPath, rock);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(RecentAlbums, RequestedAlbumThatCannotBeLoadedAsksWhetherToGoOn)
{
    StoreRecent({MakeAlbum("music/a.alb")});
    const std::string quoted = "\"" + MakeAlbum("music/rock.alb") + "\"";
    boxes.answer(platform::IDCANCEL);
    EXPECT_EQ(window->LoadStartupAlbum(quoted), -1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0], "Could not load requested album '" + quoted +
                              "'.\nSelect OK to load last session's or default one instead.\nSelect Cancel to exit.");
    EXPECT_EQ(boxes.boxes()[0].style, platform::MB_OKCANCEL | platform::MB_ICONEXCLAMATION);

    boxes.answer(platform::IDOK);
    EXPECT_EQ(window->LoadStartupAlbum(quoted), 0);
    EXPECT_EQ(window->albumPath, "t:\\music\\a.alb");
}

TEST_F(RecentAlbums, ASongFromTheDesktopPlaysAloneInANewUntitledAlbum)
{
    StoreRecent({MakeAlbum("music/a.alb")});
    drive.writeFile("music/My Song.mid", "");
    drive.writeFile("music/chimes.wav", "");
    const std::string song = platform::FromLinuxPath(drive.linuxPath("music/My Song.mid").toStdString()).value();
    sim.addSong(song, 5000);
    sim.addSong("t:\\music\\chimes.wav", 5000);

    // At start-up the last album loads as usual; the song then takes its place as New would.
    EXPECT_EQ(window->LoadStartupAlbum(song), 0);
    EXPECT_EQ(window->albumPath, "[untitled].alb");
    EXPECT_EQ(Songs(), std::vector<std::string>{song});
    EXPECT_FALSE(window->IsStopped());
    EXPECT_EQ(OpenPath(), song);
    EXPECT_EQ(Recent().front(), "t:\\music\\a.alb");

    // From another copy: a whole Linux path.
    ASSERT_EQ(window->OpenRequestedAlbum(drive.linuxPath("music/chimes.wav").toStdString()), 0);
    EXPECT_EQ(window->albumPath, "[untitled].alb");
    EXPECT_EQ(Songs(), std::vector<std::string>{"t:\\music\\chimes.wav"});
    EXPECT_EQ(OpenPath(), "t:\\music\\chimes.wav");
    EXPECT_TRUE(Boxes().empty());
}

}  // namespace
}  // namespace playertest
