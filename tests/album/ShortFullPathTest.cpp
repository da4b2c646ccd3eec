#include "album/ShortFullPath.h"
#include "platform/paths/PathNamespace.h"
#include "support/TempDrive.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kOutput = 260;

std::string Short(const std::string& path, int size = kOutput)
{
    std::string output(static_cast<std::size_t>(size), '#');
    if (ShortFullPath(path.c_str(), output.data(), size) != 1)
        return "<failed>";
    return output.c_str();
}

}  // namespace

TEST(ShortFullPath, GivesEveryComponentInShortForm)
{
    TempDrive drive;
    drive.writeFile("Program Files/My Music/song.mid", "x");
    drive.writeFile("Program Files/My Music/A Long Song Name.mid", "x");
    drive.writeFile("data/Bach.MID", "x");
    const std::string program = platform::FindFile("t:\\program files")->alternateFileName;
    const std::string music = platform::FindFile("t:\\program files\\my music")->alternateFileName;
    const std::string song = platform::FindFile("t:\\program files\\my music\\a long song name.mid")->alternateFileName;
    ASSERT_EQ(program.substr(0, 7), "PROGRA~");
    ASSERT_EQ(music.substr(0, 7), "MYMUSI~");

    EXPECT_EQ(Short("t:\\program files\\my music\\song.mid"), "t:\\" + program + "\\" + music + "\\song.mid");
    EXPECT_EQ(Short("T:\\PROGRAM FILES\\MY MUSIC\\A LONG SONG NAME.MID"),
              "T:\\" + program + "\\" + music + "\\" + song);
    EXPECT_EQ(Short("t:/data/bach.mid"), "t:\\data\\Bach.MID");  // a name stored in 8.3 form stays as stored
    EXPECT_EQ(Short("t:\\data\\..\\data\\.\\bach.mid"), "t:\\data\\Bach.MID");
    // The short form leads back to the same file and is its own short form.
    const std::string shortPath = Short("t:\\program files\\my music\\a long song name.mid");
    EXPECT_EQ(Short(shortPath), shortPath);
    EXPECT_TRUE(platform::DrivePathExists(shortPath));
}

TEST(ShortFullPath, RelativePathsUseTheCurrentDirectory)
{
    TempDrive drive;
    drive.writeFile("Albums/Rock Music.alb", "0\n");
    ASSERT_TRUE(platform::SetCurrentDrivePath("t:\\albums"));
    const std::string alias = platform::FindFile("t:\\albums\\rock music.alb")->alternateFileName;
    EXPECT_EQ(Short("rock music.alb"), "t:\\Albums\\" + alias);
    EXPECT_EQ(Short("..\\albums\\rock music.alb"), "t:\\Albums\\" + alias);
}

TEST(ShortFullPath, FailsForMissingFilesBadPathsAndSmallOutput)
{
    TempDrive drive;
    drive.writeFile("music/song.mid", "x");
    EXPECT_EQ(Short("t:\\music\\missing.mid"), "<failed>");
    EXPECT_EQ(Short("t:\\nowhere\\song.mid"), "<failed>");
    EXPECT_EQ(Short("t:\\music\\song.mid\\x"), "<failed>");
    EXPECT_EQ(Short("q:\\music\\song.mid"), "<failed>");
    EXPECT_EQ(Short("t:\\" + std::string(300, 'a')), "<failed>");

    const std::string full = "t:\\music\\song.mid";  // 17 characters
    EXPECT_EQ(Short(full, 18), full);
    EXPECT_EQ(Short(full, 17), "<failed>");
    EXPECT_EQ(Short(full, 1), "<failed>");
    char output[4] = "###";
    EXPECT_EQ(ShortFullPath(nullptr, output, 4), 0);
    EXPECT_EQ(ShortFullPath(full.c_str(), nullptr, 4), 0);
    EXPECT_EQ(ShortFullPath(full.c_str(), output, 0), 0);
}
