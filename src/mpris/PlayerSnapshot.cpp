#include "mpris/PlayerSnapshot.h"

#include "album/PathUtils.h"
#include "album/TQueueList.h"
#include "platform/audio/AuxVolume.h"
#include "platform/paths/PathNamespace.h"
#include "player/PlayerIds.h"
#include "player/TMainWindow.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <optional>

namespace mpris {

namespace {

constexpr const char* kNoTrack = "/org/mpris/MediaPlayer2/TrackList/NoTrack";
// Song numbers under the program's own name: the interface's own prefix is reserved.
constexpr const char* kSongPathPrefix = "/org/vantor/Vantor/Song/";
constexpr unsigned kOwnOutputDevice = 0;
constexpr double kFullChannel = 65535.0;

// The file a drive path names, as the user knows it: its Linux name when the
// path namespace can place it, else the name the program holds.
QFileInfo UserFile(const std::string& drivePath)
{
    if (const std::optional<std::string> path = platform::ToLinuxPath(drivePath))
        return QFileInfo(QString::fromStdString(*path));
    return QFileInfo(QString::fromStdString(FileNamePart(drivePath.c_str())));
}

}  // namespace

PlayerSnapshot PlayerSnapshot::Take(player::TMainWindow& window)
{
    PlayerSnapshot s;
    if (!window.IsStopped())
        s.state = window.IsPaused() ? PlayState::Paused : PlayState::Playing;
    if (const TQueueList* queue = window.queue; queue != nullptr) {
        s.songCount = queue->GetCount();
        const char* path = window.currentSong >= 0 ? queue->GetSongPath(window.currentSong) : nullptr;
        if (path != nullptr) {
            s.song = window.currentSong;
            s.songPath = path;
            s.songName = window.LongSongName(window.currentSong);
        }
    }
    s.albumPath = window.albumPath;
    if (s.HasSong() && window.device.IsOpen())
        s.lengthMs = window.SongLength();
    s.randomOrder = window.IsChecked(player::kOptRandomOrder);
    s.continuousLoop = window.IsChecked(player::kOptContinuousLoop);
    s.volume = OutputVolume();
    return s;
}

bool PlayerSnapshot::CanGoNext() const
{
    if (songCount == 0)
        return false;
    return randomOrder || continuousLoop || song + 1 < songCount;
}

QString PlaybackStatus(const PlayerSnapshot& state)
{
    switch (state.state) {
    case PlayState::Playing: return QStringLiteral("Playing");
    case PlayState::Paused: return QStringLiteral("Paused");
    case PlayState::Stopped: break;
    }
    return QStringLiteral("Stopped");
}

QDBusObjectPath TrackId(const PlayerSnapshot& state)
{
    if (!state.HasSong())
        return QDBusObjectPath(QString::fromLatin1(kNoTrack));
    return QDBusObjectPath(QString::fromLatin1(kSongPathPrefix) + QString::number(state.song + 1));
}

QVariantMap Metadata(const PlayerSnapshot& state)
{
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackId(state)));
    if (!state.HasSong())
        return map;
    const QFileInfo song = UserFile(state.songPath);
    map.insert(QStringLiteral("xesam:title"),
               state.songName.empty() ? song.fileName() : QString::fromStdString(state.songName));
    if (song.isAbsolute())
        map.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(song.filePath()).toString());
    if (state.lengthMs > 0)
        map.insert(QStringLiteral("mpris:length"), static_cast<qlonglong>(state.lengthMs) * 1000);
    if (!state.albumPath.empty())
        map.insert(QStringLiteral("xesam:album"), UserFile(state.albumPath).completeBaseName());
    return map;
}

QVariantMap PlayerProperties(const PlayerSnapshot& state)
{
    return {
        {QStringLiteral("PlaybackStatus"), PlaybackStatus(state)},
        {QStringLiteral("Metadata"), Metadata(state)},
        {QStringLiteral("Volume"), state.volume},
        {QStringLiteral("CanGoNext"), state.CanGoNext()},
        {QStringLiteral("CanGoPrevious"), state.CanGoPrevious()},
        {QStringLiteral("CanPlay"), state.CanPlay()},
        {QStringLiteral("CanPause"), state.CanPlay()},
        {QStringLiteral("CanSeek"), state.CanSeek()},
    };
}

QVariantMap ChangedProperties(const PlayerSnapshot& before, const PlayerSnapshot& after)
{
    QVariantMap changed;
    if (before == after)
        return changed;
    const QVariantMap old = PlayerProperties(before);
    const QVariantMap now = PlayerProperties(after);
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (old.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    return changed;
}

double OutputVolume()
{
    std::uint32_t word = 0;
    if (platform::auxGetVolume(kOwnOutputDevice, &word) != platform::MMSYSERR_NOERROR)
        return 0.0;
    return (word & 0xFFFFu) / kFullChannel;
}

void SetOutputVolume(double volume)
{
    const auto channel = static_cast<std::uint32_t>(std::lround(std::clamp(volume, 0.0, 1.0) * kFullChannel));
    platform::auxSetVolume(kOwnOutputDevice, channel | (channel << 16));
}

}  // namespace mpris
