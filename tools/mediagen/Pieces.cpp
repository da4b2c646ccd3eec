#include "Pieces.h"

#include "ScoreText.h"

#include <string>

namespace mediagen {

namespace {

constexpr int kDivision = 480;
constexpr int kPiano = 0;
constexpr int kHarpsichord = 6;
constexpr int kFingeredBass = 33;
constexpr int kCello = 42;
constexpr int kStrings = 48;
constexpr int kBassoon = 70;
constexpr int kClarinet = 71;
constexpr int kFlute = 73;
constexpr int kDrums = 9;
constexpr int kSustain = 64;
constexpr int kVolume = 7;
constexpr int kPan = 10;

constexpr std::uint32_t bpm(int beatsPerMinute)
{
    return 60000000u / static_cast<std::uint32_t>(beatsPerMinute);
}

std::uint32_t bars(int count, int beatsPerBar)
{
    return static_cast<std::uint32_t>(count * beatsPerBar * kDivision);
}

// The conductor track: name, metre, key and opening tempo.
int conductor(MidiWriter& w, const std::string& name, int beatsPerBar, int openingBpm)
{
    const int t = w.addTrack();
    w.trackName(t, name);
    w.meta(t, 0, 0x58, {static_cast<std::uint8_t>(beatsPerBar), 2, 24, 8});
    w.meta(t, 0, 0x59, {0, 0});
    w.tempo(t, 0, bpm(openingBpm));
    return t;
}

int instrument(MidiWriter& w, const std::string& name, int channel, int program, int volume, int pan)
{
    const int t = w.addTrack();
    w.trackName(t, name);
    if (channel != kDrums)
        w.program(t, 0, channel, program);
    w.control(t, 0, channel, kVolume, volume);
    w.control(t, 0, channel, kPan, pan);
    return t;
}

// Pedal down at each bar line and up just before the next, so harmonies never blur.
void pedalEveryBar(MidiWriter& w, int track, int channel, std::uint32_t from, std::uint32_t to, int beatsPerBar)
{
    const std::uint32_t bar = bars(1, beatsPerBar);
    for (std::uint32_t t = from; t < to; t += bar) {
        w.control(track, t + 10, channel, kSustain, 127);
        w.control(track, t + bar - 20, channel, kSustain, 0);
    }
}

}  // namespace

MidiWriter minuetInG()
{
    MidiWriter w(1, kDivision);
    const int tempo = conductor(w, "Minuet in G", 3, 132);
    const std::string melodyA =
        "D5:q G4:e A4:e B4:e C5:e | D5:q G4:q G4:q | E5:q C5:e D5:e E5:e F#5:e | G5:q G4:q G4:q |"
        "C5:q D5:e C5:e B4:e A4:e | B4:q C5:e B4:e A4:e G4:e | F#4:q G4:e A4:e B4:e G4:e | A4:h. |";
    const std::string melodyB =
        "D5:q G4:e A4:e B4:e C5:e | D5:q G4:q G4:q | E5:q C5:e D5:e E5:e F#5:e | G5:q G4:q G4:q |"
        "C5:q D5:e C5:e B4:e A4:e | B4:q C5:e B4:e A4:e G4:e | A4:q B4:e A4:e G4:e F#4:e | G4:h. |";
    const std::string bassA =
        "G3:h A3:q | B3:h. | C4:h. | B3:h. | A3:h. | G3:h. | D4:q B3:q G3:q | D4:q D3:e C4:e B3:e A3:e |";
    const std::string bassB =
        "G3:h A3:q | B3:h. | C4:h. | B3:h. | A3:h. | G3:h. | C4:q D4:q D3:q | G3:h G2:q |";
    const std::string chordsA =
        "G3+B3+D4:h. | G3+B3+D4:h. | C4+E4+G4:h. | B3+D4+G4:h. | A3+C4+E4:h. | G3+B3+D4:h. | A3+D4+F#4:h. |"
        "A3+D4+F#4:h. |";
    const std::string chordsB =
        "G3+B3+D4:h. | G3+B3+D4:h. | C4+E4+G4:h. | B3+D4+G4:h. | A3+C4+E4:h. | G3+B3+D4:h. | A3+D4+F#4:h. |"
        "G3+B3+D4:h. |";

    Voice melody{w, instrument(w, "Harpsichord", 0, kHarpsichord, 110, 80), 0};
    melody.velocity = 100;
    Voice bass{w, instrument(w, "Cello", 1, kCello, 90, 40), 1};
    bass.velocity = 80;
    Voice chords{w, instrument(w, "Piano", 2, kPiano, 70, 64), 2};
    chords.velocity = 50;
    for (int round = 0; round < 2; ++round) {
        melody.play(melodyA);
        melody.play(melodyB);
        bass.play(bassA);
        bass.play(bassB);
        chords.play(chordsA);
        chords.play(chordsB);
    }
    pedalEveryBar(w, chords.track, 2, 0, chords.tick, 3);
    // A ritardando over the last two bars.
    const std::uint32_t end = melody.tick;
    w.tempo(tempo, end - bars(2, 3), bpm(112));
    w.tempo(tempo, end - bars(1, 3), bpm(92));
    return w;
}

MidiWriter odeToJoy()
{
    MidiWriter w(1, kDivision);
    const int tempo = conductor(w, "Ode to Joy", 4, 120);
    const std::string line1 =
        "E5:q E5:q F5:q G5:q | G5:q F5:q E5:q D5:q | C5:q C5:q D5:q E5:q | E5:q. D5:e D5:h |";
    const std::string line2 =
        "E5:q E5:q F5:q G5:q | G5:q F5:q E5:q D5:q | C5:q C5:q D5:q E5:q | D5:q. C5:e C5:h |";
    const std::string line3 =
        "D5:q D5:q E5:q C5:q | D5:q E5:e F5:e E5:q C5:q | D5:q E5:e F5:e E5:q D5:q | C5:q D5:q G4:h |";
    const std::string bass1 = "C3:h E3:h | G2:h B2:h | C3:h E3:h | G2:h G2:h |";
    const std::string bass2 = "C3:h E3:h | G2:h B2:h | C3:h E3:h | G2:h C3:h |";
    const std::string bass3 = "G2:h C3:h | G2:h C3:h | G2:h C3:h | C3:h G2:h |";
    const std::string strings1 = "C4+E4+G4:w | B3+D4+G4:w | C4+E4+G4:w | B3+D4+G4:w |";
    const std::string strings2 = "C4+E4+G4:w | B3+D4+G4:w | C4+E4+G4:w | B3+D4+G4:h C4+E4+G4:h |";
    const std::string strings3 =
        "B3+D4+G4:h C4+E4+G4:h | B3+D4+G4:h C4+E4+G4:h | B3+D4+G4:h C4+E4+G4:h | C4+E4+G4:h B3+D4+G4:h |";

    Voice melody{w, instrument(w, "Piano", 0, kPiano, 110, 64), 0};
    melody.velocity = 96;
    Voice strings{w, instrument(w, "Strings", 1, kStrings, 80, 90), 1};
    strings.velocity = 60;
    strings.legato = 0.98;
    Voice bass{w, instrument(w, "Bass", 2, kFingeredBass, 100, 50), 2};
    bass.velocity = 90;
    const int drums = instrument(w, "Drums", kDrums, 0, 90, 64);
    Voice kick{w, drums, kDrums};
    Voice snare{w, drums, kDrums};
    snare.velocity = 70;
    Voice hat{w, drums, kDrums};
    hat.velocity = 50;

    melody.play(line1);
    melody.play(line2);
    melody.play(line3);
    melody.play(line2);
    bass.play(bass1);
    bass.play(bass2);
    bass.play(bass3);
    bass.play(bass2);
    strings.play(strings1);
    strings.play(strings2);
    strings.play(strings3);
    strings.play(strings2);
    // The drums come in with the second line and leave a crash on the last bar.
    kick.tick = snare.tick = hat.tick = bars(4, 4);
    kick.play("C2:h C2:h", 11);
    snare.play("r:q D2:q r:q D2:q", 11);
    hat.play("F#2:e", 88);
    kick.play("C2+C#3:w");
    pedalEveryBar(w, melody.track, 0, 0, melody.tick, 4);
    w.tempo(tempo, bars(8, 4), bpm(126));
    w.tempo(tempo, bars(12, 4), bpm(116));
    w.tempo(tempo, bars(15, 4), bpm(88));
    return w;
}

MidiWriter frereJacques()
{
    MidiWriter w(1, kDivision);
    const int tempo = conductor(w, "Frere Jacques", 4, 112);
    const std::string tune =
        "C5:q D5:q E5:q C5:q | C5:q D5:q E5:q C5:q | E5:q F5:q G5:h | E5:q F5:q G5:h |"
        "G5:e A5:e G5:e F5:e E5:q C5:q | G5:e A5:e G5:e F5:e E5:q C5:q | C5:q G4:q C5:h | C5:q G4:q C5:h |";

    Voice flute{w, instrument(w, "Flute", 0, kFlute, 100, 30), 0};
    Voice clarinet{w, instrument(w, "Clarinet", 1, kClarinet, 100, 64), 1};
    clarinet.transpose = -12;
    clarinet.tick = bars(2, 4);
    Voice bassoon{w, instrument(w, "Bassoon", 2, kBassoon, 110, 100), 2};
    bassoon.transpose = -24;
    bassoon.tick = bars(4, 4);
    flute.play(tune, 2);
    clarinet.play(tune, 2);
    bassoon.play(tune, 2);

    Voice piano{w, instrument(w, "Piano", 3, kPiano, 60, 64), 3};
    piano.velocity = 45;
    piano.play("C3+G3:w", 20);
    pedalEveryBar(w, piano.track, 3, 0, piano.tick, 4);

    // The clarinet's last note bends down a little and comes back.
    const std::uint32_t last = clarinet.tick - bars(1, 4) / 2;
    for (int step = 0; step <= 8; ++step) {
        const int depth = step <= 4 ? step : 8 - step;
        w.pitchBend(clarinet.track, last + static_cast<std::uint32_t>(step * 60), 1, 8192 - depth * 300);
    }
    w.tempo(tempo, bars(18, 4), bpm(100));
    w.tempo(tempo, bars(19, 4), bpm(80));
    return w;
}

MidiWriter resetMessages()
{
    MidiWriter w(0, 96);
    const int t = w.addTrack();
    w.trackName(t, "Reset");
    w.tempo(t, 0, bpm(120));
    w.sysex(t, 0, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7});  // General MIDI System On
    for (int channel = 0; channel < 16; ++channel) {
        const auto tick = static_cast<std::uint32_t>(2 + channel);
        w.control(t, tick, channel, 120, 0);   // all sound off
        w.control(t, tick, channel, 64, 0);    // sustain up before notes off, or they ring on
        w.control(t, tick, channel, 123, 0);   // all notes off
        w.control(t, tick, channel, 121, 0);   // reset all controllers
        w.program(t, tick, channel, 0);
        w.control(t, tick, channel, kVolume, 100);
        w.control(t, tick, channel, kPan, 64);
        w.pitchBend(t, tick, channel, 8192);
    }
    w.meta(t, 19, 0x2F, {});
    return w;
}

MidiWriter testSong()
{
    MidiWriter w(1, kDivision);
    conductor(w, "Test", 4, 120);
    Voice melody{w, instrument(w, "Piano", 0, kPiano, 110, 64), 0};
    melody.velocity = 110;
    melody.play("C4+E4+G4:q E5:q G5:q C6:q");
    w.control(melody.track, 0, 0, kSustain, 127);
    w.control(melody.track, bars(1, 4) - 1, 0, kSustain, 0);
    return w;
}

}  // namespace mediagen
