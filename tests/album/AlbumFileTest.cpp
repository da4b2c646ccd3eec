#include "album/AlbumFile.h"

#include "platform/paths/DriveFile.h"
#include "support/DiskLimit.h"
#include "support/KilledSaves.h"
#include "support/TempDrive.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <string>
#include <vector>

namespace {

struct Read {
    bool indexOk;
    int index;
    std::vector<std::string> songs;
};

Read ReadAlbumText(const TempDrive& drive, const std::string& contents)
{
    drive.writeFile("a.alb", QByteArray(contents.data(), static_cast<qsizetype>(contents.size())));
    std::FILE* file = platform::OpenDriveFile(drive.path("a.alb"), "r");
    EXPECT_NE(file, nullptr);
    Read read{};
    if (!file)
        return read;
    AlbumReader reader(file);
    read.indexOk = reader.ReadIndex(read.index);
    std::string word;
    while (reader.NextSong(word))
        read.songs.push_back(word);
    std::fclose(file);
    return read;
}

AlbumWriter MakeAlbum(int current, int songs, const std::string& stem)
{
    AlbumWriter writer;
    writer.WriteIndex(current);
    for (int i = 0; i < songs; ++i)
        writer.WriteSong("c:\\music\\" + stem + std::to_string(i) + ".mid");
    return writer;
}

}  // namespace

TEST(AlbumReader, WordsAndIndex)
{
    TempDrive drive;
    const std::string word260(260, 'w');
    const std::string word261(261, 'x');
    const std::string word10000(10000, 'y');
    struct Row {
        std::string contents;
        bool indexOk;
        int index;
        std::vector<std::string> songs;
    };
    const std::vector<Row> rows = {
        {"", false, -1, {}},
        {"   \r\n\t ", false, -1, {}},
        {"-1\r\n", true, -1, {}},
        {"abc\r\nc:\\a.mid\r\n", false, -1, {}},
        {"1\r\nc:\\a.mid\r\nc:\\b.mid\r\n", true, 1, {"c:\\a.mid", "c:\\b.mid"}},
        {"2\n\n  a.mid\t b.mid\r\n\r\n\v\fc.mid", true, 2, {"a.mid", "b.mid", "c.mid"}},
        {"0\ra.mid\rb.mid", true, 0, {"a.mid", "b.mid"}},
        {"010 a.mid", true, 8, {"a.mid"}},
        {"0x1A a.mid", true, 26, {"a.mid"}},
        {"-0X10", true, -16, {}},
        {"+7", true, 7, {}},
        {"12abc a.mid", true, 12, {"a.mid"}},
        {"99999999999999999999", true, INT_MAX, {}},
        {"-99999999999", true, INT_MIN, {}},
        {"0 " + word260 + " " + word261 + " b.mid", true, 0, {word260, "b.mid"}},
        {"3 " + word10000 + "\r\nc.mid\r\n", true, 3, {"c.mid"}},
        {word10000 + " c.mid", false, -1, {}},
        {std::string("1 a\0b c.mid \xff\xfe", 14), true, 1, {"c.mid", "\xff\xfe"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.contents.substr(0, 40));
        const Read read = ReadAlbumText(drive, row.contents);
        EXPECT_EQ(read.indexOk, row.indexOk);
        EXPECT_EQ(read.index, row.index);
        EXPECT_EQ(read.songs, row.songs);
    }
}

TEST(AlbumReader, BinaryGarbageNeverOverruns)
{
    TempDrive drive;
    std::string garbage = "0 ";
    std::uint32_t seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        garbage += static_cast<char>(seed >> 24);
    }
    const Read read = ReadAlbumText(drive, garbage);
    EXPECT_TRUE(read.indexOk);
    EXPECT_FALSE(read.songs.empty());
    for (const std::string& song : read.songs) {
        EXPECT_LE(song.size(), kAlbumWordMax);
        EXPECT_EQ(song.find('\0'), std::string::npos);
    }
}

TEST(AlbumWriter, LinesEndInCrLf)
{
    AlbumWriter writer;
    writer.WriteIndex(1);
    writer.WriteSong("bach.mid");
    writer.WriteSong("..\\wave\\ding.wav");
    writer.WriteSong("d:\\midi\\fugue.mid");
    EXPECT_EQ(writer.Text(), "1\r\nbach.mid\r\n..\\wave\\ding.wav\r\nd:\\midi\\fugue.mid\r\n");

    AlbumWriter negative;
    negative.WriteIndex(-7);
    EXPECT_EQ(negative.Text(), "-1\r\n");
}

TEST(AlbumWriter, CommitReplacesTheFileAndReadsBack)
{
    TempDrive drive;
    drive.writeFile("rock.alb", "old");
    const AlbumWriter writer = MakeAlbum(1200, 1200, "s");
    ASSERT_TRUE(writer.Commit(drive.path("rock.alb")));
    EXPECT_EQ(drive.readFile("rock.alb").toStdString(), writer.Text());

    std::FILE* file = platform::OpenDriveFile(drive.path("rock.alb"), "r");
    ASSERT_NE(file, nullptr);
    AlbumReader reader(file);
    int index = 0;
    EXPECT_TRUE(reader.ReadIndex(index));
    EXPECT_EQ(index, 1200);
    std::string word;
    int count = 0;
    while (reader.NextSong(word))
        EXPECT_EQ(word, "c:\\music\\s" + std::to_string(count++) + ".mid");
    std::fclose(file);
    EXPECT_EQ(count, 1200);
}

TEST(AlbumWriter, FailedCommitLeavesTheOldAlbum)
{
    TempDrive drive;
    drive.writeFile("rock.alb", "0\r\nc:\\old.mid\r\n");
    const AlbumWriter writer = MakeAlbum(0, 100, "new");
    {
        const DiskLimit full(64);
        EXPECT_FALSE(writer.Commit(drive.path("rock.alb")));
    }
    EXPECT_EQ(drive.readFile("rock.alb"), "0\r\nc:\\old.mid\r\n");
    EXPECT_FALSE(writer.Commit(drive.path("missing\\rock.alb")));
}

// A save killed at any moment leaves the old album or the new one, whole.
TEST(AlbumWriter, KilledSaveLeavesOneWholeAlbum)
{
    TempDrive drive;
    const AlbumWriter first = MakeAlbum(1, 3000, "first");
    const AlbumWriter second = MakeAlbum(2, 3000, "second");
    const std::string path = drive.path("rock.alb");
    ASSERT_TRUE(first.Commit(path));
    KillSavesAtRandomMoments(
        200, std::chrono::milliseconds(20), [&] { return second.Commit(path) && first.Commit(path); },
        [&](int round) {
            const std::string onDisk = drive.readFile("rock.alb").toStdString();
            EXPECT_TRUE(onDisk == first.Text() || onDisk == second.Text()) << round << ": " << onDisk.size();
        });
}

TEST(AlbumBackupPath, LastCharacterBecomesTilde)
{
    EXPECT_EQ(AlbumBackupPath("c:\\music\\rock.alb"), "c:\\music\\rock.al~");
    EXPECT_EQ(AlbumBackupPath("a"), "~");
    EXPECT_EQ(AlbumBackupPath(""), "");
}
