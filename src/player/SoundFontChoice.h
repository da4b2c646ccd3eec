#pragma once
// Options > Controls > SoundFont...: the user picks the SoundFont MIDI songs
// play with.

#include <string>

class QWidget;

namespace player {

// A file dialog for .sf2 and .sf3 files, starting in the folder of the current
// SoundFont. The file chosen is tried at once: one that loads is stored in the
// settings file ([Synth] SoundFont, its Linux path) and plays from the next MIDI
// song on, the one playing keeps its sound; one that does not is named in a
// message with the reason, and the choice stays as it was. Cancel changes nothing.
void ChooseSoundFont(QWidget* owner, const std::string& settingsPath);

}  // namespace player
