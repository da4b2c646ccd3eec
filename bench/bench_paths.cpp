// Cost of the drive path namespace on a large folder: the short names of a folder
// of 1000 long names that all share their first six characters (the worst case of
// the alias rule), and ShortFullPath of one song in it (what adding or dropping
// each song of such a folder costs).

#include "album/ShortFullPath.h"
#include "platform/paths/DriveTable.h"
#include "platform/paths/PathNamespace.h"
#include "platform/paths/ShortNames.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kSongs = 1000;

std::string SongName(int i) { return "Track " + std::to_string(1000 + i) + " - A Rather Long Title.mid"; }

class Folder {
public:
    // settled: wait until the folder counts as unchanged, as a real music folder does.
    explicit Folder(bool settled)
    {
        char pattern[] = "/tmp/vantor-bench-XXXXXX";
        root_ = ::mkdtemp(pattern);
        std::filesystem::create_directories(root_ + "/My Music");
        for (int i = 0; i < kSongs; ++i)
            std::fclose(std::fopen((root_ + "/My Music/" + SongName(i)).c_str(), "w"));
        platform::DriveTable::instance().setDrive('b', root_);
        if (settled)
            std::this_thread::sleep_for(std::chrono::milliseconds(3500));
    }
    ~Folder() { std::filesystem::remove_all(root_); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

private:
    std::string root_;
};

void BM_AssignShortNames(benchmark::State& state)
{
    std::vector<std::string> names;
    for (int i = 0; i < state.range(0); ++i)
        names.push_back(SongName(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::AssignShortNames(names));
}
BENCHMARK(BM_AssignShortNames)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ShortFullPathInLargeFolder(benchmark::State& state)
{
    const Folder folder(state.range(0) != 0);
    const std::string path = "b:\\my music\\" + platform::LowerAscii(SongName(kSongs / 2));
    char output[260];
    for (auto _ : state) {
        if (ShortFullPath(path.c_str(), output, sizeof output) != 1)
            state.SkipWithError("ShortFullPath failed");
        benchmark::DoNotOptimize(output);
    }
}
// 0: a folder just written (read every time), 1: a settled folder (cached listing).
BENCHMARK(BM_ShortFullPathInLargeFolder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
