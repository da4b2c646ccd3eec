#pragma once
// The MIDI mapper output: short messages and resets sent straight to the program's
// synthesizer, the one every MIDI song plays on.

#include <cstdint>
#include <memory>

namespace platform {

using MidiResult = std::uint32_t;
constexpr MidiResult kMidiOk = 0;
constexpr MidiResult kMidiErrorNoDevice = 2;   // nothing to open (no synthesizer)
constexpr MidiResult kMidiErrorInvalidHandle = 5;
constexpr MidiResult kMidiErrorAllocated = 4;

class MidiOut {
public:
    virtual ~MidiOut() = default;
    virtual MidiResult open() = 0;
    // A packed short message: status in the low byte, then the two data bytes.
    virtual MidiResult shortMsg(std::uint32_t message) = 0;
    // All notes off on every channel, as a driver's reset does.
    virtual MidiResult reset() = 0;
    virtual MidiResult close() = 0;
};

// The output the resets use. Tests install a recording one; the program leaves
// the default, which sends to the synthesizer.
using MidiOutFactory = std::unique_ptr<MidiOut> (*)();
std::unique_ptr<MidiOut> CreateMidiMapperOut();
void SetMidiOutFactory(MidiOutFactory factory);   // nullptr restores the default

}  // namespace platform
