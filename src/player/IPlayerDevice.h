#pragma once
// The one song device the player drives, in the media command layer's terms:
// every operation sends one command and returns its error code (0 = success),
// Status returns the value asked for. Play with notification reports its end to
// the owner's SongEnded with the notification code.

#include <cstdint>
#include <string>

class QObject;

namespace player {

class IPlayerDevice {
public:
    virtual ~IPlayerDevice() = default;
    virtual bool IsOpen() const = 0;
    virtual std::uint32_t Open(const std::string& path) = 0;
    virtual std::uint32_t Close() = 0;
    // from = -1: from the current position; to = -2: to the end.
    virtual std::uint32_t Play(std::int32_t from, std::int32_t to) = 0;
    virtual std::uint32_t Stop() = 0;
    // to = 0 seeks to the start, to = -2 to the end.
    virtual std::uint32_t Seek(std::int32_t to) = 0;
    virtual std::uint32_t Pause() = 0;
    virtual std::uint32_t Set(std::uint32_t flags, std::uint32_t value) = 0;
    virtual std::uint32_t Status(std::uint32_t flags, std::uint32_t item, std::uint32_t track) = 0;
    virtual void SetNotifyWindow(QObject* window) = 0;
    virtual void SetErrorCaption(const std::string& caption) = 0;
};

}  // namespace player
