#include "DemoAlbum.h"

#include <fstream>

namespace mediagen {

const std::vector<std::string>& demoAlbumSongs()
{
    static const std::vector<std::string> songs = {
        "demo\\minuet.mid", "demo\\ode.mid", "demo\\jacques.mid", "demo\\chimes.wav", "demo\\colours.avi",
    };
    return songs;
}

std::string demoAlbumText()
{
    std::string text = "0\r\n";
    for (const std::string& song : demoAlbumSongs())
        text += song + "\r\n";
    return text;
}

bool saveDemoAlbum(const std::string& path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string text = demoAlbumText();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace mediagen
