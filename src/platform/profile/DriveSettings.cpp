#include "platform/profile/DriveSettings.h"

#include "platform/paths/DriveTable.h"
#include "platform/profile/PrivateProfile.h"

#include <string>
#include <vector>

namespace platform {

namespace {

constexpr char kSection[] = "Drives";
constexpr int kListSize = 8192;
constexpr int kValueSize = 4097;

}  // namespace

int LoadDriveSettings(const char* settingsFile)
{
    std::vector<char> keys(kListSize);
    GetPrivateProfileString(kSection, nullptr, "", keys.data(), kListSize, settingsFile);
    int mapped = 0;
    for (const char* key = keys.data(); *key; key += std::char_traits<char>::length(key) + 1) {
        if (key[1] != '\0')
            continue;
        std::vector<char> directory(kValueSize);
        GetPrivateProfileString(kSection, key, "", directory.data(), kValueSize, settingsFile);
        if (DriveTable::instance().setDrive(key[0], directory.data()))
            ++mapped;
    }
    return mapped;
}

}  // namespace platform
