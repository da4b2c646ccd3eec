// The queue on the screen with 10,000 songs: repainting a full visible page,
// scrolling by a page, and loading, sorting and shuffling with the list shown.
// On a display (bench/queue_view.sh runs it on Xvfb) or offscreen without one.
#include "album/IConsoleText.h"
#include "album/TQueueList.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kSongs = 10000;

std::vector<QByteArray> MakeLines(int n)
{
    std::vector<QByteArray> lines;
    lines.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const std::string path = "c:\\music\\disc" + std::to_string(i % 37) + "\\track" +
                                 std::to_string(i * 7919 % 100003) + ".mid";
        lines.push_back(TSongList::MakeSongLine(path.c_str()));
    }
    std::shuffle(lines.begin(), lines.end(), std::mt19937(42));
    return lines;
}

// The queue as the list bar shows it: 200 x 92 in a window of its own.
struct ShownQueue {
    ShownQueue()
    {
        queue.resize(200, 92);
        queue.show();
        Load();
        QApplication::processEvents();
    }
    void Load()
    {
        static const std::vector<QByteArray> lines = MakeLines(kSongs);
        std::vector<const char*> texts;
        texts.reserve(lines.size());
        for (const QByteArray& line : lines)
            texts.push_back(line.constData());
        // As the album loader does: no drawing while the lines go in, one repaint after.
        queue.SetRedraw(false);
        queue.ClearList();
        queue.AddStrings(texts);
        queue.SetRedraw(true);
    }
    TQueueList queue;
};

void BM_RepaintVisiblePage(benchmark::State& state)
{
    ShownQueue shown;
    shown.queue.verticalScrollBar()->setValue(kSongs / 2);
    for (auto _ : state)
        shown.queue.viewport()->repaint();
}
BENCHMARK(BM_RepaintVisiblePage)->Unit(benchmark::kMicrosecond);

void BM_ScrollOnePageAndRepaint(benchmark::State& state)
{
    ShownQueue shown;
    QScrollBar* bar = shown.queue.verticalScrollBar();
    int value = 0;
    for (auto _ : state) {
        value = (value + bar->pageStep()) % bar->maximum();
        bar->setValue(value);
        shown.queue.viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollOnePageAndRepaint)->Unit(benchmark::kMicrosecond);

void BM_LoadShown(benchmark::State& state)
{
    ShownQueue shown;
    for (auto _ : state) {
        shown.Load();
        shown.queue.viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * kSongs);
}
BENCHMARK(BM_LoadShown)->Unit(benchmark::kMillisecond);

void Reorder(benchmark::State& state, bool sort)
{
    ShownQueue shown;
    std::srand(1);
    for (auto _ : state) {
        if (sort)
            shown.queue.SortAlbum();
        else
            shown.queue.ShuffleAlbum();
        shown.queue.viewport()->repaint();
        state.PauseTiming();
        if (sort)
            shown.queue.ShuffleAlbum();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kSongs);
}
void BM_SortShown(benchmark::State& state) { Reorder(state, true); }
void BM_ShuffleShown(benchmark::State& state) { Reorder(state, false); }
BENCHMARK(BM_SortShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShuffleShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv, false);
}
