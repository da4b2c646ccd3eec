#pragma once
// The album the program falls back to on a first start: default.alb beside the
// program, listing the demo songs relative to its own directory.

#include <string>
#include <vector>

namespace mediagen {

// The songs in play order, as album words (backslashes, relative to the album).
const std::vector<std::string>& demoAlbumSongs();

// The album file: the current song index 0, then one song per line, every line
// ending in CR LF.
std::string demoAlbumText();

// Writes demoAlbumText() to path; false when it cannot be written.
bool saveDemoAlbum(const std::string& path);

}  // namespace mediagen
