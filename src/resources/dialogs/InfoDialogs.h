#pragma once
// Templates of the program's small modal dialogs: upgrade information (7708),
// the add-songs file dialog (7764), About (7774), Album Properties (7823) and the
// volume output device choice (17947).

#include "resources/dialogs/DialogTemplate.h"

namespace resources {

constexpr int IDC_STATIC = -1;

constexpr int IDD_UPGRADE_INFO = 7708;

constexpr int IDD_ADD_SONGS = 7764;
// The standard file dialog's controls keep the numbers the file dialog code knows.
constexpr int IDC_FILE_NAME_LABEL = 1090;
constexpr int IDC_FILE_NAME = 1152;
constexpr int IDC_FILE_LIST = 1120;
constexpr int IDC_DIRECTORY_LABEL = 1088;
constexpr int IDC_DIRECTORY_LIST = 1121;
constexpr int IDC_FILE_TYPE_LABEL = 1089;
constexpr int IDC_FILE_TYPE = 1136;
constexpr int IDC_DRIVE_LABEL = 1091;
constexpr int IDC_DRIVE = 1137;
constexpr int IDC_FILE_HELP = 1038;
constexpr int IDC_READ_ONLY = 1040;

constexpr int IDD_ABOUT = 7774;
constexpr int IDC_ABOUT_PICTURE = 7881;   // invisible: where the title picture 7882 is painted
constexpr int IDC_ABOUT_VERSION = 7758;
constexpr int IDC_ABOUT_MEMORY = 7746;

constexpr int IDD_ALBUM_PROPERTIES = 7823;
constexpr int IDC_PROP_ALBUM = 7844;
constexpr int IDC_PROP_SONG = 7845;
constexpr int IDC_PROP_SONG_COUNT = 7846;
constexpr int IDC_PROP_SONG_NUMBER = 7847;

constexpr int IDD_VOLUME_DEVICE = 17947;
constexpr int IDC_VOLUME_DEVICE_LIST = 17948;

const DialogTemplate& UpgradeInfoDialogTemplate();
const DialogTemplate& AddSongsDialogTemplate();
const DialogTemplate& AboutDialogTemplate();
const DialogTemplate& AlbumPropertiesDialogTemplate();
const DialogTemplate& VolumeDeviceDialogTemplate();

}  // namespace resources
