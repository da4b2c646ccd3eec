#pragma once
// The MIDI synthesizer reset before each song, in the mode the user chose in
// the "&MIDI Auto Reset" pop-up. The console window owns one and forwards its
// commands 7830, 7831, 7832 and 7854 to SetResetMode.

#include "media/CheckMarks.h"
#include "platform/midi/MidiOut.h"

#include <string>

class QWidget;

class MidiReset {
public:
    // resetMode values.
    static constexpr int kModeNone = 1;
    static constexpr int kModeStandard = 5;
    static constexpr int kModeFull = 10;
    static constexpr int kModeCustom = 15;
    // Command ids of the pop-up's items.
    static constexpr int kCmdNoReset = 7830;
    static constexpr int kCmdStandardReset = 7831;
    static constexpr int kCmdFullReset = 7832;
    static constexpr int kCmdCustomReset = 7854;
    static constexpr const char* kResetFileName = "reset.mid";

    // programDir: the program's directory as a drive path, no trailing backslash.
    // openOutput opens the MIDI mapper for each reset.
    MidiReset(CheckMarks& checks, std::string programDir,
              platform::MidiOutFactory openOutput = &platform::CreateMidiMapperOut);

    // 7830: 1, 7831: 5, 7832: 10, 7854: 15; then only commandId's item is
    // checked. Other ids change nothing and return -1.
    int SetResetMode(int commandId);
    void ResetSynth();

    // Owner of the message box of a failed custom reset.
    void SetOwner(QWidget* owner) { owner_ = owner; }
    void SetProgramDir(std::string programDir) { programDir_ = std::move(programDir); }
    // The command string of the custom reset.
    std::string CustomResetCommand() const;

    int resetMode = kModeNone;

private:
    void SendControllers(std::initializer_list<unsigned> controllers);
    void PlayCustomReset();

    CheckMarks& checks_;
    std::string programDir_;
    platform::MidiOutFactory openOutput_;
    QWidget* owner_ = nullptr;
};
