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

void MprisPlayerAdaptor::Play()
{
    // Play restarts the selected song; a paused one resumes through Pause.
    switch (service_.State().state) {
    case PlayState::Stopped: service_.RunCommand(player::kCmdPlay); break;
    case PlayState::Paused: service_.RunCommand(player::kCmdPause); break;
    case PlayState::Playing: break;
    }
}

void MprisPlayerAdaptor::Pause()
{
    if (service_.State().state == PlayState::Playing)
        service_.RunCommand(player::kCmdPause);
}

void MprisPlayerAdaptor::PlayPause()
{
    if (service_.State().state == PlayState::Stopped)
        service_.RunCommand(player::kCmdPlay);
    else
        service_.RunCommand(player::kCmdPause);
}

void MprisPlayerAdaptor::Stop()
{
    service_.RunCommand(player::kCmdStop);
}

void MprisPlayerAdaptor::Next()
{
    if (service_.State().CanGoNext())
        service_.RunCommand(player::kCmdCirculate);
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
