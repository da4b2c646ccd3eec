#include "app/TApp.h"

#include "app/ModalDismissal.h"
#include "app/SongLog.h"
#include "app/UpgradeInfo.h"
#include "app/UserFolder.h"
#include "app/WindowActivation.h"
#include "controls/console/TConsoleDialog.h"
#include "frame/TMainFrame.h"
#include "mpris/MprisService.h"
#include "platform/gst/GstRegistration.h"
#include "platform/midi/SequencerRegistration.h"
#include "platform/audio/AuxVolume.h"
#include "platform/midi/SynthHost.h"
#include "platform/paths/PathNamespace.h"
#include "platform/profile/DriveSettings.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"
#include "resources/bitmaps/Bitmaps.h"
#include "settings/SoundFontSetting.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QThread>
#include <QTimer>

#include <utility>

namespace app {

namespace {

// How often a close request waits for a modal window's event loop to end.
constexpr int kCloseRetryMs = 20;

}  // namespace

TApp::TApp(const QString& programDirectory) : programDirectory_(programDirectory)
{
    ComputePaths();
}

TApp::~TApp()
{
    mediaControls_.reset();
    delete mainWindow_.data();
    platform::SetAuxVolumeStore(std::string());
    if (synthStart_.joinable())
        synthStart_.join();
}

void TApp::ComputePaths()
{
    const std::optional<std::string> dir = platform::FromLinuxPath(programDirectory_.toStdString());
    ProgramDir.clear();
    SettingsDir.clear();
    SettingsPath.clear();
    if (!dir)
        return;
    // A drive root comes back as "c:\": the paths beside the program add their own backslash.
    const auto withoutTrailingSlash = [](std::string path) {
        while (path.size() > 2 && path.back() == '\\')
            path.pop_back();
        return path;
    };
    ProgramDir = withoutTrailingSlash(*dir);
    const QString settingsDirectory = SettingsDirectory(programDirectory_);
    const std::optional<std::string> settingsDir = platform::FromLinuxPath(settingsDirectory.toStdString());
    SettingsDir = settingsDir ? withoutTrailingSlash(*settingsDir) : ProgramDir;
    SettingsPath = SettingsDir + "\\" + kSettingsFile;
}

void TApp::PrepareServices()
{
    LoadDrives();
    // The program's own output volume is kept in the settings file between runs.
    platform::SetAuxVolumeStore(HasPaths() ? SettingsPath : std::string());
    if (HasPaths())
        SeedDefaultAlbum(ProgramDir, SettingsDir);
    platform::RegisterSequencerDriver();
    platform::RegisterGstDrivers();
    if (HasPaths())
        platform::SynthHost::instance().setChosenSoundFont(settings::ReadSoundFontSetting(SettingsPath));
}

void TApp::StartSynthesizer()
{
    if (!synthStart_.joinable())
        synthStart_ = std::thread([] { platform::SynthHost::instance().start(); });
}

void TApp::LoadDrives()
{
    if (HasPaths() && platform::LoadDriveSettings(SettingsPath.c_str()) > 0) {
        // A drive of the settings file may hold the program's directory more
        // closely than the default drives did; the file stays the same.
        ComputePaths();
    }
}

void TApp::AddFontFile()
{
    RegisterDigitalFont();
}

void TApp::RemoveFontFile()
{
    // The digital face is the only font the program adds.
    QFontDatabase::removeAllApplicationFonts();
}

void TApp::InitMainWindow()
{
    auto* client = new player::TMainWindow(nullptr, ProgramDir);
    client->programDir = ProgramDir;
    client->settingsPath = SettingsPath;
    client->userDir = SettingsDir;
    client->songStarted = [client](int number, const std::string& path, int seconds) {
        PrintSongStarted(number, path, seconds, client->LongSongName(number - 1));
    };
    client_ = client;

    auto* mainFrame = new frame::TMainFrame(client);
    mainFrame->setWindowTitle(QString::fromLatin1(kTitle));
    mainFrame->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    mainFrame->setWindowIcon(QIcon(resources::LoadIcon(resources::IDI_FRAME)));
    mainFrame->SetApplicationHandler(&commands_);
    mainWindow_ = mainFrame;
    // The frame's set-up (settings, window position, bars) runs here and shows it.
    mainFrame->Create();

    connect(qApp, &QGuiApplication::commitDataRequest, this, &TApp::EndSession);
}

int TApp::InitInstance(const std::string& commandLine)
{
    if (!client_)
        return -1;
    if (client_->LoadStartupAlbum(commandLine) < 0) {
        // The user chose to end the program rather than go on without the
        // requested album: the frame goes without the close path's saving.
        // A close request from outside answered that question, though, and
        // is still a close: it saves as one.
        if (closePending_) {
            closePending_ = false;
            CloseMainWindow();
        } else {
            DestroyMainWindow();
        }
        return -1;
    }
    // A close asked for during the start-up wants no more questions.
    if (!closePending_)
        ShowUpgradeInfoIfDue(client_, SettingsPath);
    return 0;
}

int TApp::Run(const std::string& commandLine)
{
    InitMainWindow();
    StartSynthesizer();
    if (InitInstance(commandLine) < 0 || !mainWindow_)
        return 0;
    loopRunning_ = true;
    if (closePending_)
        QTimer::singleShot(0, this, &TApp::ProcessPendingClose);
    else
        StartMediaControls();
    const int code = QApplication::exec();
    loopRunning_ = false;
    mediaControls_.reset();
    return code;
}

void TApp::StartMediaControls()
{
    auto* frame = qobject_cast<frame::TMainFrame*>(mainWindow_.data());
    if (frame == nullptr || mediaControls_)
        return;
    mpris::MprisService::AppActions actions;
    actions.raise = [this] { BringToFront(); };
    // What a second copy started with the file asks for.
    actions.open = [this](const QString& path) {
        OpenRequestedAlbum(path);
        BringToFront();
    };
    auto controls = std::make_unique<mpris::MprisService>(*frame, std::move(actions));
    if (controls->Register(QDBusConnection::sessionBus()))
        mediaControls_ = std::move(controls);
}

void TApp::RequestClose()
{
    closePending_ = true;
    // Nobody answers questions any more: what cannot be saved goes to stderr.
    if (player::TMainWindow* client = client_.data(); client != nullptr)
        client->SetUnattended(true);
    DismissModalWindows();
    // Also before the main loop runs: the start-up may open a message box after
    // this one, and the retries dismiss it from within its own loop.
    QTimer::singleShot(0, this, &TApp::ProcessPendingClose);
}

void TApp::ProcessPendingClose()
{
    if (!closePending_)
        return;
    // A modal window opened meanwhile, or the loop of a dismissed one has not
    // returned yet: closing now would pull the windows from under its caller.
    // Before the main loop runs, start-up is still in progress: Run closes the
    // window once it has finished. A disabled frame is busy (a song or an album
    // loading lets events run): closing from inside would pull the device and
    // the queue from under it.
    const QWidget* frame = mainWindow_.data();
    const bool busy = frame != nullptr && !frame->isEnabled();
    if (DismissModalWindows() > 0 || QThread::currentThread()->loopLevel() > 1 || !loopRunning_ || busy) {
        QTimer::singleShot(kCloseRetryMs, this, &TApp::ProcessPendingClose);
        return;
    }
    closePending_ = false;
    CloseMainWindow();
}

void TApp::CloseMainWindow()
{
    if (mainWindow_)
        mainWindow_->close();
}

void TApp::DestroyMainWindow()
{
    if (client_)
        client_->CleanupWindow();
    delete mainWindow_.data();
}

void TApp::EndSession()
{
    if (client_)
        client_->EndSession();
}

void TApp::BringToFront()
{
    app::BringForward(mainWindow_);
}

bool TApp::MustWait() const
{
    if (!loopRunning_)
        return true;
    const auto* frame = qobject_cast<const frame::TMainFrame*>(mainWindow_.data());
    return frame != nullptr ? frame->MustDeferOutsideRequests()
                            : QApplication::activeModalWidget() != nullptr || QThread::currentThread()->loopLevel() > 1;
}

void TApp::OpenRequestedAlbum(const QString& album)
{
    const bool waiting = !pendingOpen_.empty();
    // The latest request counts.
    pendingOpen_ = album.toStdString();
    if (!waiting)
        QTimer::singleShot(0, this, &TApp::ProcessPendingOpen);
}

void TApp::ProcessPendingOpen()
{
    if (pendingOpen_.empty() || closePending_)
        return;
    if (MustWait()) {
        QTimer::singleShot(kCloseRetryMs, this, &TApp::ProcessPendingOpen);
        return;
    }
    const std::string album = std::exchange(pendingOpen_, std::string());
    if (player::TMainWindow* client = client_.data(); client != nullptr)
        client->OpenRequestedAlbum(album);
}

}  // namespace app
