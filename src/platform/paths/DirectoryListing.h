#pragma once
// The entries of one Linux directory with their short names (see ShortNames.h),
// and the lookup of a drive-path component among them.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct DirectoryEntry {
    std::string name;   // as stored on disk
    std::string alias;  // upper-case 8.3 alias; empty when name is its own short name

    const std::string& shortName() const { return alias.empty() ? name : alias; }
};

class DirectoryListing {
public:
    // Null when the directory cannot be read. A directory left unchanged for a
    // few seconds is read from a small cache, whose listing is shared, not copied:
    // any later change to its entries moves its modification time past the one
    // cached, so a stale listing is never used.
    static std::shared_ptr<const DirectoryListing> read(const std::string& linuxDirectory);
    // A listing of the given names, as if read from a directory that holds them.
    static DirectoryListing fromNames(std::vector<std::string> names);

    // The entry a component names: the entry of exactly that name; else the first
    // entry in byte order whose name equals it without regard to case; else the
    // entry whose alias equals it without regard to case. Null when none does.
    const DirectoryEntry* find(std::string_view component) const;
    // Only an entry of exactly this name.
    const DirectoryEntry* findExact(std::string_view name) const;

    // Sorted by name in byte order.
    const std::vector<DirectoryEntry>& entries() const { return entries_; }

private:
    std::vector<DirectoryEntry> entries_;
};

}  // namespace platform
