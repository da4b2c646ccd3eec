#pragma once
// 16-bit PCM wave files (RIFF WAVE with a 'fmt ' and a 'data' chunk).

#include <cstdint>
#include <string>
#include <vector>

namespace mediagen {

struct PcmAudio {
    int sampleRate = 22050;
    int channels = 1;
    std::vector<std::int16_t> samples;  // interleaved

    std::uint32_t frames() const { return static_cast<std::uint32_t>(samples.size()) / static_cast<std::uint32_t>(channels); }
    std::uint16_t blockAlign() const { return static_cast<std::uint16_t>(channels * 2); }
    std::uint32_t bytesPerSecond() const { return static_cast<std::uint32_t>(sampleRate) * blockAlign(); }
};

class RiffWriter;

class WaveWriter {
public:
    static std::vector<std::uint8_t> bytes(const PcmAudio& audio);
    static bool save(const PcmAudio& audio, const std::string& path);
    // The 16-byte PCM format block, shared with the video writer's audio stream.
    static void writeFormat(RiffWriter& out, const PcmAudio& audio);
};

}  // namespace mediagen
