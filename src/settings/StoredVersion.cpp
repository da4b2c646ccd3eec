#include "settings/StoredVersion.h"

#include "platform/profile/PrivateProfile.h"
#include "settings/SettingsKeys.h"

#include <QString>

namespace settings {

bool VersionNeedsWriting(const char* storedVersion)
{
    return QString::localeAwareCompare(QString::fromLatin1(storedVersion), QString::fromLatin1(kVersion)) <= 0;
}

bool WriteVersion(const std::string& settingsPath)
{
    char stored[kVersionSize] = {};
    platform::GetPrivateProfileString(kSectionGeneral, kKeyVersion, kVersion, stored, kVersionSize,
                                      settingsPath.c_str());
    if (!VersionNeedsWriting(stored))
        return true;
    return platform::WritePrivateProfileString(kSectionGeneral, kKeyVersion, kVersion, settingsPath.c_str());
}

}  // namespace settings
