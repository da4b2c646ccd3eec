#pragma once
// The line printed to the terminal for each song started:
// "song 001: c:\music\minuet.mid (01:32)".

#include <string>

namespace app {

std::string SongLogLine(int number, const std::string& path, int seconds);

// Writes the line to standard output at once (the terminal may be a pipe).
void PrintSongStarted(int number, const std::string& path, int seconds);

}  // namespace app
