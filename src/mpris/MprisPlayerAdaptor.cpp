#include "mpris/MprisPlayerAdaptor.h"

#include "mpris/MprisService.h"
#include "player/PlayerIds.h"

#include <QUrl>

namespace mpris {

namespace {
constexpr qlonglong kMicrosecondsPerMs = 1000;
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service), service_(service)
{
}

QString MprisPlayerAdaptor::PlaybackStatus() const
{
    return mpris::PlaybackStatus(service_.State());
}

QVariantMap MprisPlayerAdaptor::Metadata() const
{
    return mpris::Metadata(service_.State());
}

double MprisPlayerAdaptor::Volume() const
{
    return service_.State().volume;
}

void MprisPlayerAdaptor::SetVolume(double volume)
{
    service_.SetVolume(volume);
}

qlonglong MprisPlayerAdaptor::Position() const
{
    return static_cast<qlonglong>(service_.PositionMs()) * kMicrosecondsPerMs;
}

bool MprisPlayerAdaptor::CanGoNext() const
{
    return service_.State().CanGoNext();
}

bool MprisPlayerAdaptor::CanGoPrevious() const
{
    return service_.State().CanGoPrevious();
}

bool MprisPlayerAdaptor::CanPlay() const
{
    return service_.State().CanPlay();
}

bool MprisPlayerAdaptor::CanPause() const
{
    return service_.State().CanPlay();
}

bool MprisPlayerAdaptor::CanSeek() const
{
    return service_.State().CanSeek();
}

// The commands are chosen when they run: the state may change before.
void MprisPlayerAdaptor::Play()
{
    // Play restarts the selected song; a paused one resumes through Pause.
    service_.RunCommandFor([](const PlayerSnapshot& state) {
        switch (state.state) {
        case PlayState::Stopped: return player::kCmdPlay;
        case PlayState::Paused: return player::kCmdPause;
        case PlayState::Playing: break;
        }
        return 0;
    });
}

void MprisPlayerAdaptor::Pause()
{
    service_.RunCommandFor(
        [](const PlayerSnapshot& state) { return state.state == PlayState::Playing ? player::kCmdPause : 0; });
}

void MprisPlayerAdaptor::PlayPause()
{
    service_.RunCommandFor([](const PlayerSnapshot& state) {
        return state.state == PlayState::Stopped ? player::kCmdPlay : player::kCmdPause;
    });
}

void MprisPlayerAdaptor::Stop()
{
    service_.RunCommand(player::kCmdStop);
}

void MprisPlayerAdaptor::Next()
{
    service_.RunCommandFor([](const PlayerSnapshot& state) { return state.CanGoNext() ? player::kCmdCirculate : 0; });
}

void MprisPlayerAdaptor::Previous()
{
    service_.PlayPreviousSong();
}

void MprisPlayerAdaptor::Seek(qlonglong offset)
{
    service_.SeekBy(offset / kMicrosecondsPerMs);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position)
{
    const PlayerSnapshot state = service_.State();
    // A request about a song that is no longer current, or outside it, is stale.
    if (trackId != TrackId(state) || position < 0 || position > state.lengthMs * kMicrosecondsPerMs)
        return;
    service_.SeekTo(position / kMicrosecondsPerMs);
}

void MprisPlayerAdaptor::OpenUri(const QString& uri)
{
    const QUrl url(uri);
    if (!url.isLocalFile()) {
        service_.RefuseCall(QStringLiteral("Only file URIs can be opened: %1").arg(uri));
        return;
    }
    service_.Open(url.toLocalFile());
}

}  // namespace mpris
