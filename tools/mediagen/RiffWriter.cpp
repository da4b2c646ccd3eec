#include "RiffWriter.h"

#include <cstring>
#include <fstream>
#include <stdexcept>

namespace mediagen {

void RiffWriter::u16(std::uint16_t v)
{
    out_.push_back(static_cast<std::uint8_t>(v));
    out_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void RiffWriter::u32(std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out_.push_back(static_cast<std::uint8_t>(v >> shift));
}

void RiffWriter::fourcc(const char* code)
{
    if (std::strlen(code) != 4)
        throw std::invalid_argument("RiffWriter: a four-character code has four characters");
    raw(reinterpret_cast<const std::uint8_t*>(code), 4);
}

void RiffWriter::raw(const std::uint8_t* data, std::size_t size)
{
    out_.insert(out_.end(), data, data + size);
}

std::size_t RiffWriter::openChunk(const char* id)
{
    const std::size_t start = out_.size();
    fourcc(id);
    u32(0);
    return start;
}

std::size_t RiffWriter::openList(const char* listId, const char* formType)
{
    const std::size_t start = openChunk(listId);
    fourcc(formType);
    return start;
}

void RiffWriter::closeChunk(std::size_t start)
{
    const std::size_t payload = out_.size() - start - 8;
    if (payload > 0xFFFFFFF0u)
        throw std::length_error("RiffWriter: chunk too large");
    patchU32(start + 4, static_cast<std::uint32_t>(payload));
    if (payload % 2)
        out_.push_back(0);
}

void RiffWriter::patchU32(std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out_.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(v >> (8 * i));
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace mediagen
