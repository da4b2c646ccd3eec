#pragma once
// [General] Version: the version of the program that last saved the file.

#include <string>

namespace settings {

// Whether kVersion is to be written over the stored value: only when the stored
// value does not compare above it (a later version's file is not lowered).
bool VersionNeedsWriting(const char* storedVersion);

// Reads the stored value (default kVersion) and writes kVersion when the rule
// above asks for it. False when that write failed.
bool WriteVersion(const std::string& settingsPath);

}  // namespace settings
