// Queue edits that move the current song.

#include "player/IMenuState.h"
#include "player/IPlayerQueue.h"
#include "player/IUserPrompt.h"
#include "player/PlayerIds.h"
#include "player/PlayerText.h"
#include "player/TMainWindow.h"

namespace player {

int TMainWindow::RemoveSelectedSong()
{
    const int sel = queue_.GetSelIndex();
    if (sel < 0)
        return -1;
    queue_.RemoveSongAt(sel);
    const int count = queue_.GetCount();
    if (count == 0) {
        SetStopped(true);
        StopDevice();
        device_->Close();
        ClearSongDisplay();
        // The read-outs are empty, so no song is current any more.
        currentSong = -1;
    } else if (sel == currentSong) {
        // The song that took the removed one's place starts, also when stopped.
        currentSong = sel - 1;
        NextSong();
    } else {
        queue_.SetSelIndex(sel < count ? sel : sel - 1);
        if (sel < currentSong) {
            --currentSong;
            SetItemText(kItemSongNumber, FormatSongNumber(currentSong + 1));
        }
    }
    return 0;
}

int TMainWindow::DeleteSelectedSongFile()
{
    const auto path = queue_.GetSongPath(queue_.GetSelIndex());
    if (!path)
        return 0;
    if (IsChecked(kOptConfirmOnDelete) && !prompt_.AskYesNo(kAskDeleteSongFile))
        return 0;
    if (RemoveSelectedSong() != 0)
        return -1;
    return prompt_.DeleteSongFile(*path) ? 0 : -1;
}

void TMainWindow::ClearAlbum()
{
    SetStopped(true);
    StopDevice();
    device_->Close();
    queue_.ClearSongs();
    ClearSongDisplay();
    currentSong = -1;
}

int TMainWindow::MoveSelectedSong(int offset)
{
    const int sel = queue_.GetSelIndex();
    const int result = queue_.MoveSelected(offset);
    if (result < 0)
        return result;
    const int target = sel + offset;
    if (sel == currentSong)
        currentSong = target;
    else if (offset > 0 && currentSong > sel && currentSong <= target)
        --currentSong;
    else if (offset < 0 && currentSong < sel && currentSong >= target)
        ++currentSong;
    return result;
}

void TMainWindow::HighlightCurrent()
{
    queue_.SetSelIndex(currentSong);
}

}  // namespace player
