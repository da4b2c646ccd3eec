#include "mpris/MprisService.h"

#include "album/TQueueList.h"
#include "frame/TMainFrame.h"
#include "mpris/MprisPlayerAdaptor.h"
#include "mpris/MprisRootAdaptor.h"
#include "player/PlayerIds.h"
#include "player/TMainWindow.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace mpris {

namespace {
constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";
constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";
// The position slider's range: a seek goes to one of its steps.
constexpr double kSliderSteps = 10000.0;
constexpr int kBusyRetryMs = 20;
}  // namespace

MprisService::MprisService(frame::TMainFrame& frame, AppActions actions, QObject* parent)
    : QObject(parent), frame_(&frame), actions_(std::move(actions)), bus_(QString())
{
    new MprisRootAdaptor(*this);
    playerAdaptor_ = new MprisPlayerAdaptor(*this);
    if (player::TMainWindow* player = Player(); player != nullptr) {
        player->stateChanged = [this] { StateChanged(); };
        player->seeked = [this](std::uint32_t positionMs) { Seeked(positionMs); };
    }
    published_ = State();
}

MprisService::~MprisService()
{
    if (player::TMainWindow* player = Player(); player != nullptr) {
        player->stateChanged = nullptr;
        player->seeked = nullptr;
    }
    if (registered_) {
        bus_.unregisterService(QString::fromLatin1(kServiceName));
        bus_.unregisterObject(QString::fromLatin1(kObjectPath));
    }
}

bool MprisService::Register(QDBusConnection bus)
{
    if (registered_ || !bus.isConnected())
        return false;
    const QString path = QString::fromLatin1(kObjectPath);
    if (!bus.registerObject(path, this, QDBusConnection::ExportAdaptors))
        return false;
    if (!bus.registerService(QString::fromLatin1(kServiceName))) {
        bus.unregisterObject(path);
        return false;
    }
    bus_ = bus;
    registered_ = true;
    published_ = State();
    return true;
}

player::TMainWindow* MprisService::Player() const
{
    const frame::TMainFrame* frame = frame_.data();
    return frame != nullptr ? frame->Client() : nullptr;
}

PlayerSnapshot MprisService::State() const
{
    player::TMainWindow* player = Player();
    return player != nullptr ? PlayerSnapshot::Take(*player) : PlayerSnapshot();
}

std::uint32_t MprisService::PositionMs() const
{
    player::TMainWindow* player = Player();
    return player != nullptr ? player->SongPosition() : 0;
}

bool MprisService::Accepts() const
{
    const frame::TMainFrame* frame = frame_.data();
    // A closed frame has cleaned up its player; the loop only winds down.
    return frame != nullptr && Player() != nullptr && frame->isVisible() && !frame->MustDeferOutsideRequests();
}

void MprisService::Later(std::function<void()> action)
{
    // A call that comes while the program waits is dropped, not kept for later:
    // the user answers the dialog first.
    if (!Accepts())
        return;
    QTimer::singleShot(0, this, [this, action = std::move(action)] {
        if (Accepts())
            action();
    });
}

void MprisService::RunCommand(int commandId)
{
    RunCommandFor([commandId](const PlayerSnapshot&) { return commandId; });
}

void MprisService::RunCommandFor(std::function<int(const PlayerSnapshot&)> choose)
{
    Later([this, choose = std::move(choose)] {
        const int commandId = choose(State());
        if (frame::TMainFrame* frame = frame_.data(); frame != nullptr && commandId != 0)
            frame->RouteCommand(commandId);
    });
}

void MprisService::PlayPreviousSong()
{
    Later([this] {
        frame::TMainFrame* frame = frame_.data();
        player::TMainWindow* player = Player();
        if (frame == nullptr || player == nullptr || player->queue == nullptr)
            return;
        const PlayerSnapshot state = State();
        if (!state.CanGoPrevious())
            return;
        player->queue->SetSelIndex(state.song - 1);
        frame->RouteCommand(player::kCmdPlay);
    });
}

void MprisService::SeekTo(std::int64_t targetMs)
{
    Later([this, targetMs] { SeekNow(targetMs); });
}

void MprisService::SeekBy(std::int64_t offsetMs)
{
    Later([this, offsetMs] { SeekNow(static_cast<std::int64_t>(PositionMs()) + offsetMs); });
}

void MprisService::SeekNow(std::int64_t targetMs)
{
    player::TMainWindow* player = Player();
    const PlayerSnapshot state = State();
    if (player == nullptr || !state.CanSeek())
        return;
    if (targetMs > static_cast<std::int64_t>(state.lengthMs)) {
        if (frame::TMainFrame* frame = frame_.data(); frame != nullptr)
            frame->RouteCommand(player::kCmdCirculate);
        return;
    }
    const double target = static_cast<double>(std::max<std::int64_t>(targetMs, 0));
    player->SeekToPosition(static_cast<int>(std::lround(target * kSliderSteps / state.lengthMs)));
}

void MprisService::SetVolume(double volume)
{
    if (!Accepts() || std::isnan(volume))
        return;
    SetOutputVolume(volume);
    frame::TMainFrame* frame = frame_.data();
    // The volume bar shows the program's own output when it is the chosen device.
    if (frame != nullptr && frame->AuxOutDevice() == 1)
        frame->ShowDeviceVolume();
    StateChanged();
}

void MprisService::Raise()
{
    if (actions_.raise)
        actions_.raise();
}

void MprisService::Open(const QString& linuxPath)
{
    Later([this, linuxPath] {
        if (actions_.open)
            actions_.open(linuxPath);
    });
}

void MprisService::RefuseCall(const QString& reason)
{
    // The bus sets the call's context on the object that carries the adaptors.
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, reason);
}

void MprisService::StateChanged()
{
    if (!registered_ || publishPending_)
        return;
    // Several notifications of one operation make one signal.
    publishPending_ = true;
    QTimer::singleShot(0, this, &MprisService::PublishChanges);
}

void MprisService::PublishChanges()
{
    // A busy frame is half way through an operation (a song opening lets events
    // run): its state is told once the operation is over.
    if (const frame::TMainFrame* frame = frame_.data(); frame != nullptr && !frame->isEnabled()) {
        QTimer::singleShot(kBusyRetryMs, this, &MprisService::PublishChanges);
        return;
    }
    publishPending_ = false;
    const PlayerSnapshot now = State();
    const QVariantMap changed = ChangedProperties(published_, now);
    published_ = now;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(kObjectPath),
                                                     QString::fromLatin1(kPropertiesInterface),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(kPlayerInterface) << changed << QStringList();
    bus_.send(signal);
}

void MprisService::Seeked(std::uint32_t positionMs)
{
    if (registered_)
        emit playerAdaptor_->Seeked(static_cast<qlonglong>(positionMs) * 1000);
}

}  // namespace mpris
