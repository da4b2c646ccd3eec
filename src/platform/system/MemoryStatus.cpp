#include "platform/system/MemoryStatus.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace platform {

namespace {

// The figure of the line "name: value kB" in bytes, or nothing when no line has that name.
std::optional<std::uint64_t> MemInfoBytes(std::string_view memInfo, std::string_view name)
{
    std::size_t start = 0;
    while (start < memInfo.size()) {
        std::size_t end = memInfo.find('\n', start);
        if (end == std::string_view::npos)
            end = memInfo.size();
        const std::string_view line = memInfo.substr(start, end - start);
        start = end + 1;
        if (line.size() <= name.size() || line.substr(0, name.size()) != name || line[name.size()] != ':')
            continue;
        std::string_view rest = line.substr(name.size() + 1);
        const std::size_t digits = rest.find_first_not_of(" \t");
        if (digits == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(digits);
        std::uint64_t value = 0;
        const auto [next, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (error != std::errc())
            return std::nullopt;
        // The kernel writes "kB" and means KiB; a figure without a unit is bytes.
        const std::string_view unit = std::string_view(next, rest.data() + rest.size() - next);
        return unit.find("kB") != std::string_view::npos ? value * 1024 : value;
    }
    return std::nullopt;
}

}  // namespace

MemoryStatus MemoryStatusFromMemInfo(std::string_view memInfo)
{
    MemoryStatus status;
    status.totalPhys = MemInfoBytes(memInfo, "MemTotal").value_or(0);
    status.availPhys = MemInfoBytes(memInfo, "MemAvailable").value_or(MemInfoBytes(memInfo, "MemFree").value_or(0));
    return status;
}

MemoryStatus GlobalMemoryStatus()
{
    std::ifstream file("/proc/meminfo");
    if (!file)
        return {};
    std::ostringstream text;
    text << file.rdbuf();
    return MemoryStatusFromMemInfo(text.str());
}

}  // namespace platform
