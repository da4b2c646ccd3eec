#pragma once
// The recent albums: an ordered list of album paths, the most recent first, at
// most kMaxAlbums of them. Paths are held lower case.

#include <string>
#include <vector>

class TAlbumList {
public:
    static constexpr int kMaxAlbums = 5;

    // Lower-cases path in place (callers pass the album path, which is thereby
    // lower-cased), removes the line equal to it (ignoring case), puts it on top
    // and drops the lines after the fifth. A line that merely starts with path is
    // another album and stays.
    void AddRecent(std::string& path);

    // Line index, valid until the list next changes; null when there is no such line.
    const char* GetRecent(int index) const;

    int GetCount() const { return static_cast<int>(lines_.size()); }

private:
    std::vector<std::string> lines_;
};
