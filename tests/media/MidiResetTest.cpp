// The MIDI synthesizer reset: the message sequence of each mode on a recording
// MIDI output, the radio check marks, and the custom reset file played through
// the command string on the simulated backend.

#include "media/MidiReset.h"
#include "platform/mci/Mci.h"
#include "support/RecordingMidiOut.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/SimulatedMci.h"

#include <gtest/gtest.h>

#include <map>

using namespace mci;
using Event = RecordingMidiOut::Event;

namespace {

class RecordingChecks : public CheckMarks {
public:
    void SetChecked(int commandId, bool checked) override
    {
        calls.emplace_back(commandId, checked);
        state[commandId] = checked;
    }
    int checkedCount() const
    {
        int n = 0;
        for (const auto& [id, on] : state)
            n += on;
        return n;
    }
    std::vector<std::pair<int, bool>> calls;
    std::map<int, bool> state;
};

class MidiResetTest : public ::testing::Test {
protected:
    MidiResetTest() { RecordingMidiOut::clear(); }
    ~MidiResetTest() override { RecordingMidiOut::clear(); }

    std::vector<std::uint32_t> shortMessages() const
    {
        std::vector<std::uint32_t> out;
        for (const Event& e : RecordingMidiOut::log())
            if (e.kind == Event::Short)
                out.push_back(e.message);
        return out;
    }

    RecordingChecks checks;
    ScriptedMessageBoxes boxes;
    MidiReset reset{checks, "c:\\vantor", &RecordingMidiOut::create};
};

TEST_F(MidiResetTest, SetResetModeMapsCommandsAndMovesTheRadioMark)
{
    const std::vector<std::pair<int, int>> table{{7830, 1}, {7831, 5}, {7832, 10}, {7854, 15}, {7830, 1}};
    for (const auto& [command, mode] : table) {
        SCOPED_TRACE(command);
        checks.calls.clear();
        EXPECT_EQ(reset.SetResetMode(command), 0);
        EXPECT_EQ(reset.resetMode, mode);
        EXPECT_EQ(checks.checkedCount(), 1);
        EXPECT_TRUE(checks.state[command]);
        // All four are cleared before the one is set.
        ASSERT_EQ(checks.calls.size(), 5u);
        EXPECT_EQ(checks.calls.back(), std::make_pair(command, true));
    }
    checks.calls.clear();
    EXPECT_EQ(reset.SetResetMode(7833), -1);
    EXPECT_EQ(reset.resetMode, 1);
    EXPECT_TRUE(checks.calls.empty());
}

TEST_F(MidiResetTest, NoResetSendsNothing)
{
    reset.resetMode = MidiReset::kModeNone;
    reset.ResetSynth();
    EXPECT_TRUE(RecordingMidiOut::log().empty());
}

TEST_F(MidiResetTest, StandardResetSendsControllerOneTwentyOneOnEachChannel)
{
    reset.SetResetMode(7831);
    reset.ResetSynth();
    const auto& log = RecordingMidiOut::log();
    ASSERT_EQ(log.size(), 19u);
    EXPECT_EQ(log[0].kind, Event::Open);
    EXPECT_EQ(log[1].kind, Event::Reset);
    EXPECT_EQ(log.back().kind, Event::Close);
    const auto messages = shortMessages();
    ASSERT_EQ(messages.size(), 16u);
    for (std::uint32_t channel = 0; channel < 16; ++channel)
        EXPECT_EQ(messages[channel], (0xB0u + channel) | (121u << 8)) << channel;
}

TEST_F(MidiResetTest, FullResetSendsEightyMessagesChannelByChannelAfterOneReset)
{
    reset.SetResetMode(7832);
    reset.ResetSynth();
    const auto& log = RecordingMidiOut::log();
    ASSERT_EQ(log.size(), 83u);
    EXPECT_EQ(log[0].kind, Event::Open);
    EXPECT_EQ(log[1].kind, Event::Reset);
    EXPECT_EQ(log[82].kind, Event::Close);
    const auto messages = shortMessages();
    ASSERT_EQ(messages.size(), 80u);
    const std::uint32_t controllers[] = {123, 1, 121, 64, 0};
    for (std::uint32_t i = 0; i < 80; ++i) {
        const std::uint32_t channel = i / 5;
        EXPECT_EQ(messages[i], (0xB0u + channel) | (controllers[i % 5] << 8)) << i;
    }
}

TEST_F(MidiResetTest, MapperThatCannotOpenSkipsTheResetSilently)
{
    RecordingMidiOut::failOpen() = true;
    reset.SetResetMode(7832);
    reset.ResetSynth();
    EXPECT_TRUE(RecordingMidiOut::log().empty());
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_TRUE(boxes.beeps().empty());
}

TEST_F(MidiResetTest, CustomResetPlaysTheFileToItsEndAndClosesIt)
{
    SimulatedMci sim;
    SimSong& file = sim.addSong("c:\\vantor\\reset.mid", 800);
    reset.SetResetMode(7854);
    reset.ResetSynth();
    EXPECT_EQ(file.opens, 1);
    EXPECT_EQ(file.plays, 1);
    EXPECT_GE(sim.now(), 800u);
    EXPECT_EQ(sim.openDevices(), 0u);
    const auto plays = sim.sentOf(MCI_PLAY);
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_EQ(plays[0].flags, MCI_WAIT);
    EXPECT_EQ(sim.sentOf(MCI_CLOSE).size(), 1u);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(reset.resetMode, 15);
    EXPECT_TRUE(RecordingMidiOut::log().empty());
}

TEST_F(MidiResetTest, CustomResetFindsAProgramDirectoryWithBlanksAndQuotes)
{
    for (const std::string dir : {"c:\\program files\\the vantor", "c:\\odd \"name\" dir"}) {
        SCOPED_TRACE(dir);
        SimulatedMci sim;
        SimSong& file = sim.addSong(dir + "\\reset.mid", 100);
        reset.SetProgramDir(dir);
        reset.SetResetMode(7854);
        reset.ResetSynth();
        EXPECT_EQ(file.plays, 1);
        EXPECT_TRUE(boxes.boxes().empty());
        EXPECT_EQ(reset.resetMode, 15);
    }
}

TEST_F(MidiResetTest, MissingCustomResetFileWarnsAndSwitchesToFullReset)
{
    SimulatedMci sim;
    QWidget owner;
    reset.SetOwner(&owner);
    reset.SetResetMode(7854);
    checks.calls.clear();
    reset.ResetSynth();

    ASSERT_EQ(boxes.order(), (std::vector<char>{'B', 'M'}));
    EXPECT_EQ(boxes.beeps()[0], platform::MB_ICONEXCLAMATION);
    const auto& box = boxes.boxes()[0];
    EXPECT_EQ(box.text,
              "Could not play the MIDI Custom Reset file. Refer to the help file for information on how your MIDI "
              "synthesizer's reset file should be setup. MIDI Auto Reset will now be set to: Full Reset.");
    EXPECT_EQ(box.caption, "The Vantor");
    EXPECT_EQ(box.style, platform::MB_ICONEXCLAMATION | platform::MB_OK);
    EXPECT_EQ(box.owner, &owner);
    EXPECT_EQ(reset.resetMode, 10);
    EXPECT_TRUE(checks.state[7832]);
    EXPECT_FALSE(checks.state[7854]);
    EXPECT_EQ(checks.checkedCount(), 1);
    // The song being started gets no reset; the next one gets the full reset.
    EXPECT_TRUE(RecordingMidiOut::log().empty());
    reset.ResetSynth();
    EXPECT_EQ(shortMessages().size(), 80u);
}

TEST_F(MidiResetTest, CustomResetThatFailsWhilePlayingAlsoFallsBack)
{
    SimulatedMci sim;
    sim.addSong("c:\\vantor\\reset.mid", 1000, SimBehaviour::FailsDuringPlay, 300);
    reset.SetResetMode(7854);
    reset.ResetSynth();
    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(reset.resetMode, 10);
    EXPECT_EQ(sim.openDevices(), 0u);
}

}  // namespace
