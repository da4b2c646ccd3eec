#include "platform/system/MemoryStatus.h"

#include <gtest/gtest.h>

using platform::MemoryStatusFromMemInfo;

namespace {

TEST(MemoryStatus, ReadFromTheKernelsMemoryReport)
{
    // As the kernel writes it, with a name that merely begins like another.
    const char* report = "MemTotalX:            1 kB\n"
                         "MemTotal:         65536 kB\n"
                         "MemFree:           8192 kB\n"
                         "MemAvailable:     20480 kB\n"
                         "HugePages_Total:      0\n";
    const platform::MemoryStatus status = MemoryStatusFromMemInfo(report);
    EXPECT_EQ(status.totalPhys, 65536u * 1024);
    EXPECT_EQ(status.availPhys, 20480u * 1024);

    // Kernels before MemAvailable: the free memory stands for it.
    EXPECT_EQ(MemoryStatusFromMemInfo("MemFree: 8192 kB\nMemTotal: 65536 kB").availPhys, 8192u * 1024);

    const platform::MemoryStatus none = MemoryStatusFromMemInfo("MemTotal: lots\n");
    EXPECT_EQ(none.totalPhys, 0u);
    EXPECT_EQ(none.availPhys, 0u);
}

}  // namespace
