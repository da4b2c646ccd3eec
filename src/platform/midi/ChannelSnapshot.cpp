#include "platform/midi/ChannelSnapshot.h"

namespace platform {

void ChannelSnapshot::capture(fluid_synth_t* synth)
{
    for (int ch = 0; ch < kChannels; ++ch) {
        Channel& c = channels_[static_cast<std::size_t>(ch)];
        if (fluid_synth_get_program(synth, ch, &c.sfontId, &c.bank, &c.preset) != FLUID_OK)
            c.sfontId = -1;
        for (int cc = 0; cc < 128; ++cc) {
            int value = 0;
            fluid_synth_get_cc(synth, ch, cc, &value);
            c.controllers[static_cast<std::size_t>(cc)] = value;
        }
        fluid_synth_get_pitch_bend(synth, ch, &c.pitchBend);
        fluid_synth_get_pitch_wheel_sens(synth, ch, &c.bendRange);
    }
    captured_ = true;
}

// Data entry, increments and the channel-mode messages act when sent; they are
// not state to put back. Bank select is restored through the preset itself.
bool ChannelSnapshot::restorable(int controller)
{
    switch (controller) {
    case 0: case 6: case 32: case 38: case 96: case 97:
        return false;
    default:
        return controller < 120;
    }
}

void ChannelSnapshot::restore(fluid_synth_t* synth) const
{
    if (!captured_)
        return;
    for (int ch = 0; ch < kChannels; ++ch) {
        const Channel& c = channels_[static_cast<std::size_t>(ch)];
        for (int cc = 0; cc < 128; ++cc) {
            if (restorable(cc))
                fluid_synth_cc(synth, ch, cc, c.controllers[static_cast<std::size_t>(cc)]);
        }
        fluid_synth_cc(synth, ch, 0, c.controllers[0]);
        fluid_synth_cc(synth, ch, 32, c.controllers[32]);
        if (c.sfontId >= 0)
            fluid_synth_program_select(synth, ch, c.sfontId, c.bank, c.preset);
        fluid_synth_pitch_bend(synth, ch, c.pitchBend);
        fluid_synth_pitch_wheel_sens(synth, ch, c.bendRange);
    }
}

}  // namespace platform
