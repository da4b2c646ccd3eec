#pragma once
// The numbers the player speaks in: commands (menu item, tool-bar button and
// status hint share one), console controls, status texts and the tick timer.

#include "controls/sliders/ScrollCodes.h"
#include "resources/dialogs/ConsoleIds.h"

namespace player {

// Commands.
constexpr int kCmdPlay = 7722;
constexpr int kCmdPlayButton = 7873;
constexpr int kCmdStop = 7723;
constexpr int kCmdPause = 7724;
constexpr int kCmdRepeat = 7709;
constexpr int kCmdCirculate = 7729;
constexpr int kCmdRemove = 7773;
constexpr int kCmdDelete = 7711;
constexpr int kCmdClear = 7725;
constexpr int kCmdHighlightCurrent = 7788;
constexpr int kCmdMoveUp = 7743;
constexpr int kCmdMoveDown = 7744;

// Options: check marks of menu items.
constexpr int kOptContinuousLoop = 7863;
constexpr int kOptRandomOrder = 7720;
constexpr int kOptElapsedTime = 7871;
constexpr int kOptAutoPlay = 7866;
constexpr int kOptConfirmOnDelete = 7710;

// Fast wind: repeats every 100 ms while held, then a release.
constexpr int kCmdRewindRepeat = 17933;
constexpr int kCmdForwardRepeat = 17934;
constexpr int kCmdRewindRelease = 17938;
constexpr int kCmdForwardRelease = 17939;

// Console read-outs and lamps.
constexpr int kItemTime = resources::IDC_TIME;
constexpr int kItemLength = resources::IDC_LENGTH;
constexpr int kItemSongNumber = resources::IDC_SONG_NUMBER;
constexpr int kLampPlay = resources::IDC_LAMP_PLAY;
constexpr int kLampPause = resources::IDC_LAMP_PAUSE;
constexpr int kLampRepeat = resources::IDC_LAMP_REPEAT;

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
