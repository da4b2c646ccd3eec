#pragma once
// The program as a media player on the session bus, for the desktop's media keys
// and sound applets: the name org.mpris.MediaPlayer2.vantor with one object that
// carries the root and the player interfaces. Every call runs the player's own
// command, as the menu and the tool bar do, once the event loop is back; while
// the program waits (a dialog or message box is open, the frame is busy) calls
// change nothing; only Raise works then, as a second start does. The player's
// change notifications become PropertiesChanged and Seeked.

#include "mpris/PlayerSnapshot.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>

namespace frame {
class TMainFrame;
}
namespace player {
class TMainWindow;
}

namespace mpris {

class MprisPlayerAdaptor;

class MprisService : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.vantor";
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";

    // What only the application can do.
    struct AppActions {
        // The main window comes forward.
        std::function<void()> raise;
        // An album or song file, as when a second copy is started with it.
        std::function<void(const QString& linuxPath)> open;
    };

    // Listens to the player inside frame from now on.
    MprisService(frame::TMainFrame& frame, AppActions actions, QObject* parent = nullptr);
    ~MprisService() override;
    MprisService(const MprisService&) = delete;
    MprisService& operator=(const MprisService&) = delete;

    // Takes the name and the object on bus. False when there is no bus or
    // another program holds the name: the program then goes on without them.
    bool Register(QDBusConnection bus);
    bool IsRegistered() const { return registered_; }

    // For the adaptors.
    PlayerSnapshot State() const;
    std::uint32_t PositionMs() const;
    // False while the program waits for the user or is busy.
    bool Accepts() const;
    // The command as the menu runs it, from the event loop, unless the program
    // must wait by then.
    void RunCommand(int commandId);
    // The command that choose picks from the state of play at that moment (0: none).
    void RunCommandFor(std::function<int(const PlayerSnapshot&)> choose);
    // The song before the current one, chosen in the queue and played as Play does.
    void PlayPreviousSong();
    // Moves the open song to targetMs as the position slider does; past the
    // song's end it goes on to the next song.
    void SeekTo(std::int64_t targetMs);
    // The current position plus offsetMs, taken when the seek runs.
    void SeekBy(std::int64_t offsetMs);
    void SetVolume(double volume);
    void Raise();
    void Open(const QString& linuxPath);
    // The call being answered fails with an invalid-argument error saying why.
    void RefuseCall(const QString& reason);

private:
    player::TMainWindow* Player() const;
    // Runs action from the event loop when the program accepts calls by then.
    void Later(std::function<void()> action);
    void SeekNow(std::int64_t targetMs);
    void StateChanged();
    void PublishChanges();
    void Seeked(std::uint32_t positionMs);

    QPointer<frame::TMainFrame> frame_;
    AppActions actions_;
    MprisPlayerAdaptor* playerAdaptor_ = nullptr;
    QDBusConnection bus_;
    bool registered_ = false;
    bool publishPending_ = false;
    // What the bus was last told.
    PlayerSnapshot published_;
};

}  // namespace mpris
