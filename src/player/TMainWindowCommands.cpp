// The console's command table: the first link of the routing chain. A command
// not listed here goes on to the frame and then to the application.
#include "player/TMainWindow.h"

#include "album/TQueueList.h"
#include "platform/help/Help.h"
#include "player/PlayerIds.h"
#include "player/SoundFontChoice.h"

#include <QGuiApplication>

namespace player {

namespace {

bool ShiftHeld()
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

constexpr const char* kEmptyKey = "";

bool IsToggledOption(int commandId)
{
    switch (commandId) {
    case resources::CM_CONTINUOUS_LOOP:
    case resources::CM_RANDOM_ORDER:
    case resources::CM_ELAPSED_TIME:
    case resources::CM_AUTO_PLAY:
    case resources::CM_AUTO_SAVE_ALBUM:
    case resources::CM_RELATIVE_PATHS:
    case resources::CM_ALLOW_DUPLICATES:
    case resources::CM_CONFIRM_DELETE:
    case resources::CM_SHOW_LONG_NAMES:
    case resources::CM_SAVE_SETTINGS_ON_EXIT:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool TMainWindow::HandleCommand(int commandId)
{
    if (IsToggledOption(commandId)) {
        ToggleOption(commandId);
        return true;
    }
    if (commandId >= resources::CM_RECENT_ALBUM_FIRST && commandId <= resources::CM_RECENT_ALBUM_LAST) {
        OpenRecentAlbum(commandId);
        return true;
    }
    switch (commandId) {
    // Song
    case resources::CM_ADD_SONGS:
        AddSongs();
        return true;
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
    case kCmdMute:
        ToggleMute();
        return true;
    case kCmdRewindRepeat:
    case kCmdForwardRepeat:
    case kCmdRewindRelease:
    case kCmdForwardRelease:
        FastWind(commandId);
        return true;

    // Album
    case resources::CM_NEW_ALBUM:
        NewAlbum();
        return true;
    case resources::CM_OPEN_ALBUM:
        OpenAlbum();
        return true;
    case resources::CM_SAVE_ALBUM:
        SaveAlbum();
        return true;
    case resources::CM_SAVE_ALBUM_AS:
        SaveAlbumAs();
        return true;
    case resources::CM_CLOSE_ALBUM:
        CloseAlbum();
        return true;
    case resources::CM_DELETE_ALBUM:
        DeleteAlbum();
        return true;
    case resources::CM_REMOVE_DUPLICATES:
        RemoveDuplicates();
        return true;
    case kCmdClear:
        ClearAlbum();
        return true;
    case resources::CM_SORT_ALBUM:
        if (queue)
            queue->SortAlbum();
        return true;
    case resources::CM_SHUFFLE_ALBUM:
        if (queue)
            queue->ShuffleAlbum();
        return true;
    case resources::CM_ALBUM_PROPERTIES:
        ShowAlbumProperties();
        return true;

    // Options
    case resources::CM_NO_RESET:
    case resources::CM_STANDARD_RESET:
    case resources::CM_FULL_RESET:
    case resources::CM_CUSTOM_RESET:
        midiReset.SetResetMode(commandId);
        return true;
    case resources::CM_SET_FONT:
        SetQueueFont();
        return true;
    case resources::CM_SOUND_FONT:
        ChooseSoundFont(this, settingsPath);
        return true;
    case resources::CM_SAVE_SETTINGS_NOW:
        SaveSettingsNow();
        return true;

    // Help
    case resources::CM_HELP_CONTENTS:
        ShowHelp(platform::help::HELP_CONTENTS, 0);
        return true;
    case resources::CM_HELP_TUTORIAL:
        ShowHelp(platform::help::HELP_CONTEXT, resources::CM_HELP_TUTORIAL);
        return true;
    case resources::CM_HELP_KEYWORD:
        // The search opens with an empty key.
        ShowHelp(platform::help::HELP_PARTIALKEY, reinterpret_cast<unsigned long>(kEmptyKey));
        return true;
    case resources::CM_HELP_USING:
        ShowHelp(platform::help::HELP_HELPONHELP, 0);
        return true;
    case resources::CM_ABOUT:
        ShowAbout();
        return true;

    default:
        return false;
    }
}

}  // namespace player
