#include "settings/RecentAlbumKeys.h"

#include "platform/profile/PrivateProfile.h"
#include "settings/SettingsKeys.h"

#include <algorithm>

namespace settings {

std::string AlbumKey(int number)
{
    return kKeyAlbumPrefix + std::to_string(number);
}

bool WriteRecentAlbums(const std::vector<std::string>& paths, const std::string& settingsPath)
{
    const int stored = std::min(static_cast<int>(paths.size()), kRecentAlbumKeys);
    bool written = true;
    for (int i = 0; i < stored; ++i) {
        const std::string key = AlbumKey(i + 1);
        written = platform::WritePrivateProfileString(kSectionAlbums, key.c_str(), paths[i].c_str(),
                                                      settingsPath.c_str()) &&
                  written;
    }
    for (int number = stored + 1; number <= kRecentAlbumKeys; ++number) {
        const std::string key = AlbumKey(number);
        if (!platform::WritePrivateProfileString(kSectionAlbums, key.c_str(), nullptr, settingsPath.c_str()))
            return false;
    }
    return written;
}

}  // namespace settings
