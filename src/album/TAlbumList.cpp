#include "album/TAlbumList.h"

#include <algorithm>
#include <cctype>

namespace {

char LowerCased(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerCased(x) == LowerCased(y); });
}

}  // namespace

void TAlbumList::AddRecent(std::string& path)
{
    std::transform(path.begin(), path.end(), path.begin(), LowerCased);
    const auto found = std::find_if(lines_.begin(), lines_.end(),
                                    [&](const std::string& line) { return EqualIgnoringCase(line, path); });
    if (found != lines_.end())
        lines_.erase(found);
    lines_.insert(lines_.begin(), path);
    if (lines_.size() > static_cast<std::size_t>(kMaxAlbums))
        lines_.resize(kMaxAlbums);
}

const char* TAlbumList::GetRecent(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return lines_[static_cast<std::size_t>(index)].c_str();
}
