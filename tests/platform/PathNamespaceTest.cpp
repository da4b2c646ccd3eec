#include "platform/paths/DriveTable.h"
#include "platform/paths/PathNamespace.h"
#include "platform/paths/ShortNames.h"
#include "platform/profile/DriveSettings.h"
#include "support/TempDrive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

using namespace platform;

namespace {

// The canonical Linux path, which is what the namespace hands out.
std::string Host(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath().toStdString();
    return (QFileInfo(info.path()).canonicalFilePath() + "/" + info.fileName()).toStdString();
}

class PathNamespace : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SetCurrentDrivePath("t:\\music\\rock")); }
    TempDrive drive{'t'};
    QString rockDir = drive.makeDir("Music/Rock");
};

}  // namespace

TEST_F(PathNamespace, FullPathNameAppliesCurrentDirectoryDotsAndSeparators)
{
    drive.makeDir("Other");
    struct Case {
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {"song.mid", "t:\\music\\rock\\song.mid"},
        {".\\song.mid", "t:\\music\\rock\\song.mid"},
        {"..\\jazz\\x.mid", "t:\\music\\jazz\\x.mid"},
        {"..\\..\\..\\..\\x.mid", "t:\\x.mid"},
        {"\\x.mid", "t:\\x.mid"},
        {"t:x.mid", "t:\\music\\rock\\x.mid"},
        {"q:x.mid", "q:\\x.mid"},
        {"c:\\a\\.\\b\\..\\c.mid", "c:\\a\\c.mid"},
        {"c:/a//b/c.mid", "c:\\a\\b\\c.mid"},
        {"C:\\Music\\", "C:\\Music\\"},
        {"c:\\", "c:\\"},
        {"c:\\..", "c:\\"},
        {".", "t:\\music\\rock"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FullPathName(c.input).value_or("<failed>"), c.expected) << c.input;
}

TEST_F(PathNamespace, BadPathsFailCleanly)
{
    drive.writeFile("Music/file.mid", "x");
    const std::string longest = "t:\\" + std::string(257, 'a');  // 260 characters
    const std::string tooLong = longest + "b";
    EXPECT_TRUE(FullPathName(longest).has_value());
    EXPECT_FALSE(FullPathName(tooLong).has_value());
    EXPECT_FALSE(ToLinuxPath(tooLong).has_value());
    EXPECT_FALSE(FullPathName("").has_value());
    EXPECT_FALSE(FullPathName("\\\\server\\share\\x.mid").has_value());
    EXPECT_FALSE(FullPathName("1:\\x.mid").has_value());
    EXPECT_FALSE(FullPathName(std::string("t:\\a\0b", 6)).has_value());

    EXPECT_FALSE(ToLinuxPath("q:\\music\\x.mid").has_value());  // no drive q:
    EXPECT_FALSE(FindFile("q:\\music").has_value());
    EXPECT_FALSE(ToLinuxPath("t:\\music\\file.mid\\x.mid").has_value());  // through a file
    EXPECT_FALSE(FindFile("t:\\music\\file.mid\\x.mid").has_value());
    EXPECT_FALSE(ToLinuxPath("t:\\nowhere\\x.mid").has_value());  // missing directory
    EXPECT_FALSE(FindFile("t:\\").has_value());
    EXPECT_FALSE(SetCurrentDrivePath("t:\\music\\file.mid"));
    EXPECT_FALSE(DrivePathExists("t:\\music\\missing.mid"));
}

TEST_F(PathNamespace, ComponentsAreFoundWithoutRegardToCase)
{
    const QString file = drive.writeFile("Music/Rock/Bach.MID", "x");
    EXPECT_EQ(ToLinuxPath("t:\\music\\rock\\bach.mid").value_or(""), Host(file));
    EXPECT_EQ(ToLinuxPath("T:\\MUSIC\\ROCK\\BACH.MID").value_or(""), Host(file));
    EXPECT_TRUE(DrivePathExists("t:\\music\\rock\\bach.mid"));
    EXPECT_TRUE(IsDriveDirectory("t:\\MUSIC"));
    EXPECT_FALSE(IsDriveDirectory("t:\\music\\rock\\bach.mid"));

    const auto found = FindFile("t:\\music\\rock\\bach.mid");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->fileName, "Bach.MID");
    EXPECT_EQ(found->alternateFileName, "");
    EXPECT_FALSE(found->directory);
    EXPECT_TRUE(FindFile("t:\\music")->directory);
}

TEST_F(PathNamespace, ExactNameWinsOverCaseTwins)
{
    const QString upper = drive.writeFile("Music/Rock/SONG.MID", "upper");
    const QString lower = drive.writeFile("Music/Rock/song.mid", "lower");
    EXPECT_EQ(ToLinuxPath("t:\\music\\rock\\song.mid").value_or(""), Host(lower));
    EXPECT_EQ(ToLinuxPath("t:\\music\\rock\\SONG.MID").value_or(""), Host(upper));
    EXPECT_EQ(ToLinuxPath("t:\\music\\rock\\Song.mid").value_or(""), Host(upper));
    // The twin that is not the short name of itself is reached through its alias.
    const auto twin = FindFile("t:\\music\\rock\\song.mid");
    ASSERT_TRUE(twin.has_value());
    ASSERT_FALSE(twin->alternateFileName.empty());
    EXPECT_EQ(ToLinuxPath("t:\\music\\rock\\" + LowerAscii(twin->alternateFileName)).value_or(""), Host(lower));
}

TEST_F(PathNamespace, AliasLeadsBackToTheFile)
{
    const QString file = drive.writeFile("Music/Rock/My Favourite Song.mid", "x");
    const auto found = FindFile("t:\\music\\rock\\my favourite song.mid");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->fileName, "My Favourite Song.mid");
    ASSERT_EQ(found->alternateFileName.substr(0, 7), "MYFAVO~");

    const std::string alias = "t:\\music\\rock\\" + LowerAscii(found->alternateFileName);
    EXPECT_EQ(ToLinuxPath(alias).value_or(""), Host(file));
    EXPECT_EQ(FindFile(alias)->fileName, "My Favourite Song.mid");
    EXPECT_EQ(FromLinuxPath(file.toStdString()).value_or(""), alias);
}

TEST_F(PathNamespace, AliasesSurviveChangesToTheDirectory)
{
    drive.writeFile("Music/Rock/My Favourite Song.mid", "x");
    const std::string alias = FindFile("t:\\music\\rock\\my favourite song.mid")->alternateFileName;
    for (int i = 0; i < 20; ++i)
        drive.writeFile(QString("Music/Rock/Another Long Name %1.mid").arg(i), "y");
    EXPECT_EQ(FindFile("t:\\music\\rock\\my favourite song.mid")->alternateFileName, alias);
    for (int i = 0; i < 20; i += 2)
        QFile::remove(drive.linuxPath(QString("Music/Rock/Another Long Name %1.mid").arg(i)));
    EXPECT_EQ(FindFile("t:\\music\\rock\\my favourite song.mid")->alternateFileName, alias);
}

TEST_F(PathNamespace, MissingLastComponentKeepsItsSpelling)
{
    EXPECT_EQ(ToLinuxPath("t:\\MUSIC\\rock\\New.alb").value_or(""), Host(rockDir + "/New.alb"));
    EXPECT_FALSE(FindFile("t:\\music\\rock\\new.alb").has_value());
    EXPECT_EQ(FromLinuxPath((rockDir + "/new.alb").toStdString()).value_or(""), "t:\\music\\rock\\new.alb");
    EXPECT_FALSE(FromLinuxPath((rockDir + "/A Long New Name.alb").toStdString()).has_value());
}

TEST_F(PathNamespace, FromLinuxPathTakesTheLongestDriveAndShortLowerCaseForm)
{
    drive.makeDir("Music/Rock/Deep Folder");
    const QString file = drive.writeFile("Music/Rock/Deep Folder/Track.MID", "x");
    EXPECT_EQ(FromLinuxPath(drive.linuxRoot().toStdString()).value_or(""), "t:\\");

    const auto onT = FromLinuxPath(file.toStdString());
    ASSERT_TRUE(onT.has_value());
    EXPECT_EQ(onT->substr(0, 14), "t:\\music\\rock\\");
    EXPECT_EQ(onT->substr(14, 7), "deepfo~");
    EXPECT_EQ(onT->substr(onT->size() - 10), "\\track.mid");
    EXPECT_EQ(ToLinuxPath(*onT).value_or(""), Host(file));

    {
        TempDrive inner('u');
        DriveTable::instance().setDrive('u', rockDir.toStdString());
        EXPECT_EQ(FromLinuxPath(file.toStdString())->substr(0, 3), "u:\\");
        EXPECT_EQ(ToLinuxPath("u:\\" + onT->substr(14)).value_or(""), Host(file));
    }
    EXPECT_EQ(FromLinuxPath(file.toStdString()), onT);  // u: gone again with its fixture

    DriveTable::instance().removeDrive('z');
    DriveTable::instance().removeDrive('c');
    EXPECT_FALSE(FromLinuxPath("/etc/passwd").has_value());
}

TEST_F(PathNamespace, TempDriveRestoresTheTable)
{
    const auto before = DriveTable::instance().drives();
    {
        TempDrive other('k');
        EXPECT_TRUE(DriveTable::instance().directory('k').has_value());
        ASSERT_TRUE(SetCurrentDrivePath("k:\\"));
    }
    EXPECT_EQ(DriveTable::instance().drives(), before);
    EXPECT_EQ(GetCurrentDrivePath(), "t:\\music\\rock");
}

TEST(PathDrives, DefaultsAndSettingsFileDrives)
{
    TempDrive drive;
    DriveTable::instance().resetToDefaults();
    EXPECT_EQ(DriveTable::instance().directory('c'), QDir(QDir::homePath()).canonicalPath().toStdString());
    EXPECT_EQ(DriveTable::instance().directory('Z'), "/");
    EXPECT_FALSE(DriveTable::instance().setDrive('1', "/tmp"));
    EXPECT_FALSE(DriveTable::instance().setDrive('m', "relative/dir"));

    const QString media = drive.makeDir("media");
    drive.writeFile("Vantor.ini", "[Drives]\r\nm=" + media.toUtf8() +
                                                          "\r\nbad=/tmp\r\nn=relative\r\nH=~\r\n");
    DriveTable::instance().setDrive('t', drive.linuxRoot().toStdString());
    EXPECT_EQ(LoadDriveSettings("t:\\vantor.ini"), 2);
    EXPECT_EQ(DriveTable::instance().directory('m'), Host(QDir(media).canonicalPath()));
    EXPECT_EQ(DriveTable::instance().directory('h'), QDir(QDir::homePath()).canonicalPath().toStdString());
    EXPECT_FALSE(DriveTable::instance().directory('n').has_value());
    EXPECT_EQ(LoadDriveSettings("t:\\missing.ini"), 0);
}

TEST(PathListingCache, ASettledFolderStillSeesEveryChange)
{
    // Listings of folders unchanged for a few seconds are cached; a change must
    // still show at once.
    TempDrive drive;
    drive.writeFile("Settled/My Favourite Song.mid", "x");
    drive.writeFile("Settled/Other.mid", "x");
    std::this_thread::sleep_for(std::chrono::milliseconds(3200));
    const auto before = FindFile(drive.path("settled\\my favourite song.mid"));
    ASSERT_TRUE(before.has_value());
    EXPECT_TRUE(FindFile(drive.path("settled\\other.mid")).has_value());  // from the cache

    // A file whose real name is the alias takes it over; a new long name is found.
    drive.writeFile("Settled/" + QString::fromStdString(before->alternateFileName), "y");
    drive.writeFile("Settled/Brand New Long Name.mid", "z");
    const auto after = FindFile(drive.path("settled\\my favourite song.mid"));
    ASSERT_TRUE(after.has_value());
    EXPECT_NE(after->alternateFileName, before->alternateFileName);
    EXPECT_TRUE(FindFile(drive.path("settled\\brand new long name.mid")).has_value());
    QFile::remove(drive.linuxPath("Settled/Other.mid"));
    EXPECT_FALSE(FindFile(drive.path("settled\\other.mid")).has_value());
}
