#pragma once
// A compact note text for arranging pieces by hand, e.g.
//   "D5:q G4:e A4:e r:q C4+E4+G4:h. F#4:s Bb3:w"
// A token is a note name with octave (C4 = key 60, sharps '#', flats 'b'), several
// joined by '+' for a chord, or 'r' for a rest; after ':' the length: w h q e s
// (whole to sixteenth), 't' after the letter for a triplet, '.' for dotted.

#include "MidiWriter.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace mediagen {

struct ScoreNote {
    std::vector<int> keys;   // empty for a rest
    std::uint32_t ticks = 0;
};

// Throws std::invalid_argument naming the bad token.
std::vector<ScoreNote> parseScore(std::string_view text, int division);
int parseKey(std::string_view name);

struct Voice {
    MidiWriter& writer;
    int track;
    int channel;
    std::uint32_t tick = 0;
    int velocity = 90;
    int transpose = 0;  // semitones added to every key
    // Fraction of each note's length that sounds; the rest is silence before the next note.
    double legato = 0.9;

    // Appends the notes at the voice's tick and moves the tick past them.
    void play(std::string_view text);
    void play(std::string_view text, int times);
};

}  // namespace mediagen
