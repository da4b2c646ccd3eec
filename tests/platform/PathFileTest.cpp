#include "platform/paths/DriveFile.h"
#include "platform/paths/PathNamespace.h"
#include "support/TempDrive.h"
#include "support/DiskLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <memory>
#include <string>

using namespace platform;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string ReadAll(std::FILE* file)
{
    std::string text;
    char buffer[7];  // small, so reads cross CR LF pairs
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    return text;
}

bool RunningAsRoot() { return ::geteuid() == 0; }

}  // namespace

TEST(PathFile, TextModeWritesCrLfAndBinaryModeWritesBytes)
{
    TempDrive drive;
    {
        File text(OpenDriveFile(drive.path("text.alb"), "w"));
        ASSERT_TRUE(text);
        std::fprintf(text.get(), "%d\nc:\\music\\a.mid\n\nend", 3);
    }
    EXPECT_EQ(drive.readFile("text.alb"), QByteArray("3\r\nc:\\music\\a.mid\r\n\r\nend"));
    {
        File binary(OpenDriveFile(drive.path("binary.dat"), "wb"));
        ASSERT_TRUE(binary);
        std::fputs("a\nb\r\n", binary.get());
    }
    EXPECT_EQ(drive.readFile("binary.dat"), QByteArray("a\nb\r\n"));
    {
        File append(OpenDriveFile(drive.path("TEXT.ALB"), "at"));
        ASSERT_TRUE(append);
        std::fputs("\nmore\n", append.get());
    }
    EXPECT_EQ(drive.readFile("text.alb"), QByteArray("3\r\nc:\\music\\a.mid\r\n\r\nend\r\nmore\r\n"));
}

TEST(PathFile, TextModeReadsAnyLineEndAsWhiteSpace)
{
    TempDrive drive;
    QByteArray big;
    for (int i = 0; i < 3000; ++i)
        big += "c:\\x\\song" + QByteArray::number(i) + ".mid\r\n";
    drive.writeFile("big.alb", big);
    drive.writeFile("mixed.alb", "7\r\n  a.mid\tb.mid\n\r\nc.mid\rd.mid\r");

    File mixed(OpenDriveFile(drive.path("mixed.alb"), "r"));
    ASSERT_TRUE(mixed);
    EXPECT_EQ(ReadAll(mixed.get()), "7\n  a.mid\tb.mid\n\nc.mid\rd.mid\r");
    File again(OpenDriveFile(drive.path("mixed.alb"), "rt"));
    int stored = -1;
    char word[64];
    ASSERT_EQ(std::fscanf(again.get(), "%d", &stored), 1);
    EXPECT_EQ(stored, 7);
    std::string words;
    while (std::fscanf(again.get(), "%63s", word) == 1)
        words += std::string(word) + "|";
    EXPECT_EQ(words, "a.mid|b.mid|c.mid|d.mid|");

    File large(OpenDriveFile(drive.path("big.alb"), "r"));
    std::string expected = big.toStdString();
    for (std::size_t at = expected.find("\r\n"); at != std::string::npos; at = expected.find("\r\n", at))
        expected.erase(at, 1);
    EXPECT_EQ(ReadAll(large.get()), expected);
}

TEST(PathFile, OpenFailsCleanly)
{
    TempDrive drive;
    drive.makeDir("folder");
    drive.writeFile("file.txt", "x");
    EXPECT_EQ(OpenDriveFile(drive.path("missing.txt"), "r"), nullptr);
    EXPECT_EQ(OpenDriveFile(drive.path("folder"), "r"), nullptr);
    EXPECT_EQ(OpenDriveFile(drive.path("file.txt\\x"), "w"), nullptr);
    EXPECT_EQ(OpenDriveFile("q:\\file.txt", "r"), nullptr);
    EXPECT_EQ(OpenDriveFile(drive.path("file.txt"), "x"), nullptr);
    EXPECT_EQ(OpenDriveFile(drive.path("file.txt"), nullptr), nullptr);
    EXPECT_EQ(OpenDriveFile(drive.path("nowhere\\new.txt"), "w"), nullptr);
}

TEST(PathFile, CopyIsByteForByteAndReplacesTheTarget)
{
    TempDrive drive;
    QByteArray bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += static_cast<char>((i * 7) & 0xFF);
    drive.writeFile("Albums/Rock Album.alb", bytes);
    drive.writeFile("Albums/rock.al~", "old and longer contents that must go entirely");

    const auto source = FindFile(drive.path("albums\\rock album.alb"));
    ASSERT_TRUE(source.has_value());
    const std::string shortSource = drive.path("albums\\" + source->alternateFileName);
    EXPECT_TRUE(CopyDriveFile(shortSource, drive.path("albums\\rock.al~")));
    EXPECT_EQ(drive.readFile("Albums/rock.al~"), bytes);
    EXPECT_TRUE(CopyDriveFile(shortSource, drive.path("albums\\new.al~")));
    EXPECT_EQ(drive.readFile("Albums/new.al~"), bytes);

    EXPECT_FALSE(CopyDriveFile(drive.path("albums\\missing.alb"), drive.path("albums\\x.al~")));
    EXPECT_FALSE(QFile::exists(drive.linuxPath("Albums/x.al~")));
    EXPECT_FALSE(CopyDriveFile(shortSource, drive.path("nowhere\\x.al~")));
    EXPECT_FALSE(CopyDriveFile(shortSource, drive.path("albums")));
}

TEST(PathFile, ReplaceKeepsTheOldFileWhenItCannotWrite)
{
    if (RunningAsRoot())
        GTEST_SKIP() << "permissions do not bind root";
    TempDrive drive;
    drive.writeFile("locked/settings.ini", "old");
    ::chmod(drive.linuxPath("locked").toUtf8().constData(), 0555);
    EXPECT_FALSE(ReplaceDriveFile(drive.path("locked\\settings.ini"), "new"));
    ::chmod(drive.linuxPath("locked").toUtf8().constData(), 0755);
    EXPECT_EQ(drive.readFile("locked/settings.ini"), QByteArray("old"));
}

TEST(PathFile, ReplaceAndCopyKeepTheOldFileWhenTheDiskIsFull)
{
    TempDrive drive;
    drive.writeFile("settings.ini", "old");
    drive.writeFile("big.dat", QByteArray(4096, 'b'));
    {
        DiskLimit limit(16);
        EXPECT_FALSE(ReplaceDriveFile(drive.path("settings.ini"), std::string(4096, 'n')));
        EXPECT_FALSE(CopyDriveFile(drive.path("big.dat"), drive.path("settings.ini")));
    }
    EXPECT_EQ(drive.readFile("settings.ini"), QByteArray("old"));
    EXPECT_EQ(QDir(drive.linuxRoot()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no leftovers
}

TEST(PathFile, ReplaceKeepsPermissionsAndFollowsLinks)
{
    TempDrive drive;
    const QString real = drive.writeFile("real.ini", "old");
    ::chmod(real.toUtf8().constData(), 0640);
    ASSERT_TRUE(QFile::link(real, drive.linuxPath("link.ini")));
    EXPECT_TRUE(ReplaceDriveFile(drive.path("link.ini"), "new"));
    EXPECT_EQ(drive.readFile("real.ini"), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(drive.linuxPath("link.ini")).isSymLink());
    struct stat info {};
    ASSERT_EQ(::stat(real.toUtf8().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(PathFile, DeleteRemovesFilesOnly)
{
    TempDrive drive;
    drive.writeFile("Some Song.mid", "x");
    drive.makeDir("folder");
    const std::string alias = FindFile(drive.path("some song.mid"))->alternateFileName;
    EXPECT_TRUE(DeleteDriveFile(drive.path(alias)));
    EXPECT_FALSE(QFile::exists(drive.linuxPath("Some Song.mid")));
    EXPECT_FALSE(DeleteDriveFile(drive.path(alias)));
    EXPECT_FALSE(DeleteDriveFile(drive.path("folder")));
    EXPECT_TRUE(QFile::exists(drive.linuxPath("folder")));
}
