// The Album menu's commands and Add to Album through the console's command table, each checked
// by the album state it leaves.

#include "player/AlbumFixture.h"

#include <QFile>

#include <functional>

using namespace resources;

namespace playertest {
namespace {

class AlbumRouting : public AlbumFixture {
public:
    using AlbumFixture::boxes;
    using AlbumFixture::Check;
    using AlbumFixture::dialogs;
    using AlbumFixture::drive;
    using AlbumFixture::FileText;
    using AlbumFixture::queue;
    using AlbumFixture::window;
    using AlbumFixture::WriteAlbumFile;
};

TEST_F(AlbumRouting, EachAlbumCommandRunsItsOperation)
{
    struct Row {
        int id;
        std::function<void(AlbumRouting&)> prepare;
        std::function<bool(AlbumRouting&)> done;
    };
    const Row rows[] = {
        {CM_NEW_ALBUM, [](auto&) {},
         [](auto& t) { return t.window->albumPath == "[untitled].alb" && t.queue->GetCount() == 0; }},
        {CM_OPEN_ALBUM, [](auto& t) { t.dialogs.choose({t.drive.path("music\\pop.alb")}); },
         [](auto& t) { return t.window->albumPath == "t:\\music\\pop.alb" && t.queue->GetCount() == 1; }},
        {CM_SAVE_ALBUM, [](auto& t) { t.queue->AddSong("t:\\music\\added.mid"); },
         [](auto& t) { return t.FileText("music/rock.alb").find("added.mid") != std::string::npos; }},
        {CM_SAVE_ALBUM_AS, [](auto& t) { t.dialogs.choose({t.drive.path("music\\copy.alb")}); },
         [](auto& t) {
             return t.window->albumPath == "t:\\music\\copy.alb" && QFile::exists(t.drive.linuxPath("music/copy.alb"));
         }},
        {CM_CLOSE_ALBUM, [](auto&) {}, [](auto& t) { return t.window->albumPath == "t:\\prog\\default.alb"; }},
        {CM_DELETE_ALBUM, [](auto& t) { t.boxes.answer(platform::IDYES); },
         [](auto& t) { return !QFile::exists(t.drive.linuxPath("music/rock.alb")); }},
        {CM_REMOVE_DUPLICATES,
         [](auto& t) {
             t.Check(CM_ALLOW_DUPLICATES, true);
             t.queue->AddSong("t:\\music\\a.mid");
         },
         [](auto& t) { return t.queue->GetCount() == 3; }},
        {CM_ADD_SONGS, [](auto& t) { t.dialogs.choose({"t:\\music\\new.mid"}); },
         [](auto& t) { return t.queue->GetCount() == 4 && std::string(t.queue->GetSongPath(3)) == "t:\\music\\new.mid"; }},
        {CM_RECENT_ALBUM_FIRST + 1, [](auto& t) { t.window->LoadAlbum(t.drive.path("music\\pop.alb")); },
         [](auto& t) { return t.window->albumPath == "t:\\music\\rock.alb"; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        WriteAlbumFile("music/rock.alb", "0\r\nt:\\music\\a.mid\r\nt:\\music\\b.mid\r\nt:\\music\\c.mid\r\n");
        WriteAlbumFile("music/pop.alb", "0\r\nt:\\music\\x.mid\r\n");
        Check(CM_ALLOW_DUPLICATES, false);
        ASSERT_EQ(window->LoadAlbum(drive.path("music\\rock.alb")), 0);
        row.prepare(*this);
        EXPECT_TRUE(window->HandleCommand(row.id));
        EXPECT_TRUE(row.done(*this)) << window->albumPath << " " << queue->GetCount();
    }
}

}  // namespace
}  // namespace playertest
