#include "resources/dialogs/InfoDialogs.h"

#include "resources/CommandIds.h"

namespace resources {

namespace {

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t kModal = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;

constexpr DialogItem kUpgradeItems[] = {
    {IDC_STATIC, "STATIC", 4, 7, 162, 114, "", kChild | SS_BLACKFRAME},
    {IDC_STATIC, "STATIC", 11, 16, 148, 36, "Welcome to version 5.7.", kChild | SS_CENTER},
    {IDC_STATIC, "STATIC", 11, 50, 148, 36,
     "If you don't read at least the tutorial in the help file, you'll miss out on a lot of features!",
     kChild | SS_CENTER},
    {IDC_STATIC, "STATIC", 9, 76, 152, 12, "", kChild | SS_BLACKFRAME},
    {IDC_STATIC, "STATIC", 11, 78, 148, 11, "Exciting new features in this release", kChild | SS_CENTER},
    {1, "BUTTON", 67, 99, 36, 14, "OK", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

constexpr DialogTemplate kUpgrade{
    IDD_UPGRADE_INFO, kModal, "The Vantor's Upgrade Information", 170, 126, "MS Sans Serif", 8, kUpgradeItems,
};

// The standard open-file layout with the program's note in the right column.
constexpr DialogItem kAddSongsItems[] = {
    {IDC_FILE_NAME_LABEL, "STATIC", 6, 6, 76, 9, "File &Name:", kChild | SS_LEFT},
    {IDC_FILE_NAME, "EDIT", 6, 16, 90, 12, "", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {IDC_FILE_LIST, "LISTBOX", 6, 32, 90, 68, "",
     kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_SORT | LBS_NOTIFY | LBS_HASSTRINGS | LBS_EXTENDEDSEL},
    {IDC_STATIC, "STATIC", 110, 6, 92, 9, "&Directories:", kChild | SS_LEFT},
    {IDC_DIRECTORY_LABEL, "STATIC", 110, 18, 92, 9, "", kChild | SS_LEFT | SS_NOPREFIX},
    {IDC_DIRECTORY_LIST, "LISTBOX", 110, 32, 92, 68, "",
     kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_SORT | LBS_NOTIFY | LBS_HASSTRINGS},
    {IDC_FILE_TYPE_LABEL, "STATIC", 6, 104, 90, 9, "List Files of &Type:", kChild | SS_LEFT},
    {IDC_FILE_TYPE, "COMBOBOX", 6, 114, 90, 36, "", kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST},
    {IDC_DRIVE_LABEL, "STATIC", 110, 104, 92, 9, "Dri&ves:", kChild | SS_LEFT},
    {IDC_DRIVE, "COMBOBOX", 110, 114, 92, 68, "", kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST},
    {1, "BUTTON", 208, 6, 50, 14, "OK", kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {2, "BUTTON", 208, 24, 50, 14, "Cancel", kChild | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON},
    {IDC_FILE_HELP, "BUTTON", 208, 46, 50, 14, "&Help", kChild | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON},
    {IDC_READ_ONLY, "BUTTON", 208, 68, 50, 12, "&Read Only", kChild | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX},
    {IDC_STATIC, "STATIC", 208, 86, 50, 40, "You can select multiple files in this dialog", kChild | SS_LEFT},
};

constexpr DialogTemplate kAddSongs{
    IDD_ADD_SONGS, kModal | WS_SYSMENU, "Open", 264, 134, "Helv", 8, kAddSongsItems,
};

// The icon static names its icon resource by number, as a template does. The
// memory read-out is wide enough for eight-digit figures (tens of gigabytes).
constexpr DialogItem kAboutItems[] = {
    {IDC_ABOUT_PICTURE, "STATIC", 31, 11, 82, 22, "", WS_CHILD | SS_BLACKFRAME},
    {IDC_ABOUT_VERSION, "STATIC", 8, 46, 128, 8, "", kChild | SS_CENTER},
    {IDC_STATIC, "STATIC", 8, 57, 128, 18, "A jukebox for MIDI music,\nwave audio and movie clips", kChild | SS_CENTER},
    {IDC_STATIC, "STATIC", 12, 80, 20, 20, "7713", kChild | SS_ICON},
    {IDC_ABOUT_MEMORY, "STATIC", 36, 80, 100, 18, "", kChild | SS_LEFT},
    {1, "BUTTON", 47, 103, 50, 14, "OK", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

constexpr DialogTemplate kAbout{
    IDD_ABOUT, kModal, "About The Vantor", 144, 124, "MS Sans Serif", 8, kAboutItems,
};

constexpr DialogItem kAlbumPropertiesItems[] = {
    {IDC_STATIC, "BUTTON", 8, 6, 136, 28, "Album", kChild | BS_GROUPBOX},
    {IDC_PROP_ALBUM, "STATIC", 14, 18, 124, 10, "unknown", kChild | SS_LEFT | SS_NOPREFIX},
    {IDC_STATIC, "BUTTON", 8, 38, 136, 28, "Current Song", kChild | BS_GROUPBOX},
    {IDC_PROP_SONG, "STATIC", 14, 50, 124, 10, "unknown", kChild | SS_LEFT | SS_NOPREFIX},
    {IDC_STATIC, "BUTTON", 8, 70, 64, 28, "Cur. Song #", kChild | BS_GROUPBOX},
    {IDC_PROP_SONG_NUMBER, "STATIC", 14, 82, 52, 10, "unknown", kChild | SS_CENTER},
    {IDC_STATIC, "BUTTON", 80, 70, 64, 28, "Num. of Songs", kChild | BS_GROUPBOX},
    {IDC_PROP_SONG_COUNT, "STATIC", 86, 82, 52, 10, "unknown", kChild | SS_CENTER},
    {1, "BUTTON", 51, 118, 50, 14, "&OK", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

constexpr DialogTemplate kAlbumProperties{
    IDD_ALBUM_PROPERTIES, kModal, "Album Properties", 152, 147, "MS Sans Serif", 8, kAlbumPropertiesItems,
};

constexpr DialogItem kVolumeDeviceItems[] = {
    {IDC_STATIC, "STATIC", 19, 12, 160, 8, "Choose the output device you to control volume", kChild | SS_LEFT},
    {IDC_VOLUME_DEVICE_LIST, "COMBOBOX", 17, 23, 160, 70, "", kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST},
    {1, "BUTTON", 42, 44, 50, 14, "OK", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {2, "BUTTON", 102, 44, 50, 14, "Cancel", kChild | WS_TABSTOP | BS_PUSHBUTTON},
};

constexpr DialogTemplate kVolumeDevice{
    IDD_VOLUME_DEVICE, kModal | WS_SYSMENU, "Volume Output Device", 194, 70, "MS Sans Serif", 8, kVolumeDeviceItems,
};

}  // namespace

const DialogTemplate& UpgradeInfoDialogTemplate() { return kUpgrade; }
const DialogTemplate& AddSongsDialogTemplate() { return kAddSongs; }
const DialogTemplate& AboutDialogTemplate() { return kAbout; }
const DialogTemplate& AlbumPropertiesDialogTemplate() { return kAlbumProperties; }
const DialogTemplate& VolumeDeviceDialogTemplate() { return kVolumeDevice; }

}  // namespace resources
