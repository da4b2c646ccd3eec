#pragma once
// The upgrade information shown at start-up until the settings have been saved
// by this version once (saving stores "5.7" under [General] Version).

#include <QString>

#include <string>

class QWidget;

namespace app {

// The version that last saved the settings file: [General] Version, "1.2" when
// there is none, at most 9 characters.
QString StoredVersion(const std::string& settingsPath);

// True when version sorts before "5.7" by the locale's string comparison.
bool UpgradeInfoDue(const QString& version);

// Runs dialog 7708 modally over parent; the dialog's result.
int ShowUpgradeInfo(QWidget* parent);

// Shows the dialog when the stored version calls for it; true when it was shown.
bool ShowUpgradeInfoIfDue(QWidget* parent, const std::string& settingsPath);

}  // namespace app
