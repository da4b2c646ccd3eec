// Loading and saving a 10,000-song album whose songs exist on a temporary drive,
// through the console (queue lines, redraw off, messages every ten songs), and
// the parts of it alone: reading the words, adding the lines, writing the file.
// Run from build/bin: ./bench_album

#include "album/AlbumFile.h"
#include "album/TQueueList.h"
#include "platform/paths/DriveFile.h"
#include "platform/paths/DriveTable.h"
#include "player/IMenuState.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kSongs = 10000;
constexpr int kFolders = 100;

// The options as check marks, without a menu bar.
class Options : public player::IMenuState {
public:
    bool IsChecked(int id) const override { return checked.count(id) != 0; }
    void SetChecked(int id, bool on) override { on ? (void)checked.insert(id) : (void)checked.erase(id); }
    void SetEnabled(int, bool) override {}
    QMenu* RootMenu() const override { return nullptr; }
    std::set<int> checked;
};

// Drive b: with kSongs song files in kFolders folders and an album listing them.
class SongDrive {
public:
    SongDrive()
    {
        char pattern[] = "/tmp/vantor-bench-XXXXXX";
        root_ = ::mkdtemp(pattern);
        std::string album = "0\r\n";
        for (int f = 0; f < kFolders; ++f) {
            const std::string folder = "disc" + std::to_string(f);
            std::filesystem::create_directories(root_ + "/music/" + folder);
            for (int i = 0; i < kSongs / kFolders; ++i) {
                const std::string name = "track" + std::to_string(i) + ".mid";
                std::fclose(std::fopen((root_ + "/music/" + folder + "/" + name).c_str(), "w"));
                album += "b:\\music\\" + folder + "\\" + name + "\r\n";
            }
        }
        platform::DriveTable::instance().setDrive('b', root_);
        platform::ReplaceDriveFile("b:\\music\\big.alb", album);
        made_ = std::chrono::steady_clock::now();
    }
    // Folders changed in the last few seconds are listed anew at each look-up;
    // a user's music folders have long settled.
    void WaitUntilSettled() const { std::this_thread::sleep_until(made_ + std::chrono::seconds(4)); }
    ~SongDrive() { std::filesystem::remove_all(root_); }
    SongDrive(const SongDrive&) = delete;
    SongDrive& operator=(const SongDrive&) = delete;

private:
    std::string root_;
    std::chrono::steady_clock::time_point made_;
};

const SongDrive& Drive()
{
    static const SongDrive drive;
    return drive;
}

struct Console {
    Console() : window(nullptr, "b:\\prog")
    {
        queue.SetConsole(&window);
        queue.SetOptions(&window);
        window.SetQueue(&queue);
        window.frameMenu = &options;
    }
    Options options;
    TQueueList queue;
    player::TMainWindow window;
};

// Arg: Show Long Names off (0) or on (1: each song's name is looked up as it is
// added, in folders that have settled).
void BM_LoadAlbum(benchmark::State& state)
{
    Drive();
    Console console;
    if (state.range(0)) {
        Drive().WaitUntilSettled();
        console.options.checked.insert(resources::CM_SHOW_LONG_NAMES);
    }
    for (auto _ : state) {
        if (console.window.LoadAlbum("b:\\music\\big.alb") != 0 || console.queue.GetCount() != kSongs)
            state.SkipWithError("album not loaded");
    }
}
BENCHMARK(BM_LoadAlbum)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Arg: Save as Relative Paths off (0) or on (1).
void BM_SaveAlbum(benchmark::State& state)
{
    Drive();
    Console console;
    console.window.LoadAlbum("b:\\music\\big.alb");
    if (state.range(0))
        console.options.checked.insert(resources::CM_RELATIVE_PATHS);
    for (auto _ : state) {
        if (console.window.WriteAlbum("b:\\music\\copy.alb") != 0)
            state.SkipWithError("album not saved");
    }
}
BENCHMARK(BM_SaveAlbum)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The load's parts: the words alone, then the queue lines alone.
void BM_ReadAlbumWords(benchmark::State& state)
{
    Drive();
    for (auto _ : state) {
        std::FILE* file = platform::OpenDriveFile("b:\\music\\big.alb", "r");
        AlbumReader reader(file);
        int index = 0;
        reader.ReadIndex(index);
        std::string word;
        int count = 0;
        while (reader.NextSong(word))
            ++count;
        std::fclose(file);
        if (count != kSongs)
            state.SkipWithError("words missing");
    }
}
BENCHMARK(BM_ReadAlbumWords)->Unit(benchmark::kMillisecond);

void BM_AddQueueLines(benchmark::State& state)
{
    std::vector<std::string> paths;
    for (int i = 0; i < kSongs; ++i)
        paths.push_back("b:\\music\\disc" + std::to_string(i / 100) + "\\track" + std::to_string(i % 100) + ".mid");
    TQueueList queue;
    for (auto _ : state) {
        queue.ClearSongs();
        queue.SetRedraw(false);
        for (const std::string& path : paths)
            queue.AddSong(path.c_str());
        queue.SetRedraw(true);
    }
}
BENCHMARK(BM_AddQueueLines)->Unit(benchmark::kMillisecond);

// The save's file part: the text built and put in place.
void BM_CommitAlbum(benchmark::State& state)
{
    Drive();
    for (auto _ : state) {
        AlbumWriter writer;
        writer.WriteIndex(0);
        for (int i = 0; i < kSongs; ++i)
            writer.WriteSong("b:\\music\\disc" + std::to_string(i / 100) + "\\track" + std::to_string(i % 100) + ".mid");
        if (!writer.Commit("b:\\music\\copy.alb"))
            state.SkipWithError("not written");
    }
}
BENCHMARK(BM_CommitAlbum)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
