#pragma once
// Drives named in the settings file: section [Drives], each key a drive letter and
// its value an absolute Linux directory ("~" for the home directory), e.g.
//   [Drives]
//   m=/srv/music
// A key that is not a single letter, or a value that is not an absolute path, is
// passed over.

namespace platform {

// Maps the drives listed in the file's [Drives] section; returns how many.
int LoadDriveSettings(const char* settingsFile);

}  // namespace platform
