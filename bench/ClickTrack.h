#pragma once
// Click tracks for measuring timing on the real audio path: MIDI files of short
// percussive clicks whose times are known, and the onsets found again in a
// recording of them (raw signed 16-bit mono). Used by bench/midi_timing.sh and
// bench/song_gap.sh through bench_midi's command line.

#include <mediagen/MidiWriter.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace clicks {

constexpr int kDivision = 480;
constexpr int kDrums = 9;
constexpr int kClaves = 75;   // a sharp attack that dies away within 0.1 s

struct Track {
    mediagen::MidiWriter midi{1, kDivision};
    std::vector<double> clickSeconds;   // when each click is due, from the tempo map
};

// About 30 s of clicks on beats and off-beats under six tempos, slow and fast,
// changed mid-bar as well as on the bar line.
inline Track tempoMapTrack()
{
    struct Stretch {
        std::uint32_t usPerQuarter;
        int clicks;
        std::uint32_t ticksApart;
    };
    const Stretch stretches[] = {
        {500000, 12, kDivision},     {400000, 16, kDivision},     {750000, 8, kDivision},
        {600000, 16, kDivision / 2}, {333333, 12, kDivision * 3 / 4}, {1000000, 6, kDivision / 2},
    };
    Track t;
    const int conductor = t.midi.addTrack();
    const int beat = t.midi.addTrack();
    std::uint32_t tick = 0;
    double seconds = 0;
    for (const Stretch& s : stretches) {
        t.midi.tempo(conductor, tick, s.usPerQuarter);
        for (int i = 0; i < s.clicks; ++i) {
            t.midi.noteOn(beat, tick, kDrums, kClaves, 110);
            t.midi.noteOff(beat, tick + s.ticksApart / 2, kDrums, kClaves);
            t.clickSeconds.push_back(seconds);
            tick += s.ticksApart;
            seconds += s.ticksApart * (s.usPerQuarter / 1e6) / kDivision;
        }
    }
    return t;
}

// A 2-second song: clicks at 0, 0.5, 1 and 1.5 s, the last held to the end.
constexpr double kSongClickApart = 0.5;
constexpr int kSongClicks = 4;
inline mediagen::MidiWriter twoSecondSong(int key)
{
    mediagen::MidiWriter w(0, kDivision);
    const int t = w.addTrack();
    w.tempo(t, 0, 500000);
    for (int i = 0; i < kSongClicks; ++i) {
        w.noteOn(t, i * kDivision, kDrums, key, 110);
        w.noteOff(t, (i + 1) * kDivision, kDrums, key);
    }
    return w;
}

// Raw signed 16-bit little-endian mono samples.
inline std::vector<float> readRaw(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<float> samples;
    char b[2];
    while (in.read(b, 2))
        samples.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(b[0]) | (b[1] << 8)) / 32768.0f);
    return samples;
}

// Seconds at which the signal first rises above a quarter of its loudest peak
// after at least 60 ms below a twentieth of it: one time per click.
inline std::vector<double> onsets(const std::vector<float>& samples, int rate)
{
    float peak = 0;
    for (float s : samples)
        peak = std::max(peak, std::fabs(s));
    std::vector<double> found;
    if (peak < 0.01f)
        return found;
    const float high = peak / 4, low = peak / 20;
    const std::size_t quietNeeded = static_cast<std::size_t>(rate * 0.06);
    std::size_t quiet = quietNeeded;
    bool armed = true;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const float a = std::fabs(samples[i]);
        quiet = a < low ? quiet + 1 : 0;
        if (quiet >= quietNeeded)
            armed = true;
        if (armed && a >= high) {
            found.push_back(static_cast<double>(i) / rate);
            armed = false;
        }
    }
    return found;
}

// The click track against its tempo map, the recording's delay (the median
// difference) taken out: prints the worst and mean deviation. Non-zero when the
// clicks found do not match the clicks due.
inline int reportTiming(const std::string& rawPath, int rate)
{
    const std::vector<double> due = tempoMapTrack().clickSeconds;
    const std::vector<double> heard = onsets(readRaw(rawPath), rate);
    if (heard.size() != due.size()) {
        std::printf("found %zu clicks, expected %zu\n", heard.size(), due.size());
        return 1;
    }
    std::vector<double> diff;
    for (std::size_t i = 0; i < due.size(); ++i)
        diff.push_back(heard[i] - due[i]);
    std::vector<double> sorted = diff;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double delay = sorted[sorted.size() / 2];
    double worst = 0, sum = 0;
    std::size_t worstAt = 0;
    for (std::size_t i = 0; i < diff.size(); ++i) {
        const double d = std::fabs(diff[i] - delay);
        sum += d;
        if (d > worst) {
            worst = d;
            worstAt = i;
        }
    }
    std::printf("%zu clicks: worst %.1f ms (click %zu), mean %.2f ms\n", due.size(), worst * 1000, worstAt + 1,
                sum / diff.size() * 1000);
    return 0;
}

// Songs of twoSecondSong() one after another: for each change, the time from
// the end of one song (its last click plus half a second) to the first click
// of the next. Prints every gap, their mean and the worst.
inline int reportGaps(const std::string& rawPath, int rate)
{
    const std::vector<double> heard = onsets(readRaw(rawPath), rate);
    std::vector<double> gaps;
    for (std::size_t first = 0; first + kSongClicks < heard.size(); first += kSongClicks) {
        // A late click within a song is a timing fault, not a gap: said, and the
        // song's end still counted from its last click.
        for (int i = 1; i < kSongClicks; ++i) {
            const double apart = heard[first + i] - heard[first + i - 1];
            if (std::fabs(apart - kSongClickApart) > 0.003)
                std::printf("song %zu: clicks %d and %d are %.1f ms apart\n", first / kSongClicks + 1, i, i + 1,
                            apart * 1000);
        }
        const double end = heard[first + kSongClicks - 1] + kSongClickApart;
        gaps.push_back(heard[first + kSongClicks] - end);
    }
    if (gaps.empty()) {
        std::printf("no song change heard (%zu clicks)\n", heard.size());
        return 1;
    }
    double sum = 0, worst = gaps[0];
    std::printf("gaps (ms):");
    for (double g : gaps) {
        std::printf(" %.1f", g * 1000);
        sum += g;
        worst = std::max(worst, g);
    }
    std::printf("\n%zu song changes: mean gap %.1f ms, worst %.1f ms\n", gaps.size(), sum / gaps.size() * 1000,
                worst * 1000);
    return 0;
}

}  // namespace clicks
