// The console's command table: the commands the player runs itself. A command
// not listed here goes on to the frame and then to the application.
#include "player/TMainWindow.h"

#include "album/TQueueList.h"
#include "player/PlayerIds.h"

#include <QGuiApplication>

namespace player {

namespace {
bool ShiftHeld()
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}
}  // namespace

bool TMainWindow::HandleCommand(int commandId)
{
    switch (commandId) {
    case kCmdPlay:
    case kCmdPlayButton:
        PlaySelected();
        return true;
    case kCmdStop:
        StopSong();
        return true;
    case kCmdPause:
        TogglePause();
        return true;
    case kCmdRepeat:
        ToggleRepeat();
        return true;
    case kCmdCirculate:
        NextSong();
        return true;
    case kCmdRemove:
        RemoveSelectedSong();
        return true;
    case kCmdDelete:
        DeleteSelectedSongFile();
        return true;
    case kCmdClear:
        ClearAlbum();
        return true;
    case kCmdHighlightCurrent:
        HighlightCurrent();
        return true;
    case kCmdMoveUp:
        if (queue)
            queue->MoveSongUp(ShiftHeld());
        return true;
    case kCmdMoveDown:
        if (queue)
            queue->MoveSongDown(ShiftHeld());
        return true;
    case resources::CM_SORT_ALBUM:
        if (queue)
            queue->SortAlbum();
        return true;
    case resources::CM_SHUFFLE_ALBUM:
        if (queue)
            queue->ShuffleAlbum();
        return true;
    case kCmdRewindRepeat:
    case kCmdForwardRepeat:
    case kCmdRewindRelease:
    case kCmdForwardRelease:
        FastWind(commandId);
        return true;
    default:
        return false;
    }
}

}  // namespace player
