#include "MidiFileCheck.h"
#include "mediagen/MidiWriter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

using mediagen::MidiWriter;
using mediagen::testing::ParsedEvent;
using mediagen::testing::parseMidi;

namespace {

std::vector<std::uint8_t> varLen(std::uint32_t value)
{
    std::vector<std::uint8_t> out;
    mediagen::appendVarLen(out, value);
    return out;
}

const ParsedEvent& last(const std::vector<ParsedEvent>& track)
{
    return track.back();
}

}  // namespace

TEST(MidiWriter, VariableLengthQuantities)
{
    struct Case {
        std::uint32_t value;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {0, {0x00}},
        {0x40, {0x40}},
        {0x7F, {0x7F}},
        {0x80, {0x81, 0x00}},
        {0x2000, {0xC0, 0x00}},
        {0x3FFF, {0xFF, 0x7F}},
        {0x4000, {0x81, 0x80, 0x00}},
        {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x200000, {0x81, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(varLen(c.value), c.bytes) << c.value;
    EXPECT_THROW(varLen(0x10000000), std::invalid_argument);
}

TEST(MidiWriter, HeaderAndEveryEventKindParseBack)
{
    MidiWriter w(1, 384);
    const int conductor = w.addTrack();
    const int voice = w.addTrack();
    w.trackName(conductor, "Tempo");
    w.tempo(conductor, 0, 500000);
    w.tempo(conductor, 768, 400000);
    w.program(voice, 0, 3, 40);
    w.control(voice, 0, 3, 64, 127);
    w.pitchBend(voice, 10, 3, 0x2345);
    w.noteOn(voice, 10, 3, 60, 100);
    w.noteOff(voice, 394, 3, 60, 0);
    w.sysex(voice, 400, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7});

    const std::vector<std::uint8_t> bytes = w.bytes();
    const auto file = parseMidi(bytes);
    EXPECT_EQ(file.format, 1);
    EXPECT_EQ(file.division, 384);
    ASSERT_EQ(file.tracks.size(), 2u);

    const auto& t0 = file.tracks[0];
    ASSERT_EQ(t0.size(), 4u);
    EXPECT_EQ(t0[0].metaType, 0x03);
    EXPECT_EQ(std::string(t0[0].data.begin(), t0[0].data.end()), "Tempo");
    EXPECT_EQ(t0[1].metaType, 0x51);
    EXPECT_EQ(t0[1].data, (std::vector<std::uint8_t>{0x07, 0xA1, 0x20}));
    EXPECT_EQ(t0[2].tick, 768u);
    EXPECT_EQ(t0[2].data, (std::vector<std::uint8_t>{0x06, 0x1A, 0x80}));
    EXPECT_EQ(last(t0).metaType, 0x2F);
    EXPECT_EQ(last(t0).tick, 768u);

    const auto& t1 = file.tracks[1];
    ASSERT_EQ(t1.size(), 7u);
    struct Expect {
        std::uint32_t tick;
        std::uint8_t status;
        std::vector<std::uint8_t> data;
    };
    const Expect expected[] = {
        {0, 0xC3, {40}},
        {0, 0xB3, {64, 127}},
        {10, 0xE3, {0x45, 0x46}},
        {10, 0x93, {60, 100}},
        {394, 0x83, {60, 0}},
        {400, 0xF0, {0x7E, 0x7F, 0x09, 0x01, 0xF7}},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(t1[i].tick, expected[i].tick) << i;
        EXPECT_EQ(t1[i].status, expected[i].status) << i;
        EXPECT_EQ(t1[i].data, expected[i].data) << i;
    }
    EXPECT_EQ(last(t1).tick, 400u);
}

TEST(MidiWriter, EventsAddedOutOfOrderAreSortedStably)
{
    MidiWriter w(0, 96);
    const int t = w.addTrack();
    // A melody written voice by voice: the bass comes after the treble in call order.
    w.noteOn(t, 96, 0, 72, 80);
    w.noteOff(t, 192, 0, 72);
    w.noteOn(t, 0, 1, 48, 80);
    w.noteOff(t, 96, 1, 48);   // same tick as the first note on: must stay after it
    w.noteOn(t, 96, 1, 50, 80);
    w.noteOff(t, 300, 1, 50);

    const auto file = parseMidi(w.bytes());
    ASSERT_EQ(file.tracks.size(), 1u);
    const auto& ev = file.tracks[0];
    ASSERT_EQ(ev.size(), 7u);
    std::uint32_t previous = 0;
    for (const auto& e : ev) {
        EXPECT_GE(e.tick, previous);
        previous = e.tick;
    }
    EXPECT_EQ(ev[0].status, 0x91);  // tick 0
    EXPECT_EQ(ev[1].status, 0x90);  // tick 96, first added
    EXPECT_EQ(ev[2].status, 0x81);
    EXPECT_EQ(ev[3].status, 0x91);
    EXPECT_EQ(ev[3].data[0], 50);
    EXPECT_EQ(ev[4].tick, 192u);
    EXPECT_EQ(ev[5].tick, 300u);
    EXPECT_EQ(ev[6].metaType, 0x2F);
    EXPECT_EQ(ev[6].tick, 300u);
}

TEST(MidiWriter, EndOfTrackNeverBeforeTheLastEvent)
{
    struct Case {
        const char* name;
        std::uint32_t lastEvent;
        std::uint32_t askedEnd;  // 0: none asked for
        std::uint32_t expectedEnd;
    };
    const Case cases[] = {
        {"no end asked", 500, 0, 500},
        {"end after the events", 500, 900, 900},
        {"end before the events", 500, 100, 500},  // once written as a negative delta
        {"end at the last event", 500, 500, 500},
    };
    for (const Case& c : cases) {
        MidiWriter w(1, 480);
        const int t = w.addTrack();
        if (c.askedEnd)
            w.meta(t, c.askedEnd, 0x2F, {});
        w.noteOn(t, 0, 0, 60, 90);
        w.noteOff(t, c.lastEvent, 0, 60);
        const auto file = parseMidi(w.bytes());
        ASSERT_EQ(file.tracks.size(), 1u) << c.name;
        const auto& ev = file.tracks[0];
        ASSERT_EQ(ev.size(), 3u) << c.name;
        EXPECT_EQ(ev.back().metaType, 0x2F) << c.name;
        EXPECT_EQ(ev.back().tick, c.expectedEnd) << c.name;
    }
}

TEST(MidiWriter, EmptyTrackAndEmptyFileAreValid)
{
    MidiWriter w(1, 480);
    EXPECT_EQ(parseMidi(w.bytes()).tracks.size(), 0u);
    w.addTrack();
    const auto file = parseMidi(w.bytes());
    ASSERT_EQ(file.tracks.size(), 1u);
    ASSERT_EQ(file.tracks[0].size(), 1u);
    EXPECT_EQ(file.tracks[0][0].tick, 0u);
}

TEST(MidiWriter, RunningStatusGivesTheSameEventsInFewerBytes)
{
    auto build = [](bool running) {
        MidiWriter w(1, 480);
        const int t = w.addTrack();
        w.setRunningStatus(running);
        for (int i = 0; i < 8; ++i) {
            w.noteOn(t, static_cast<std::uint32_t>(i * 100), 2, 60 + i, 90);
            w.noteOn(t, static_cast<std::uint32_t>(i * 100 + 90), 2, 60 + i, 0);
        }
        // A meta event between channel messages: the next status must be written again.
        w.meta(t, 850, 0x01, {'x'});
        w.noteOn(t, 850, 2, 70, 90);
        w.noteOn(t, 900, 2, 70, 0);
        return w.bytes();
    };
    const auto plain = build(false);
    const auto compact = build(true);
    EXPECT_LT(compact.size(), plain.size());
    const auto a = parseMidi(plain);
    const auto b = parseMidi(compact);
    ASSERT_EQ(a.tracks[0].size(), b.tracks[0].size());
    for (std::size_t i = 0; i < a.tracks[0].size(); ++i) {
        EXPECT_EQ(a.tracks[0][i].tick, b.tracks[0][i].tick);
        EXPECT_EQ(a.tracks[0][i].status, b.tracks[0][i].status);
        EXPECT_EQ(a.tracks[0][i].data, b.tracks[0][i].data);
    }
}

TEST(MidiWriter, SysexFramingIsCompleted)
{
    struct Case {
        std::vector<std::uint8_t> given;
        std::vector<std::uint8_t> body;
    };
    const Case cases[] = {
        {{0xF0, 0x41, 0x10, 0xF7}, {0x41, 0x10, 0xF7}},
        {{0x41, 0x10}, {0x41, 0x10, 0xF7}},
        {{0xF0, 0x7E}, {0x7E, 0xF7}},
    };
    for (const Case& c : cases) {
        MidiWriter w(1, 480);
        w.addTrack();
        w.sysex(0, 0, c.given);
        const auto file = parseMidi(w.bytes());
        EXPECT_EQ(file.tracks[0][0].status, 0xF0);
        EXPECT_EQ(file.tracks[0][0].data, c.body);
    }
}

TEST(MidiWriter, RefusesWhatCannotBeWritten)
{
    EXPECT_THROW(MidiWriter(2, 480), std::invalid_argument);
    EXPECT_THROW(MidiWriter(1, 0), std::invalid_argument);
    EXPECT_THROW(MidiWriter(1, 0x8000), std::invalid_argument);

    MidiWriter single(0, 480);
    single.addTrack();
    EXPECT_THROW(single.addTrack(), std::logic_error);

    MidiWriter w(1, 480);
    w.addTrack();
    EXPECT_THROW(w.noteOn(1, 0, 0, 60, 90), std::out_of_range);
    EXPECT_THROW(w.noteOn(-1, 0, 0, 60, 90), std::out_of_range);
    EXPECT_THROW(w.noteOn(0, 0, 16, 60, 90), std::invalid_argument);
    EXPECT_THROW(w.noteOn(0, 0, 0, 128, 90), std::invalid_argument);
    EXPECT_THROW(w.noteOn(0, 0, 0, 60, -1), std::invalid_argument);
    EXPECT_THROW(w.control(0, 0, 0, 7, 200), std::invalid_argument);
    EXPECT_THROW(w.program(0, 0, 0, 128), std::invalid_argument);
    EXPECT_THROW(w.pitchBend(0, 0, 0, 0x4000), std::invalid_argument);
    EXPECT_THROW(w.tempo(0, 0, 0), std::invalid_argument);
    EXPECT_THROW(w.tempo(0, 0, 0x1000000), std::invalid_argument);
    EXPECT_THROW(w.sysex(0, 0, {0xF0, 0x90, 0xF7}), std::invalid_argument);
    EXPECT_THROW(w.noteOn(0, 0x10000000, 0, 60, 90), std::invalid_argument);
    // Nothing refused was half-added.
    EXPECT_EQ(parseMidi(w.bytes()).tracks[0].size(), 1u);
}

TEST(MidiWriter, SaveWritesTheBytesAndReportsFailure)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MidiWriter w(1, 480);
    const int t = w.addTrack();
    w.noteOn(t, 0, 9, 36, 100);
    w.noteOff(t, 240, 9, 36);
    const std::string path = dir.filePath("drum.mid").toStdString();
    ASSERT_TRUE(w.save(path));
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> read((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(read, w.bytes());
    EXPECT_FALSE(w.save(dir.filePath("missing/dir/drum.mid").toStdString()));
}
