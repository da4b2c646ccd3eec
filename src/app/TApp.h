#pragma once
// The application object: the program's two application-wide paths, the
// services prepared before any window, the main window (the frame around the
// console) and the order of work from start to close.

#include "app/TAppCommands.h"
#include "player/TMainWindow.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>
#include <thread>

namespace mpris {
class MprisService;
}

namespace app {

class TApp : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kName = "Vantor";
    static constexpr const char* kTitle = "The Vantor";
    static constexpr const char* kSettingsFile = "Vantor.ini";

    // programDirectory: the Linux directory of the executable.
    explicit TApp(const QString& programDirectory);
    ~TApp() override;
    TApp(const TApp&) = delete;
    TApp& operator=(const TApp&) = delete;

    // False when the program's directory has no drive path (no drive holds it,
    // or the path is too long): nothing can be found beside the program then.
    bool HasPaths() const { return !ProgramDir.empty(); }

    // Start-up before any window: the drives of the settings file, the media
    // drivers, and the settings file's SoundFont for the synthesizer.
    void PrepareServices();
    // The synthesizer, started on a thread of its own once the frame shows
    // (nothing of it is on the first frame) and before the start-up album, so
    // the first MIDI song does not wait for all of it.
    void StartSynthesizer();
    // The drives of the settings file's [Drives] section.
    void LoadDrives();
    // Adds the digital face from the font file beside the program; silent on failure.
    static void AddFontFile();
    // Withdraws it again.
    static void RemoveFontFile();

    // The client and the frame around it, made the main window.
    void InitMainWindow();
    // After the frame is shown: the start-up album, then the upgrade
    // information. -1 when the start-up album ended the program.
    int InitInstance(const std::string& commandLine);
    // InitMainWindow, InitInstance and the event loop; the program's exit code.
    int Run(const std::string& commandLine);
    // The desktop's media keys and sound applets reach the player through the
    // session bus from now on; without a bus, or with the name taken, the
    // program runs without them and says nothing.
    void StartMediaControls();

    // A close request from outside (a signal): open modal windows are
    // dismissed as Cancel, then the frame is closed as by its close box once
    // their event loops have ended.
    void RequestClose();
    // A second copy asked this one to come forward.
    void BringToFront();
    // A second copy named an album: it is opened as Album > Open opens the one
    // chosen, once no dialog is open and the frame is not busy.
    void OpenRequestedAlbum(const QString& album);

    QWidget* MainWindow() const { return mainWindow_; }
    player::TMainWindow* Client() const { return client_; }
    bool CloseRequested() const { return closePending_; }

    std::string ProgramDir;    // drive path of the program's directory, no trailing backslash
    // Where the settings file and the default album live: ProgramDir, or the
    // user's configuration folder when the program's folder is not writable.
    std::string SettingsDir;
    std::string SettingsPath;  // SettingsDir + "\Vantor.ini"

private:
    void ComputePaths();
    void ProcessPendingClose();
    void ProcessPendingOpen();
    // A modal window is open, a nested event loop runs, or the frame is busy:
    // what comes from outside waits.
    bool MustWait() const;
    void CloseMainWindow();
    void DestroyMainWindow();
    void EndSession();

    QString programDirectory_;
    TAppCommands commands_;
    QPointer<QWidget> mainWindow_;
    QPointer<player::TMainWindow> client_;
    std::thread synthStart_;
    std::unique_ptr<mpris::MprisService> mediaControls_;
    bool loopRunning_ = false;
    bool closePending_ = false;
    std::string pendingOpen_;
};

}  // namespace app
