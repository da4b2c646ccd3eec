#include "WaveWriter.h"

#include "RiffWriter.h"

#include <stdexcept>

namespace mediagen {

void WaveWriter::writeFormat(RiffWriter& out, const PcmAudio& audio)
{
    if (audio.channels < 1 || audio.channels > 2 || audio.sampleRate < 1000 || audio.sampleRate > 192000)
        throw std::invalid_argument("WaveWriter: unsupported format");
    out.u16(1);  // PCM
    out.u16(static_cast<std::uint16_t>(audio.channels));
    out.u32(static_cast<std::uint32_t>(audio.sampleRate));
    out.u32(audio.bytesPerSecond());
    out.u16(audio.blockAlign());
    out.u16(16);
}

std::vector<std::uint8_t> WaveWriter::bytes(const PcmAudio& audio)
{
    if (audio.samples.size() % static_cast<std::size_t>(audio.channels) != 0)
        throw std::invalid_argument("WaveWriter: samples do not fill whole frames");
    RiffWriter out;
    const std::size_t riff = out.openList("RIFF", "WAVE");
    const std::size_t fmt = out.openChunk("fmt ");
    writeFormat(out, audio);
    out.closeChunk(fmt);
    const std::size_t data = out.openChunk("data");
    for (std::int16_t s : audio.samples)
        out.i16(s);
    out.closeChunk(data);
    out.closeChunk(riff);
    return out.bytes();
}

bool WaveWriter::save(const PcmAudio& audio, const std::string& path)
{
    return writeFile(path, bytes(audio));
}

}  // namespace mediagen
