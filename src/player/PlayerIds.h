#pragma once
// The numbers the player speaks in: commands (menu item, tool-bar button and
// status hint share one), console controls, status texts and the tick timer.

#include "controls/sliders/ScrollCodes.h"
#include "resources/CommandIds.h"
#include "resources/dialogs/ConsoleIds.h"

namespace player {

// Commands.
constexpr int kCmdPlay = resources::CM_PLAY;
constexpr int kCmdPlayButton = resources::CM_PLAY_BUTTON;
constexpr int kCmdStop = resources::CM_STOP;
constexpr int kCmdPause = resources::CM_PAUSE;
constexpr int kCmdRepeat = resources::CM_REPEAT;
constexpr int kCmdCirculate = resources::CM_CIRCULATE;
constexpr int kCmdRemove = resources::CM_REMOVE_SONG;
constexpr int kCmdDelete = resources::CM_DELETE_SONG;
constexpr int kCmdClear = resources::CM_CLEAR_ALBUM;
constexpr int kCmdHighlightCurrent = resources::CM_HIGHLIGHT_CURRENT;
constexpr int kCmdMoveUp = resources::CM_MOVE_UP;
constexpr int kCmdMoveDown = resources::CM_MOVE_DOWN;
constexpr int kCmdMute = resources::CM_MUTE;

// Options: check marks of menu items.
constexpr int kOptContinuousLoop = resources::CM_CONTINUOUS_LOOP;
constexpr int kOptRandomOrder = resources::CM_RANDOM_ORDER;
constexpr int kOptElapsedTime = resources::CM_ELAPSED_TIME;
constexpr int kOptAutoPlay = resources::CM_AUTO_PLAY;
constexpr int kOptConfirmOnDelete = resources::CM_CONFIRM_DELETE;
constexpr int kOptShowLongNames = resources::CM_SHOW_LONG_NAMES;

// Fast wind: repeats every 100 ms while held, then a release.
constexpr int kCmdRewindRepeat = resources::CM_REWIND_REPEAT;
constexpr int kCmdForwardRepeat = resources::CM_FORWARD_REPEAT;
constexpr int kCmdRewindRelease = resources::CM_REWIND_RELEASE;
constexpr int kCmdForwardRelease = resources::CM_FORWARD_RELEASE;

// Console read-outs and lamps.
constexpr int kItemTime = resources::IDC_TIME;
constexpr int kItemLength = resources::IDC_LENGTH;
constexpr int kItemSongNumber = resources::IDC_SONG_NUMBER;
constexpr int kLampPlay = resources::IDC_LAMP_PLAY;
constexpr int kLampPause = resources::IDC_LAMP_PAUSE;
constexpr int kLampRepeat = resources::IDC_LAMP_REPEAT;
constexpr int kLampLoop = resources::IDC_LAMP_LOOP;
constexpr int kLampRandom = resources::IDC_LAMP_RANDOM;
constexpr int kLampMute = resources::IDC_LAMP_MUTE;

// Status-bar text gadgets: album (left) and song (right).
constexpr int kPaneAlbum = 7856;
constexpr int kPaneSong = 7857;

// Busy texts (string-table ids).
constexpr int kBusyClosingSong = 7798;
constexpr int kBusyOpeningSong = 7793;
constexpr int kBusySeeking = 7792;
constexpr int kAskDeleteSongFile = 7796;

// The console's one window timer.
constexpr int kTickTimerId = 777;
constexpr int kTickPeriodMs = 1000;

}  // namespace player
