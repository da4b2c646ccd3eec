#pragma once
// Where the settings file and the default album live. They belong beside the
// program; an installed program's folder is not the user's to write, though, so
// then they go to the user's configuration folder, $XDG_CONFIG_HOME/vantor
// (~/.config/vantor), made when missing.

#include <QString>

#include <string>

namespace app {

// The Linux folder for the settings file and the default album: programDirectory
// itself when the user may write there, else the configuration folder (made
// here). programDirectory again when that cannot be made.
QString SettingsDirectory(const QString& programDirectory);

// At the first start in a configuration folder, the program's own default album
// (its demo songs, named relative to the program's folder) is copied there with
// every song's path resolved, so the songs still play. Drive paths without a
// trailing backslash; nothing happens when they are the same folder, the copy
// exists already or the program has no default album.
void SeedDefaultAlbum(const std::string& programDir, const std::string& settingsDir);

}  // namespace app
