#include "album/AlbumFile.h"

#include "platform/paths/DriveFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// The C runtime's white space.
bool IsBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int ParseIndex(const std::string& word, bool& ok)
{
    const char* start = word.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(start, &end, 0);
    ok = end != start;
    if (!ok)
        return -1;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

bool AlbumReader::NextWord(std::string& word, std::size_t& length)
{
    word.clear();
    length = 0;
    int c = std::getc(file_);
    while (c != EOF && IsBlank(c))
        c = std::getc(file_);
    if (c == EOF)
        return false;
    for (; c != EOF && !IsBlank(c); c = std::getc(file_)) {
        if (length <= kAlbumWordMax)
            word += static_cast<char>(c);
        ++length;
    }
    return true;
}

bool AlbumReader::ReadIndex(int& index)
{
    index = -1;
    indexRead_ = true;
    std::string word;
    std::size_t length = 0;
    bool ok = false;
    if (NextWord(word, length))
        index = ParseIndex(word, ok);
    failed_ = !ok;
    return ok;
}

bool AlbumReader::NextSong(std::string& word)
{
    if (!indexRead_ || failed_)
        return false;
    std::size_t length = 0;
    while (NextWord(word, length)) {
        if (length <= kAlbumWordMax && word.find('\0') == std::string::npos)
            return true;
    }
    word.clear();
    return false;
}

void AlbumWriter::WriteIndex(int currentSong)
{
    text_ += std::to_string(currentSong < 0 ? -1 : currentSong);
    text_ += "\r\n";
}

void AlbumWriter::WriteSong(std::string_view path)
{
    text_ += path;
    text_ += "\r\n";
}

bool AlbumWriter::Commit(std::string_view drivePath) const
{
    return platform::ReplaceDriveFile(drivePath, text_);
}

std::string AlbumBackupPath(std::string_view albumPath)
{
    std::string backup(albumPath);
    if (!backup.empty())
        backup.back() = '~';
    return backup;
}
