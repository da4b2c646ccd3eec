// Queue speed: adding songs with duplicate refusal, and Sort / Shuffle of a large album.
// Run from build/bin: ./bench_queue
#include "album/IConsoleText.h"
#include "album/TQueueList.h"


#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

class CountingConsole : public IConsoleText {
public:
    void SetConsoleText(int, const char* text) override { last = text; ++writes; }
    std::string last;
    long writes = 0;
};

std::vector<std::string> MakePaths(int n)
{
    std::vector<std::string> paths;
    paths.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        paths.push_back("c:\\music\\disc" + std::to_string(i % 37) + "\\track" + std::to_string(i * 7919 % 100003) + ".mid");
    std::shuffle(paths.begin(), paths.end(), std::mt19937(42));
    return paths;
}

// The line search the index replaces: every line compared in turn.
int FindExactByScan(const TQueueList& queue, const QByteArray& line)
{
    const QString wanted = QString::fromUtf8(line);
    for (int i = 0, n = queue.GetCount(); i < n; ++i)
        if (queue.item(i)->text() == wanted)
            return i;
    return -1;
}

void BM_AddSongsRefusingDuplicates(benchmark::State& state)
{
    const auto paths = MakePaths(static_cast<int>(state.range(0)));
    TQueueList queue;
    CountingConsole console;
    queue.SetConsole(&console);
    for (auto _ : state) {
        for (const auto& p : paths)
            benchmark::DoNotOptimize(queue.AddSong(p.c_str()));
        state.PauseTiming();
        if (queue.GetCount() != state.range(0))
            state.SkipWithError("songs refused");
        queue.ClearSongs();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddSongsRefusingDuplicates)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_AddSongsNaiveScan(benchmark::State& state)
{
    const auto paths = MakePaths(static_cast<int>(state.range(0)));
    TQueueList queue;
    for (auto _ : state) {
        for (const auto& p : paths) {
            const QByteArray line = TSongList::MakeSongLine(p.c_str());
            if (FindExactByScan(queue, line) < 0)
                queue.AddString(line.constData());
        }
        state.PauseTiming();
        queue.ClearSongs();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddSongsNaiveScan)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(2);

void Reorder(benchmark::State& state, bool sort)
{
    const auto paths = MakePaths(static_cast<int>(state.range(0)));
    TQueueList queue;
    CountingConsole console;
    queue.SetConsole(&console);
    std::srand(1);
    for (auto _ : state) {
        state.PauseTiming();
        queue.ClearSongs();
        for (const auto& p : paths)
            queue.AddSong(p.c_str());
        state.ResumeTiming();
        if (sort)
            queue.SortAlbum();
        else
            queue.ShuffleAlbum();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SortAlbum(benchmark::State& state) { Reorder(state, true); }
void BM_ShuffleAlbum(benchmark::State& state) { Reorder(state, false); }
BENCHMARK(BM_SortAlbum)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShuffleAlbum)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv, true);
}
