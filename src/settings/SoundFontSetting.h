#pragma once
// [Synth] SoundFont: the SoundFont the user chose for MIDI songs.

#include <string>

namespace settings {

// The stored SoundFont as a Linux path: a value that is a drive path (c:\...)
// goes through the path namespace. Empty when none is stored or a drive path
// leads nowhere.
std::string ReadSoundFontSetting(const std::string& settingsPath);
// Stores linuxPath; false when the settings file cannot be written.
bool WriteSoundFontSetting(const std::string& linuxPath, const std::string& settingsPath);

}  // namespace settings
