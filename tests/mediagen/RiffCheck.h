#pragma once
// Walks a RIFF file, written apart from the generator: every chunk must fit in
// its parent and the outer size must match the file.

#include <cstdint>
#include <string>
#include <vector>

namespace mediagen::testing {

struct RiffChunk {
    std::string id;          // four characters; lists: "LIST"/"RIFF"
    std::string form;        // list form type, empty for plain chunks
    std::size_t offset = 0;  // of the chunk's id in the file
    std::uint32_t size = 0;
    std::vector<RiffChunk> children;
};

// Throws std::runtime_error naming the first fault.
RiffChunk parseRiff(const std::vector<std::uint8_t>& bytes);
const RiffChunk* findChunk(const RiffChunk& parent, const std::string& id, const std::string& form = {});
std::uint32_t le32(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::uint16_t le16(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::vector<std::uint8_t> readBytes(const std::string& path);

}  // namespace mediagen::testing
