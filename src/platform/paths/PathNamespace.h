#pragma once
// The drive path namespace: the program's paths (c:\music\bach.mid) on Linux.
//
// Drive paths use backslashes (a forward slash is taken as one too) and a drive
// letter mapped by DriveTable. Every component is looked up without regard to
// case and may also be the entry's 8.3 alias (ShortNames.h), so the lower-case,
// short paths the program keeps lead back to their files. Paths of more than
// kMaxPath characters, unknown drives, missing directories and paths that run
// through a file all fail: the functions return nothing or false, never throw.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Longest full drive path, in characters, without the terminating zero.
inline constexpr std::size_t kMaxPath = 260;

// What a directory search reports of one entry.
struct FindData {
    std::string fileName;           // the name as stored
    std::string alternateFileName;  // its upper-case 8.3 alias; empty when fileName is its own short name
    bool directory = false;
};

// The full path of path, by text alone (nothing is looked up): relative paths are
// taken from the current directory, "c:name" from the current directory when it
// is on c: and from c:\ otherwise, "\name" from the current drive's root; "." and
// ".." are applied (".." stops at the root), repeated separators collapse, and a
// trailing separator is kept. The drive letter and components keep their case.
// Nothing for an empty path, a network path (\\server), a drive that is not a
// letter, or a result longer than kMaxPath.
std::optional<std::string> FullPathName(std::string_view path);

// The current directory (full drive path) and setting it to an existing directory.
std::string GetCurrentDrivePath();
bool SetCurrentDrivePath(std::string_view path);

// The Linux path of a drive path. Every component but the last must be an existing
// directory; the last may be missing (so files can be created) and then keeps the
// spelling given.
std::optional<std::string> ToLinuxPath(std::string_view drivePath);

// The drive path of a Linux path (made absolute against the working directory,
// symbolic links resolved), on the drive with the longest matching directory,
// every component in its short form, all lower case. A missing last component is
// allowed when it is a valid 8.3 name. Nothing when no drive holds the path, a
// component is missing, or the result is longer than kMaxPath.
std::optional<std::string> FromLinuxPath(std::string_view linuxPath);

// The entry a drive path names (its last component looked up in its directory).
// Nothing for a drive root, a missing entry or a bad path.
std::optional<FindData> FindFile(std::string_view drivePath);

// True when the drive path names an existing file or directory.
bool DrivePathExists(std::string_view drivePath);
// True when the drive path names an existing directory.
bool IsDriveDirectory(std::string_view drivePath);

}  // namespace platform
