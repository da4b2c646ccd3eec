#pragma once
// The album file (.alb): the current song's index on the first line, then one song
// path a line, every line ended by CR LF. The reader does not go by lines: it takes
// the file as white-space-separated words, so blank lines and extra blanks do not
// matter and any line end is read.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// Longest song word the reader hands out; a longer word is skipped whole.
inline constexpr std::size_t kAlbumWordMax = 260;

class AlbumReader {
public:
    // file: open for reading and owned by the caller.
    explicit AlbumReader(std::FILE* file) : file_(file) {}

    // Reads the first word as the stored index: an optional sign, then octal after a
    // leading 0, hexadecimal after 0x or 0X, otherwise decimal; the number at the
    // start of the word counts and values beyond int saturate. False, with index -1,
    // when the file has no words or the first word does not start with a number;
    // NextSong then gives nothing, whatever follows.
    bool ReadIndex(int& index);

    // The next song word. Words longer than kAlbumWordMax or holding a zero byte
    // are skipped. False at the end of the file, after a failed ReadIndex or when
    // ReadIndex has not been called.
    bool NextSong(std::string& word);

private:
    // The next word, its first kAlbumWordMax + 1 characters at most; length counts
    // all of them. False at the end.
    bool NextWord(std::string& word, std::size_t& length);

    std::FILE* file_;
    bool indexRead_ = false;
    bool failed_ = false;
};

// The text of an album file, line by line. Nothing touches the disk until Commit.
class AlbumWriter {
public:
    // Line 1; a negative index is written as -1.
    void WriteIndex(int currentSong);
    void WriteSong(std::string_view path);

    // Puts the text in place of the file at drivePath in one step (written beside
    // it and renamed over it), so the file on disk is always the old album or the
    // new one, whole. False, and the file as it was, when that fails.
    bool Commit(std::string_view drivePath) const;

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// The backup of an album: its path with the last character replaced by '~'
// (c:\music\rock.alb gives c:\music\rock.al~). Empty for an empty path.
std::string AlbumBackupPath(std::string_view albumPath);
