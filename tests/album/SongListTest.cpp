#include "QueueFakes.h"

#include <gtest/gtest.h>

using Strings = std::vector<std::string>;

TEST(SongLine, FormatAndLowerCase)
{
    EXPECT_EQ(TSongList::MakeSongLine("C:\\MUSIC\\BACH.MID"), QByteArray("bach.mid \t[c:\\music\\bach.mid]\tc:\\music\\bach.mid"));
    EXPECT_EQ(TSongList::MakeSongLine("c:\\music\\midi\\classic\\bach\\prelude-in-c.mid"),
              QByteArray("prelude-in-c.mid \t[c:\\...\\bach\\prelude-in-c.mid]\tc:\\music\\midi\\classic\\bach\\prelude-in-c.mid"));
    // Accented letters are lowered too.
    EXPECT_EQ(TSongList::MakeSongLine("C:\\\xC3\x89T\xC3\x89.MID"), QByteArray("\xC3\xA9t\xC3\xA9.mid \t[c:\\\xC3\xA9t\xC3\xA9.mid]\tc:\\\xC3\xA9t\xC3\xA9.mid"));
}

TEST(SongLine, PathsThatCannotBeGivenBackMakeNoLine)
{
    for (const char* bad : {static_cast<const char*>(nullptr), "", "c:\\a\tb.mid", "c:\\a\nb.mid", "c:\\\xff.mid"})
        EXPECT_TRUE(TSongList::MakeSongLine(bad).isEmpty());
    QueueFixture f;
    EXPECT_EQ(f.queue.AddSong("c:\\a\tb.mid"), -1);
    EXPECT_EQ(f.queue.GetCount(), 0);
}

TEST(SongLine, LongPathIsKeptWhole)
{
    const std::string path = "c:\\" + std::string(700, 'l') + "\\x.mid";
    QueueFixture f;
    ASSERT_EQ(f.queue.AddSong(path.c_str()), 0);
    EXPECT_EQ(std::string(f.queue.GetSongPath(0)), path);
}

TEST(SongList, DuplicatesRefusedIgnoringCaseUnlessAllowed)
{
    QueueFixture f;
    EXPECT_EQ(f.queue.AddSong("C:\\MUSIC\\A.MID"), 0);
    EXPECT_EQ(f.queue.AddSong("c:\\music\\a.mid"), -1);
    EXPECT_EQ(f.queue.InsertSong("c:\\Music\\A.mid", 0), -1);
    EXPECT_EQ(f.queue.GetCount(), 1);
    EXPECT_EQ(f.console.TextsOf(TSongList::kTotalControlId), Strings{"001"});

    f.options.checked.insert(TSongList::kAllowDuplicatesCommand);
    EXPECT_EQ(f.queue.AddSong("c:\\music\\a.mid"), 1);
    EXPECT_EQ(f.queue.GetCount(), 2);

    f.options.checked.clear();
    EXPECT_EQ(f.queue.AddSong("c:\\a\\x.mid"), 2);
    EXPECT_EQ(f.queue.AddSong("c:\\b\\x.mid"), 3);
    EXPECT_EQ(f.Paths(), (Strings{"c:\\music\\a.mid", "c:\\music\\a.mid", "c:\\a\\x.mid", "c:\\b\\x.mid"}));
}

TEST(SongList, RefusalFollowsRemovalsAndClears)
{
    QueueFixture f;
    f.queue.AddSong("c:\\a.mid");
    f.queue.AddSong("c:\\b.mid");
    EXPECT_EQ(f.queue.RemoveSongAt(0), 1);
    EXPECT_EQ(f.queue.AddSong("c:\\a.mid"), 1);
    f.queue.ClearSongs();
    EXPECT_EQ(f.queue.AddSong("c:\\b.mid"), 0);
    // A line changed behind the list's back is still seen by the refusal.
    f.queue.item(0)->setText(QString::fromUtf8(TSongList::MakeSongLine("c:\\c.mid")));
    EXPECT_EQ(f.queue.AddSong("c:\\c.mid"), -1);
    EXPECT_EQ(f.queue.AddSong("c:\\b.mid"), 1);
}

TEST(SongList, InsertAtAnIndexAndBeyondTheEnd)
{
    QueueFixture f;
    f.queue.AddSong("c:\\a.mid");
    f.queue.AddSong("c:\\c.mid");
    EXPECT_EQ(f.queue.InsertSong("c:\\b.mid", 1), 1);
    EXPECT_EQ(f.queue.InsertSong("c:\\z.mid", 9), -1);
    EXPECT_EQ(f.Paths(), (Strings{"c:\\a.mid", "c:\\b.mid", "c:\\c.mid"}));
}

TEST(SongList, TotalWrittenAfterEveryAddRemoveAndClear)
{
    QueueFixture f;
    f.queue.AddSong("c:\\a.mid");
    f.queue.AddSong("c:\\b.mid");
    f.queue.AddSong("c:\\a.mid");   // refused: no write
    f.queue.RemoveSongAt(0);
    f.queue.RemoveSongAt(5);        // fails, still shows the count
    f.queue.ClearSongs();
    EXPECT_EQ(f.console.TextsOf(TSongList::kTotalControlId), (Strings{"001", "002", "001", "001", "000"}));
    EXPECT_TRUE(f.console.TextsOf(TSongList::kSongControlId).empty());
}

TEST(SongList, SongPathsAndTheSharedBuffer)
{
    QueueFixture f;
    f.queue.AddSong("c:\\music\\bach.mid");
    f.queue.AddSong("c:\\music\\x.wav");
    EXPECT_STREQ(f.queue.GetSongPath(1), "c:\\music\\x.wav");
    EXPECT_EQ(f.queue.GetSongPath(2), nullptr);
    EXPECT_EQ(f.queue.GetSongPath(-1), nullptr);
    EXPECT_EQ(f.queue.GetSelectedSongPath(), nullptr);
    f.queue.SetSelIndex(0);
    EXPECT_STREQ(f.queue.GetSelectedSongPath(), "c:\\music\\bach.mid");
    EXPECT_STREQ(f.queue.GetItemText(0), "bach.mid \t[c:\\music\\bach.mid]\tc:\\music\\bach.mid");

    // A line without a TAB (put there by the plain list operations) has no song path.
    f.queue.AddString("no tab here");
    EXPECT_EQ(f.queue.GetSongPath(2), nullptr);
    EXPECT_STREQ(f.queue.GetItemText(2), "no tab here");
}

TEST(SongList, WorksWithoutConsoleOrOptions)
{
    TQueueList bare;
    EXPECT_EQ(bare.AddSong("c:\\a.mid"), 0);
    EXPECT_EQ(bare.AddSong("c:\\a.mid"), -1);
    bare.ClearSongs();
    EXPECT_EQ(bare.GetCount(), 0);
}
