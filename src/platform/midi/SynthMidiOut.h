#pragma once
// The MIDI mapper output on the program's synthesizer: short messages go
// straight to it, as they would to a hardware port.

#include "platform/midi/MidiOut.h"

#include <fluidsynth.h>

namespace platform {

class SynthMidiOut final : public MidiOut {
public:
    ~SynthMidiOut() override;
    MidiResult open() override;
    MidiResult shortMsg(std::uint32_t message) override;
    MidiResult reset() override;
    MidiResult close() override;

private:
    fluid_synth_t* synth_ = nullptr;
};

}  // namespace platform
