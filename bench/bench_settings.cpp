// Saving the settings as the program does at exit: every key of the settings
// file, written to a real file on disk. "First" starts from no file (every key
// is new), "Changed" inverts every stored option before each save (every option
// key changes).
#include "frame/TMainFrame.h"
#include "platform/paths/DriveTable.h"
#include "player/IMenuState.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"


#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

std::unique_ptr<frame::TMainFrame> MakeFrame(const std::string& root)
{
    platform::DriveTable::instance().setDrive('b', root);
    auto* console = new player::TMainWindow(nullptr, "b:\\");
    console->settingsPath = "b:\\Vantor.ini";
    auto frame = std::make_unique<frame::TMainFrame>(console);
    frame->Create();
    return frame;
}

void SaveSettings(benchmark::State& state, bool fromNothing)
{
    char pattern[] = "/tmp/vantor-bench-XXXXXX";
    const std::string root = ::mkdtemp(pattern);
    {
        const auto frame = MakeFrame(root);
        player::TMainWindow* console = frame->Client();
        player::IMenuState* menu = frame->FrameMenu();
        const int options[] = {resources::CM_CONTINUOUS_LOOP, resources::CM_RANDOM_ORDER,
                               resources::CM_ELAPSED_TIME,    resources::CM_AUTO_PLAY,
                               resources::CM_RELATIVE_PATHS,  resources::CM_ALLOW_DUPLICATES,
                               resources::CM_CONFIRM_DELETE,  resources::CM_MINI_HELP};
        for (auto _ : state) {
            state.PauseTiming();
            if (fromNothing)
                std::filesystem::remove(root + "/Vantor.ini");
            else
                for (int id : options)
                    menu->SetChecked(id, !menu->IsChecked(id));
            state.ResumeTiming();
            if (console->SaveSettings() != 0)
                state.SkipWithError("the settings could not be saved");
        }
        console->CleanupWindow();
    }
    platform::DriveTable::instance().removeDrive('b');
    std::filesystem::remove_all(root);
}

void BM_SaveSettingsFirst(benchmark::State& state) { SaveSettings(state, true); }
void BM_SaveSettingsChanged(benchmark::State& state) { SaveSettings(state, false); }
BENCHMARK(BM_SaveSettingsFirst)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SaveSettingsChanged)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv, false);
}
