// The operations the command table runs itself: option toggles, the queue font,
// help requests, the information dialogs and the keyboard's OK and Cancel.

#include "album/TQueueList.h"
#include "controls/info/TAboutDlg.h"
#include "controls/info/TAlbumPropDlg.h"
#include "player/IPositionSlider.h"
#include "player/PlayerIds.h"
#include "player/TMainWindow.h"
#include "platform/help/Help.h"
#include "platform/ui/FontDialog.h"

namespace player {

void TMainWindow::ToggleOption(int id)
{
    const bool on = !IsChecked(id);
    SetChecked(id, on);
    switch (id) {
    case kOptRandomOrder:
        SetLamp(kLampRandom, on);
        break;
    case kOptContinuousLoop:
        SetLamp(kLampLoop, on);
        break;
    case kOptElapsedTime:
        // Without a song there is no time to show; the mark alone changes.
        if (device.IsOpen())
            ShowTimeAt(TargetOfSliderPos(positionSlider ? positionSlider->GetPosition() : 0));
        break;
    case kOptShowLongNames:
        // The names are looked up now, once, not each time a line is drawn.
        if (queue)
            queue->RefreshLongNames();
        ShowCaptionAgain();
        break;
    default:
        break;
    }
    // Random Order and Continuous Loop decide whether there is a next song; Show Long
    // Names changes the song's name.
    NotifyStateChanged();
}

std::string TMainWindow::LongSongName(int index) const
{
    return queue && index >= 0 ? queue->LongName(queue->GetSongPath(index)) : std::string();
}

void TMainWindow::ToggleMute()
{
    const bool muted = !IsChecked(kCmdMute);
    SetChecked(kCmdMute, muted);
    SetButtonDown(kCmdMute, muted);
    ApplyMute();
    SetLamp(kLampMute, muted);
}

void TMainWindow::ApplyMute()
{
    const std::uint32_t audio = IsChecked(kCmdMute) ? mci::MCI_SET_OFF : mci::MCI_SET_ON;
    device.Set(mci::MCI_SET_AUDIO | audio, mci::MCI_SET_AUDIO_ALL);
}

void TMainWindow::SetQueueFont()
{
    if (!queue)
        return;
    QFont font = queue->GetLogFont();
    if (!platform::ChooseFont(this, font))
        return;
    queue->GetLogFont() = font;
    queue->FontChanged();
}

void TMainWindow::ShowHelp(unsigned command, unsigned long data)
{
    // The help window belongs to the frame around the console.
    platform::help::ShowHelp(window(), programDir + "\\Vantor.hlp", command, data);
}

void TMainWindow::ShowAlbumProperties()
{
    TAlbumPropDlg::Album album;
    album.path = albumPath;
    album.currentSong = currentSong;
    if (currentSong >= 0 && queue) {
        const char* song = queue->GetSongPath(currentSong);
        album.currentSongPath = song ? song : "";
    }
    album.songCount = queue ? queue->GetCount() : 0;
    // The dialog shows a copy taken now: nothing here is used once it has run.
    TAlbumPropDlg dialog(this, std::move(album));
    dialog.Execute();
}

void TMainWindow::ShowAbout()
{
    TAboutDlg dialog(this);
    dialog.Execute();
}

void TMainWindow::EvCommand(int id)
{
    if (id == IDOK || id == IDCANCEL)
        return;
    TConsoleDialog::EvCommand(id);
}

}  // namespace player
