#include "MidiFileCheck.h"
#include "mediagen/Pieces.h"
#include "mediagen/ScoreText.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

using namespace mediagen;
using namespace mediagen::testing;

namespace {

struct Summary {
    std::set<int> channels;
    int programChanges = 0;
    int sustainDown = 0;
    int sustainUp = 0;
    std::set<std::uint32_t> tempos;
    int hangingNotes = 0;
    double seconds = 0;
};

Summary summarize(const ParsedFile& file)
{
    Summary s;
    std::map<std::uint32_t, std::uint32_t> tempoAt{{0, 500000}};
    std::uint32_t lastTick = 0;
    for (const auto& track : file.tracks) {
        std::map<int, int> sounding;  // channel*128+key -> count
        for (const auto& e : track) {
            lastTick = std::max(lastTick, e.tick);
            if (e.status == 0xFF && e.metaType == 0x51) {
                const std::uint32_t t = static_cast<std::uint32_t>(e.data[0] << 16 | e.data[1] << 8 | e.data[2]);
                tempoAt[e.tick] = t;
                s.tempos.insert(t);
            }
            if (e.status >= 0xF0)
                continue;
            const int channel = e.status & 0x0F;
            const int kind = e.status & 0xF0;
            if (kind == 0x90 && e.data[1] > 0) {
                s.channels.insert(channel);
                ++sounding[channel * 128 + e.data[0]];
            } else if (kind == 0x80 || kind == 0x90) {
                --sounding[channel * 128 + e.data[0]];
            } else if (kind == 0xC0) {
                ++s.programChanges;
            } else if (kind == 0xB0 && e.data[0] == 64) {
                (e.data[1] >= 64 ? s.sustainDown : s.sustainUp)++;
            }
        }
        for (const auto& [key, count] : sounding)
            s.hangingNotes += count != 0;
    }
    std::uint32_t tick = 0;
    std::uint32_t tempo = 500000;
    for (const auto& [at, value] : tempoAt) {
        s.seconds += static_cast<double>(at - tick) * tempo / 1e6 / file.division;
        tick = at;
        tempo = value;
    }
    s.seconds += static_cast<double>(lastTick - tick) * tempo / 1e6 / file.division;
    return s;
}

}  // namespace

TEST(Pieces, DemoSongsAreFullArrangementsUnderAMinute)
{
    struct Case {
        const char* name;
        MidiWriter (*make)();
        std::size_t minChannels;
    };
    const Case cases[] = {{"minuet", minuetInG, 3}, {"ode", odeToJoy, 4}, {"jacques", frereJacques, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedFile file = parseMidi(c.make().bytes());
        EXPECT_EQ(file.format, 1);
        const Summary s = summarize(file);
        EXPECT_GE(s.channels.size(), c.minChannels);
        EXPECT_GE(s.programChanges, 3);
        EXPECT_GT(s.sustainDown, 0);
        EXPECT_EQ(s.sustainDown, s.sustainUp);
        EXPECT_GE(s.tempos.size(), 2u);
        EXPECT_EQ(s.hangingNotes, 0);
        EXPECT_GT(s.seconds, 20.0);
        EXPECT_LT(s.seconds, 60.0);
    }
}

TEST(Pieces, ResetFileResetsEveryChannelQuickly)
{
    const ParsedFile file = parseMidi(resetMessages().bytes());
    ASSERT_EQ(file.tracks.size(), 1u);
    bool gmOn = false;
    std::map<int, std::set<int>> controllers;
    for (const auto& e : file.tracks[0]) {
        if (e.status == 0xF0 && e.data == std::vector<std::uint8_t>{0x7E, 0x7F, 0x09, 0x01, 0xF7})
            gmOn = true;
        if ((e.status & 0xF0) == 0xB0)
            controllers[e.status & 0x0F].insert(e.data[0]);
        EXPECT_FALSE((e.status & 0xF0) == 0x90) << "a reset plays no note";
    }
    EXPECT_TRUE(gmOn);
    ASSERT_EQ(controllers.size(), 16u);
    for (const auto& [channel, set] : controllers)
        for (int cc : {64, 120, 121, 123})
            EXPECT_TRUE(set.count(cc)) << "channel " << channel << " controller " << cc;
    EXPECT_LT(summarize(file).seconds, 0.5);
}

TEST(Pieces, TestSongLastsTwoSeconds)
{
    const Summary s = summarize(parseMidi(testSong().bytes()));
    EXPECT_NEAR(s.seconds, 2.0, 0.01);
    EXPECT_EQ(s.hangingNotes, 0);
}

TEST(ScoreText, NotesChordsRestsAndLengths)
{
    struct Case {
        const char* text;
        std::vector<int> keys;
        std::uint32_t ticks;
    };
    const Case cases[] = {
        {"C4:q", {60}, 480},       {"A4:h", {69}, 960},        {"C#5:e", {73}, 240},
        {"Bb3:w", {58}, 1920},     {"G2:s", {43}, 120},        {"E4:q.", {64}, 720},
        {"C4:et", {60}, 160},      {"C-1:q", {0}, 480},        {"G9:q", {127}, 480},
        {"r:h.", {}, 1440},        {"C4+E4+G4:h", {60, 64, 67}, 960},
    };
    for (const Case& c : cases) {
        const auto notes = parseScore(c.text, 480);
        ASSERT_EQ(notes.size(), 1u) << c.text;
        EXPECT_EQ(notes[0].keys, c.keys) << c.text;
        EXPECT_EQ(notes[0].ticks, c.ticks) << c.text;
    }
    EXPECT_EQ(parseScore("C4:q D4:q | E4:h |\n F4:w", 480).size(), 4u);
    for (const char* bad : {"C4", "H4:q", "C4:x", "C:q", "C10:q", "G#9:q", "C4+:q", "C4:qq", "Cb-1:q"})
        EXPECT_THROW(parseScore(bad, 480), std::invalid_argument) << bad;
}

TEST(ScoreText, VoicePlacesNotesAndLeavesGaps)
{
    MidiWriter w(1, 480);
    Voice v{w, w.addTrack(), 5};
    v.legato = 0.5;
    v.transpose = 12;
    v.play("C4:q r:q D4:h", 2);
    EXPECT_EQ(v.tick, 4u * 480u * 2u);
    const ParsedFile file = parseMidi(w.bytes());
    const auto& ev = file.tracks[0];
    ASSERT_EQ(ev.size(), 9u);
    EXPECT_EQ(ev[0].status, 0x95);
    EXPECT_EQ(ev[0].data[0], 72);
    EXPECT_EQ(ev[1].tick, 240u);   // half of a quarter sounds
    EXPECT_EQ(ev[2].tick, 960u);   // after the rest
    EXPECT_EQ(ev[3].tick, 1440u);
    EXPECT_EQ(ev[4].tick, 1920u);  // second time through
}
