#pragma once
// Sections, keys and fixed values of the settings file "Vantor.ini". The option
// keys of [Settings] are not listed: they are made from the Options menu's labels.

namespace settings {

constexpr const char* kSectionGeneral = "General";
constexpr const char* kSectionSettings = "Settings";
constexpr const char* kSectionState = "State";
constexpr const char* kSectionAlbums = "Albums";
constexpr const char* kSectionSynth = "Synth";

// [General]
constexpr const char* kKeyVersion = "Version";
constexpr const char* kKeyWindowPosition = "WindowPosition";
// The version this program writes; a stored value above it is left alone.
constexpr const char* kVersion = "5.7";

// [Settings]
constexpr const char* kKeyMidiAutoReset = "MidiAutoReset";
constexpr const char* kKeyCirculateIfStuck = "CirculateIfStuck";
constexpr const char* kKeyFont = "Font";
// The same key as the one the label "Save Settings on &Exit" makes: keys compare
// without regard to case.
constexpr const char* kKeySaveSettingsOnExit = "SaveSettingsOnExit";
constexpr const char* kKeyAuxOutDevice = "AuxOutDevice";
constexpr const char* kKeyCustomView = "CustomView";

// [State]
constexpr const char* kKeyPaused = "Paused";
constexpr const char* kKeyStopped = "Stopped";
constexpr const char* kKeyStick = "Stick";
// The folder songs were last added from, a drive path; absent until songs were added.
constexpr const char* kKeyAddSongsFolder = "AddSongsFolder";

// [Synth]: the SoundFont the user chose, a Linux path (a drive path is read too).
constexpr const char* kKeySoundFont = "SoundFont";

// [Albums]: Album1 (the most recent) to Album5.
constexpr const char* kKeyAlbumPrefix = "Album";
constexpr int kRecentAlbumKeys = 5;
constexpr int kAlbumPathSize = 260;

// Buffer sizes the values are read into.
constexpr int kMenuLabelSize = 80;
constexpr int kFontValueSize = 80;
constexpr int kVersionSize = 10;
constexpr int kFolderValueSize = 260;

}  // namespace settings
