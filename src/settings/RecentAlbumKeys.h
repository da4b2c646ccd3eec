#pragma once
// [Albums] Album1 (the most recent) to Album5.

#include <string>
#include <vector>

namespace settings {

// "Album" followed by the number, 1 to 5.
std::string AlbumKey(int number);

// Writes the first five paths as Album1, Album2, ..., then deletes the keys of
// the numbers left over up to 5, stopping at the first delete that fails.
// False when a write or delete failed.
bool WriteRecentAlbums(const std::vector<std::string>& paths, const std::string& settingsPath);

}  // namespace settings
