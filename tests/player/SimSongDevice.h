#pragma once
// A song device on a virtual clock: songs play, stall, fail or lose their end
// notification as scripted, time moves only when the test advances it, and the
// notifications are posted to the window as queued calls, as the command layer does.

#include "player/IPlayerDevice.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace player {
class TMainWindow;
}

namespace playertest {

enum class SongBehaviour { Plays, Stalls, FailsOpen, FailsTimeFormat, FailsPlay, LosesNotification };

struct SimSong {
    std::uint32_t lengthMs = 0;
    SongBehaviour behaviour = SongBehaviour::Plays;
    std::uint32_t stallAtMs = 0;  // for Stalls: the position it never passes
};

class SimSongDevice : public player::IPlayerDevice {
public:
    // The songs are shared with the test, which may add some after construction.
    explicit SimSongDevice(std::map<std::string, SimSong>& songs) : songs_(songs) {}

    // Moves the virtual clock; a playing song advances and may reach its end.
    void Advance(std::uint32_t ms);

    bool IsOpen() const override { return open_; }
    std::uint32_t Open(const std::string& path) override;
    std::uint32_t Close() override;
    std::uint32_t Play(std::int32_t from, std::int32_t to) override;
    std::uint32_t Stop() override;
    std::uint32_t Seek(std::int32_t to) override;
    std::uint32_t Pause() override;
    std::uint32_t Set(std::uint32_t flags, std::uint32_t value) override;
    std::uint32_t Status(std::uint32_t flags, std::uint32_t item, std::uint32_t track) override;
    void SetNotifyWindow(QObject* window) override;
    void SetErrorCaption(const std::string& caption) override { errorCaption = caption; }

    bool playing() const { return playing_; }
    const std::string& openPath() const { return path_; }
    std::uint32_t position() const { return position_; }
    // Moves the position directly, as a driver that jumps would.
    void SetPosition(std::uint32_t ms) { position_ = ms; }

    std::vector<std::string> commands;  // "open PATH", "play FROM TO", "seek TO", ...
    std::vector<std::uint32_t> posted;  // notification codes, in posting order
    std::string errorCaption;
    bool audioOn = true;

private:
    void Notify(std::uint32_t code);
    void AbortPending();

    std::map<std::string, SimSong>& songs_;
    player::TMainWindow* window_ = nullptr;
    bool open_ = false;
    std::string path_;
    SimSong song_;
    bool playing_ = false;
    bool pending_ = false;
    std::uint32_t position_ = 0;
    std::uint32_t end_ = 0;
};

}  // namespace playertest
