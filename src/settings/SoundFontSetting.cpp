#include "settings/SoundFontSetting.h"

#include "platform/paths/PathNamespace.h"
#include "platform/profile/PrivateProfile.h"
#include "settings/SettingsKeys.h"

#include <cctype>

namespace settings {

std::string ReadSoundFontSetting(const std::string& settingsPath)
{
    // Room for the longest Linux path.
    char value[4097] = {};
    platform::GetPrivateProfileString(kSectionSynth, kKeySoundFont, "", value, sizeof value, settingsPath.c_str());
    const std::string stored = value;
    const bool drivePath = stored.size() >= 2 && std::isalpha(static_cast<unsigned char>(stored[0])) && stored[1] == ':';
    if (!drivePath)
        return stored;
    return platform::ToLinuxPath(stored).value_or(std::string());
}

bool WriteSoundFontSetting(const std::string& linuxPath, const std::string& settingsPath)
{
    return platform::WritePrivateProfileString(kSectionSynth, kKeySoundFont, linuxPath.c_str(),
                                               settingsPath.c_str());
}

}  // namespace settings
