#pragma once
// Uncompressed video clips: a RIFF AVI with one 24-bit 'DIB ' video stream and
// one 16-bit PCM audio stream, interleaved frame by frame, with an idx1 index.

#include "WaveWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mediagen {

struct VideoClip {
    int width = 160;   // a multiple of 4, so rows need no padding
    int height = 120;
    int fps = 10;
    // Each frame: height rows of width BGR pixels, bottom row first.
    std::vector<std::vector<std::uint8_t>> frames;
    PcmAudio audio;

    std::size_t frameBytes() const { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3; }
};

class AviWriter {
public:
    static std::vector<std::uint8_t> bytes(const VideoClip& clip);
    static bool save(const VideoClip& clip, const std::string& path);
};

}  // namespace mediagen
