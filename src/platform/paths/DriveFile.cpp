#include "platform/paths/DriveFile.h"

#include "platform/paths/PathNamespace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

namespace {

// A file descriptor in text mode: CR LF on disk, "\n" in the program.
struct TextStream {
    int fd = -1;
    std::string ready;       // converted bytes not yet handed out
    std::size_t offset = 0;  // first byte of ready not yet handed out
    bool carriageReturn = false;  // a CR read last, waiting to see whether LF follows
    bool end = false;
};

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

ssize_t TextRead(void* cookie, char* buffer, size_t size)
{
    auto* stream = static_cast<TextStream*>(cookie);
    while (stream->offset == stream->ready.size() && !stream->end) {
        stream->ready.clear();
        stream->offset = 0;
        char raw[4096];
        const ssize_t got = ::read(stream->fd, raw, sizeof raw);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (got == 0) {
            stream->end = true;
            if (stream->carriageReturn)
                stream->ready += '\r';
            stream->carriageReturn = false;
            break;
        }
        for (ssize_t i = 0; i < got; ++i) {
            const char c = raw[i];
            if (stream->carriageReturn) {
                stream->carriageReturn = false;
                if (c == '\n') {
                    stream->ready += '\n';
                    continue;
                }
                stream->ready += '\r';
            }
            if (c == '\r')
                stream->carriageReturn = true;
            else
                stream->ready += c;
        }
    }
    const std::size_t count = std::min(size, stream->ready.size() - stream->offset);
    stream->ready.copy(buffer, count, stream->offset);
    stream->offset += count;
    return static_cast<ssize_t>(count);
}

ssize_t TextWrite(void* cookie, const char* buffer, size_t size)
{
    auto* stream = static_cast<TextStream*>(cookie);
    std::string converted;
    converted.reserve(size + size / 16);
    for (std::size_t i = 0; i < size; ++i) {
        if (buffer[i] == '\n')
            converted += '\r';
        converted += buffer[i];
    }
    return WriteAll(stream->fd, converted.data(), converted.size()) ? static_cast<ssize_t>(size) : 0;
}

int TextClose(void* cookie)
{
    std::unique_ptr<TextStream> stream(static_cast<TextStream*>(cookie));
    return ::close(stream->fd);
}

struct OpenMode {
    int flags = 0;
    bool text = true;
    std::string stdioMode;  // without 'b' and 't'
};

std::optional<OpenMode> ParseMode(const char* mode)
{
    if (!mode || !*mode)
        return std::nullopt;
    OpenMode parsed;
    const bool update = std::string_view(mode).find('+') != std::string_view::npos;
    switch (mode[0]) {
    case 'r': parsed.flags = update ? O_RDWR : O_RDONLY; break;
    case 'w': parsed.flags = (update ? O_RDWR : O_WRONLY) | O_CREAT | O_TRUNC; break;
    case 'a': parsed.flags = (update ? O_RDWR : O_WRONLY) | O_CREAT | O_APPEND; break;
    default: return std::nullopt;
    }
    for (const char* c = mode + 1; *c; ++c) {
        if (*c == 'b')
            parsed.text = false;
        else if (*c != 't' && *c != '+')
            return std::nullopt;
    }
    parsed.stdioMode = std::string(1, mode[0]) + (update ? "+" : "");
    return parsed;
}

// Writes a new file beside target through fill, then renames it over target. The
// existing file's permissions are kept; a symbolic link is followed, not replaced.
bool ReplaceHostFile(const std::string& target, const std::function<bool(int)>& fill)
{
    std::string destination = target;
    if (char* real = ::realpath(target.c_str(), nullptr)) {
        destination = real;
        std::free(real);
    }
    struct stat old {};
    const bool existed = ::stat(destination.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) {
        errno = EISDIR;
        return false;
    }

    const std::size_t slash = destination.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : destination.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? destination : destination.substr(slash + 1);
    static std::atomic<unsigned> counter{0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = directory + "." + base + ".tmp" + std::to_string(::getpid()) + "-" +
                    std::to_string(counter.fetch_add(1));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    bool ok = fill(fd);
    if (ok && existed)
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), destination.c_str()) == 0;
    if (!ok) {
        const int reason = errno;
        ::unlink(temporary.c_str());
        errno = reason;
    }
    return ok;
}

int OpenHostFile(std::string_view drivePath, int flags)
{
    const auto host = ToLinuxPath(drivePath);
    if (!host)
        return -1;
    const int fd = ::open(host->c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::FILE* OpenDriveFile(std::string_view drivePath, const char* mode)
{
    const auto parsed = ParseMode(mode);
    if (!parsed)
        return nullptr;
    const int fd = OpenHostFile(drivePath, parsed->flags);
    if (fd < 0)
        return nullptr;
    std::FILE* file = nullptr;
    if (!parsed->text) {
        file = ::fdopen(fd, parsed->stdioMode.c_str());
    } else {
        auto stream = std::make_unique<TextStream>();
        stream->fd = fd;
        const cookie_io_functions_t functions{TextRead, TextWrite, nullptr, TextClose};
        file = ::fopencookie(stream.get(), parsed->stdioMode.c_str(), functions);
        if (file)
            stream.release();
    }
    if (!file)
        ::close(fd);
    return file;
}

bool ReadDriveFile(std::string_view drivePath, std::string& contents)
{
    const int fd = OpenHostFile(drivePath, O_RDONLY);
    if (fd < 0)
        return false;
    contents.clear();
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return ok;
}

bool ReplaceDriveFile(std::string_view drivePath, std::string_view contents)
{
    const auto host = ToLinuxPath(drivePath);
    if (!host) {
        errno = ENOENT;
        return false;
    }
    return ReplaceHostFile(*host, [&](int fd) { return WriteAll(fd, contents.data(), contents.size()); });
}

bool CopyDriveFile(std::string_view from, std::string_view to)
{
    const auto target = ToLinuxPath(to);
    if (!target)
        return false;
    const int source = OpenHostFile(from, O_RDONLY);
    if (source < 0)
        return false;
    const bool ok = ReplaceHostFile(*target, [source](int fd) {
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(source, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return got == 0;
            if (!WriteAll(fd, buffer, static_cast<std::size_t>(got)))
                return false;
        }
    });
    ::close(source);
    return ok;
}

bool DeleteDriveFile(std::string_view drivePath)
{
    const auto host = ToLinuxPath(drivePath);
    if (!host)
        return false;
    struct stat info {};
    if (::lstat(host->c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    return ::unlink(host->c_str()) == 0;
}

}  // namespace platform
