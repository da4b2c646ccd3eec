#pragma once
// Files named by drive paths: opening them like the C runtime the program was
// written for, copying, deleting, and replacing a file's contents atomically.

#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

// Opens a drive path with an fopen mode ("r", "w", "a", each optionally with "+").
// As in the runtime the program expects, a mode without "b" is text mode: writing
// "\n" writes CR LF, and reading turns CR LF back into "\n" (a lone CR is kept), so
// readers that split at white space see the same words either way. Text streams
// cannot seek. Null when the path does not resolve, names a directory, or the file
// cannot be opened. Close with std::fclose.
std::FILE* OpenDriveFile(std::string_view drivePath, const char* mode);

// Copies a file byte for byte, creating or replacing the target. The target is
// written beside itself and renamed into place, so a failed copy leaves it as it
// was. False when the source cannot be read or the target cannot be written.
bool CopyDriveFile(std::string_view from, std::string_view to);

// Replaces (or creates) a file with contents in the same atomic way. On failure
// errno tells why.
bool ReplaceDriveFile(std::string_view drivePath, std::string_view contents);

// Reads a whole file. False when it cannot be opened or read.
bool ReadDriveFile(std::string_view drivePath, std::string& contents);

// Deletes a file (not a directory). False when there is none or it stays.
bool DeleteDriveFile(std::string_view drivePath);

}  // namespace platform
