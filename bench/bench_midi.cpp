// MIDI playback costs: rendering a three-minute piece through our sequencer
// against FluidSynth's own player on the same file, SoundFont and settings; and
// the time from opening a song to its first sound with no sound server, the
// first open (SoundFont loading) apart from later ones.

#include "platform/media/SoundOutput.h"
#include "platform/midi/MidiFile.h"
#include "platform/midi/SequencerDriver.h"
#include "platform/midi/SynthHost.h"

#include "ClickTrack.h"

#include <mediagen/MidiWriter.h>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

constexpr int kBlock = 1024;

// 90 s at 120 bpm, then 90 s at 100 bpm: melody, chords, bass, drums, and a
// pad swept by expression and pitch bend.
mediagen::MidiWriter threeMinutePiece()
{
    constexpr std::uint32_t q = 480;
    mediagen::MidiWriter w(1, q);
    const int conductor = w.addTrack();
    w.tempo(conductor, 0, 500000);
    w.tempo(conductor, 180 * q, 600000);
    const std::uint32_t end = 330 * q;
    const int melody = w.addTrack(), chords = w.addTrack(), bass = w.addTrack(), drums = w.addTrack(),
              pad = w.addTrack();
    w.program(melody, 0, 0, 0);
    w.program(chords, 0, 1, 48);
    w.program(bass, 0, 2, 33);
    w.program(pad, 0, 3, 89);
    const int scale[] = {60, 62, 64, 65, 67, 69, 71, 72};
    for (std::uint32_t t = 0, i = 0; t < end; t += q / 2, ++i) {
        const int key = scale[(i * 3) % 8] + ((i / 16) % 2) * 12;
        w.noteOn(melody, t, 0, key, 70 + static_cast<int>(i % 40));
        w.noteOff(melody, t + q / 2 - 10, 0, key);
        w.noteOn(drums, t, 9, 42, 60);
        w.noteOff(drums, t + q / 4, 9, 42);
        if (i % 2 == 0) {
            const int hit = (i % 4 == 0) ? 36 : 38;
            w.noteOn(drums, t, 9, hit, 100);
            w.noteOff(drums, t + q / 4, 9, hit);
            const int root = 36 + scale[(i / 8) % 8] % 12;
            w.noteOn(bass, t, 2, root, 90);
            w.noteOff(bass, t + q - 20, 2, root);
        }
    }
    for (std::uint32_t t = 0, i = 0; t < end; t += 2 * q, ++i) {
        const int root = 48 + scale[i % 8] % 12;
        for (int k : {0, 4, 7}) {
            w.noteOn(chords, t, 1, root + k, 60);
            w.noteOff(chords, t + 2 * q - 5, 1, root + k);
        }
        w.noteOn(pad, t, 3, root + 12, 50);
        w.noteOff(pad, t + 2 * q - 5, 3, root + 12);
    }
    for (std::uint32_t t = 0, i = 0; t < end; t += q / 8, ++i) {
        w.control(pad, t, 3, 11, 40 + static_cast<int>(i % 80));
        w.pitchBend(pad, t, 3, 8192 + static_cast<int>((i % 64) * 32));
    }
    return w;
}

struct Piece {
    Piece()
    {
        path = dir.filePath("piece.mid").toStdString();
        threeMinutePiece().save(path);
        platform::MidiFile file;
        file.load(path);
        lengthMs = file.lengthMs();
    }
    QTemporaryDir dir;
    std::string path;
    std::uint32_t lengthMs = 0;
};

Piece& piece()
{
    static Piece p;
    return p;
}

std::int64_t songFrames()
{
    return std::int64_t{piece().lengthMs} * platform::SynthHost::kSampleRate / 1000;
}

void BM_RenderPiece_Sequencer(benchmark::State& state)
{
    platform::SynthHost& host = platform::SynthHost::instance();
    host.setManualRendering(true);
    if (!host.start()) {
        state.SkipWithError("no synthesizer");
        return;
    }
    std::vector<float> left(kBlock), right(kBlock);
    for (auto _ : state) {
        fluid_synth_system_reset(host.synth());
        platform::SequencerDriver driver;
        driver.open(piece().path);
        bool ended = false;
        driver.setEndHandler([&] { ended = true; });
        driver.play(driver.lengthMs());
        for (std::int64_t done = 0; done < songFrames(); done += kBlock)
            host.render(kBlock, left.data(), right.data());
        benchmark::DoNotOptimize(left.data());
        if (!ended)
            state.SkipWithError("the song did not end at its length");
    }
    state.counters["song_s"] = piece().lengthMs / 1000.0;
}

void BM_RenderPiece_FluidPlayer(benchmark::State& state)
{
    fluid_settings_t* settings = platform::SynthHost::newSettings();
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (fluid_synth_sfload(synth, platform::SynthHost::findSoundFont().c_str(), 1) < 0) {
        state.SkipWithError("no SoundFont");
        return;
    }
    std::vector<float> left(kBlock), right(kBlock);
    for (auto _ : state) {
        fluid_synth_system_reset(synth);
        fluid_player_t* player = new_fluid_player(synth);
        fluid_player_add(player, piece().path.c_str());
        fluid_player_play(player);
        for (std::int64_t done = 0; done < songFrames(); done += kBlock)
            fluid_synth_write_float(synth, kBlock, left.data(), 0, 1, right.data(), 0, 1);
        benchmark::DoNotOptimize(left.data());
        fluid_player_stop(player);
        fluid_player_join(player);
        delete_fluid_player(player);
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
}

// Wall time from open to the synthesizer's first voice, with the real-time
// output (no sound server here: the null output).
double openToFirstSoundMs()
{
    using Clock = std::chrono::steady_clock;
    platform::SynthHost& host = platform::SynthHost::instance();
    const auto begin = Clock::now();
    platform::SequencerDriver driver;
    if (driver.open(piece().path) != 0)
        return -1;
    driver.play(driver.lengthMs());
    while (fluid_synth_get_active_voice_count(host.synth()) == 0) {
        if (Clock::now() - begin > std::chrono::seconds(5))
            return -1;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    driver.close();
    fluid_synth_all_sounds_off(host.synth(), -1);
    return ms;
}

void BM_OpenToFirstSound_First(benchmark::State& state)
{
    for (auto _ : state) {
        const double ms = openToFirstSoundMs();
        if (ms < 0)
            state.SkipWithError("no sound");
        state.SetIterationTime(ms / 1000.0);
    }
    state.SetLabel(platform::SynthHost::instance().outputName());
}

void BM_OpenToFirstSound_Later(benchmark::State& state)
{
    for (auto _ : state) {
        const double ms = openToFirstSoundMs();
        if (ms < 0)
            state.SkipWithError("no sound");
        state.SetIterationTime(ms / 1000.0);
        // Let the voice of the previous open die away before the next.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    state.SetLabel(platform::SynthHost::instance().outputName());
}

}  // namespace

// The first open loads the SoundFont: it must run before anything else starts
// the synthesizer, once.
BENCHMARK(BM_OpenToFirstSound_First)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenToFirstSound_Later)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPiece_Sequencer)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPiece_FluidPlayer)->Iterations(3)->Unit(benchmark::kMillisecond);

namespace {

// For bench/cpu_midi.sh: plays a file in real time for `seconds`, into the null
// output (as the program does with no sound server) or, with `server`, to the
// sound server when one answers.
int playInRealTime(const std::string& path, int seconds, bool server)
{
    platform::SoundOutput::instance().forceNullOutput(!server);
    platform::SequencerDriver driver;
    if (driver.open(path) != 0)
        return 1;
    driver.play(driver.lengthMs());
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    std::printf("played to %u ms on the %s output\n", driver.positionMs(),
                platform::SynthHost::instance().outputName().c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--write-piece")
        return threeMinutePiece().save(argv[2]) ? 0 : 1;
    // For bench/midi_timing.sh and bench/song_gap.sh: click tracks and what a
    // recording of them (raw 16-bit mono at RATE) shows.
    if (argc == 3 && std::string(argv[1]) == "--write-clicks")
        return clicks::tempoMapTrack().midi.save(argv[2]) ? 0 : 1;
    if (argc == 3 && std::string(argv[1]) == "--write-short-songs") {
        for (int i = 1; i <= 3; ++i) {
            if (!clicks::twoSecondSong(clicks::kClaves).save(std::string(argv[2]) + "/song" + std::to_string(i) + ".mid"))
                return 1;
        }
        return 0;
    }
    if (argc == 4 && std::string(argv[1]) == "--timing")
        return clicks::reportTiming(argv[2], std::atoi(argv[3]));
    if (argc == 4 && std::string(argv[1]) == "--gaps")
        return clicks::reportGaps(argv[2], std::atoi(argv[3]));
    if ((argc == 4 || argc == 5) && std::string(argv[1]) == "--play")
        return playInRealTime(argv[2], std::atoi(argv[3]), argc == 5 && std::string(argv[4]) == "server");
    benchmark::Initialize(&argc, argv);
    piece();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
