#include "platform/paths/PathNamespace.h"

#include "platform/paths/DirectoryListing.h"
#include "platform/paths/DriveTable.h"
#include "platform/paths/ShortNames.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace platform {

namespace {

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (end > start)
            parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string Join(const std::string& directory, const std::string& name)
{
    return directory == "/" ? "/" + name : directory + "/" + name;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsDirectory(const std::string& linuxPath)
{
    struct stat info {};
    return stat(linuxPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& linuxPath)
{
    struct stat info {};
    return lstat(linuxPath.c_str(), &info) == 0;
}

// The on-disk name of component in directory, or nothing.
std::optional<std::string> Resolve(const std::string& directory, const std::string& component)
{
    const std::string direct = Join(directory, component);
    if (Exists(direct))
        return component;
    const auto listing = DirectoryListing::read(directory);
    if (!listing)
        return std::nullopt;
    if (const DirectoryEntry* entry = listing->find(component))
        return entry->name;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FullPathName(std::string_view path)
{
    std::string p(path);
    if (p.empty() || p.find('\0') != std::string::npos)
        return std::nullopt;
    for (char& c : p)
        if (c == '/')
            c = '\\';
    if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\')
        return std::nullopt;

    std::string drive;
    std::string rest;
    if (p.size() >= 2 && p[1] == ':') {
        if (!IsLetter(p[0]))
            return std::nullopt;
        drive = p.substr(0, 2);
        rest = p.substr(2);
        if (rest.empty() || rest.front() != '\\') {
            const std::string current = GetCurrentDrivePath();
            const bool sameDrive = EqualNoCase(current.substr(0, 1), drive.substr(0, 1));
            rest = (sameDrive ? current.substr(2) : std::string()) + "\\" + rest;
        }
    } else {
        const std::string current = GetCurrentDrivePath();
        drive = current.substr(0, 2);
        rest = p.front() == '\\' ? p : current.substr(2) + "\\" + p;
    }

    std::vector<std::string> components;
    for (std::string& part : Split(rest, '\\')) {
        if (part == ".")
            continue;
        if (part == "..") {
            if (!components.empty())
                components.pop_back();
            continue;
        }
        components.push_back(std::move(part));
    }
    std::string full = drive + "\\";
    for (std::size_t i = 0; i < components.size(); ++i)
        full += (i ? "\\" : "") + components[i];
    if (!components.empty() && p.back() == '\\')
        full += '\\';
    if (full.size() > kMaxPath)
        return std::nullopt;
    return full;
}

std::string GetCurrentDrivePath() { return DriveTable::instance().currentDirectory(); }

bool SetCurrentDrivePath(std::string_view path)
{
    const auto full = FullPathName(path);
    if (!full || !IsDriveDirectory(*full))
        return false;
    DriveTable::instance().setCurrentDirectory(*full);
    return true;
}

std::optional<std::string> ToLinuxPath(std::string_view drivePath)
{
    const auto full = FullPathName(drivePath);
    if (!full)
        return std::nullopt;
    auto host = DriveTable::instance().directory((*full)[0]);
    if (!host)
        return std::nullopt;
    const std::vector<std::string> components = Split(std::string_view(*full).substr(3), '\\');
    for (std::size_t i = 0; i < components.size(); ++i) {
        const bool last = i + 1 == components.size();
        if (!IsDirectory(*host))
            return std::nullopt;  // a missing directory, or a path through a file
        const auto name = Resolve(*host, components[i]);
        if (!name && !last)
            return std::nullopt;
        *host = Join(*host, name ? *name : components[i]);
    }
    return host;
}

std::optional<std::string> FromLinuxPath(std::string_view linuxPath)
{
    if (linuxPath.empty() || linuxPath.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::error_code error;
    std::filesystem::path path(linuxPath);
    if (path.is_relative()) {
        path = std::filesystem::current_path(error) / path;
        if (error)
            return std::nullopt;
    }
    path = std::filesystem::weakly_canonical(path, error);
    if (error)
        return std::nullopt;
    std::string absolute = path.string();
    while (absolute.size() > 1 && absolute.back() == '/')
        absolute.pop_back();

    const auto drive = DriveTable::instance().driveFor(absolute);
    if (!drive)
        return std::nullopt;
    std::string directory = *DriveTable::instance().directory(drive->first);
    std::string result = std::string(1, drive->first) + ":\\";
    const std::vector<std::string> components = Split(drive->second, '/');
    for (std::size_t i = 0; i < components.size(); ++i) {
        const std::string& component = components[i];
        const auto listing = DirectoryListing::read(directory);
        const DirectoryEntry* entry = listing ? listing->findExact(component) : nullptr;
        if (entry)
            result += LowerAscii(entry->shortName());
        else if (i + 1 == components.size() && IsValidShortName(component))
            result += LowerAscii(component);
        else
            return std::nullopt;
        if (i + 1 < components.size())
            result += '\\';
        directory = Join(directory, component);
    }
    if (result.size() > kMaxPath)
        return std::nullopt;
    return result;
}

std::optional<FindData> FindFile(std::string_view drivePath)
{
    const auto full = FullPathName(drivePath);
    if (!full)
        return std::nullopt;
    std::string_view text(*full);
    while (text.size() > 3 && text.back() == '\\')
        text.remove_suffix(1);
    const std::size_t slash = text.rfind('\\');
    if (slash == 2 && text.size() == 3)
        return std::nullopt;  // a drive root is not an entry of any directory
    const auto parent = ToLinuxPath(text.substr(0, slash + 1));
    if (!parent)
        return std::nullopt;
    const auto listing = DirectoryListing::read(*parent);
    if (!listing)
        return std::nullopt;
    const DirectoryEntry* entry = listing->find(text.substr(slash + 1));
    if (!entry)
        return std::nullopt;
    return FindData{entry->name, entry->alias, IsDirectory(Join(*parent, entry->name))};
}

bool DrivePathExists(std::string_view drivePath)
{
    const auto host = ToLinuxPath(drivePath);
    return host && Exists(*host);
}

bool IsDriveDirectory(std::string_view drivePath)
{
    const auto host = ToLinuxPath(drivePath);
    return host && IsDirectory(*host);
}

}  // namespace platform
