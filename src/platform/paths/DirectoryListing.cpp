#include "platform/paths/DirectoryListing.h"

#include "platform/paths/ShortNames.h"

#include <dirent.h>

#include <algorithm>
#include <memory>

namespace platform {

std::optional<DirectoryListing> DirectoryListing::read(const std::string& linuxDirectory)
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
    return fromNames(std::move(names));
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
