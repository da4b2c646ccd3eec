#pragma once
// The machine's physical memory, as the program expects of its system: the
// total and what is available to a new program without swapping (the kernel's
// MemAvailable, or MemFree on kernels too old to report it), in bytes.

#include <cstdint>
#include <string_view>

namespace platform {

struct MemoryStatus {
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
};

// The status read from the text of /proc/meminfo (lines "Name:  value kB");
// a figure the text does not give is 0.
MemoryStatus MemoryStatusFromMemInfo(std::string_view memInfo);

// The running machine's status; all 0 when it cannot be read.
MemoryStatus GlobalMemoryStatus();

}  // namespace platform
