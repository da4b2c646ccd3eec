#include "MidiFileCheck.h"

#include <stdexcept>

namespace mediagen::testing {

namespace {

class Cursor {
public:
    Cursor(const std::vector<std::uint8_t>& bytes, std::size_t begin, std::size_t end)
        : bytes_(bytes), pos_(begin), end_(end) {}
    bool atEnd() const { return pos_ >= end_; }
    std::size_t pos() const { return pos_; }
    std::uint8_t byte()
    {
        if (pos_ >= end_)
            throw std::runtime_error("read past the end of a chunk");
        return bytes_[pos_++];
    }
    std::uint8_t peek() const
    {
        if (pos_ >= end_)
            throw std::runtime_error("read past the end of a chunk");
        return bytes_[pos_];
    }
    std::uint32_t big(int size)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value = (value << 8) | byte();
        return value;
    }
    std::uint32_t varLen()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return value;
        }
        throw std::runtime_error("variable-length quantity longer than 4 bytes");
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t pos_;
    std::size_t end_;
};

std::vector<ParsedEvent> parseTrack(Cursor& in)
{
    std::vector<ParsedEvent> events;
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    bool ended = false;
    while (!in.atEnd()) {
        if (ended)
            throw std::runtime_error("bytes after End of Track");
        const std::uint32_t delta = in.varLen();
        if (delta >= 0x08000000)
            throw std::runtime_error("implausible delta (a negative difference?)");
        tick += delta;
        ParsedEvent e;
        e.tick = tick;
        std::uint8_t status = in.peek();
        if (status & 0x80) {
            in.byte();
        } else {
            if (running == 0)
                throw std::runtime_error("data byte without running status");
            status = running;
        }
        e.status = status;
        if (status == 0xFF) {
            e.metaType = in.byte();
            const std::uint32_t length = in.varLen();
            for (std::uint32_t i = 0; i < length; ++i)
                e.data.push_back(in.byte());
            if (e.metaType == 0x2F) {
                if (length != 0)
                    throw std::runtime_error("End of Track with data");
                ended = true;
            }
            running = 0;
        } else if (status == 0xF0 || status == 0xF7) {
            const std::uint32_t length = in.varLen();
            for (std::uint32_t i = 0; i < length; ++i)
                e.data.push_back(in.byte());
            running = 0;
        } else if (status >= 0xF0) {
            throw std::runtime_error("system common message in a file");
        } else {
            const int kind = status & 0xF0;
            const int count = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            for (int i = 0; i < count; ++i) {
                const std::uint8_t b = in.byte();
                if (b & 0x80)
                    throw std::runtime_error("status byte where a data byte belongs");
                e.data.push_back(b);
            }
            running = status;
        }
        events.push_back(std::move(e));
    }
    if (!ended)
        throw std::runtime_error("track without End of Track");
    return events;
}

}  // namespace

ParsedFile parseMidi(const std::vector<std::uint8_t>& bytes)
{
    Cursor header(bytes, 0, bytes.size());
    if (header.big(4) != 0x4D546864)
        throw std::runtime_error("no MThd");
    if (header.big(4) != 6)
        throw std::runtime_error("header length is not 6");
    ParsedFile file;
    file.format = static_cast<int>(header.big(2));
    const std::uint32_t trackCount = header.big(2);
    file.division = static_cast<int>(header.big(2));
    std::size_t pos = header.pos();
    for (std::uint32_t t = 0; t < trackCount; ++t) {
        Cursor chunk(bytes, pos, bytes.size());
        if (chunk.big(4) != 0x4D54726B)
            throw std::runtime_error("no MTrk");
        const std::uint32_t length = chunk.big(4);
        const std::size_t begin = chunk.pos();
        if (begin + length > bytes.size())
            throw std::runtime_error("track length runs past the file");
        Cursor body(bytes, begin, begin + length);
        file.tracks.push_back(parseTrack(body));
        pos = begin + length;
    }
    if (pos != bytes.size())
        throw std::runtime_error("bytes after the last track");
    return file;
}

}  // namespace mediagen::testing
