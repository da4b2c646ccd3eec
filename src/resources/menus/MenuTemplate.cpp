#include "resources/menus/MenuTemplate.h"

#include "resources/CommandIds.h"

namespace resources {

namespace {

constexpr MenuItem Cmd(int id, const char* label, bool checked = false)
{
    return {MenuItemKind::Command, id, label, checked, {}};
}
constexpr MenuItem Sep() { return {MenuItemKind::Separator, 0, "", false, {}}; }
constexpr MenuItem Popup(const char* label, std::span<const MenuItem> items)
{
    return {MenuItemKind::Popup, 0, label, false, items};
}

// Menu 7771, the frame's menu bar.

constexpr MenuItem kMaintain[] = {
    Cmd(CM_SORT_ALBUM, "&Sort"),
    Cmd(CM_SHUFFLE_ALBUM, "Shu&ffle"),
    Cmd(CM_CLEAR_ALBUM, "&Clear"),
    Cmd(CM_REMOVE_DUPLICATES, "&Remove Duplicates"),
};

// Rebuilt from the recent-albums list at run time; the placeholder gives the
// pop-up its identifier 8200.
constexpr MenuItem kRecentAlbums[] = {
    Cmd(CM_RECENT_ALBUM_FIRST, ""),
};

constexpr MenuItem kAlbum[] = {
    Cmd(CM_NEW_ALBUM, "&New"),
    Cmd(CM_OPEN_ALBUM, "&Open..."),
    Cmd(CM_SAVE_ALBUM, "&Save\bCtrl+S"),
    Cmd(CM_SAVE_ALBUM_AS, "Save &As..."),
    Sep(),
    Cmd(CM_CLOSE_ALBUM, "C&lose"),
    Cmd(CM_DELETE_ALBUM, "&Delete..."),
    Sep(),
    Popup("&Maintain", kMaintain),
    Cmd(CM_ALBUM_PROPERTIES, "&Properties..."),
    Sep(),
    Popup("&Recent Albums", kRecentAlbums),
    Sep(),
    Cmd(CM_EXIT, "E&xit\bAlt+F4"),
};

constexpr MenuItem kSong[] = {
    Cmd(CM_ADD_SONGS, "&Add to Album..."),
    Sep(),
    Cmd(CM_PLAY, "&Play"),
    Cmd(CM_STOP, "&Stop"),
    Cmd(CM_PAUSE, "Pa&use\tCtrl+P"),
    Sep(),
    Cmd(CM_REPEAT, "Repea&t\tCtrl+T"),
    Cmd(CM_CIRCULATE, "&Circulate"),
    Cmd(CM_MUTE, "&Mute\tCtrl+M"),
    Sep(),
    Cmd(CM_REMOVE_SONG, "Remo&ve"),
    Cmd(CM_DELETE_SONG, "&Delete"),
    Sep(),
    Cmd(CM_MOVE_UP, "Mo&ve Up\tCtrl+U"),
    Cmd(CM_MOVE_DOWN, "Move Do&wn\tCtrl+D"),
    Cmd(CM_HIGHLIGHT_CURRENT, "&Highlight Current\tCtrl+H"),
};

constexpr MenuItem kSongPlay[] = {
    Cmd(CM_CONTINUOUS_LOOP, "&Continuous Loop"),
    Cmd(CM_RANDOM_ORDER, "&Random Order"),
    Cmd(CM_ELAPSED_TIME, "&Elapsed Time"),
    Cmd(CM_AUTO_PLAY, "Auto &Play"),
};

constexpr MenuItem kMidiReset[] = {
    Cmd(CM_NO_RESET, "&No Reset"),
    Cmd(CM_STANDARD_RESET, "&Standard Reset"),
    Cmd(CM_FULL_RESET, "&Full Reset"),
    Cmd(CM_CUSTOM_RESET, "&Custom Reset"),
};

constexpr MenuItem kElements[] = {
    Cmd(CM_MENU_BAR, "&Menu\bAlt+M", true),
    Sep(),
    Cmd(CM_QUEUE_BOX, "&Queue Box"),
    Cmd(CM_POSITION_SLIDER, "&Position Slider"),
    Cmd(CM_VOLUME_BAR, "&Volume Bar"),
    Sep(),
    Cmd(CM_BUTTONS, "&Buttons"),
    Cmd(CM_STATUS_BAR, "&Status Bar"),
    Sep(),
    Cmd(CM_ALWAYS_ON_TOP, "Always on &Top"),
};

// The trailing blanks keep these commands out of the settings keys.
constexpr MenuItem kSizeAndViews[] = {
    Cmd(CM_DEFAULT_SIZE, "&Default Size "),
    Sep(),
    Cmd(17900, "&Everything\bAlt+1 "),
    Cmd(17901, "&Volume Bar Off\bAlt+2 "),
    Cmd(17902, "S&liders Off\bAlt+3 "),
    Cmd(17903, "Btns + S&tatus\bAlt+4 "),
    Cmd(17904, "&Buttons Off\bAlt+5 "),
    Cmd(17905, "&Digital + Menu\bAlt+6 "),
    Cmd(17906, "&Menu Off\bAlt+7 "),
    Sep(),
    Cmd(CM_CUSTOM_VIEW, "&Custom View\bAlt+C "),
    Cmd(CM_SAVE_CUSTOM_VIEW, "&Save Cust. View\bAlt+S "),
};

constexpr MenuItem kControls[] = {
    Cmd(CM_MINI_HELP, "Mini &Help"),
    Cmd(CM_SHOW_LONG_NAMES, "Show &Long Names"),
    Sep(),
    Cmd(CM_SET_FONT, "Set &Font... "),
    Cmd(CM_VOLUME_DEVICE, "&Volume Device... "),
    Cmd(CM_SOUND_FONT, "&SoundFont... "),
};

constexpr MenuItem kOptions[] = {
    Popup("Song &Play", kSongPlay),
    Popup("&MIDI Auto Reset", kMidiReset),
    Sep(),
    Cmd(CM_AUTO_SAVE_ALBUM, "&Auto Save Album"),
    Cmd(CM_RELATIVE_PATHS, "Save as Relati&ve Paths"),
    Cmd(CM_ALLOW_DUPLICATES, "Allow &Duplicates"),
    Cmd(CM_CONFIRM_DELETE, "Confi&rm on Delete"),
    Sep(),
    Popup("E&lements\bAlt+RMB", kElements),
    Popup("Size and &Views", kSizeAndViews),
    Popup("Controls", kControls),
    Sep(),
    Cmd(CM_SAVE_SETTINGS_ON_EXIT, "Save Settings on &Exit"),
    Cmd(CM_SAVE_SETTINGS_NOW, "&Save Settings Now "),
};

constexpr MenuItem kHelp[] = {
    Cmd(CM_HELP_CONTENTS, "&Contents\bF1"),
    Cmd(CM_HELP_TUTORIAL, "&Tutorial"),
    Cmd(CM_HELP_KEYWORD, "&Keyword Search"),
    Cmd(CM_HELP_USING, "&Using Help"),
    Sep(),
    Cmd(CM_ABOUT, "&About the Vantor..."),
};

constexpr MenuItem kFrameMenu[] = {
    Popup("&Album", kAlbum),
    Popup("&Song", kSong),
    Popup("&Options", kOptions),
    Popup("&Help", kHelp),
};

// Menu 7787, the queue's right-button pop-up: one pop-up holding the items.
constexpr MenuItem kQueueItems[] = {
    Cmd(CM_PLAY, "&Play"),
    Sep(),
    Cmd(CM_REMOVE_SONG, "Remo&ve"),
    Cmd(CM_DELETE_SONG, "&Delete"),
    Sep(),
    Cmd(CM_HIGHLIGHT_CURRENT, "&Highlight Current"),
};
constexpr MenuItem kQueueMenu[] = {Popup("", kQueueItems)};

// Menu 17936, the Elements pop-up for Alt with the right button. Its check marks
// are copied from the frame's menu before it is shown.
constexpr MenuItem kElementsMenu[] = {Popup("", kElements)};

constexpr MenuTemplate kTemplates[] = {
    {IDM_FRAME, kFrameMenu},
    {IDM_QUEUE_POPUP, kQueueMenu},
    {IDM_ELEMENTS_POPUP, kElementsMenu},
};

}  // namespace

const MenuTemplate* FindMenuTemplate(int id)
{
    for (const MenuTemplate& t : kTemplates) {
        if (t.id == id)
            return &t;
    }
    return nullptr;
}

int PopupId(const MenuItem& popup)
{
    if (popup.kind != MenuItemKind::Popup || popup.items.empty())
        return 0;
    const MenuItem& first = popup.items.front();
    switch (first.kind) {
    case MenuItemKind::Command:
        return first.id - 1;
    case MenuItemKind::Popup: {
        const int inner = PopupId(first);
        return inner != 0 ? inner - 1 : 0;
    }
    case MenuItemKind::Separator:
        break;
    }
    return 0;
}

int AcceleratorTextStart(const char* label)
{
    for (int i = 0; label[i] != '\0'; ++i) {
        if (label[i] == '\t' || label[i] == '\b')
            return i + 1;
    }
    return -1;
}

}  // namespace resources
