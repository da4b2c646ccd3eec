#include "platform/paths/DirectoryListing.h"

#include "platform/paths/ShortNames.h"

#include <dirent.h>
#include <sys/stat.h>

#include <ctime>
#include <map>
#include <mutex>
#include <optional>

#include <algorithm>
#include <memory>

namespace platform {

namespace {

// Long enough for file systems with two-second time stamps and coarse clocks.
constexpr long long kSettledSeconds = 3;
constexpr std::size_t kCachedDirectories = 32;

struct CachedListing {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    timespec changed{};
    std::shared_ptr<const DirectoryListing> listing;
};

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

class ListingCache {
public:
    std::shared_ptr<const DirectoryListing> find(const std::string& directory, const struct stat& info)
    {
        std::lock_guard lock(mutex_);
        const auto it = entries_.find(directory);
        if (it == entries_.end() || it->second.device != info.st_dev || it->second.inode != info.st_ino ||
            !SameTime(it->second.modified, info.st_mtim) || !SameTime(it->second.changed, info.st_ctim))
            return nullptr;
        return it->second.listing;
    }

    // Keeps the listing only when the directory had settled before it was read.
    void store(const std::string& directory, const struct stat& info, const timespec& readAt,
               std::shared_ptr<const DirectoryListing> listing)
    {
        const long long newest = std::max(info.st_mtim.tv_sec, info.st_ctim.tv_sec);
        if (readAt.tv_sec - newest < kSettledSeconds)
            return;
        std::lock_guard lock(mutex_);
        if (entries_.size() >= kCachedDirectories && !entries_.count(directory))
            entries_.clear();
        entries_[directory] = {info.st_dev, info.st_ino, info.st_mtim, info.st_ctim, std::move(listing)};
    }

private:
    std::mutex mutex_;
    std::map<std::string, CachedListing> entries_;
};

ListingCache& Cache()
{
    static ListingCache cache;
    return cache;
}

std::optional<std::vector<std::string>> ReadNames(const std::string& linuxDirectory)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(linuxDirectory.c_str()), closedir);
    if (!dir)
        return std::nullopt;
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    return names;
}

}  // namespace

std::shared_ptr<const DirectoryListing> DirectoryListing::read(const std::string& linuxDirectory)
{
    struct stat info {};
    if (::stat(linuxDirectory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return nullptr;
    if (auto cached = Cache().find(linuxDirectory, info))
        return cached;
    timespec readAt{};
    ::clock_gettime(CLOCK_REALTIME, &readAt);
    auto names = ReadNames(linuxDirectory);
    if (!names)
        return nullptr;
    auto listing = std::make_shared<const DirectoryListing>(fromNames(std::move(*names)));
    struct stat after {};
    // A change while reading shows in the times; such a listing is not kept.
    if (::stat(linuxDirectory.c_str(), &after) == 0 && SameTime(after.st_mtim, info.st_mtim) &&
        SameTime(after.st_ctim, info.st_ctim))
        Cache().store(linuxDirectory, info, readAt, listing);
    return listing;
}

DirectoryListing DirectoryListing::fromNames(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::vector<std::string> aliases = AssignShortNames(names);
    DirectoryListing listing;
    listing.entries_.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        listing.entries_.push_back({std::move(names[i]), std::move(aliases[i])});
    return listing;
}

const DirectoryEntry* DirectoryListing::findExact(std::string_view name) const
{
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), name,
                                     [](const DirectoryEntry& e, std::string_view n) { return e.name < n; });
    return it != entries_.end() && it->name == name ? &*it : nullptr;
}

const DirectoryEntry* DirectoryListing::find(std::string_view component) const
{
    if (component.empty())
        return nullptr;
    if (const DirectoryEntry* exact = findExact(component))
        return exact;
    for (const DirectoryEntry& entry : entries_)
        if (EqualNoCase(entry.name, component))
            return &entry;
    for (const DirectoryEntry& entry : entries_)
        if (!entry.alias.empty() && EqualNoCase(entry.alias, component))
            return &entry;
    return nullptr;
}

}  // namespace platform
