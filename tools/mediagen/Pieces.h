#pragma once
// The demo songs: public-domain tunes in arrangements of our own, each under a
// minute, on several channels with program changes, the sustain pedal and at
// least one change of tempo; plus the reset file and a short test song.

#include "MidiWriter.h"

namespace mediagen {

MidiWriter minuetInG();      // after the Minuet in G of the Notebook for Anna Magdalena Bach
MidiWriter odeToJoy();       // the theme of Beethoven's ninth symphony finale
MidiWriter frereJacques();   // the traditional round, in three voices
// System exclusive and controller messages that bring every channel back to its
// power-on state; about 0.1 s long.
MidiWriter resetMessages();
// Two seconds of a piano chord and a melody note per beat; for tests.
MidiWriter testSong();

}  // namespace mediagen
