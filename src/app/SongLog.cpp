#include "app/SongLog.h"

#include "album/FormatText.h"

#include <cstdio>

namespace app {

std::string SongLogLine(int number, const std::string& path, int seconds)
{
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "song %03d: ", number);
    return std::string(prefix) + path + " (" + FormatMinSec(seconds) + ")";
}

void PrintSongStarted(int number, const std::string& path, int seconds)
{
    const std::string line = SongLogLine(number, path, seconds);
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace app
