#include "QueueFakes.h"
#include "album/FormatText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using Strings = std::vector<std::string>;

namespace {

void AddAll(TQueueList& queue, const Strings& paths)
{
    for (const auto& p : paths)
        queue.AddSong(p.c_str());
}

} // namespace

TEST(SortAlbum, OrdersByFileNameAndKeepsTheCurrentSong)
{
    QueueFixture f;
    AddAll(f.queue, {"c:\\x.mid", "c:\\B.MID", "c:\\a.mid"});
    f.player.current = 0;   // x.mid
    f.console.writes.clear();

    f.queue.SortAlbum();

    EXPECT_EQ(f.Paths(), (Strings{"c:\\a.mid", "c:\\b.mid", "c:\\x.mid"}));
    EXPECT_EQ(f.player.current, 2);
    EXPECT_EQ(f.queue.GetSelIndex(), 2);
    EXPECT_EQ(f.console.writes, (std::vector<std::pair<int, std::string>>{{TSongList::kSongControlId, "003"},
                                                                         {TSongList::kTotalControlId, "003"}}));
    EXPECT_EQ(f.busy.calls, (Strings{"begin 7791", "end reenable"}));
    EXPECT_TRUE(f.queue.updatesEnabled());
}

TEST(SortAlbum, SameFileNameOrdersByPath)
{
    QueueFixture f;
    AddAll(f.queue, {"c:\\z\\song.mid", "c:\\a\\song.mid", "c:\\a\\b\\song.mid", "c:\\a.mid"});
    f.queue.SortAlbum();
    EXPECT_EQ(f.Paths(), (Strings{"c:\\a.mid", "c:\\a\\b\\song.mid", "c:\\a\\song.mid", "c:\\z\\song.mid"}));
}

TEST(SortAlbum, EqualLinesMakeTheFirstOneCurrent)
{
    QueueFixture f;
    f.options.checked.insert(TSongList::kAllowDuplicatesCommand);
    AddAll(f.queue, {"c:\\b.mid", "c:\\a.mid", "c:\\c.mid", "c:\\a.mid"});
    f.player.current = 3;   // the second a.mid
    f.queue.SortAlbum();
    EXPECT_EQ(f.Paths(), (Strings{"c:\\a.mid", "c:\\a.mid", "c:\\b.mid", "c:\\c.mid"}));
    EXPECT_EQ(f.player.current, 0);
    EXPECT_EQ(f.console.TextsOf(TSongList::kSongControlId), Strings{"001"});
}

TEST(SortAlbum, NoCurrentSongStaysNone)
{
    for (int current : {-1, 3, 99}) {
        QueueFixture f;
        AddAll(f.queue, {"c:\\b.mid", "c:\\a.mid", "c:\\c.mid"});
        f.player.current = current;
        f.queue.SortAlbum();
        EXPECT_EQ(f.player.current, current) << current;
        EXPECT_TRUE(f.console.TextsOf(TSongList::kSongControlId).empty()) << current;
        EXPECT_EQ(f.queue.GetSelIndex(), -1);
    }
}

TEST(SortAlbum, EmptyQueueAndEmptyLines)
{
    QueueFixture f;
    f.queue.SortAlbum();
    EXPECT_EQ(f.queue.GetCount(), 0);
    EXPECT_EQ(f.console.TextsOf(TSongList::kTotalControlId), Strings{"000"});

    // An empty line (a slot whose text could not be read) is dropped.
    AddAll(f.queue, {"c:\\b.mid", "c:\\a.mid"});
    f.queue.AddString("");
    f.queue.SortAlbum();
    EXPECT_EQ(f.Paths(), (Strings{"c:\\a.mid", "c:\\b.mid"}));
    EXPECT_EQ(f.console.TextsOf(TSongList::kTotalControlId).back(), "002");
}

TEST(ShuffleAlbum, PermutesAndKeepsTheCurrentSongsIdentity)
{
    QueueFixture f;
    Strings paths;
    for (int i = 0; i < 40; ++i)
        paths.push_back("c:\\music\\song" + std::to_string(i) + ".mid");
    AddAll(f.queue, paths);
    f.player.current = 17;
    std::srand(12345);

    f.queue.ShuffleAlbum();

    Strings shuffled = f.Paths();
    EXPECT_NE(shuffled, paths);
    ASSERT_GE(f.player.current, 0);
    EXPECT_EQ(shuffled[static_cast<size_t>(f.player.current)], "c:\\music\\song17.mid");
    EXPECT_EQ(f.console.TextsOf(TSongList::kSongControlId), Strings{std::string(FormatText("%.3d", f.player.current + 1))});
    EXPECT_EQ(f.busy.calls, (Strings{"begin 7853", "end reenable"}));
    std::sort(shuffled.begin(), shuffled.end());
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(shuffled, paths);
}

TEST(ShuffleAlbum, SameSeedSameOrder)
{
    auto shuffleWithSeed = [](unsigned seed) {
        QueueFixture f;
        for (int i = 0; i < 20; ++i)
            f.queue.AddSong(("c:\\s" + std::to_string(i) + ".mid").c_str());
        std::srand(seed);
        f.queue.ShuffleAlbum();
        return f.Paths();
    };
    EXPECT_EQ(shuffleWithSeed(7), shuffleWithSeed(7));
    EXPECT_NE(shuffleWithSeed(7), shuffleWithSeed(8));
}

TEST(MoveSong, UpAndDownWithAndWithoutShift)
{
    struct Case { const char* name; int sel; bool down; bool shift; int offset; int result; Strings order; int newSel; };
    const Case cases[] = {
        {"up", 2, false, false, -1, 0, {"c:\\a.mid", "c:\\c.mid", "c:\\b.mid", "c:\\d.mid"}, 1},
        {"down", 1, true, false, 1, 0, {"c:\\a.mid", "c:\\c.mid", "c:\\b.mid", "c:\\d.mid"}, 2},
        {"shift up to top", 2, false, true, -2, 0, {"c:\\c.mid", "c:\\a.mid", "c:\\b.mid", "c:\\d.mid"}, 0},
        {"shift down to bottom", 1, true, true, 2, 0, {"c:\\a.mid", "c:\\c.mid", "c:\\d.mid", "c:\\b.mid"}, 3},
        {"shift up on the first line", 0, false, true, 0, 0, {"c:\\a.mid", "c:\\b.mid", "c:\\c.mid", "c:\\d.mid"}, 0},
        {"shift down on the last line", 3, true, true, 0, 0, {"c:\\a.mid", "c:\\b.mid", "c:\\c.mid", "c:\\d.mid"}, 3},
        {"up on the first line", 0, false, false, -1, -1, {"c:\\a.mid", "c:\\b.mid", "c:\\c.mid", "c:\\d.mid"}, 0},
        {"down on the last line", 3, true, false, 1, -1, {"c:\\a.mid", "c:\\b.mid", "c:\\c.mid", "c:\\d.mid"}, 3},
    };
    for (const Case& c : cases) {
        QueueFixture f;
        AddAll(f.queue, {"c:\\a.mid", "c:\\b.mid", "c:\\c.mid", "c:\\d.mid"});
        f.queue.SetSelIndex(c.sel);
        const int result = c.down ? f.queue.MoveSongDown(c.shift) : f.queue.MoveSongUp(c.shift);
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(f.player.offsets, std::vector<int>{c.offset}) << c.name;
        EXPECT_EQ(f.Paths(), c.order) << c.name;
        EXPECT_EQ(f.queue.GetSelIndex(), c.newSel) << c.name;
    }
}

TEST(MoveSong, WithoutSelectionNothingMoves)
{
    QueueFixture f;
    AddAll(f.queue, {"c:\\a.mid", "c:\\b.mid"});
    EXPECT_EQ(f.queue.MoveSongUp(true), -1);
    EXPECT_EQ(f.queue.MoveSongDown(false), -1);
    EXPECT_EQ(f.Paths(), (Strings{"c:\\a.mid", "c:\\b.mid"}));
}

TEST(MoveSong, WithoutPlayerMovesTheLine)
{
    TQueueList queue;
    AddAll(queue, {"c:\\a.mid", "c:\\b.mid", "c:\\c.mid"});
    queue.SetSelIndex(0);
    EXPECT_EQ(queue.MoveSongDown(true), 0);
    EXPECT_STREQ(queue.GetSongPath(2), "c:\\a.mid");
}
