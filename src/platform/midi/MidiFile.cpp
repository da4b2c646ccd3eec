#include "platform/midi/MidiFile.h"

#include "platform/midi/MidiTrackParser.h"

#include <algorithm>
#include <fstream>
#include <limits>

namespace platform {

namespace {

std::uint32_t be32(const std::uint8_t* p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

std::uint32_t le32(const std::uint8_t* p)
{
    return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
}

std::uint16_t be16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

bool tagIs(std::span<const std::uint8_t> bytes, std::size_t at, const char* tag)
{
    return bytes.size() >= at + 4 && std::equal(tag, tag + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// The "data" chunk of a RIFF RMID file, as much of it as the file holds; empty
// when there is none.
std::span<const std::uint8_t> rmidData(std::span<const std::uint8_t> bytes)
{
    std::size_t pos = 12;
    while (bytes.size() >= pos + 8) {
        const std::uint32_t size = le32(bytes.data() + pos + 4);
        if (tagIs(bytes, pos, "data"))
            return bytes.subspan(pos + 8, std::min<std::size_t>(size, bytes.size() - pos - 8));
        if (size > bytes.size() - pos - 8)
            return {};
        pos += 8 + size + (size & 1);
    }
    return {};
}

}  // namespace

MidiFile::Error MidiFile::load(const std::string& path)
{
    clear();
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return Error::NotFound;
    const std::streamoff size = in.tellg();
    if (size < 0)
        return Error::NotFound;
    if (static_cast<std::uint64_t>(size) > kMaxFileSize)
        return Error::TooLarge;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return Error::NotFound;
    return parse(bytes);
}

MidiFile::Error MidiFile::parse(std::span<const std::uint8_t> bytes)
{
    clear();
    if (tagIs(bytes, 0, "RIFF")) {
        if (!tagIs(bytes, 8, "RMID"))
            return Error::Damaged;
        bytes = rmidData(bytes);
    }
    const Error error = parseSmf(bytes);
    if (error != Error::None)
        clear();
    return error;
}

MidiFile::Error MidiFile::parseSmf(std::span<const std::uint8_t> bytes)
{
    if (!tagIs(bytes, 0, "MThd") || bytes.size() < 14)
        return Error::Damaged;
    const std::uint32_t headerSize = be32(bytes.data() + 4);
    if (headerSize < 6 || headerSize > bytes.size() - 8)
        return Error::Damaged;
    format_ = be16(bytes.data() + 8);
    trackCount_ = be16(bytes.data() + 10);
    const std::uint16_t division = be16(bytes.data() + 12);
    if (format_ == 2)
        return Error::Format2;
    if (format_ > 2 || trackCount_ == 0 || (format_ == 0 && trackCount_ != 1))
        return Error::Damaged;
    if (division & 0x8000)
        return Error::SmpteDivision;
    if (division == 0)
        return Error::Damaged;

    tempoMap_ = TempoMap(division);
    MidiTrackParser parser(events_, sysexData_, tempoMap_);
    std::uint64_t lastTick = 0;
    std::size_t pos = 8 + headerSize;
    int tracksRead = 0;
    // Chunks of other types are skipped. A file cut short ends the last chunk
    // where it ends and holds fewer tracks than announced; bytes after the
    // announced tracks are ignored.
    while (tracksRead < trackCount_ && bytes.size() - pos >= 8) {
        const std::size_t size = std::min<std::size_t>(be32(bytes.data() + pos + 4), bytes.size() - pos - 8);
        if (tagIs(bytes, pos, "MTrk")) {
            lastTick = std::max(lastTick, parser.parse(bytes.subspan(pos + 8, size)));
            ++tracksRead;
        }
        pos += 8 + size;
    }
    if (tracksRead == 0)
        return Error::Damaged;
    trackCount_ = tracksRead;
    tempoMap_.finalize();

    // Equal ticks keep file order: track by track, then within the track.
    std::stable_sort(events_.begin(), events_.end(),
                     [](const MidiEvent& a, const MidiEvent& b) { return a.tick < b.tick; });
    for (MidiEvent& ev : events_)
        ev.timeUs = tempoMap_.tickToUs(ev.tick);
    lengthUs_ = tempoMap_.tickToUs(lastTick);
    if ((lengthUs_ + 999) / 1000 > std::numeric_limits<std::uint32_t>::max())
        return Error::TooLarge;
    return Error::None;
}

std::uint32_t MidiFile::lengthMs() const
{
    return static_cast<std::uint32_t>((lengthUs_ + 999) / 1000);
}

std::span<const std::uint8_t> MidiFile::sysex(const MidiEvent& ev) const
{
    return std::span<const std::uint8_t>(sysexData_).subspan(ev.sysexOffset, ev.sysexLength);
}

void MidiFile::clear()
{
    events_.clear();
    sysexData_.clear();
    tempoMap_ = TempoMap();
    tempoMap_.finalize();
    lengthUs_ = 0;
    format_ = 0;
    trackCount_ = 0;
}

const char* MidiFile::describe(Error error)
{
    switch (error) {
    case Error::None: return "no error";
    case Error::NotFound: return "the file cannot be read";
    case Error::Damaged: return "the file is not a MIDI file or is damaged";
    case Error::Format2: return "MIDI files of format 2 cannot be played";
    case Error::SmpteDivision: return "MIDI files timed in SMPTE frames cannot be played";
    case Error::TooLarge: return "the MIDI file is too large";
    }
    return "unknown error";
}

}  // namespace platform
