#include "player/SimSongDevice.h"

#include "platform/mci/MciConstants.h"
#include "player/TMainWindow.h"

#include <QMetaObject>
#include <QPointer>

#include <algorithm>

namespace playertest {

using namespace mci;

void SimSongDevice::SetNotifyWindow(QObject* window)
{
    window_ = dynamic_cast<player::TMainWindow*>(window);
}

void SimSongDevice::Notify(std::uint32_t code)
{
    posted.push_back(code);
    if (!window_)
        return;
    QPointer<player::TMainWindow> target(window_);
    QMetaObject::invokeMethod(
        window_, [target, code] { if (target) target->SongEnded(code); }, Qt::QueuedConnection);
}

void SimSongDevice::AbortPending()
{
    if (pending_)
        Notify(MCI_NOTIFY_ABORTED);
    pending_ = false;
    playing_ = false;
}

void SimSongDevice::Advance(std::uint32_t ms)
{
    if (!open_ || !playing_)
        return;
    std::uint32_t next = position_ + ms;
    if (song_.behaviour == SongBehaviour::Stalls)
        next = std::min(next, std::max(position_, song_.stallAtMs));
    if (next < end_) {
        position_ = next;
        return;
    }
    position_ = end_;
    playing_ = false;
    if (pending_ && song_.behaviour != SongBehaviour::LosesNotification)
        Notify(MCI_NOTIFY_SUCCESSFUL);
    pending_ = false;
}

std::uint32_t SimSongDevice::Open(const std::string& path)
{
    if (open_)
        return 1;
    commands.push_back("open " + path);
    const auto it = songs_.find(path);
    if (it == songs_.end() || it->second.behaviour == SongBehaviour::FailsOpen)
        return MCIERR_FILE_NOT_FOUND;
    open_ = true;
    path_ = path;
    song_ = it->second;
    position_ = 0;
    playing_ = pending_ = false;
    return 0;
}

std::uint32_t SimSongDevice::Close()
{
    if (!open_)
        return 2;
    commands.push_back("close");
    AbortPending();
    open_ = false;
    path_.clear();
    return 0;
}

std::uint32_t SimSongDevice::Play(std::int32_t from, std::int32_t to)
{
    if (!open_)
        return 2;
    commands.push_back("play " + std::to_string(from) + " " + std::to_string(to));
    if (song_.behaviour == SongBehaviour::FailsPlay)
        return MCIERR_HARDWARE;
    if (pending_)
        Notify(MCI_NOTIFY_SUPERSEDED);
    if (from != -1)
        position_ = std::min<std::uint32_t>(static_cast<std::uint32_t>(from), song_.lengthMs);
    end_ = to == -2 ? song_.lengthMs : std::min<std::uint32_t>(static_cast<std::uint32_t>(to), song_.lengthMs);
    playing_ = true;
    pending_ = window_ != nullptr;
    Advance(0);
    return 0;
}

std::uint32_t SimSongDevice::Stop()
{
    if (!open_)
        return 2;
    commands.push_back("stop");
    AbortPending();
    return 0;
}

std::uint32_t SimSongDevice::Pause()
{
    if (!open_)
        return 2;
    commands.push_back("pause");
    AbortPending();
    return 0;
}

std::uint32_t SimSongDevice::Seek(std::int32_t to)
{
    if (!open_)
        return 2;
    commands.push_back("seek " + std::to_string(to));
    AbortPending();
    position_ = to == -2 ? song_.lengthMs
                         : std::min<std::uint32_t>(static_cast<std::uint32_t>(to), song_.lengthMs);
    return 0;
}

std::uint32_t SimSongDevice::Set(std::uint32_t flags, std::uint32_t value)
{
    if (!open_)
        return 2;
    if (flags & MCI_SET_TIME_FORMAT) {
        commands.push_back("set timeformat " + std::to_string(value));
        return song_.behaviour == SongBehaviour::FailsTimeFormat ? MCIERR_BAD_TIME_FORMAT : 0;
    }
    if (flags & MCI_SET_AUDIO) {
        commands.push_back(std::string("set audio ") + ((flags & MCI_SET_ON) ? "on" : "off"));
        audioOn = (flags & MCI_SET_ON) != 0;
    }
    return 0;
}

std::uint32_t SimSongDevice::Status(std::uint32_t, std::uint32_t item, std::uint32_t)
{
    if (!open_)
        return 2;
    if (item == MCI_STATUS_LENGTH)
        return song_.lengthMs;
    if (item == MCI_STATUS_POSITION)
        return position_;
    return 0;
}

}  // namespace playertest
