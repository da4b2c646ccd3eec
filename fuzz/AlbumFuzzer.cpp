// The album reader on any bytes; what it reads, written again by the album
// writer, reads back the same.

#include "FuzzCheck.h"
#include "album/AlbumFile.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Album {
    bool indexRead = false;
    int index = -1;
    std::vector<std::string> songs;
};

Album Read(const void* data, std::size_t size)
{
    // fmemopen refuses an empty buffer; an empty file reads as one.
    static const char empty = 0;
    std::FILE* file = fmemopen(const_cast<void*>(size ? data : &empty), size ? size : 1, "rb");
    FUZZ_CHECK(file);
    if (!size)
        std::fgetc(file);
    Album album;
    AlbumReader reader(file);
    album.indexRead = reader.ReadIndex(album.index);
    std::string song;
    while (reader.NextSong(song))
        album.songs.push_back(song);
    std::fclose(file);
    return album;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Album album = Read(data, size);
    if (!album.indexRead) {
        FUZZ_CHECK(album.index == -1 && album.songs.empty());
        return 0;
    }
    AlbumWriter writer;
    writer.WriteIndex(album.index);
    for (const std::string& song : album.songs) {
        FUZZ_CHECK(!song.empty() && song.size() <= kAlbumWordMax);
        FUZZ_CHECK(song.find('\0') == std::string::npos);
        writer.WriteSong(song);
    }
    const Album again = Read(writer.Text().data(), writer.Text().size());
    FUZZ_CHECK(again.indexRead);
    FUZZ_CHECK(again.index == (album.index < 0 ? -1 : album.index));
    FUZZ_CHECK(again.songs == album.songs);
    return 0;
}
