#pragma once
// The line printed to the terminal for each song started:
// "song 001: c:\music\minuet.mid (01:32)", or with the long name the song is
// shown by: "song 001: Minuet in G.mid [c:\music\minuet~3.mid] (01:32)".

#include <string>

namespace app {

// longName: empty when the song is shown by its short name.
std::string SongLogLine(int number, const std::string& path, int seconds, const std::string& longName = {});

// Writes the line to standard output at once (the terminal may be a pipe).
void PrintSongStarted(int number, const std::string& path, int seconds, const std::string& longName = {});

}  // namespace app
