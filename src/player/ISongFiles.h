#pragma once
// The song files on disk, as the player's Delete command removes them.

#include <string>

namespace player {

class ISongFiles {
public:
    virtual ~ISongFiles() = default;
    // Deletes the file of a drive path; false when it could not be deleted.
    virtual bool DeleteSongFile(const std::string& drivePath) = 0;
};

}  // namespace player
