#include "platform/profile/PrivateProfile.h"
#include "settings/RecentAlbumKeys.h"
#include "settings/SettingsKeys.h"
#include "settings/StoredVersion.h"
#include "support/TempDrive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace settings;

namespace {

class StoredValues : public ::testing::Test {
protected:
    std::string get(const char* section, const char* key) const
    {
        char buffer[300] = {};
        platform::GetPrivateProfileString(section, key, "<none>", buffer, sizeof buffer, path.c_str());
        return buffer;
    }

    TempDrive drive{'t'};
    std::string path = drive.path("Vantor.ini");
};

TEST_F(StoredValues, VersionIsRaisedButNeverLowered)
{
    struct Row {
        const char* stored;  // null: no key
        const char* after;
    };
    const Row rows[] = {{nullptr, "5.7"}, {"1.2", "5.7"}, {"5.6", "5.7"}, {"5.7", "5.7"},
                        {"6.0", "6.0"},   {"5.8", "5.8"}, {"", "5.7"}};
    for (const Row& row : rows) {
        platform::WritePrivateProfileString(kSectionGeneral, kKeyVersion, row.stored, path.c_str());
        ASSERT_TRUE(WriteVersion(path));
        EXPECT_EQ(get(kSectionGeneral, kKeyVersion), row.after) << (row.stored ? row.stored : "(none)");
    }
}

TEST_F(StoredValues, FiveRecentAlbumsAtMost)
{
    const std::vector<std::string> six = {"c:\\a1.alb", "c:\\a2.alb", "c:\\a3.alb",
                                          "c:\\a4.alb", "c:\\a5.alb", "c:\\a6.alb"};
    ASSERT_TRUE(WriteRecentAlbums(six, path));
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(get(kSectionAlbums, AlbumKey(i).c_str()), six[i - 1]);
    EXPECT_EQ(get(kSectionAlbums, "Album6"), "<none>");
}

TEST_F(StoredValues, SurplusAlbumKeysAreDeleted)
{
    const std::vector<std::string> five = {"c:\\a1.alb", "c:\\a2.alb", "c:\\a3.alb", "c:\\a4.alb",
                                           "c:\\a5.alb"};
    ASSERT_TRUE(WriteRecentAlbums(five, path));
    const std::vector<std::string> four = {"c:\\b1.alb", "c:\\b2.alb", "c:\\b3.alb", "c:\\b4.alb"};
    ASSERT_TRUE(WriteRecentAlbums(four, path));
    EXPECT_EQ(get(kSectionAlbums, "Album4"), "c:\\b4.alb");
    EXPECT_EQ(get(kSectionAlbums, "Album5"), "<none>");

    ASSERT_TRUE(WriteRecentAlbums({}, path));
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(get(kSectionAlbums, AlbumKey(i).c_str()), "<none>");
}

TEST_F(StoredValues, UnwritableFileIsReported)
{
    const std::string nowhere = "q:\\nodrive\\Vantor.ini";
    EXPECT_FALSE(WriteVersion(nowhere));
    EXPECT_FALSE(WriteRecentAlbums({"c:\\a.alb"}, nowhere));
}

}  // namespace
