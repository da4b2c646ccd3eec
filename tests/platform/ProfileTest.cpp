#include "platform/profile/PrivateProfile.h"
#include "support/DiskLimit.h"
#include "support/TempDrive.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <string>

using namespace platform;

namespace {

const char kFile[] = "t:\\vantor.ini";

class Profile : public ::testing::Test {
protected:
    void write(const QByteArray& text) { drive.writeFile("Vantor.ini", text); }
    QByteArray text() const { return drive.readFile("Vantor.ini"); }
    std::string get(const char* section, const char* key, const char* fallback = "<none>", int size = 256)
    {
        std::string buffer(static_cast<std::size_t>(size), '#');
        const int length = GetPrivateProfileString(section, key, fallback, buffer.data(), size, kFile);
        EXPECT_EQ(static_cast<std::size_t>(length), std::char_traits<char>::length(buffer.c_str()));
        return buffer.substr(0, static_cast<std::size_t>(length));
    }

    TempDrive drive{'t'};
};

const QByteArray kSample =
    "; Vantor settings\r\n"
    "[General]\r\n"
    "Version=5.7\r\n"
    "WindowPosition=10 20 300 400\r\n"
    "\r\n"
    "[Settings]\r\n"
    "  ContinuousLoop = 1  \r\n"
    "; a comment inside a section\r\n"
    "Font=MS Sans Serif, 8, 0, 0\r\n"
    "Quoted=\"  padded  \"\r\n"
    "\r\n"
    "[Albums]\r\n"
    "Album1=c:\\music\\rock.alb\r\n";

}  // namespace

TEST_F(Profile, SectionsAndKeysIgnoreCase)
{
    write(kSample);
    EXPECT_EQ(get("general", "VERSION"), "5.7");
    EXPECT_EQ(get("SETTINGS", "continuousloop"), "1");
    EXPECT_EQ(get(" Settings ", "Font"), "MS Sans Serif, 8, 0, 0");
    EXPECT_EQ(get("Settings", "Quoted"), "  padded  ");
    EXPECT_EQ(get("albums", "album1"), "c:\\music\\rock.alb");
    EXPECT_EQ(GetPrivateProfileString("General", "Version", "", nullptr, 10, "T:\\VANTOR.INI"), 0);
}

TEST_F(Profile, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(get("General", "Version", "1.2"), "1.2");  // no file yet
    write(kSample);
    EXPECT_EQ(get("Nothing", "Version", "1.2"), "1.2");
    EXPECT_EQ(get("General", "Nothing", "1.2"), "1.2");
    EXPECT_EQ(get("General", "Nothing", "trailing   "), "trailing");
    EXPECT_EQ(get("General", "Nothing", nullptr), "");
    EXPECT_EQ(get("General", "Version", "1.2", 1), "");
    EXPECT_EQ(GetPrivateProfileInt("Settings", "Missing", 42, kFile), 42);
    EXPECT_EQ(GetPrivateProfileInt("Settings", "Missing", 42, "q:\\vantor.ini"), 42);
    EXPECT_EQ(GetPrivateProfileInt("Nothing", "Missing", -3, "t:\\missing.ini"), -3);
}

TEST_F(Profile, ValuesAreCutToTheBuffer)
{
    write(kSample);
    EXPECT_EQ(get("Settings", "Font", "", 10), "MS Sans S");
    EXPECT_EQ(get("Settings", "Font", "", 2), "M");
    EXPECT_EQ(get("Settings", "Missing", "default text", 8), "default");
    std::string guard(8, '#');
    EXPECT_EQ(GetPrivateProfileString("Settings", "Font", "", guard.data(), 4, kFile), 3);
    EXPECT_EQ(guard, std::string("MS \0####", 8));
}

TEST_F(Profile, NullKeyOrSectionListsNames)
{
    write(kSample);
    char buffer[64];
    int length = GetPrivateProfileString(nullptr, nullptr, "", buffer, sizeof buffer, kFile);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(length) + 1), std::string("General\0Settings\0Albums\0\0", 25));
    length = GetPrivateProfileString("general", nullptr, "", buffer, sizeof buffer, kFile);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(length) + 1), std::string("Version\0WindowPosition\0\0", 24));
    length = GetPrivateProfileString("General", nullptr, "", buffer, 10, kFile);
    EXPECT_EQ(length, 8);
    EXPECT_EQ(std::string(buffer, 10), std::string("Version\0Wi", 10).replace(8, 2, std::string("\0\0", 2)));
}

TEST_F(Profile, IntegersReadLeadingDigitsAndSign)
{
    write("[N]\r\nplain=12\r\ntrailing=12abc\r\nnegative=-5\r\nplus=+7\r\nword=abc\r\nempty=\r\n"
          "spaced=  33  \r\nhuge=99999999999\r\nhugeNegative=-99999999999\r\nsignOnly=-\r\n");
    struct Case {
        const char* key;
        int expected;
    };
    const Case cases[] = {
        {"plain", 12},       {"trailing", 12},        {"negative", -5},          {"plus", 7},
        {"word", 0},         {"empty", 77},           {"spaced", 33},            {"huge", INT_MAX},
        {"hugeNegative", INT_MIN}, {"signOnly", 0},   {"missing", 77},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetPrivateProfileInt("n", c.key, 77, kFile), c.expected) << c.key;
}

TEST_F(Profile, WritesKeepEverythingElseAndUseCrLf)
{
    write("; Vantor settings\n[General]\nVersion=1.2\n\n[Settings]\nContinuousLoop=1\n; keep me\n\n"
          "[Albums]\nAlbum1=c:\\a.alb\ngarbage line without equals\n=no key\n[broken\n");
    EXPECT_TRUE(WritePrivateProfileString("general", "version", "5.7", kFile));
    EXPECT_TRUE(WritePrivateProfileString("Settings", "RandomOrder", "0", kFile));
    EXPECT_TRUE(WritePrivateProfileString("State", "Stick", "1", kFile));
    EXPECT_TRUE(WritePrivateProfileString("ALBUMS", "Album2", "c:\\b.alb", kFile));
    EXPECT_EQ(text(),
              "; Vantor settings\r\n[General]\r\nVersion=5.7\r\n\r\n"
              "[Settings]\r\nContinuousLoop=1\r\nRandomOrder=0\r\n; keep me\r\n\r\n"
              "[Albums]\r\nAlbum1=c:\\a.alb\r\nAlbum2=c:\\b.alb\r\ngarbage line without equals\r\n=no key\r\n"
              "[broken\r\n[State]\r\nStick=1\r\n");
    EXPECT_EQ(get("broken", "anything", "d"), "d");
    EXPECT_EQ(get("State", "Stick"), "1");
}

TEST_F(Profile, GarbageIsToleratedAndFirstDuplicateCounts)
{
    const char before[] = "\xEF\xBB\xBF[A]\r\nkey=first\r\nkey=second\r\n\x01\x02\xFF junk\r\n[a]\r\nkey=third\r\nother=x";
    const char after[] = "\xEF\xBB\xBF[A]\r\nkey=new\r\nkey=second\r\n\x01\x02\xFF junk\r\n[a]\r\nkey=third\r\nother=x\r\n";
    write(QByteArray(before, sizeof before - 1));
    EXPECT_EQ(get("A", "key"), "first");
    EXPECT_EQ(get("a", "other"), "<none>");  // the first [A] is the section
    EXPECT_TRUE(WritePrivateProfileString("a", "key", "new", kFile));
    EXPECT_EQ(text(), QByteArray(after, sizeof after - 1));
}

TEST_F(Profile, NullValueDeletesKeyAndNullKeyDeletesSection)
{
    write(kSample);
    EXPECT_TRUE(WritePrivateProfileString("Albums", "Album1", nullptr, kFile));
    EXPECT_TRUE(WritePrivateProfileString("Albums", "Album5", nullptr, kFile));  // nothing to delete
    EXPECT_EQ(get("Albums", "Album1"), "<none>");
    EXPECT_TRUE(text().endsWith("\r\n[Albums]\r\n"));
    EXPECT_TRUE(WritePrivateProfileString("general", nullptr, nullptr, kFile));
    EXPECT_EQ(get("General", "Version"), "<none>");
    EXPECT_TRUE(text().startsWith("; Vantor settings\r\n[Settings]\r\n"));
    EXPECT_FALSE(WritePrivateProfileString(nullptr, "key", "value", kFile));
    EXPECT_FALSE(WritePrivateProfileString("S", "key", "value", nullptr));
}

TEST_F(Profile, FirstWriteCreatesTheFile)
{
    EXPECT_TRUE(WritePrivateProfileString("Albums", "Album5", nullptr, kFile));
    EXPECT_FALSE(QFile::exists(drive.linuxPath("vantor.ini")));
    EXPECT_TRUE(WritePrivateProfileString("Settings", "AuxOutDevice", "2", kFile));
    EXPECT_TRUE(WritePrivateProfileString("Settings", "CustomView", "7869 7891", kFile));
    EXPECT_EQ(drive.readFile("vantor.ini"), "[Settings]\r\nAuxOutDevice=2\r\nCustomView=7869 7891\r\n");
    EXPECT_EQ(GetPrivateProfileInt("settings", "auxoutdevice", 0, kFile), 2);
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", "t:\\nowhere\\vantor.ini"));
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", "q:\\vantor.ini"));
}

TEST_F(Profile, FailedWriteReportsFailureAndLeavesTheOldFileWhole)
{
    write(kSample);
    {
        // A disk that fills up: files may not grow past a few bytes, even for root.
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 8;
        ::setrlimit(RLIMIT_FSIZE, &limited);
        EXPECT_FALSE(WritePrivateProfileString("Settings", "Font", "Sans, 9, 400, 0", kFile));
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    EXPECT_EQ(text(), kSample);

    if (::geteuid() != 0) {
        ::chmod(drive.linuxRoot().toUtf8().constData(), 0555);
        EXPECT_FALSE(WritePrivateProfileString("Settings", "Font", "Sans, 9, 400, 0", kFile));
        ::chmod(drive.linuxRoot().toUtf8().constData(), 0755);
        EXPECT_EQ(text(), kSample);
    }
}

// A batch answers every call as the writes one by one would, and touches the disk once, at the end.
TEST_F(Profile, WriteBatchIsTheSameWritesInOneReplace)
{
    struct Write {
        const char* section;
        const char* key;
        const char* value;
    };
    const Write writes[] = {
        {"General", "Version", "5.8"},          {"Settings", "ContinuousLoop", "0"}, {"Settings", "Quoted", nullptr},
        {"New", "First", "1"},                   {"Albums", nullptr, nullptr},        {"Albums", "Album1", "c:\\a.alb"},
        {"General", "WindowPosition", "1 2 3 4"}, {"New", "First", "2"},
    };
    write(kSample);
    for (const Write& w : writes)
        ASSERT_TRUE(WritePrivateProfileString(w.section, w.key, w.value, kFile));
    const QByteArray oneByOne = text();

    write(kSample);
    {
        ProfileWriteBatch batch(kFile);
        ProfileWriteBatch joined(kFile);
        for (const Write& w : writes)
            ASSERT_TRUE(WritePrivateProfileString(w.section, w.key, w.value, kFile));
        EXPECT_TRUE(joined.Commit());
        EXPECT_EQ(get("new", "first"), "2");
        EXPECT_EQ(get("Settings", "Quoted"), "<none>");
        EXPECT_EQ(text(), kSample);
        EXPECT_TRUE(batch.Commit());
    }
    EXPECT_EQ(text(), oneByOne);

    // Ended: the next write goes to the file at once.
    ASSERT_TRUE(WritePrivateProfileString("New", "First", "3", kFile));
    EXPECT_TRUE(text().contains("First=3"));

    // What cannot be written fails as a whole and leaves the file as it was.
    const QByteArray before = text();
    {
        ProfileWriteBatch batch(kFile);
        WritePrivateProfileString("Settings", "Font", "Sans, 9, 400, 0", kFile);
        const DiskLimit full(8);
        EXPECT_FALSE(batch.Commit());
    }
    EXPECT_EQ(text(), before);
}
