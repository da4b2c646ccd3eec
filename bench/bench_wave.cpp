// Open-to-first-sound of a wave song with no sound server: from open() of the
// file until the song's position has started to move (buffers are being played).
#include "platform/gst/GstMediaDriver.h"
#include "platform/media/SoundOutput.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

std::string wavePath()
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "testdata" / "tone1s.wav").string();
}

void BM_WaveOpenToFirstSound(benchmark::State& state)
{
    platform::SoundOutput::instance().forceNullOutput(true);
    const std::string path = wavePath();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        platform::GstMediaDriver driver(platform::GstMediaDriver::Kind::Wave);
        if (driver.open(path) != 0 || driver.play(driver.lengthMs()) != 0) {
            state.SkipWithError("cannot play the test wave");
            return;
        }
        while (driver.positionMs() == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_WaveOpenToFirstSound)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
