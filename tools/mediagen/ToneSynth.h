#pragma once
// Mixes simple tones into a buffer and renders 16-bit PCM: enough for short,
// recognisable wave clips without any third-party recording.

#include "WaveWriter.h"

#include <vector>

namespace mediagen {

class ToneSynth {
public:
    ToneSynth(int sampleRate, double seconds);

    // A steady sine with 5 ms fades at both ends (no clicks).
    void sine(double start, double length, double frequency, double amplitude);
    // A bell-like tone: a few inharmonic partials decaying at their own rates.
    void bell(double start, double length, double frequency, double amplitude);

    // Mono PCM; peaks above full scale are clipped.
    PcmAudio render() const;
    int sampleRate() const { return rate_; }

private:
    void partial(double start, double length, double frequency, double amplitude, double decayPerSecond);

    int rate_;
    std::vector<double> mix_;
};

// MIDI key to frequency in hertz (A4 = key 69 = 440 Hz).
double keyFrequency(int key);

}  // namespace mediagen
