#include "AviWriter.h"

#include "RiffWriter.h"

#include <algorithm>
#include <stdexcept>

namespace mediagen {

namespace {

constexpr std::uint32_t kAvifHasIndex = 0x10;
constexpr std::uint32_t kAvifIsInterleaved = 0x100;
constexpr std::uint32_t kAviifKeyframe = 0x10;

struct IndexEntry {
    const char* id;
    std::uint32_t offset;  // from the 'movi' form type
    std::uint32_t size;
};

// handler null: no codec (written as zero).
void streamHeader(RiffWriter& out, const char* type, const char* handler, std::uint32_t scale, std::uint32_t rate,
                  std::uint32_t length, std::uint32_t bufferSize, std::uint32_t sampleSize, int width, int height)
{
    const std::size_t strh = out.openChunk("strh");
    out.fourcc(type);
    if (handler)
        out.fourcc(handler);
    else
        out.u32(0);
    out.u32(0);   // flags
    out.u16(0);   // priority
    out.u16(0);   // language
    out.u32(0);   // initial frames
    out.u32(scale);
    out.u32(rate);
    out.u32(0);   // start
    out.u32(length);
    out.u32(bufferSize);
    out.u32(0xFFFFFFFFu);  // quality: default
    out.u32(sampleSize);
    out.i16(0);
    out.i16(0);
    out.i16(static_cast<std::int16_t>(width));
    out.i16(static_cast<std::int16_t>(height));
    out.closeChunk(strh);
}

}  // namespace

std::vector<std::uint8_t> AviWriter::bytes(const VideoClip& clip)
{
    if (clip.width <= 0 || clip.width % 4 != 0 || clip.height <= 0 || clip.width > 4096 || clip.height > 4096)
        throw std::invalid_argument("AviWriter: width must be a positive multiple of 4");
    if (clip.fps < 1 || clip.fps > 120 || clip.frames.empty())
        throw std::invalid_argument("AviWriter: a clip needs frames and a frame rate");
    for (const auto& frame : clip.frames)
        if (frame.size() != clip.frameBytes())
            throw std::invalid_argument("AviWriter: frame size does not match the picture");
    const PcmAudio& audio = clip.audio;
    const bool hasAudio = !audio.samples.empty();
    const auto frameCount = static_cast<std::uint32_t>(clip.frames.size());
    const auto frameSize = static_cast<std::uint32_t>(clip.frameBytes());

    // Audio frames carried with each video frame; the rest goes with the last one.
    auto audioStart = [&](std::uint32_t frame) -> std::uint32_t {
        if (frame >= frameCount)
            return audio.frames();
        const std::uint64_t at = static_cast<std::uint64_t>(frame) * static_cast<std::uint64_t>(audio.sampleRate)
                                 / static_cast<std::uint64_t>(clip.fps);
        return static_cast<std::uint32_t>(std::min<std::uint64_t>(at, audio.frames()));
    };
    std::uint32_t largestAudio = 0;
    if (hasAudio)
        for (std::uint32_t f = 0; f < frameCount; ++f)
            largestAudio = std::max(largestAudio, (audioStart(f + 1) - audioStart(f)) * audio.blockAlign());

    RiffWriter out;
    const std::size_t riff = out.openList("RIFF", "AVI ");
    const std::size_t hdrl = out.openList("LIST", "hdrl");
    const std::size_t avih = out.openChunk("avih");
    out.u32(1000000u / static_cast<std::uint32_t>(clip.fps));
    out.u32(frameSize * static_cast<std::uint32_t>(clip.fps) + (hasAudio ? audio.bytesPerSecond() : 0));
    out.u32(0);
    out.u32(kAvifHasIndex | kAvifIsInterleaved);
    out.u32(frameCount);
    out.u32(0);
    out.u32(hasAudio ? 2 : 1);
    out.u32(std::max(frameSize, largestAudio) + 8);
    out.u32(static_cast<std::uint32_t>(clip.width));
    out.u32(static_cast<std::uint32_t>(clip.height));
    for (int i = 0; i < 4; ++i)
        out.u32(0);
    out.closeChunk(avih);

    const std::size_t vidsList = out.openList("LIST", "strl");
    streamHeader(out, "vids", "DIB ", 1, static_cast<std::uint32_t>(clip.fps), frameCount, frameSize, 0, clip.width,
                 clip.height);
    const std::size_t vidsFormat = out.openChunk("strf");
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(clip.width));
    out.u32(static_cast<std::uint32_t>(clip.height));  // positive: bottom row first
    out.u16(1);
    out.u16(24);
    out.u32(0);  // BI_RGB
    out.u32(frameSize);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.closeChunk(vidsFormat);
    out.closeChunk(vidsList);

    if (hasAudio) {
        const std::size_t audsList = out.openList("LIST", "strl");
        streamHeader(out, "auds", nullptr, audio.blockAlign(), audio.bytesPerSecond(),
                     audio.frames(), largestAudio, audio.blockAlign(), 0, 0);
        const std::size_t audsFormat = out.openChunk("strf");
        WaveWriter::writeFormat(out, audio);
        out.closeChunk(audsFormat);
        out.closeChunk(audsList);
    }
    out.closeChunk(hdrl);

    std::vector<IndexEntry> index;
    const std::size_t movi = out.openList("LIST", "movi");
    const std::size_t moviBase = movi + 8;
    for (std::uint32_t f = 0; f < frameCount; ++f) {
        const std::size_t video = out.openChunk("00db");
        out.raw(clip.frames[f].data(), clip.frames[f].size());
        out.closeChunk(video);
        index.push_back({"00db", static_cast<std::uint32_t>(video - moviBase), frameSize});
        if (hasAudio) {
            const std::uint32_t from = audioStart(f);
            const std::uint32_t to = audioStart(f + 1);
            if (to > from) {
                const std::size_t chunk = out.openChunk("01wb");
                const std::size_t first = static_cast<std::size_t>(from) * static_cast<std::size_t>(audio.channels);
                const std::size_t last = static_cast<std::size_t>(to) * static_cast<std::size_t>(audio.channels);
                for (std::size_t s = first; s < last; ++s)
                    out.i16(audio.samples[s]);
                out.closeChunk(chunk);
                index.push_back({"01wb", static_cast<std::uint32_t>(chunk - moviBase), (to - from) * audio.blockAlign()});
            }
        }
    }
    out.closeChunk(movi);

    const std::size_t idx1 = out.openChunk("idx1");
    for (const IndexEntry& e : index) {
        out.fourcc(e.id);
        out.u32(kAviifKeyframe);
        out.u32(e.offset);
        out.u32(e.size);
    }
    out.closeChunk(idx1);
    out.closeChunk(riff);
    return out.bytes();
}

bool AviWriter::save(const VideoClip& clip, const std::string& path)
{
    return writeFile(path, bytes(clip));
}

}  // namespace mediagen
