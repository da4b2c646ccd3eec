#include "media/MidiReset.h"

#include "platform/mci/Mci.h"
#include "platform/mci/MciCommandString.h"
#include "platform/ui/MessageBox.h"

#include <array>

namespace {

constexpr std::array<int, 4> kItems{MidiReset::kCmdNoReset, MidiReset::kCmdStandardReset,
                                    MidiReset::kCmdFullReset, MidiReset::kCmdCustomReset};

const char* const kCustomResetFailed =
    "Could not play the MIDI Custom Reset file. Refer to the help file for information on how your "
    "MIDI synthesizer's reset file should be setup. MIDI Auto Reset will now be set to: Full Reset.";

constexpr std::uint32_t controlChange(unsigned channel, unsigned controller)
{
    return (0xB0u | channel) | (controller << 8);
}

}  // namespace

MidiReset::MidiReset(CheckMarks& checks, std::string programDir, platform::MidiOutFactory openOutput)
    : checks_(checks), programDir_(std::move(programDir)), openOutput_(openOutput)
{
}

int MidiReset::SetResetMode(int commandId)
{
    switch (commandId) {
    case kCmdNoReset: resetMode = kModeNone; break;
    case kCmdStandardReset: resetMode = kModeStandard; break;
    case kCmdFullReset: resetMode = kModeFull; break;
    case kCmdCustomReset: resetMode = kModeCustom; break;
    default: return -1;
    }
    for (const int item : kItems)
        checks_.SetChecked(item, false);
    checks_.SetChecked(commandId, true);
    return 0;
}

void MidiReset::ResetSynth()
{
    switch (resetMode) {
    case kModeStandard:
        SendControllers({121});
        break;
    case kModeFull:
        // All notes off, modulation, reset all controllers, damper pedal, bank select.
        SendControllers({123, 1, 121, 64, 0});
        break;
    case kModeCustom:
        PlayCustomReset();
        break;
    default:
        break;
    }
}

void MidiReset::SendControllers(std::initializer_list<unsigned> controllers)
{
    if (!openOutput_)
        return;
    std::unique_ptr<platform::MidiOut> out = openOutput_();
    // A mapper that is busy or absent skips the reset without a word.
    if (!out || out->open() != platform::kMidiOk)
        return;
    out->reset();
    for (unsigned channel = 0; channel < 16; ++channel)
        for (const unsigned controller : controllers)
            out->shortMsg(controlChange(channel, controller));
    out->close();
}

std::string MidiReset::CustomResetCommand() const
{
    // Quoted so that a program directory with blanks stays one name.
    return "play " + mci::QuoteCommandWord(programDir_ + "\\" + kResetFileName) + " wait";
}

void MidiReset::PlayCustomReset()
{
    const std::string command = CustomResetCommand();
    if (mci::SendString(command.c_str(), nullptr, 0, nullptr) == 0)
        return;
    platform::MessageBeep(platform::MB_ICONEXCLAMATION);
    platform::MessageBox(owner_, QString::fromLatin1(kCustomResetFailed), QStringLiteral("The Vantor"),
                         platform::MB_ICONEXCLAMATION | platform::MB_OK);
    SetResetMode(kCmdFullReset);
}
