#pragma once
// The drive letters of the path namespace and the current directory.
//
// A drive letter stands for a Linux directory. By default c: is the user's home
// directory and z: is the root directory; the settings file may add or move
// drives ([Drives], see LoadDriveSettings) and tests map temporary directories.
// A Linux path belongs to the drive whose directory is its longest leading run of
// whole components.
//
// The table is process-wide and guarded, so any thread may read it.

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

namespace platform {

class DriveTable {
public:
    // Everything a test needs to put the table back as it found it.
    struct Snapshot {
        std::map<char, std::string> drives;
        std::optional<std::string> currentDirectory;
    };

    static DriveTable& instance();

    // Maps letter (a to z, either case) to directory, an absolute Linux path
    // ("~" or "~/..." stand for the home directory). The directory is stored in
    // its canonical form when it exists. False for a bad letter or a relative path.
    bool setDrive(char letter, const std::string& directory);
    bool removeDrive(char letter);
    // Back to c: = home directory, z: = /, and the current directory forgotten.
    void resetToDefaults();

    std::optional<std::string> directory(char letter) const;
    std::map<char, std::string> drives() const;

    // The drive whose directory is the longest whole-component prefix of the
    // absolute Linux path, and the rest of the path after that directory (no
    // leading slash; empty for the directory itself).
    std::optional<std::pair<char, std::string>> driveFor(const std::string& linuxPath) const;

    // The current directory, a full drive path. Until one is set it is the
    // process's working directory as a drive path, or c:\ when that has no drive.
    std::string currentDirectory() const;
    // Stores a full drive path as given; the caller has checked it.
    void setCurrentDirectory(const std::string& drivePath);

    Snapshot snapshot() const;
    void restore(const Snapshot& snapshot);

private:
    DriveTable();

    mutable std::mutex mutex_;
    std::map<char, std::string> drives_;
    std::optional<std::string> current_;
};

}  // namespace platform
