#pragma once
// Private profile (INI) files named by drive paths, read and written the way the
// program expects of the system's profile functions.
//
// Section and key names are compared without regard to case. A missing file,
// section or key gives the default. Writes keep comments, blank lines and the order
// of everything, use CR LF line ends, and replace the file atomically (a new file
// beside it, renamed into place): a failed write reports false and leaves the old
// file whole. Nothing is cached; every call reads the file (a write batch, below,
// reads it once).

#include <memory>

namespace platform {

// Copies the value of key in section (or defaultValue, with trailing blanks
// removed, when there is none; null counts as "") into buffer, cut to size - 1
// characters and zero-terminated. Returns the number of characters copied, without
// the terminating zero.
// A null key copies the names of the section's keys instead, a null section the
// names of all sections: each name zero-terminated, the list ended by one more
// zero; when the list does not fit, it is cut and size - 2 is returned.
// Returns 0 and copies nothing when buffer is null or size is below 1.
int GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                            int size, const char* file);

// The value of key read as an integer: leading white space, an optional sign and
// the digits that follow (12abc is 12, -5 is -5, abc is 0; out of range values
// saturate). defaultValue when the key is missing or its value is empty.
int GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const char* file);

// Sets key in section to value, creating the file, section or key as needed. A
// null value deletes the key, a null key the whole section. True when the file
// holds the result (also when nothing had to change); false when section or file
// is null or the file cannot be read or written.
bool WritePrivateProfileString(const char* section, const char* key, const char* value, const char* file);

// Gathers the writes to one file made on this thread while it lives, and puts
// them on disk in one atomic replace of the file: the file is always all old or
// all new, and a save of many keys syncs the disk once. Meanwhile the functions
// above read that file as it will be, so every call answers exactly as the same
// writes done one by one would; a write answers false only when the file could
// not be read (nor would have been written) when the batch began. The file is
// read once, when the batch begins: changes made to it by others meanwhile are
// lost. A batch for a file that another is gathering already joins it and
// commits nothing itself: the outer one does.
class ProfileWriteBatch {
public:
    explicit ProfileWriteBatch(const char* file);
    // Commits what Commit has not.
    ~ProfileWriteBatch();
    ProfileWriteBatch(const ProfileWriteBatch&) = delete;
    ProfileWriteBatch& operator=(const ProfileWriteBatch&) = delete;

    // Writes the file when anything changed, and ends the batch: later calls go
    // to the file directly. True when the file holds the result.
    bool Commit();

    struct State;

private:
    std::unique_ptr<State> state_;  // null once committed, or when joining another batch
};

}  // namespace platform
