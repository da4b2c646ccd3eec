#include "ToneSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace mediagen {

ToneSynth::ToneSynth(int sampleRate, double seconds)
    : rate_(sampleRate)
{
    if (sampleRate < 1000 || seconds <= 0 || seconds > 600)
        throw std::invalid_argument("ToneSynth: bad rate or length");
    mix_.assign(static_cast<std::size_t>(std::lround(seconds * sampleRate)), 0.0);
}

void ToneSynth::partial(double start, double length, double frequency, double amplitude, double decayPerSecond)
{
    const auto first = static_cast<std::size_t>(std::max(0.0, start) * rate_);
    const auto count = static_cast<std::size_t>(length * rate_);
    const double fade = 0.005 * rate_;
    for (std::size_t i = 0; i < count && first + i < mix_.size(); ++i) {
        const double t = static_cast<double>(i) / rate_;
        double envelope = std::exp(-decayPerSecond * t);
        envelope *= std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(count - i) / fade});
        mix_[first + i] += amplitude * envelope * std::sin(2 * std::numbers::pi * frequency * t);
    }
}

void ToneSynth::sine(double start, double length, double frequency, double amplitude)
{
    partial(start, length, frequency, amplitude, 0.0);
}

void ToneSynth::bell(double start, double length, double frequency, double amplitude)
{
    partial(start, length, frequency, amplitude * 0.6, 2.0);
    partial(start, length, frequency * 2.0, amplitude * 0.25, 3.5);
    partial(start, length, frequency * 2.76, amplitude * 0.15, 5.0);
    partial(start, length, frequency * 5.4, amplitude * 0.08, 8.0);
}

PcmAudio ToneSynth::render() const
{
    PcmAudio audio;
    audio.sampleRate = rate_;
    audio.channels = 1;
    audio.samples.reserve(mix_.size());
    for (double v : mix_)
        audio.samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
    return audio;
}

double keyFrequency(int key)
{
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

}  // namespace mediagen
