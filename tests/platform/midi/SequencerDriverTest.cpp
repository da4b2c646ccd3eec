// The sequencer driver on the real synthesizer, rendered by hand: timing,
// jumps, silence on stop and system-exclusive messages.

#include "platform/midi/MidiTestSupport.h"
#include "platform/midi/PlayAndWait.h"
#include "platform/mci/MediaDriverRegistry.h"
#include "platform/midi/SequencerDriver.h"
#include "platform/midi/SequencerRegistration.h"

#include <set>

using platform::MediaMode;
using platform::SequencerDriver;
using vantor_test::ManualSynthTest;

namespace {

constexpr std::uint32_t kDivision = 480;   // at 120 bpm: 960 ticks a second

std::uint32_t tickAtMs(std::uint32_t ms)
{
    return ms * 960 / 1000;
}

class SequencerDriverTest : public ManualSynthTest {
protected:
    void openSong(const mediagen::MidiWriter& writer)
    {
        ASSERT_EQ(driver.open(save(writer)), 0u);
        driver.setEndHandler([this] { ++ends; });
    }

    SequencerDriver driver;
    int ends = 0;
};

// Channel 0 changes instrument every two seconds and plays a note each second;
// volume, pan and pitch bend change with it. Channel 1 keeps one instrument.
mediagen::MidiWriter instrumentChanges()
{
    mediagen::MidiWriter w(1, kDivision);
    const int t = w.addTrack();
    const int other = w.addTrack();
    w.program(t, 0, 0, 0);
    w.control(t, 0, 0, 7, 100);
    w.program(t, tickAtMs(2000), 0, 40);
    w.control(t, tickAtMs(2000), 0, 7, 70);
    w.control(t, tickAtMs(2000), 0, 10, 20);
    w.pitchBend(t, tickAtMs(2000), 0, 10000);
    w.program(t, tickAtMs(4000), 0, 73);
    w.control(t, tickAtMs(4000), 0, 7, 110);
    w.pitchBend(t, tickAtMs(4000), 0, 8192);
    for (std::uint32_t ms = 1000; ms <= 5000; ms += 1000) {
        w.noteOn(t, tickAtMs(ms), 0, 60, 100);
        w.noteOff(t, tickAtMs(ms + 500), 0, 60);
    }
    w.program(other, 0, 1, 19);
    w.noteOn(other, tickAtMs(500), 1, 48, 90);
    w.noteOff(other, tickAtMs(5600), 1, 48);
    return w;
}

}  // namespace

TEST_F(SequencerDriverTest, PositionAdvancesExactlyWithRenderedTime)
{
    mediagen::MidiWriter w(0, 96);
    const int t = w.addTrack();
    w.tempo(t, 96, 250000);   // a tempo change must not disturb the clock
    w.noteOn(t, 0, 0, 60, 100);
    w.noteOff(t, 960, 0, 60);
    openSong(w);
    EXPECT_EQ(driver.lengthMs(), 500u + 9 * 250u);
    ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
    EXPECT_EQ(driver.mode(), MediaMode::Playing);
    EXPECT_EQ(driver.positionMs(), 0u);
    const struct { std::int64_t frames; std::uint32_t ms; } steps[] = {
        {44100, 1000}, {441, 1010}, {440, 1019}, {1, 1020}, {22050, 1520},
    };
    for (const auto& s : steps) {
        host().render(s.frames);
        EXPECT_EQ(driver.positionMs(), s.ms);
    }
    EXPECT_EQ(ends, 0);
}

TEST_F(SequencerDriverTest, EndHandlerRunsOnceAtTheLastEvent)
{
    mediagen::MidiWriter w(1, kDivision);
    const int conductor = w.addTrack();
    const int t = w.addTrack();
    w.tempo(conductor, 480, 1000000);   // one second of 120 bpm, then 60 bpm
    w.noteOn(t, 0, 0, 60, 100);
    w.noteOff(t, 720, 0, 60);            // 0.5 s + 0.5 s = 1000 ms
    openSong(w);
    ASSERT_EQ(driver.lengthMs(), 1000u);
    ASSERT_EQ(driver.play(1000), 0u);
    host().render(44099);
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(driver.mode(), MediaMode::Playing);
    host().render(1);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(driver.mode(), MediaMode::Stopped);
    EXPECT_EQ(driver.positionMs(), 1000u);
    renderMs(500);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(driver.positionMs(), 1000u);

    // A play to a point inside the song stops there; a play to where it
    // already is ends at once; both call the handler once.
    ASSERT_EQ(driver.seek(200), 0u);
    ASSERT_EQ(driver.play(300), 0u);
    renderMs(150);
    EXPECT_EQ(ends, 2);
    EXPECT_EQ(driver.positionMs(), 300u);
    ASSERT_EQ(driver.play(300), 0u);
    EXPECT_EQ(ends, 3);
    EXPECT_EQ(driver.play(100), mci::MCIERR_OUTOFRANGE);
}

TEST_F(SequencerDriverTest, PauseAndStopKeepThePositionWithoutEnding)
{
    openSong(instrumentChanges());
    ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
    renderMs(1200);
    ASSERT_EQ(driver.pause(), 0u);
    EXPECT_EQ(driver.mode(), MediaMode::Paused);
    renderMs(1000);
    EXPECT_EQ(driver.positionMs(), 1200u);
    ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
    renderMs(300);
    EXPECT_EQ(driver.positionMs(), 1500u);
    ASSERT_EQ(driver.stop(), 0u);
    EXPECT_EQ(driver.mode(), MediaMode::Stopped);
    EXPECT_EQ(driver.positionMs(), 1500u);
    EXPECT_EQ(ends, 0);
}

TEST_F(SequencerDriverTest, SeekRestoresEachChannelsStateBothWays)
{
    openSong(instrumentChanges());
    // Each jump: target, then program, volume, pan, bend of channel 0 after it.
    const struct { std::uint32_t ms; int program; int volume; int pan; int bend; } jumps[] = {
        {3000, 40, 70, 20, 10000},
        {5000, 73, 110, 20, 8192},
        {1000, 0, 100, 64, 8192},
        {4500, 73, 110, 20, 8192},
        {2500, 40, 70, 20, 10000},
    };
    for (const auto& j : jumps) {
        SCOPED_TRACE(j.ms);
        ASSERT_EQ(driver.seek(j.ms), 0u);
        EXPECT_EQ(driver.positionMs(), j.ms);
        EXPECT_EQ(program(0), j.program);
        EXPECT_EQ(controller(0, 7), j.volume);
        EXPECT_EQ(controller(0, 10), j.pan);
        int bend = 0;
        fluid_synth_get_pitch_bend(synth(), 0, &bend);
        EXPECT_EQ(bend, j.bend);
        EXPECT_EQ(program(1), 19);
        // Playing on keeps it: the next note sounds with that preset.
        ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
        renderMs(600);
        EXPECT_GT(voices(0), 0);
        EXPECT_EQ(program(0), j.program);
        ASSERT_EQ(driver.stop(), 0u);
    }
}

TEST_F(SequencerDriverTest, NoteStartingAtTheSeekPointSounds)
{
    openSong(instrumentChanges());
    for (std::uint32_t at : {3000u, 1000u, 5000u}) {
        SCOPED_TRACE(at);
        ASSERT_EQ(driver.seek(at), 0u);
        renderMs(200);
        EXPECT_EQ(voices(0), 0) << "nothing sounds before play";
        ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
        renderMs(20);
        EXPECT_GT(voices(0), 0);
        ASSERT_EQ(driver.stop(), 0u);
    }
    // Just after a note's start, the note is gone: it is not restarted.
    ASSERT_EQ(driver.seek(3001), 0u);
    ASSERT_EQ(driver.play(3400), 0u);
    renderMs(20);
    EXPECT_EQ(voices(0), 0);
}

TEST_F(SequencerDriverTest, StopPauseAndCloseLeaveNoVoiceUnderTheSustainPedal)
{
    mediagen::MidiWriter w(0, kDivision);
    const int t = w.addTrack();
    for (int ch : {0, 3}) {
        w.control(t, 0, ch, 64, 127);
        w.noteOn(t, tickAtMs(100), ch, 60, 100);
        w.noteOn(t, tickAtMs(100), ch, 64, 100);
        w.noteOff(t, tickAtMs(200), ch, 60);
        w.noteOff(t, tickAtMs(200), ch, 64);
    }
    w.noteOn(t, tickAtMs(9000), 0, 70, 100);
    w.noteOff(t, tickAtMs(9500), 0, 70);
    openSong(w);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(driver.seek(0), 0u);
        ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
        renderMs(1500);
        ASSERT_GT(voices(), 0) << "the pedal holds the notes after their note-offs";
        if (round == 0)
            driver.stop();
        else if (round == 1)
            driver.pause();
        else
            driver.close();
        renderMs(3000);
        EXPECT_EQ(voices(), 0);
        if (round == 1) {
            // Resuming brings the pedal back as the song has it.
            ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
            renderMs(10);
            EXPECT_EQ(controller(3, 64), 127);
        }
    }
}

TEST_F(SequencerDriverTest, SystemExclusiveMessagesReachTheSynthesizer)
{
    mediagen::MidiWriter w(0, kDivision);
    const int t = w.addTrack();
    w.program(t, 0, 0, 40);
    w.sysex(t, tickAtMs(500), {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7});   // General MIDI on: presets reset
    w.noteOn(t, tickAtMs(1000), 0, 60, 100);
    w.noteOff(t, tickAtMs(1500), 0, 60);
    openSong(w);
    ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
    renderMs(400);
    EXPECT_EQ(program(0), 40);
    renderMs(200);
    EXPECT_EQ(program(0), 0);
    // A jump past the message replays it; a jump before it does not.
    ASSERT_EQ(driver.seek(300), 0u);
    EXPECT_EQ(program(0), 40);
    ASSERT_EQ(driver.seek(800), 0u);
    EXPECT_EQ(program(0), 0);
}

TEST_F(SequencerDriverTest, MuteSilencesWithoutStopping)
{
    openSong(instrumentChanges());
    ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
    std::vector<float> left(4410), right(4410);
    auto loudness = [&] {
        host().render(4410, left.data(), right.data());
        float peak = 0;
        for (std::size_t i = 0; i < left.size(); ++i)
            peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
        return peak;
    };
    renderMs(1000);
    EXPECT_GT(loudness(), 0.001f);
    ASSERT_EQ(driver.setAudio(false), 0u);
    EXPECT_EQ(loudness(), 0.0f);
    EXPECT_EQ(driver.mode(), MediaMode::Playing);
    EXPECT_EQ(driver.positionMs(), 1200u);
    ASSERT_EQ(driver.setAudio(true), 0u);
    EXPECT_GT(loudness(), 0.001f);
    // Closing a muted song gives the next one its sound back.
    driver.setAudio(false);
    driver.close();
    EXPECT_FALSE(host().muted());
}

TEST_F(SequencerDriverTest, OpeningASongReadsInTheInstrumentsItSelects)
{
    // The SoundFont's samples come in as instruments are selected: what the song
    // selects is held from its opening on, what an earlier song held is let go.
    const auto held = [] {
        std::multiset<int> programs;
        for (int i = 0; i < platform::SynthHost::kHoldChannels; ++i) {
            int sfont = 0, bank = 0, preset = 0;
            if (fluid_synth_get_program(synth(), platform::SynthHost::kSongChannels + i, &sfont, &bank, &preset)
                    == FLUID_OK && sfont == host().soundFontId())
                programs.insert(bank * 128 + preset);
        }
        return programs;
    };
    openSong(instrumentChanges());
    EXPECT_EQ(held(), (std::multiset<int>{0, 19, 40, 73}));
    driver.close();
    mediagen::MidiWriter drums(1, kDivision);
    const int t = drums.addTrack();
    drums.program(t, 0, 9, 0);
    drums.program(t, 0, 2, 40);
    openSong(drums);
    EXPECT_EQ(held(), (std::multiset<int>{platform::SynthHost::kDrumBank * 128, 40}));
}

TEST_F(SequencerDriverTest, OpenRefusesWhatItCannotPlay)
{
    mediagen::MidiWriter good(0, 96);
    good.addTrack();
    std::vector<std::uint8_t> smpte = good.bytes();
    smpte[12] = 0xE7;
    smpte[13] = 0x28;
    std::vector<std::uint8_t> format2 = good.bytes();
    format2[9] = 2;
    std::vector<std::uint8_t> cut = good.bytes();
    cut.resize(14);   // the header alone: no track
    const struct { std::string path; mci::ErrorCode error; } cases[] = {
        {"/nonexistent/song.mid", mci::MCIERR_FILE_NOT_FOUND},
        {saveBytes(smpte, "smpte.mid"), mci::MCIERR_SEQ_DIV_INCOMPATIBLE},
        {saveBytes(format2, "format2.mid"), mci::MCIERR_INVALID_FILE},
        {saveBytes(cut, "cut.mid"), mci::MCIERR_INVALID_FILE},
    };
    for (const auto& c : cases) {
        SequencerDriver d;
        EXPECT_EQ(d.open(c.path), c.error) << c.path;
        EXPECT_EQ(d.play(0), mci::MCIERR_INVALID_DEVICE_ID);
    }
    const std::string path = save(good);
    ASSERT_EQ(driver.open(path), 0u);
    EXPECT_EQ(driver.open(path), mci::MCIERR_DEVICE_OPEN);
    EXPECT_EQ(driver.info(mci::MCI_INFO_FILE), path);
    EXPECT_EQ(driver.deviceCaps(mci::MCI_GETDEVCAPS_CAN_PLAY), 1u);
    EXPECT_EQ(driver.deviceCaps(mci::MCI_GETDEVCAPS_HAS_VIDEO), 0u);
    EXPECT_EQ(driver.deviceCaps(mci::MCI_GETDEVCAPS_DEVICE_TYPE), SequencerDriver::kDeviceTypeSequencer);
}

TEST_F(SequencerDriverTest, DamagedFilePlaysWhatCanBeReadToItsLength)
{
    // A note whose end comes on running status after a tempo change, then a
    // delta of five bytes; the track's chunk claims more than the file holds.
    const std::vector<std::uint8_t> bytes = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 1, 0,
        0x00, 0x90, 60, 100, 0x60, 0xFF, 0x51, 3, 0x0F, 0x42, 0x40, 0x60, 60, 0, 0x81, 0x81, 0x81, 0x81, 0x81};
    ASSERT_EQ(driver.open(saveBytes(bytes, "damaged.mid")), 0u);
    driver.setEndHandler([this] { ++ends; });
    ASSERT_EQ(driver.lengthMs(), 500u + 1000u);
    ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
    renderMs(1000);
    EXPECT_GT(voices(0), 0);
    host().render(framesFor(500) - 1);
    EXPECT_EQ(ends, 0);
    host().render(1);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(driver.positionMs(), 1500u);
}

TEST_F(SequencerDriverTest, PlayAndWaitReturnsAfterTheWholeSong)
{
    mediagen::MidiWriter w(0, kDivision);
    const int t = w.addTrack();
    w.noteOn(t, 0, 0, 60, 100);
    w.noteOff(t, tickAtMs(700), 0, 60);
    const std::string path = save(w);
    const std::int64_t before = host().framesRendered();
    ASSERT_EQ(platform::PlayMidiAndWait(path), 0u);
    const std::int64_t rendered = host().framesRendered() - before;
    EXPECT_GE(rendered, framesFor(700));
    EXPECT_LT(rendered, framesFor(700) + 1024);
    EXPECT_EQ(platform::PlayMidiAndWait("/nonexistent/reset.mid"), mci::MCIERR_FILE_NOT_FOUND);
}

TEST_F(SequencerDriverTest, RegisteredForMidiExtensions)
{
    platform::RegisterSequencerDriver();
    for (const char* ext : {"mid", "MID", "rmi"})
        EXPECT_EQ(mci::DeviceTypeForExtension(ext), mci::kSequencerDevice) << ext;
    auto made = mci::CreateMediaDriver(mci::kSequencerDevice);
    ASSERT_NE(dynamic_cast<SequencerDriver*>(made.get()), nullptr);
    mediagen::MidiWriter w(0, 96);
    w.addTrack();
    EXPECT_EQ(made->open(save(w)), 0u);
}
