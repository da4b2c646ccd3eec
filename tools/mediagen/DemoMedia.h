#pragma once
// Everything the build generates: the demo album and its songs, the reset file beside
// the program, and the small media the test programs play.

#include "AviWriter.h"
#include "WaveWriter.h"

#include <string>
#include <vector>

namespace mediagen {

PcmAudio chimesAudio();                  // about 4 s of bell arpeggios
VideoClip colourBarsClip(int width, int height, int fps, double seconds, double toneHz);
PcmAudio testTone(double seconds, double frequency);

// Writes every file under outDir (demo/, testdata/, default.alb and reset.mid); returns the
// paths written, or throws std::runtime_error naming a file that could not be written.
std::vector<std::string> writeAll(const std::string& outDir);

}  // namespace mediagen
