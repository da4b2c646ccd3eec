#include "platform/paths/DriveTable.h"

#include "platform/paths/PathNamespace.h"

#include <QDir>

#include <filesystem>
#include <system_error>

namespace platform {

namespace {

std::optional<char> DriveIndex(char letter)
{
    if (letter >= 'A' && letter <= 'Z')
        letter = static_cast<char>(letter - 'A' + 'a');
    if (letter < 'a' || letter > 'z')
        return std::nullopt;
    return letter;
}

std::string Canonical(const std::string& directory)
{
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(directory, error);
    std::string text = error ? std::filesystem::path(directory).lexically_normal().string() : canonical.string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::map<char, std::string> DefaultDrives()
{
    return {{'c', Canonical(QDir::homePath().toStdString())}, {'z', "/"}};
}

}  // namespace

DriveTable& DriveTable::instance()
{
    static DriveTable table;
    return table;
}

DriveTable::DriveTable() : drives_(DefaultDrives()) {}

bool DriveTable::setDrive(char letter, const std::string& directory)
{
    const auto index = DriveIndex(letter);
    if (!index || directory.empty())
        return false;
    std::string path = directory;
    if (path == "~" || path.rfind("~/", 0) == 0)
        path = QDir::homePath().toStdString() + path.substr(1);
    if (path.front() != '/')
        return false;
    const std::string canonical = Canonical(path);
    std::lock_guard lock(mutex_);
    drives_[*index] = canonical;
    return true;
}

bool DriveTable::removeDrive(char letter)
{
    const auto index = DriveIndex(letter);
    std::lock_guard lock(mutex_);
    return index && drives_.erase(*index) > 0;
}

void DriveTable::resetToDefaults()
{
    auto defaults = DefaultDrives();
    std::lock_guard lock(mutex_);
    drives_ = std::move(defaults);
    current_.reset();
}

std::optional<std::string> DriveTable::directory(char letter) const
{
    const auto index = DriveIndex(letter);
    std::lock_guard lock(mutex_);
    if (!index)
        return std::nullopt;
    const auto it = drives_.find(*index);
    if (it == drives_.end())
        return std::nullopt;
    return it->second;
}

std::map<char, std::string> DriveTable::drives() const
{
    std::lock_guard lock(mutex_);
    return drives_;
}

std::optional<std::pair<char, std::string>> DriveTable::driveFor(const std::string& linuxPath) const
{
    if (linuxPath.empty() || linuxPath.front() != '/')
        return std::nullopt;
    std::lock_guard lock(mutex_);
    std::optional<std::pair<char, std::string>> best;
    std::size_t bestLength = 0;
    for (const auto& [letter, dir] : drives_) {
        std::string rest;
        if (dir == "/") {
            rest = linuxPath.substr(1);
        } else if (linuxPath.compare(0, dir.size(), dir) == 0 &&
                   (linuxPath.size() == dir.size() || linuxPath[dir.size()] == '/')) {
            rest = linuxPath.size() == dir.size() ? std::string() : linuxPath.substr(dir.size() + 1);
        } else {
            continue;
        }
        // Equal lengths: the lower letter, so the choice never depends on map order.
        if (!best || dir.size() > bestLength) {
            best = std::make_pair(letter, rest);
            bestLength = dir.size();
        }
    }
    return best;
}

std::string DriveTable::currentDirectory() const
{
    {
        std::lock_guard lock(mutex_);
        if (current_)
            return *current_;
    }
    std::error_code error;
    const auto cwd = std::filesystem::current_path(error);
    if (!error) {
        if (auto drivePath = FromLinuxPath(cwd.string()))
            return *drivePath;
    }
    return "c:\\";
}

void DriveTable::setCurrentDirectory(const std::string& drivePath)
{
    std::lock_guard lock(mutex_);
    current_ = drivePath;
}

DriveTable::Snapshot DriveTable::snapshot() const
{
    std::lock_guard lock(mutex_);
    return {drives_, current_};
}

void DriveTable::restore(const Snapshot& snapshot)
{
    std::lock_guard lock(mutex_);
    drives_ = snapshot.drives;
    current_ = snapshot.currentDirectory;
}

}  // namespace platform
