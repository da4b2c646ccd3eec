#include "album/TAlbumList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const TAlbumList& list)
{
    std::vector<std::string> lines;
    for (int i = 0; list.GetRecent(i); ++i)
        lines.push_back(list.GetRecent(i));
    return lines;
}

void Add(TAlbumList& list, std::string path) { list.AddRecent(path); }

}  // namespace

TEST(AlbumList, AddRecentLowerCasesInPlace)
{
    TAlbumList list;
    std::string path = "C:\\Music\\ROCK.ALB";
    list.AddRecent(path);
    EXPECT_EQ(path, "c:\\music\\rock.alb");
    EXPECT_EQ(Lines(list), std::vector<std::string>{"c:\\music\\rock.alb"});
}

TEST(AlbumList, MovesToTopAndKeepsFive)
{
    TAlbumList list;
    for (const char* name : {"a", "b", "c", "d", "e"})
        Add(list, std::string("c:\\") + name + ".alb");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"c:\\e.alb", "c:\\d.alb", "c:\\c.alb", "c:\\b.alb", "c:\\a.alb"}));

    // Line 3 moves to the top; the others keep their order.
    Add(list, "C:\\B.ALB");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"c:\\b.alb", "c:\\e.alb", "c:\\d.alb", "c:\\c.alb", "c:\\a.alb"}));

    // A sixth album drops the oldest.
    Add(list, "c:\\f.alb");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"c:\\f.alb", "c:\\b.alb", "c:\\e.alb", "c:\\d.alb", "c:\\c.alb"}));
    EXPECT_EQ(list.GetCount(), TAlbumList::kMaxAlbums);
    EXPECT_EQ(list.GetRecent(5), nullptr);
    EXPECT_EQ(list.GetRecent(-1), nullptr);
}

TEST(AlbumList, OnlyTheSameAlbumIsReplaced)
{
    TAlbumList list;
    Add(list, "c:\\rock.alb");
    Add(list, "c:\\ROCK.ALBUMS");
    Add(list, "c:\\pop.alb");
    Add(list, "c:\\Rock.Alb");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"c:\\rock.alb", "c:\\pop.alb", "c:\\rock.albums"}));
}
