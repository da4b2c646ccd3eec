#include "DemoMedia.h"

#include "DemoAlbum.h"
#include "Pieces.h"
#include "ToneSynth.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace mediagen {

namespace {

void put(std::vector<std::uint8_t>& frame, int width, int x, int y, std::uint8_t b, std::uint8_t g, std::uint8_t r)
{
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
    frame[at] = b;
    frame[at + 1] = g;
    frame[at + 2] = r;
}

}  // namespace

PcmAudio chimesAudio()
{
    ToneSynth synth(22050, 4.0);
    const int keys[] = {72, 76, 79, 84, 79, 76, 72, 67};
    for (int i = 0; i < 8; ++i)
        synth.bell(i * 0.4, 1.2, keyFrequency(keys[i]), 0.35);
    synth.bell(3.2, 0.8, keyFrequency(60), 0.3);
    synth.bell(3.2, 0.8, keyFrequency(64), 0.3);
    return synth.render();
}

PcmAudio testTone(double seconds, double frequency)
{
    ToneSynth synth(22050, seconds);
    synth.sine(0, seconds, frequency, 0.5);
    return synth.render();
}

VideoClip colourBarsClip(int width, int height, int fps, double seconds, double toneHz)
{
    static constexpr std::uint8_t bars[7][3] = {
        {255, 255, 255}, {0, 255, 255}, {255, 255, 0}, {0, 255, 0}, {255, 0, 255}, {0, 0, 255}, {255, 0, 0}};
    VideoClip clip;
    clip.width = width;
    clip.height = height;
    clip.fps = fps;
    const int frameCount = static_cast<int>(std::lround(seconds * fps));
    for (int f = 0; f < frameCount; ++f) {
        std::vector<std::uint8_t> frame(clip.frameBytes());
        const int shift = f * width / std::max(1, frameCount);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const auto& c = bars[((x + shift) * 7 / width) % 7];
                put(frame, width, x, y, c[0], c[1], c[2]);
            }
        // A black square crossing the picture shows that frames advance.
        const int size = height / 4;
        const int left = (width - size) * f / std::max(1, frameCount - 1);
        for (int y = (height - size) / 2; y < (height + size) / 2; ++y)
            for (int x = left; x < left + size; ++x)
                put(frame, width, x, y, 0, 0, 0);
        clip.frames.push_back(std::move(frame));
    }
    ToneSynth synth(22050, seconds);
    for (int beat = 0; beat < static_cast<int>(seconds * 2); ++beat)
        synth.bell(beat * 0.5, 0.45, toneHz * (beat % 2 ? 1.5 : 1.0), 0.4);
    clip.audio = synth.render();
    return clip;
}

std::vector<std::string> writeAll(const std::string& outDir)
{
    namespace fs = std::filesystem;
    const fs::path root(outDir);
    fs::create_directories(root / "demo");
    fs::create_directories(root / "testdata");
    std::vector<std::string> written;
    auto check = [&](bool ok, const fs::path& path) {
        if (!ok)
            throw std::runtime_error("cannot write " + path.string());
        written.push_back(path.string());
    };
    auto midi = [&](const MidiWriter& w, const fs::path& path) { check(w.save(path.string()), path); };
    auto wave = [&](const PcmAudio& a, const fs::path& path) { check(WaveWriter::save(a, path.string()), path); };
    auto avi = [&](const VideoClip& c, const fs::path& path) { check(AviWriter::save(c, path.string()), path); };

    midi(minuetInG(), root / "demo" / "minuet.mid");
    midi(odeToJoy(), root / "demo" / "ode.mid");
    midi(frereJacques(), root / "demo" / "jacques.mid");
    midi(resetMessages(), root / "demo" / "reset.mid");
    midi(resetMessages(), root / "reset.mid");
    wave(chimesAudio(), root / "demo" / "chimes.wav");
    avi(colourBarsClip(160, 120, 10, 5.0, 392.0), root / "demo" / "colours.avi");
    check(saveDemoAlbum((root / "default.alb").string()), root / "default.alb");

    midi(testSong(), root / "testdata" / "song2s.mid");
    wave(testTone(1.0, 440.0), root / "testdata" / "tone1s.wav");
    avi(colourBarsClip(80, 60, 10, 1.0, 523.25), root / "testdata" / "clip1s.avi");
    return written;
}

}  // namespace mediagen
