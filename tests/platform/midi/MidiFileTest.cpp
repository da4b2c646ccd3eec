// Reading MIDI files: timing exactness and refusal of what cannot be played.

#include "platform/midi/MidiFile.h"
#include "platform/midi/TempoMap.h"

#include <mediagen/MidiWriter.h>

#include <gtest/gtest.h>

#include <random>

using platform::MidiFile;
using platform::TempoMap;

namespace {

std::vector<std::uint8_t> header(int format, int tracks, std::uint16_t division)
{
    return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, static_cast<std::uint8_t>(format), 0,
            static_cast<std::uint8_t>(tracks), static_cast<std::uint8_t>(division >> 8),
            static_cast<std::uint8_t>(division & 0xFF)};
}

std::vector<std::uint8_t> withTrack(std::vector<std::uint8_t> file, const std::vector<std::uint8_t>& body)
{
    const auto n = static_cast<std::uint32_t>(body.size());
    const std::uint8_t chunk[] = {'M', 'T', 'r', 'k', static_cast<std::uint8_t>(n >> 24),
                                  static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 8),
                                  static_cast<std::uint8_t>(n)};
    file.insert(file.end(), std::begin(chunk), std::end(chunk));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

MidiFile::Error parse(const std::vector<std::uint8_t>& bytes, MidiFile& file)
{
    return file.parse(bytes);
}

// A piece with tempo changes on a conductor track and notes on two others.
mediagen::MidiWriter tempoPiece()
{
    mediagen::MidiWriter w(1, 96);
    const int conductor = w.addTrack();
    const int a = w.addTrack();
    const int b = w.addTrack();
    w.tempo(conductor, 192, 250000);
    w.tempo(conductor, 288, 1000000);
    w.tempo(conductor, 384, 333333);
    w.program(a, 0, 0, 40);
    for (std::uint32_t t = 0; t < 480; t += 48) {
        w.noteOn(a, t, 0, 60, 90);
        w.noteOff(a, t + 40, 0, 60);
    }
    w.noteOn(b, 100, 1, 64, 80);
    w.noteOff(b, 500, 1, 64);
    return w;
}

}  // namespace

TEST(TempoMapTest, ConvertsExactlyAcrossTempoChanges)
{
    TempoMap map(96);
    map.addTempo(288, 1000000);
    map.addTempo(192, 250000);
    map.addTempo(384, 333333);
    map.finalize();
    // Each case: tick, microseconds summed segment by segment, rounded down once.
    const struct { std::uint64_t tick; std::int64_t us; } cases[] = {
        {0, 0},
        {96, 500000},
        {192, 1000000},
        {193, 1000000 + 250000 / 96},
        {288, 1250000},
        {384, 2250000},
        {385, 2250000 + 333333 / 96},
        {480, 2583333},
        {500, (96 * 500000ll * 2 + 96 * 250000ll + 96 * 1000000ll + 116 * 333333ll) / 96},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(map.tickToUs(c.tick), c.us) << "tick " << c.tick;
        // The first tick at or after a tick's own time is that tick.
        EXPECT_EQ(map.usToTick(map.tickToUs(c.tick)), c.tick) << "tick " << c.tick;
    }
    EXPECT_EQ(map.tempoAt(250), 250000u);
    EXPECT_EQ(map.tempoAt(1000), 333333u);
}

TEST(TempoMapTest, LastTempoAtTheSameTickWins)
{
    TempoMap map(480);
    map.addTempo(0, 600000);
    map.addTempo(0, 400000);
    map.finalize();
    EXPECT_EQ(map.tickToUs(480), 400000);
}

TEST(MidiFileTest, LengthIsTheLastEventOnTheTempoMap)
{
    MidiFile file;
    ASSERT_EQ(file.parse(tempoPiece().bytes()), MidiFile::Error::None);
    // Last event: the note off at tick 500 on the third track.
    const std::int64_t expectedUs = (192 * 500000ll + 96 * 250000ll + 96 * 1000000ll + 116 * 333333ll) / 96;
    EXPECT_EQ(file.lengthUs(), expectedUs);
    EXPECT_EQ(file.lengthMs(), static_cast<std::uint32_t>((expectedUs + 999) / 1000));
    EXPECT_EQ(file.trackCount(), 3);
    ASSERT_FALSE(file.events().empty());
    for (std::size_t i = 1; i < file.events().size(); ++i)
        ASSERT_LE(file.events()[i - 1].timeUs, file.events()[i].timeUs);
}

TEST(MidiFileTest, EndOfTrackCountsAsTheLastEvent)
{
    mediagen::MidiWriter w(0, 480);
    const int t = w.addTrack();
    w.noteOn(t, 0, 0, 60, 100);
    w.noteOff(t, 480, 0, 60);
    w.meta(t, 1920, 0x2F, {});
    MidiFile file;
    ASSERT_EQ(file.parse(w.bytes()), MidiFile::Error::None);
    EXPECT_EQ(file.lengthMs(), 2000u);
}

TEST(MidiFileTest, RunningStatusAndBothSysexFormsAreRead)
{
    // Note on, running-status note off (velocity 0), F0 sysex in two packets
    // (F0 then F7 continuation), then an F7 escape carrying a whole message.
    const std::vector<std::uint8_t> body = {
        0x00, 0x90, 60, 100,
        0x60, 60, 0,
        0x00, 0xF0, 0x03, 0x7E, 0x7F, 0x09,
        0x00, 0xF7, 0x02, 0x01, 0xF7,
        0x10, 0xF7, 0x04, 0xF0, 0x41, 0x10, 0xF7,
        0x00, 0xFF, 0x2F, 0x00};
    MidiFile file;
    ASSERT_EQ(parse(withTrack(header(0, 1, 96), body), file), MidiFile::Error::None);
    const auto& ev = file.events();
    ASSERT_EQ(ev.size(), 4u);
    EXPECT_EQ(ev[1].status, 0x90);
    EXPECT_EQ(ev[1].data1, 60);
    EXPECT_EQ(ev[1].data2, 0);
    ASSERT_TRUE(ev[2].isSysex());
    const auto gm = file.sysex(ev[2]);
    EXPECT_EQ(std::vector<std::uint8_t>(gm.begin(), gm.end()), (std::vector<std::uint8_t>{0x7E, 0x7F, 0x09, 0x01}));
    const auto escaped = file.sysex(ev[3]);
    EXPECT_EQ(std::vector<std::uint8_t>(escaped.begin(), escaped.end()), (std::vector<std::uint8_t>{0x41, 0x10}));
}

TEST(MidiFileTest, RmidWrapperIsUnwrapped)
{
    const std::vector<std::uint8_t> smf = tempoPiece().bytes();
    std::vector<std::uint8_t> riff = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D',
                                      'L', 'I', 'S', 'T', 2, 0, 0, 0, 'x', 'y'};
    const auto n = static_cast<std::uint32_t>(smf.size());
    const std::uint8_t data[] = {'d', 'a', 't', 'a', static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                                 static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
    riff.insert(riff.end(), std::begin(data), std::end(data));
    riff.insert(riff.end(), smf.begin(), smf.end());
    MidiFile plain, wrapped;
    ASSERT_EQ(plain.parse(smf), MidiFile::Error::None);
    ASSERT_EQ(wrapped.parse(riff), MidiFile::Error::None);
    EXPECT_EQ(wrapped.lengthUs(), plain.lengthUs());
    EXPECT_EQ(wrapped.events().size(), plain.events().size());
}

TEST(MidiFileTest, UnplayableKindsAreRefused)
{
    const std::vector<std::uint8_t> eot = {0x00, 0xFF, 0x2F, 0x00};
    std::vector<std::uint8_t> cutHeader = header(0, 1, 96);
    cutHeader.resize(12);
    const struct { const char* what; std::vector<std::uint8_t> bytes; MidiFile::Error error; } cases[] = {
        {"format 2", withTrack(header(2, 1, 96), eot), MidiFile::Error::Format2},
        {"SMPTE 25 fps", withTrack(header(1, 1, 0xE728), eot), MidiFile::Error::SmpteDivision},
        {"division 0", withTrack(header(0, 1, 0), eot), MidiFile::Error::Damaged},
        {"format 3", withTrack(header(3, 1, 96), eot), MidiFile::Error::Damaged},
        {"no tracks announced", withTrack(header(1, 0, 96), eot), MidiFile::Error::Damaged},
        {"no track chunk", header(1, 1, 96), MidiFile::Error::Damaged},
        {"header cut short", cutHeader, MidiFile::Error::Damaged},
        {"not MIDI", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}, MidiFile::Error::Damaged},
        {"RMID without data", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'R', 'M', 'I', 'D'}, MidiFile::Error::Damaged},
        {"empty", {}, MidiFile::Error::Damaged},
    };
    for (const auto& c : cases) {
        MidiFile file;
        EXPECT_EQ(file.parse(c.bytes), c.error) << c.what;
        EXPECT_TRUE(file.events().empty()) << c.what;
    }
    MidiFile missing;
    EXPECT_EQ(missing.load("/nonexistent/dir/song.mid"), MidiFile::Error::NotFound);
}

TEST(MidiFileTest, DamagedFilesPlayWhatCanBeRead)
{
    // Division 96: a note from tick 0 to 96 and the tempo doubled at tick 48, so
    // 250 ms + 125 ms. The cases without the tempo change last 500 ms.
    const std::vector<std::uint8_t> song = {0x00, 0x90, 60, 100, 0x30, 0xFF, 0x51, 3, 0x03, 0xD0, 0x90,
                                            0x30, 0x80, 60, 0};
    const auto plus = [&song](std::vector<std::uint8_t> tail) {
        tail.insert(tail.begin(), song.begin(), song.end());
        return tail;
    };
    const std::vector<std::uint8_t> eot = {0x00, 0xFF, 0x2F, 0x00};
    const std::vector<std::uint8_t> valid = withTrack(header(0, 1, 96), plus(eot));

    std::vector<std::uint8_t> cutFile = valid;   // the chunk claims the End of Track it lost
    cutFile.resize(cutFile.size() - 2);
    std::vector<std::uint8_t> trailing = valid;
    trailing.insert(trailing.end(), {'j', 'u', 'n', 'k', 0, 1});
    std::vector<std::uint8_t> longHeader = header(0, 1, 96);
    longHeader[7] = 10;
    longHeader.insert(longHeader.end(), {1, 2, 3, 4});
    std::vector<std::uint8_t> otherChunks = header(1, 2, 96);
    otherChunks.insert(otherChunks.end(), {'X', 'F', 'I', 'H', 0, 0, 0, 2, 7, 7});
    otherChunks = withTrack(otherChunks, plus(eot));
    otherChunks.insert(otherChunks.end(), {'M', 'T', 'x', 'x', 0, 0, 0, 1, 0x90});
    otherChunks = withTrack(otherChunks, {0x00, 0x91, 64, 90, 0x40, 0x81, 64, 0});

    const auto rmid = [](const std::vector<std::uint8_t>& smf, std::size_t cut) {
        std::vector<std::uint8_t> riff = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D',
                                          'L', 'I', 'S', 'T', 3, 0, 0, 0, 'x', 'y', 'z', 0};
        const auto n = static_cast<std::uint8_t>(smf.size());
        riff.insert(riff.end(), {'d', 'a', 't', 'a', n, 0, 0, 0});
        riff.insert(riff.end(), smf.begin(), smf.end());
        riff.insert(riff.end(), {'D', 'I', 'S', 'P', 4, 0, 0, 0, 1, 0, 0, 0});
        riff.resize(riff.size() - cut);
        return riff;
    };

    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::uint32_t lengthMs;
        std::size_t events;
    } cases[] = {
        // Each case: what is wrong, the file, its length and its events.
        {"last delta of five bytes", withTrack(header(0, 1, 96), plus({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 1})),
         375, 2},
        {"last delta past the chunk's end", withTrack(header(0, 1, 96), plus({0x00, 0x81})), 375, 2},
        {"last event cut off", withTrack(header(0, 1, 96), plus({0x60, 0x90, 60})), 375, 2},
        {"chunk longer than the file", cutFile, 375, 2},
        {"fewer tracks than announced", withTrack(header(1, 3, 96), plus(eot)), 375, 2},
        {"no End of Track", withTrack(header(0, 1, 96), song), 375, 2},
        {"bytes after the last chunk", trailing, 375, 2},
        {"unknown chunks skipped", otherChunks, 375, 4},
        {"header longer than 6", withTrack(longHeader, plus(eot)), 375, 2},
        {"running status after meta",
         withTrack(header(0, 1, 96), {0x00, 0x90, 60, 100, 0x30, 0xFF, 0x51, 3, 0x03, 0xD0, 0x90, 0x30, 60, 0}), 375,
         2},
        {"running status after sysex",
         withTrack(header(0, 1, 96), {0x00, 0x90, 60, 100, 0x30, 0xF0, 2, 0x7E, 0xF7, 0x30, 60, 0}), 500, 3},
        {"data bytes before the first status",
         withTrack(header(0, 1, 96), {0x00, 60, 100, 0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0}), 500, 2},
        {"events after End of Track", withTrack(header(0, 1, 96), plus({0x00, 0xFF, 0x2F, 0x00, 0x60, 0x90, 62, 1})),
         375, 2},
        {"RMID with other chunks", rmid(valid, 0), 375, 2},
        {"RMID cut inside its data", rmid(valid, 12 + 2), 375, 2},
    };
    for (const auto& c : cases) {
        MidiFile file;
        ASSERT_EQ(file.parse(c.bytes), MidiFile::Error::None) << c.what;
        EXPECT_EQ(file.lengthMs(), c.lengthMs) << c.what;
        EXPECT_EQ(file.events().size(), c.events) << c.what;
        const bool tempoChanged = c.lengthMs == 375;
        EXPECT_EQ(file.tempoMap().tempoAt(96), tempoChanged ? 250000u : TempoMap::kDefaultTempo) << c.what;
    }
}

TEST(MidiFileTest, AFileCutAnywherePlaysWhatCameBeforeTheCut)
{
    mediagen::MidiWriter w = tempoPiece();
    w.sysex(1, 10, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7});
    const std::vector<std::uint8_t> bytes = w.bytes();
    MidiFile whole;
    ASSERT_EQ(whole.parse(bytes), MidiFile::Error::None);
    constexpr std::size_t kFirstTrackData = 14 + 8;
    std::size_t events = 0;
    std::int64_t lengthUs = 0;
    for (std::size_t n = 0; n <= bytes.size(); ++n) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        MidiFile file;
        if (n < kFirstTrackData) {
            ASSERT_EQ(file.parse(cut), MidiFile::Error::Damaged) << "cut at " << n;
            continue;
        }
        ASSERT_EQ(file.parse(cut), MidiFile::Error::None) << "cut at " << n;
        // More of the file never plays less, and the timing is the whole file's.
        ASSERT_GE(file.events().size(), events) << "cut at " << n;
        ASSERT_GE(file.lengthUs(), lengthUs) << "cut at " << n;
        events = file.events().size();
        lengthUs = file.lengthUs();
        for (const auto& ev : file.events())
            ASSERT_EQ(ev.timeUs, whole.tempoMap().tickToUs(ev.tick)) << "cut at " << n;
    }
    EXPECT_EQ(events, whole.events().size());
    EXPECT_EQ(lengthUs, whole.lengthUs());
}
TEST(MidiFileTest, RandomAndMutatedBytesNeverCrash)
{
    const std::vector<std::uint8_t> valid = tempoPiece().bytes();
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    MidiFile file;
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> junk(static_cast<std::size_t>(round * 3));
        for (auto& b : junk)
            b = static_cast<std::uint8_t>(byte(rng));
        ASSERT_EQ(file.parse(junk), MidiFile::Error::Damaged);

        // Flipped bytes inside the tracks may still read; whatever is accepted
        // must have a sane timeline.
        std::vector<std::uint8_t> mutated = valid;
        std::uniform_int_distribution<std::size_t> at(22, mutated.size() - 1);
        for (int k = 0; k < 1 + round % 4; ++k)
            mutated[at(rng)] = static_cast<std::uint8_t>(byte(rng));
        if (file.parse(mutated) == MidiFile::Error::None) {
            for (const auto& ev : file.events()) {
                ASSERT_GE(ev.timeUs, 0);
                ASSERT_LE(ev.timeUs, file.lengthUs());
                if (ev.isSysex()) {
                    ASSERT_LE(file.sysex(ev).size(), mutated.size());
                }
            }
        }
    }
}
