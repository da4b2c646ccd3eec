// Command strings: reading them (blanks, quotes, garbage) and running the
// "play <file> wait" form through the layer.

#include "platform/mci/Mci.h"
#include "platform/mci/MciCommandString.h"
#include "support/RecordingMci.h"
#include "support/SimulatedMci.h"

#include <gtest/gtest.h>

using namespace mci;

namespace {

TEST(MciCommandString, ReadsPlayCommands)
{
    struct Case {
        const char* text;
        const char* device;
        bool wait;
        std::optional<std::uint32_t> from;
        std::optional<std::uint32_t> to;
    };
    const Case cases[] = {
        {"play c:\\vantor\\reset.mid wait", "c:\\vantor\\reset.mid", true, {}, {}},
        {"  PLAY   c:\\a.mid   Wait  ", "c:\\a.mid", true, {}, {}},
        {"play \"c:\\program files\\vantor\\reset.mid\" wait", "c:\\program files\\vantor\\reset.mid", true, {}, {}},
        {"play \"c:\\odd \"\"q\"\" dir\\reset.mid\" wait", "c:\\odd \"q\" dir\\reset.mid", true, {}, {}},
        {"play c:\\a.mid from 100 to 2000 wait", "c:\\a.mid", true, 100u, 2000u},
        {"play c:\\a.mid\tto 5", "c:\\a.mid", false, {}, 5u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ParsedCommand parsed;
        ASSERT_EQ(ParseCommandString(c.text, parsed), 0u);
        EXPECT_EQ(parsed.verb, "play");
        EXPECT_EQ(parsed.device, c.device);
        EXPECT_EQ(parsed.wait, c.wait);
        EXPECT_EQ(parsed.from, c.from);
        EXPECT_EQ(parsed.to, c.to);
    }
}

TEST(MciCommandString, MalformedStringsGiveTheirErrors)
{
    const std::pair<const char*, ErrorCode> cases[] = {
        {"", MCIERR_MISSING_COMMAND_STRING},
        {"   \t ", MCIERR_MISSING_COMMAND_STRING},
        {"dance c:\\a.mid", MCIERR_UNRECOGNIZED_COMMAND},
        {"open c:\\a.mid", MCIERR_UNSUPPORTED_FUNCTION},
        {"play", MCIERR_MISSING_DEVICE_NAME},
        {"play \"\" wait", MCIERR_MISSING_DEVICE_NAME},
        {"play all wait", MCIERR_CANNOT_USE_ALL},
        {"play \"c:\\program files\\reset.mid wait", MCIERR_NO_CLOSING_QUOTE},
        {"play \"c:\\a.mid\"wait", MCIERR_EXTRA_CHARACTERS},
        {"play c:\\program files\\reset.mid wait", MCIERR_UNRECOGNIZED_KEYWORD},
        {"play c:\\a.mid wait wait", MCIERR_DUPLICATE_FLAGS},
        {"play c:\\a.mid from", MCIERR_MISSING_PARAMETER},
        {"play c:\\a.mid from ten", MCIERR_BAD_INTEGER},
        {"play c:\\a.mid from -5", MCIERR_BAD_INTEGER},
        {"play c:\\a.mid to 99999999999", MCIERR_BAD_INTEGER},
        {"play c:\\a.mid to 1 to 2", MCIERR_DUPLICATE_FLAGS},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        ParsedCommand parsed;
        EXPECT_EQ(ParseCommandString(text, parsed), expected);
    }
}

TEST(MciCommandString, QuotesOnlyWhenNeededAndRoundTrips)
{
    EXPECT_EQ(QuoteCommandWord("c:\\vantor\\reset.mid"), "c:\\vantor\\reset.mid");
    for (const std::string word : {"c:\\program files\\reset.mid", "c:\\a\"b\\reset.mid", "\"", ""}) {
        SCOPED_TRACE(word);
        const std::string quoted = QuoteCommandWord(word);
        std::vector<std::string> words;
        ASSERT_EQ(SplitCommandString("play " + quoted + " wait", words), 0u);
        ASSERT_EQ(words.size(), 3u);
        EXPECT_EQ(words[1], word);
    }
}

TEST(MciSendString, PlayWaitOpensPlaysToTheEndAndCloses)
{
    SimulatedMci sim;
    SimSong& song = sim.addSong("c:\\program files\\vantor\\reset.mid", 1500);
    char ret[16] = "junk";
    EXPECT_EQ(SendString("play \"c:\\program files\\vantor\\reset.mid\" wait", ret, sizeof ret, nullptr), 0u);
    EXPECT_STREQ(ret, "");
    EXPECT_EQ(song.plays, 1);
    EXPECT_GE(sim.now(), 1500u);
    EXPECT_EQ(sim.openDevices(), 0u);
    const auto& log = sim.sent();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].command, MCI_OPEN);
    EXPECT_EQ(log[0].flags, MCI_OPEN_ELEMENT | MCI_WAIT);
    EXPECT_EQ(log[0].element, "c:\\program files\\vantor\\reset.mid");
    EXPECT_EQ(log[1].command, MCI_PLAY);
    EXPECT_EQ(log[1].flags, MCI_WAIT);
    EXPECT_EQ(log[2].command, MCI_CLOSE);
}

TEST(MciSendString, FailuresLeaveNoDeviceOpen)
{
    SimulatedMci sim;
    sim.addSong("c:\\a.mid", 1000);
    sim.addSong("c:\\noplay.mid", 1000, SimBehaviour::FailsToPlay);
    sim.addSong("c:\\stuck.mid", 1000, SimBehaviour::Stalls, 10);
    EXPECT_EQ(SendString("play c:\\missing.mid wait", nullptr, 0, nullptr), MCIERR_FILE_NOT_FOUND);
    EXPECT_EQ(SendString("play c:\\noplay.mid wait", nullptr, 0, nullptr), MCIERR_HARDWARE);
    EXPECT_EQ(SendString("play c:\\a.mid", nullptr, 0, nullptr), MCIERR_ILLEGAL_FOR_AUTO_OPEN);
    EXPECT_EQ(SendString("play c:\\a.mid notify", nullptr, 0, nullptr), MCIERR_NOTIFY_ON_AUTO_OPEN);
    EXPECT_EQ(SendString("play c:\\a.mid to 5000 wait", nullptr, 0, nullptr), MCIERR_OUTOFRANGE);
    EXPECT_EQ(SendString(nullptr, nullptr, 0, nullptr), MCIERR_MISSING_COMMAND_STRING);
    // A waiting play whose device stops moving gives up instead of hanging.
    EXPECT_EQ(SendString("play c:\\stuck.mid wait", nullptr, 0, nullptr), MCIERR_DEVICE_NOT_READY);
    EXPECT_EQ(sim.openDevices(), 0u);
}

TEST(MciSendString, PlayRangeSendsFromAndTo)
{
    RecordingMci rec;
    rec.setNextId(5);
    EXPECT_EQ(SendString("play c:\\a.mid from 10 to 20 wait", nullptr, 0, nullptr), 0u);
    const auto plays = rec.sentOf(MCI_PLAY);
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_EQ(plays[0].device, 5u);
    EXPECT_EQ(plays[0].flags, MCI_WAIT | MCI_FROM | MCI_TO);
    EXPECT_EQ(plays[0].from, 10u);
    EXPECT_EQ(plays[0].to, 20u);
    EXPECT_EQ(rec.sentOf(MCI_CLOSE).at(0).device, 5u);
}

}  // namespace
