#include "player/TMainWindow.h"

#include "album/FormatText.h"
#include "album/TQueueList.h"
#include "player/IMenuState.h"
#include "player/IPlayerFrame.h"
#include "player/IPositionSlider.h"
#include "player/IToolBarButtons.h"
#include "player/PlayerIds.h"
#include "platform/help/Help.h"
#include "platform/mci/MciConstants.h"
#include "platform/mci/MciNotifyEvent.h"
#include "resources/strings/StringTable.h"

#include <QCoreApplication>
#include <QTimerEvent>

#include <cstdlib>
#include <ctime>

namespace player {

namespace {
constexpr const char* kProgramCaption = "The Vantor";
}

TMainWindow* TMainWindow::instance_ = nullptr;

TMainWindow::TMainWindow(QWidget* parent, std::string programDir, platform::MidiOutFactory openMidiOut)
    : TConsoleDialog(parent), midiReset(*this, programDir, openMidiOut), programDir(programDir)
{
    instance_ = this;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

TMainWindow::~TMainWindow()
{
    // Song play always stops when the window goes. The frame may be half gone by
    // now, so only the device is touched here.
    if (setUp_) {
        tickTimer_.stop();
        device.Stop();
        device.Set(mci::MCI_SET_AUDIO | mci::MCI_SET_ON, mci::MCI_SET_AUDIO_ALL);
        device.Close();
    }
    if (instance_ == this)
        instance_ = nullptr;
}

void TMainWindow::SetupWindow()
{
    TConsoleDialog::SetupWindow();
    device.notifyWindow = this;
    device.SetErrorCaption(kProgramCaption);
    midiReset.SetOwner(this);
    if (frame_) {
        frameMenu = frame_->FrameMenu();
        if (ISystemMenu* menu = frame_->SystemMenu()) {
            menu->RemoveMaximize();
            menu->AppendSeparator();
            menu->AppendItem(kCmdPause, "Pa&use");
            menu->AppendItem(kCmdRepeat, "Repea&t");
            menu->AppendItem(kCmdCirculate, "Ci&rculate");
            menu->AppendSeparator();
            menu->AppendItem(kCmdRemove, "Remo&ve");
            menu->AppendItem(kCmdDelete, "&Delete");
        }
    }
    EnablePauseControls(false);
    tickTimer_.start(kTickPeriodMs, this);
    setUp_ = true;
}

void TMainWindow::CleanupWindow()
{
    if (!setUp_)
        return;
    setUp_ = false;
    tickTimer_.stop();
    SetStopped(true);
    StopDevice();
    // Sound back on in case the song was muted.
    device.Set(mci::MCI_SET_AUDIO | mci::MCI_SET_ON, mci::MCI_SET_AUDIO_ALL);
    device.Close();
    ShowHelp(platform::help::HELP_QUIT, 0);
}

bool TMainWindow::event(QEvent* event)
{
    if (event->type() == mci::MM_MCINOTIFY()) {
        // A notice from a device closed since (a song that ended just as another
        // was asked for) speaks of a song that is no longer the current one.
        const auto* notice = static_cast<mci::MciNotifyEvent*>(event);
        if (device.IsOpen() && notice->deviceId() == device.deviceId)
            SongEnded(notice->code());
        return true;
    }
    return TConsoleDialog::event(event);
}

void TMainWindow::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == tickTimer_.timerId())
        OnTick();
    else
        TConsoleDialog::timerEvent(event);
}

// --- helpers -----------------------------------------------------------------

bool TMainWindow::IsChecked(int optionId) const
{
    return frameMenu && frameMenu->IsChecked(optionId);
}

void TMainWindow::SetChecked(int commandId, bool checked)
{
    if (frameMenu)
        frameMenu->SetChecked(commandId, checked);
}

void TMainWindow::SetConsoleText(int controlId, const char* text)
{
    SetDlgItemText(controlId, QString::fromUtf8(text));
    // The queue reports its count and the current song's number here.
    if (controlId == resources::IDC_SONG_COUNT || controlId == resources::IDC_SONG_NUMBER)
        NotifyStateChanged();
}

void TMainWindow::NotifyStateChanged()
{
    if (stateChanged)
        stateChanged();
}

std::uint32_t TMainWindow::SongPosition()
{
    return device.IsOpen() ? device.Status(mci::MCI_STATUS_ITEM, mci::MCI_STATUS_POSITION, 0) : 0;
}

void TMainWindow::UpdateItemNow(int controlId)
{
    if (QWidget* control = item(controlId))
        control->repaint();
}

void TMainWindow::SetItemText(int itemId, const std::string& text)
{
    SetConsoleText(itemId, text.c_str());
}

void TMainWindow::ShowSongNumber(int number)
{
    SetItemText(kItemSongNumber, FormatText("%.3d", number));
}

void TMainWindow::SetLamp(int lampId, bool on)
{
    // A lamp's word is the string-table entry with the lamp's own id.
    SetItemText(lampId, on ? resources::LoadString(lampId) : "");
}

void TMainWindow::SetButtonDown(int commandId, bool down)
{
    if (frame_ && frame_->ToolBar())
        frame_->ToolBar()->SetButtonDown(commandId, down);
}

void TMainWindow::SetSliderPosition(int pos)
{
    if (positionSlider)
        positionSlider->SetPosition(pos);
}

std::uint32_t TMainWindow::DeviceLength()
{
    return device.Status(mci::MCI_STATUS_ITEM, mci::MCI_STATUS_LENGTH, 0);
}

void TMainWindow::BeginBusy(int textId)
{
    if (frame_)
        frame_->BeginBusy(textId);
}

void TMainWindow::EndBusy()
{
    if (frame_)
        frame_->EndBusy(true);
}

// --- sequencing --------------------------------------------------------------

void TMainWindow::StartTracking()
{
    if (instance_)
        instance_->tracking_ = true;
}

void TMainWindow::StopTracking()
{
    if (instance_)
        instance_->tracking_ = false;
}

void TMainWindow::StopDevice()
{
    StopTracking();
    device.Stop();
}

void TMainWindow::CloseSong()
{
    if (!device.IsOpen())
        return;
    BeginBusy(kBusyClosingSong);
    StopDevice();
    device.Close();
    EndBusy();
}

int TMainWindow::LoadSong(const std::string& path)
{
    CloseSong();
    BeginBusy(kBusyOpeningSong);
    midiReset.ResetSynth();
    // Lets the window repaint; commands and notifications may arrive here.
    QCoreApplication::processEvents();
    int result = -1;
    if (device.Open(path.c_str()) == 0
        && device.Set(mci::MCI_SET_TIME_FORMAT, mci::MCI_FORMAT_MILLISECONDS) == 0) {
        // Mute stays on from song to song until the user switches it off.
        if (IsChecked(kCmdMute))
            ApplyMute();
        songLength_ = DeviceLength();
        result = static_cast<int>(songLength_ / 1000);
    }
    EndBusy();
    return result;
}

int TMainWindow::StartSong(int index)
{
    if (index < 0 || !queue || queue->SetSelIndex(index) < 0)
        return -1;
    currentSong = index;
    ShowSongNumber(index + 1);
    const char* songPath = queue->GetSongPath(index);
    const std::string path = songPath ? songPath : "";
    ShowCaption(albumPath.empty() ? nullptr : &albumPath, &path);
    SetSliderPosition(0);
    SetItemText(kItemTime, "");
    SetItemText(kItemLength, "");
    SetIconProgress(0);
    const int seconds = LoadSong(path);
    NotifyStateChanged();
    if (seconds < 0)
        return seconds;
    const std::int64_t shown = IsChecked(kOptElapsedTime) ? 0 : DeviceLength() / 1000;
    SetItemText(kItemTime, FormatMinSec(static_cast<int>(shown)));
    SetItemText(kItemLength, FormatMinSec(seconds));
    if (songStarted)
        songStarted(index + 1, path, seconds);
    return seconds;
}

int TMainWindow::PlayRange(std::int64_t from, std::int64_t to)
{
    if (!device.IsOpen())
        return -1;
    if (from != -1 && from == device.Status(mci::MCI_STATUS_ITEM, mci::MCI_STATUS_POSITION, 0))
        from = -1;
    // Unsigned as the command's parameter: the "to the end" value is never below the length.
    if (static_cast<std::uint32_t>(to) >= DeviceLength())
        to = -2;
    if (device.Play(from, to) != 0)
        return -1;
    SetStopped(false);
    SetPaused(false);
    StartTracking();
    return 0;
}

int TMainWindow::PlaySong(int index)
{
    if (!queue || queue->SetSelIndex(index) < 0)
        return -1;
    return PlaySelected();
}

int TMainWindow::PlaySelected()
{
    const int sel = queue ? queue->GetSelIndex() : -1;
    if (sel < 0)
        return -1;
    SetButtonDown(kCmdPlayButton, true);
    if (StartSong(sel) >= 0 && PlayRange(0, -2) == 0)
        return 0;
    // A song that cannot be opened or played stops the player; nothing skips ahead.
    SetStopped(true);
    StopDevice();
    return -1;
}

void TMainWindow::NextSong()
{
    int next = 0;
    const int count = queue ? queue->GetCount() : 0;
    if (IsChecked(kOptRandomOrder)) {
        next = count > 0 ? std::rand() % count : 0;
    } else {
        // An album may store any index: past the last song is the end of the album.
        next = currentSong < count ? currentSong + 1 : count;
        if (next >= count) {
            if (!IsChecked(kOptContinuousLoop)) {
                SetStopped(true);
                StopDevice();
                return;
            }
            next = 0;
        }
    }
    PlaySong(next);
}

void TMainWindow::StopSong()
{
    SetStopped(true);
    StopDevice();
}

void TMainWindow::TogglePause()
{
    if (stopped_)
        return;
    if (paused_)
        ResumeSong();
    else
        PauseSong();
}

void TMainWindow::PauseSong()
{
    if (paused_)
        return;
    StopTracking();
    SetPaused(true);
    device.Pause();
}

void TMainWindow::ResumeSong()
{
    // A new play from the paused position, so the end is notified again.
    if (paused_)
        PlayRange(-1, -2);
}

void TMainWindow::ToggleRepeat()
{
    repeat = !repeat;
    SetButtonDown(kCmdRepeat, repeat);
    SetLamp(kLampRepeat, repeat);
    if (frameMenu)
        frameMenu->SetChecked(kCmdRepeat, repeat);
    if (frame_ && frame_->SystemMenu())
        frame_->SystemMenu()->SetChecked(kCmdRepeat, repeat);
}

void TMainWindow::SetStopped(bool flag)
{
    stopped_ = flag;
    SetButtonDown(kCmdPlayButton, !flag);
    SetLamp(kLampPlay, !flag);
    if (flag) {
        SetPaused(false);
        SetSliderPosition(0);
        const std::int64_t shown = IsChecked(kOptElapsedTime) ? 0 : DeviceLength() / 1000;
        SetItemText(kItemTime, FormatMinSec(static_cast<int>(shown)));
        SetIconProgress(0);
    }
    EnablePauseControls(!flag);
    NotifyStateChanged();
}

void TMainWindow::SetPaused(bool flag)
{
    paused_ = flag;
    SetButtonDown(kCmdPause, flag);
    SetLamp(kLampPause, flag);
    if (frameMenu)
        frameMenu->SetChecked(kCmdPause, flag);
    if (frame_ && frame_->SystemMenu())
        frame_->SystemMenu()->SetChecked(kCmdPause, flag);
    NotifyStateChanged();
}

void TMainWindow::EnablePauseControls(bool flag)
{
    if (frame_ && frame_->ToolBar())
        frame_->ToolBar()->SetButtonEnabled(kCmdPause, flag);
    if (frameMenu)
        frameMenu->SetEnabled(kCmdPause, flag);
    if (frame_ && frame_->SystemMenu())
        frame_->SystemMenu()->SetEnabled(kCmdPause, flag);
    if (positionSlider)
        positionSlider->EnableWindow(flag);
}

void TMainWindow::SystemMenuCommand(int id)
{
    switch (id) {
    case kCmdPause: TogglePause(); break;
    case kCmdRepeat: ToggleRepeat(); break;
    case kCmdDelete: DeleteSelectedSongFile(); break;
    case kCmdPlay: PlaySelected(); break;
    case kCmdCirculate: NextSong(); break;
    case kCmdRemove: RemoveSelectedSong(); break;
    default: break;
    }
}

}  // namespace player
