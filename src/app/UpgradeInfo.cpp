#include "app/UpgradeInfo.h"

#include "controls/dialog/TMDialog.h"
#include "platform/profile/PrivateProfile.h"
#include "resources/dialogs/InfoDialogs.h"

namespace app {

namespace {

constexpr char kSection[] = "General";
constexpr char kKey[] = "Version";
constexpr char kFirstVersion[] = "1.2";
constexpr char kThisVersion[] = "5.7";
constexpr int kVersionSize = 10;

}  // namespace

QString StoredVersion(const std::string& settingsPath)
{
    char buffer[kVersionSize] = {};
    platform::GetPrivateProfileString(kSection, kKey, kFirstVersion, buffer, kVersionSize, settingsPath.c_str());
    return QString::fromLocal8Bit(buffer);
}

bool UpgradeInfoDue(const QString& version)
{
    return QString::localeAwareCompare(version, QLatin1String(kThisVersion)) < 0;
}

int ShowUpgradeInfo(QWidget* parent)
{
    TMDialog dialog(parent, resources::IDD_UPGRADE_INFO);
    // Its caption is longer than the template is wide.
    dialog.WidenForCaption();
    return dialog.Execute();
}

bool ShowUpgradeInfoIfDue(QWidget* parent, const std::string& settingsPath)
{
    if (!UpgradeInfoDue(StoredVersion(settingsPath)))
        return false;
    ShowUpgradeInfo(parent);
    return true;
}

}  // namespace app
