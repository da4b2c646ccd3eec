#include "RiffCheck.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace mediagen::testing {

std::uint32_t le32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    if (at + 4 > bytes.size())
        throw std::runtime_error("read past the end");
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8
           | static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t le16(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    if (at + 2 > bytes.size())
        throw std::runtime_error("read past the end");
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

namespace {

std::string code(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    if (at + 4 > bytes.size())
        throw std::runtime_error("read past the end");
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

RiffChunk parseChunk(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t limit)
{
    RiffChunk chunk;
    chunk.offset = at;
    chunk.id = code(bytes, at);
    chunk.size = le32(bytes, at + 4);
    const std::size_t end = at + 8 + chunk.size;
    if (end > limit)
        throw std::runtime_error("chunk '" + chunk.id + "' runs past its parent");
    if (chunk.id == "RIFF" || chunk.id == "LIST") {
        chunk.form = code(bytes, at + 8);
        std::size_t pos = at + 12;
        while (pos < end) {
            if (pos + 8 > end)
                throw std::runtime_error("chunk header cut short in '" + chunk.form + "'");
            RiffChunk child = parseChunk(bytes, pos, end);
            pos += 8 + child.size + (child.size % 2);
            chunk.children.push_back(std::move(child));
        }
        if (pos != end)
            throw std::runtime_error("pad byte runs past list '" + chunk.form + "'");
    }
    return chunk;
}

}  // namespace

RiffChunk parseRiff(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < 12 || code(bytes, 0) != "RIFF")
        throw std::runtime_error("not a RIFF file");
    if (le32(bytes, 4) + 8u != bytes.size())
        throw std::runtime_error("RIFF size does not match the file size");
    return parseChunk(bytes, 0, bytes.size());
}

const RiffChunk* findChunk(const RiffChunk& parent, const std::string& id, const std::string& form)
{
    for (const RiffChunk& c : parent.children)
        if (c.id == id && (form.empty() || c.form == form))
            return &c;
    return nullptr;
}

std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace mediagen::testing
