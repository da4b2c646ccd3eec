#include "app/SongLog.h"

#include "album/FormatText.h"

#include <cstdio>

namespace app {

std::string SongLogLine(int number, const std::string& path, int seconds, const std::string& longName)
{
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "song %03d: ", number);
    const std::string song = longName.empty() ? path : longName + " [" + path + "]";
    return std::string(prefix) + song + " (" + FormatMinSec(seconds) + ")";
}

void PrintSongStarted(int number, const std::string& path, int seconds, const std::string& longName)
{
    const std::string line = SongLogLine(number, path, seconds, longName);
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace app
