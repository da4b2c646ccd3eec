// Queue edits that move the current song.

#include "album/TQueueList.h"
#include "player/IMenuState.h"
#include "platform/paths/DriveFile.h"
#include "platform/ui/MessageBox.h"
#include "resources/strings/StringTable.h"
#include "player/PlayerIds.h"
#include "player/TMainWindow.h"

namespace player {

int TMainWindow::RemoveSelectedSong()
{
    const int sel = queue ? queue->GetSelIndex() : -1;
    if (sel < 0)
        return -1;
    queue->RemoveSongAt(sel);
    const int count = queue->GetCount();
    if (count == 0) {
        SetStopped(true);
        StopDevice();
        device.Close();
        ClearSongDisplay();
        // The read-outs are empty, so no song is current any more.
        currentSong = -1;
    } else if (sel == currentSong) {
        // The song that took the removed one's place starts, also when stopped.
        currentSong = sel - 1;
        NextSong();
    } else {
        queue->SetSelIndex(sel < count ? sel : sel - 1);
        if (sel < currentSong) {
            --currentSong;
            ShowSongNumber(currentSong + 1);
        }
    }
    return 0;
}

int TMainWindow::DeleteSelectedSongFile()
{
    const char* selected = queue ? queue->GetSelectedSongPath() : nullptr;
    if (!selected)
        return 0;
    // The queue's text buffer is shared and overwritten by the removal.
    const std::string path = selected;
    const QByteArray line = queue->GetStringBytes(queue->GetSelIndex());
    if (IsChecked(kOptConfirmOnDelete)) {
        using namespace platform;
        MessageBeep(MB_ICONQUESTION);
        if (MessageBox(this, QString::fromLatin1(resources::LoadString(kAskDeleteSongFile)), QStringLiteral("The Vantor"),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2)
            != IDYES)
            return 0;
        // While the question was open a song may have ended and moved the
        // selection, or the queue changed: the line asked about is the one to go.
        const int asked = queue->GetStringBytes(queue->GetSelIndex()) == line
                              ? queue->GetSelIndex()
                              : queue->FindExactString(line.constData());
        if (asked < 0)
            return 0;
        queue->SetSelIndex(asked);
    }
    if (RemoveSelectedSong() != 0)
        return -1;
    return platform::DeleteDriveFile(path) ? 0 : -1;
}

void TMainWindow::ClearAlbum()
{
    SetStopped(true);
    StopDevice();
    device.Close();
    if (queue)
        queue->ClearSongs();
    ClearSongDisplay();
    currentSong = -1;
}

int TMainWindow::MoveSelectedSong(int offset)
{
    if (!queue)
        return -1;
    const int sel = queue->GetSelIndex();
    const int result = queue->MoveSelected(offset);
    if (result < 0)
        return result;
    const int target = sel + offset;
    if (sel == currentSong)
        currentSong = target;
    else if (offset > 0 && currentSong > sel && currentSong <= target)
        --currentSong;
    else if (offset < 0 && currentSong < sel && currentSong >= target)
        ++currentSong;
    NotifyStateChanged();
    return result;
}

void TMainWindow::HighlightCurrent()
{
    if (queue)
        queue->SetSelIndex(currentSong);
}

}  // namespace player
