// The MIDI mapper output on the program's synthesizer, and the real-time run
// into nothing when there is no sound server.

#include "platform/media/SoundOutput.h"
#include "platform/midi/MidiTestSupport.h"
#include "platform/midi/PlayAndWait.h"
#include "platform/midi/SynthMidiOut.h"

#include <chrono>

using platform::kMidiOk;
using platform::MidiOut;
using vantor_test::ManualSynthTest;

namespace {

std::uint32_t pack(int status, int data1, int data2)
{
    return static_cast<std::uint32_t>(status | (data1 << 8) | (data2 << 16));
}

class SynthMidiOutTest : public ManualSynthTest {
protected:
    // Notes on three channels, held by the pedal after their note-offs.
    void holdNotes(MidiOut& out)
    {
        for (int ch : {0, 5, 15}) {
            out.shortMsg(pack(0xB0 | ch, 64, 127));
            out.shortMsg(pack(0x90 | ch, 60, 100));
            out.shortMsg(pack(0x90 | ch, 67, 100));
        }
        renderMs(100);
        for (int ch : {0, 5, 15}) {
            out.shortMsg(pack(0x80 | ch, 60, 0));
            out.shortMsg(pack(0x90 | ch, 67, 0));
        }
        renderMs(500);
    }
};

}  // namespace

TEST_F(SynthMidiOutTest, ResetSequencesReleaseSustainedVoices)
{
    // Each sequence: the controllers sent on every channel after the port reset.
    const struct { const char* name; std::vector<int> controllers; bool portReset; } sequences[] = {
        {"full", {123, 1, 121, 64, 0}, true},
        {"standard", {121}, true},
        {"port reset alone", {}, true},
        {"reset all controllers alone", {121}, false},
    };
    for (const auto& seq : sequences) {
        SCOPED_TRACE(seq.name);
        auto out = platform::CreateMidiMapperOut();
        ASSERT_EQ(out->open(), kMidiOk);
        holdNotes(*out);
        ASSERT_GE(voices(), 6) << "the pedal holds the notes";
        if (seq.portReset) {
            ASSERT_EQ(out->reset(), kMidiOk);
        }
        for (int ch = 0; ch < 16; ++ch) {
            for (int cc : seq.controllers)
                ASSERT_EQ(out->shortMsg(pack(0xB0 | ch, cc, 0)), kMidiOk);
        }
        ASSERT_EQ(out->close(), kMidiOk);
        renderMs(3000);
        EXPECT_EQ(voices(), 0);
    }
}

TEST_F(SynthMidiOutTest, AllNotesOffAloneLeavesThePedalsNotes)
{
    // The reason the reset lifts the pedal itself: the synthesizer keeps notes
    // under a held pedal through an all-notes-off.
    auto out = platform::CreateMidiMapperOut();
    ASSERT_EQ(out->open(), kMidiOk);
    holdNotes(*out);
    for (int ch = 0; ch < 16; ++ch)
        out->shortMsg(pack(0xB0 | ch, 123, 0));
    renderMs(3000);
    EXPECT_GT(voices(), 0);
    out->reset();
    renderMs(3000);
    EXPECT_EQ(voices(), 0);
}

TEST_F(SynthMidiOutTest, HandleRulesAndMessageDecoding)
{
    platform::SynthMidiOut out;
    EXPECT_EQ(out.shortMsg(pack(0x90, 60, 100)), platform::kMidiErrorInvalidHandle);
    EXPECT_EQ(out.reset(), platform::kMidiErrorInvalidHandle);
    EXPECT_EQ(out.close(), platform::kMidiErrorInvalidHandle);
    ASSERT_EQ(out.open(), kMidiOk);
    EXPECT_EQ(out.open(), platform::kMidiErrorAllocated);
    // Status in the low byte, then the data bytes; system messages are ignored.
    const struct { std::uint32_t message; int channel; int program; int volume; } cases[] = {
        {pack(0xC3, 40, 0), 3, 40, 100},
        {pack(0xB3, 7, 55), 3, 40, 55},
        {pack(0xF8, 7, 1), 3, 40, 55},
        {pack(0xCA, 9, 0), 10, 9, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(out.shortMsg(c.message), kMidiOk);
        EXPECT_EQ(program(c.channel), c.program);
        EXPECT_EQ(controller(c.channel, 7), c.volume);
    }
    EXPECT_EQ(out.close(), kMidiOk);
}

TEST_F(SynthMidiOutTest, FactoryCanBeReplacedAndRestored)
{
    static int made = 0;
    made = 0;
    platform::SetMidiOutFactory([]() -> std::unique_ptr<MidiOut> {
        ++made;
        return std::make_unique<platform::SynthMidiOut>();
    });
    EXPECT_NE(platform::CreateMidiMapperOut(), nullptr);
    EXPECT_EQ(made, 1);
    platform::SetMidiOutFactory(nullptr);
    EXPECT_NE(platform::CreateMidiMapperOut(), nullptr);
    EXPECT_EQ(made, 1);
}

TEST(SynthRealTimeTest, WithoutSoundServerSongsStillPlayInRealTime)
{
    platform::SynthHost& host = platform::SynthHost::instance();
    const bool wasManual = host.manualRendering();
    auto& output = platform::SoundOutput::instance();
    const bool wasForced = output.nullOutputForced();
    output.forceNullOutput(true);
    host.setManualRendering(false);
    ASSERT_TRUE(host.start());
    host.setManualRendering(false);
    EXPECT_EQ(host.outputName(), "null");

    mediagen::MidiWriter w(0, 480);
    const int t = w.addTrack();
    w.noteOn(t, 0, 0, 60, 100);
    w.noteOff(t, 288, 0, 60);   // 300 ms
    QTemporaryDir dir;
    const std::string path = dir.filePath("short.mid").toStdString();
    ASSERT_TRUE(w.save(path));
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(platform::PlayMidiAndWait(path), 0u);
    const auto took = std::chrono::steady_clock::now() - begin;
    EXPECT_GE(took, std::chrono::milliseconds(290));
    EXPECT_LT(took, std::chrono::milliseconds(3000));

    host.setManualRendering(wasManual);
    output.forceNullOutput(wasForced);
}
