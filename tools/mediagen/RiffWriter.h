#pragma once
// Little-endian RIFF building blocks shared by the wave and video writers: chunks
// are written with a placeholder size that is patched when they are closed, and
// odd-sized chunks get their pad byte.

#include <cstdint>
#include <string>
#include <vector>

namespace mediagen {

class RiffWriter {
public:
    void u8(std::uint8_t v) { out_.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void fourcc(const char* code);
    void raw(const std::uint8_t* data, std::size_t size);

    // Opens a chunk (or a RIFF/LIST with its form type); returns its start for closeChunk.
    std::size_t openChunk(const char* id);
    std::size_t openList(const char* listId, const char* formType);
    void closeChunk(std::size_t start);

    std::size_t size() const { return out_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return out_; }
    void patchU32(std::size_t at, std::uint32_t v);

private:
    std::vector<std::uint8_t> out_;
};

// Writes bytes to path; false unless every byte reached the file.
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace mediagen
