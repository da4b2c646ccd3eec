#include "album/FormatText.h"
#include "album/PathUtils.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(PathParts, FileNamePartAndExtension)
{
    const char* path = "c:\\music\\bach.mid";
    EXPECT_EQ(FileNamePart(path), path + 9);
    const char* bare = "bach.mid";
    EXPECT_EQ(FileNamePart(bare), bare);
    EXPECT_STREQ(FileNamePart("c:\\music\\"), "");
    EXPECT_STREQ(FileNamePart("c:/music/a.mid"), "c:/music/a.mid");

    EXPECT_STREQ(FileExtension("c:\\music\\bach.mid"), "mid");
    EXPECT_STREQ(FileExtension("c:\\my.dir\\album"), "dir\\album");
    const char* noext = "c:\\music\\noext";
    EXPECT_EQ(FileExtension(noext), noext + std::strlen(noext));
    EXPECT_STREQ(FileExtension("c:\\a\\b.tar.gz"), "gz");
}

TEST(PathParts, HasDrive)
{
    EXPECT_TRUE(HasDrive("c:\\a.mid"));
    EXPECT_TRUE(HasDrive("c:"));
    EXPECT_FALSE(HasDrive("a.mid"));
    EXPECT_FALSE(HasDrive("\\x.mid"));
    EXPECT_FALSE(HasDrive(""));
    EXPECT_FALSE(HasDrive(nullptr));
    EXPECT_FALSE(HasDrive(":"));
}

TEST(AbbreviatePath, ShortensAtABackslashAndNeverExceedsTheMaximum)
{
    EXPECT_STREQ(AbbreviatePath("c:\\music\\midi\\classic\\bach\\prelude.mid", 25), "c:\\...\\bach\\prelude.mid");

    const char* fits = "c:\\music\\bach.mid";
    EXPECT_EQ(AbbreviatePath(fits, 35), fits);
    EXPECT_EQ(AbbreviatePath(fits, static_cast<int>(std::strlen(fits))), fits);

    // 40 characters with no backslash from the twelfth on: nothing to cut at.
    const char* noCut = "c:\\abcdefg\\hijklmnopqrstuvwxyz0123456789";
    ASSERT_EQ(std::strlen(noCut), 40u);
    EXPECT_EQ(AbbreviatePath(noCut, 35), noCut);
    // The same with a backslash exactly at the twelfth character is cut there.
    const char* cutAt12 = "c:\\abcdefgh\\ijklmnopqrstuvwxyz0123456789";
    ASSERT_EQ(std::strlen(cutAt12), 40u);
    EXPECT_STREQ(AbbreviatePath(cutAt12, 35), "c:\\...\\ijklmnopqrstuvwxyz0123456789");

    const std::string deep = "c:\\" + std::string(30, 'd') + "\\" + std::string(20, 'e') + "\\f\\g\\h.mid";
    EXPECT_EQ(AbbreviatePath(deep.c_str(), 10), deep.c_str());
    for (int max : {20, 25, 35, 50}) {
        const char* shown = AbbreviatePath(deep.c_str(), max);
        EXPECT_LE(std::strlen(shown), static_cast<size_t>(max)) << max;
        EXPECT_TRUE(std::string(shown).ends_with("h.mid")) << max;
    }
    EXPECT_STREQ(deep.c_str(), ("c:\\" + std::string(30, 'd') + "\\" + std::string(20, 'e') + "\\f\\g\\h.mid").c_str());
}

TEST(RelativePaths, MakeRelativeTable)
{
    struct Case { const char* path; const char* dir; const char* result; };
    const Case cases[] = {
        {"c:\\music\\albums\\a.mid", "c:\\music\\albums", "a.mid"},
        {"c:\\music\\albums\\live\\a.mid", "c:\\music\\albums", "live\\a.mid"},
        {"c:\\music\\midi\\a.mid", "c:\\music\\albums", "..\\midi\\a.mid"},
        {"c:\\a.mid", "c:\\music\\albums", "..\\..\\a.mid"},
        {"d:\\a.mid", "c:\\music\\albums", "d:\\a.mid"},
        {"c:\\musical\\a.mid", "c:\\music", "..\\musical\\a.mid"},
        {"c:\\a.mid", "c:", "a.mid"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(MakeRelativePath(c.path, c.dir), c.result) << c.path << " in " << c.dir;
        EXPECT_STREQ(ResolveRelativePath(MakeRelativePath(c.path, c.dir), c.dir), c.path) << c.path;
    }
}

TEST(RelativePaths, MakeRelativeLeavesPathsWithoutDrivesAlone)
{
    const char* relative = "music\\a.mid";
    EXPECT_EQ(MakeRelativePath(relative, "c:\\music"), relative);
    const char* full = "c:\\music\\a.mid";
    EXPECT_EQ(MakeRelativePath(full, nullptr), full);
    EXPECT_EQ(MakeRelativePath(full, "music"), full);
    EXPECT_EQ(MakeRelativePath(full, "c:\\music\\a.mid\\deeper"), full);
    EXPECT_STREQ(ResolveRelativePath(MakeRelativePath("c:\\music\\\\x.mid", "c:\\music"), "c:\\music"), "c:\\music\\\\x.mid");
}

TEST(RelativePaths, ResolveTable)
{
    struct Case { const char* entry; const char* dir; const char* result; };
    const Case cases[] = {
        {"bach.mid", "c:\\music", "c:\\music\\bach.mid"},
        {"..\\wave\\x.wav", "c:\\music", "c:\\wave\\x.wav"},
        {"\\x.mid", "c:\\music", "c:\\music\\\\x.mid"},
        {"..\\..\\x.mid", "c:\\a", "..\\..\\x.mid"},
        {"..\\x.mid", "c:\\a", "c:\\x.mid"},
        {"a.mid", "c:", "c:\\a.mid"},
        {"d:\\x.mid", "c:\\music", "d:\\x.mid"},
        {"x.mid", "music", "x.mid"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(ResolveRelativePath(c.entry, c.dir), c.result) << c.entry << " in " << c.dir;
    const char* entry = "x.mid";
    EXPECT_EQ(ResolveRelativePath(entry, nullptr), entry);
}

TEST(RelativePaths, ResultThatWouldNotFitOneBufferIsNotHandedOutCut)
{
    const std::string dir = "c:\\" + std::string(1000, 'd');
    const std::string entry = std::string(100, 'e') + ".mid";
    EXPECT_EQ(ResolveRelativePath(entry.c_str(), dir.c_str()), entry.c_str());

    const std::string path = "c:\\" + std::string(1030, 'p');
    const std::string otherDir = "c:\\x";
    EXPECT_EQ(MakeRelativePath(path.c_str(), otherDir.c_str()), path.c_str());
}
