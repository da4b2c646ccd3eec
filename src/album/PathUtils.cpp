#include "album/PathUtils.h"

#include "album/FormatText.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> SplitComponents(std::string_view path)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const auto cut = path.find('\\');
        parts.push_back(path.substr(0, cut));
        if (cut == std::string_view::npos)
            return parts;
        path.remove_prefix(cut + 1);
    }
}

// A rotating-buffer copy of text, or null when it does not fit into one buffer.
const char* ToRotatingBuffer(std::string_view text)
{
    if (text.size() >= static_cast<size_t>(kFormatBufferSize))
        return nullptr;
    return FormatText("%.*s", static_cast<int>(text.size()), text.data());
}

} // namespace

const char* FileNamePart(const char* path)
{
    if (!path)
        return nullptr;
    const char* slash = std::strrchr(path, '\\');
    return slash ? slash + 1 : path;
}

char* FileNamePart(char* path)
{
    return const_cast<char*>(FileNamePart(static_cast<const char*>(path)));
}

const char* FileExtension(const char* path)
{
    if (!path)
        return nullptr;
    const char* dot = std::strrchr(path, '.');
    return dot ? dot + 1 : StringEnd(path);
}

char* FileExtension(char* path)
{
    return const_cast<char*>(FileExtension(static_cast<const char*>(path)));
}

bool HasDrive(const char* path)
{
    // The first character is tested too so that the empty text is never read past its end.
    return path && path[0] != '\0' && path[1] == ':';
}

const char* AbbreviatePath(const char* path, int maxLength)
{
    if (!path)
        return nullptr;
    const size_t len = std::strlen(path);
    if (maxLength < 0 || len <= static_cast<size_t>(maxLength))
        return path;
    const size_t from = len - static_cast<size_t>(maxLength) + 6;
    if (from >= len)
        return path;
    const char* slash = std::strchr(path + from, '\\');
    if (!slash)
        return path;
    const std::string result = std::string(path, 3) + "..." + slash;
    const char* out = ToRotatingBuffer(result);
    return out ? out : path;
}

const char* MakeRelativePath(const char* path, const char* albumDir)
{
    if (!HasDrive(path) || !HasDrive(albumDir))
        return path;
    const auto target = SplitComponents(path);
    const auto base = SplitComponents(albumDir);
    size_t shared = 0;
    while (shared < target.size() && shared < base.size() && target[shared] == base[shared])
        ++shared;
    // Nothing of path left after the shared part: it names the album's directory or one
    // above it, which no relative entry could give back.
    if (shared == 0 || shared == target.size())
        return path;
    std::string result;
    for (size_t i = shared; i < base.size(); ++i)
        result += "..\\";
    for (size_t i = shared; i < target.size(); ++i) {
        if (i > shared)
            result += '\\';
        result += target[i];
    }
    const char* out = ToRotatingBuffer(result);
    return out ? out : path;
}

const char* ResolveRelativePath(const char* entry, const char* albumDir)
{
    if (!entry || HasDrive(entry) || !HasDrive(albumDir))
        return entry;
    std::string_view rest = entry;
    int climbs = 0;
    while (rest.starts_with("..\\")) {
        rest.remove_prefix(3);
        ++climbs;
    }
    std::string_view dir = albumDir;
    for (int i = 0; i < climbs; ++i) {
        const auto cut = dir.rfind('\\');
        if (cut == std::string_view::npos)
            return entry;
        dir = dir.substr(0, cut);
    }
    std::string result(dir);
    result += '\\';
    result += rest;
    const char* out = ToRotatingBuffer(result);
    return out ? out : entry;
}
