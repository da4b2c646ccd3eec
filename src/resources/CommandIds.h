#pragma once
// Command identifiers. One number names the menu item, its status-bar hint (the
// string with that id), the tool-bar button and the glyph bitmap of the button.

namespace resources {

// Album
constexpr int CM_NEW_ALBUM = 7795;
constexpr int CM_OPEN_ALBUM = 7760;
constexpr int CM_SAVE_ALBUM = 7740;
constexpr int CM_SAVE_ALBUM_AS = 7741;
constexpr int CM_CLOSE_ALBUM = 7838;
constexpr int CM_DELETE_ALBUM = 7827;
constexpr int CM_SORT_ALBUM = 7753;
constexpr int CM_SHUFFLE_ALBUM = 7852;
constexpr int CM_CLEAR_ALBUM = 7725;
constexpr int CM_REMOVE_DUPLICATES = 7777;
constexpr int CM_ALBUM_PROPERTIES = 7815;
constexpr int CM_RECENT_ALBUM_FIRST = 8201;
constexpr int CM_RECENT_ALBUM_LAST = 8205;
constexpr int CM_EXIT = 24310;

// Song
constexpr int CM_ADD_SONGS = 7762;
constexpr int CM_PLAY = 7722;
constexpr int CM_STOP = 7723;
constexpr int CM_PAUSE = 7724;
constexpr int CM_REPEAT = 7709;
constexpr int CM_CIRCULATE = 7729;
constexpr int CM_MUTE = 7888;
constexpr int CM_REMOVE_SONG = 7773;
constexpr int CM_DELETE_SONG = 7711;
constexpr int CM_MOVE_UP = 7743;
constexpr int CM_MOVE_DOWN = 7744;
constexpr int CM_HIGHLIGHT_CURRENT = 7788;

// Options: Song Play and MIDI Auto Reset
constexpr int CM_CONTINUOUS_LOOP = 7863;
constexpr int CM_RANDOM_ORDER = 7720;
constexpr int CM_ELAPSED_TIME = 7871;
constexpr int CM_AUTO_PLAY = 7866;
constexpr int CM_NO_RESET = 7830;
constexpr int CM_STANDARD_RESET = 7831;
constexpr int CM_FULL_RESET = 7832;
constexpr int CM_CUSTOM_RESET = 7854;
constexpr int CM_AUTO_SAVE_ALBUM = 7865;
constexpr int CM_RELATIVE_PATHS = 7841;
constexpr int CM_ALLOW_DUPLICATES = 7748;
constexpr int CM_CONFIRM_DELETE = 7710;

// Options: Elements (each bar's window id is its element id)
constexpr int CM_ELEMENTS_POPUP = 7868;
constexpr int CM_MENU_BAR = 7869;
constexpr int CM_QUEUE_BOX = 7891;
constexpr int CM_POSITION_SLIDER = 7890;
constexpr int CM_VOLUME_BAR = 7887;
constexpr int CM_BUTTONS = 7860;
constexpr int CM_STATUS_BAR = 32040;
constexpr int CM_ALWAYS_ON_TOP = 17893;

// Options: Size and Views, Controls
constexpr int CM_DEFAULT_SIZE = 17930;
constexpr int CM_VIEW_FIRST = 17900;   // Alt+1 ... Alt+7 are 17900 ... 17906
constexpr int CM_VIEW_LAST = 17906;
constexpr int CM_CUSTOM_VIEW = 17931;
constexpr int CM_SAVE_CUSTOM_VIEW = 17932;
constexpr int CM_MINI_HELP = 17950;
constexpr int CM_SHOW_LONG_NAMES = 17953;
constexpr int CM_SET_FONT = 7883;
constexpr int CM_VOLUME_DEVICE = 17952;
constexpr int CM_SOUND_FONT = 17951;
constexpr int CM_SAVE_SETTINGS_ON_EXIT = 7776;
constexpr int CM_SAVE_SETTINGS_NOW = 7767;

// Help
constexpr int CM_HELP_CONTENTS = 7716;
constexpr int CM_HELP_TUTORIAL = 7886;
constexpr int CM_HELP_KEYWORD = 7766;
constexpr int CM_HELP_USING = 7763;
constexpr int CM_ABOUT = 7717;

// Commands without a menu item
constexpr int CM_PLAY_BUTTON = 7873;
constexpr int CM_REWIND_REPEAT = 17933;
constexpr int CM_FORWARD_REPEAT = 17934;
constexpr int CM_REWIND_RELEASE = 17938;
constexpr int CM_FORWARD_RELEASE = 17939;
constexpr int CM_RESTORE_MENU = 7872;   // system menu item while the menu bar is detached

// Resources that are not commands
constexpr int IDM_FRAME = 7771;
constexpr int IDM_QUEUE_POPUP = 7787;
constexpr int IDM_ELEMENTS_POPUP = 17936;
constexpr int IDA_FRAME = 7735;
constexpr int IDI_FRAME = 7713;
constexpr int IDI_APP_PROGRESS = 7779;
constexpr int IDB_SONG = 7839;
constexpr int IDB_TITLE = 7882;

}  // namespace resources
