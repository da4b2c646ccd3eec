#include "platform/midi/SynthMidiOut.h"

#include "platform/midi/ChannelSnapshot.h"
#include "platform/midi/SynthHost.h"

namespace platform {

namespace {

MidiOutFactory installedFactory = nullptr;

std::unique_ptr<MidiOut> createSynthOut()
{
    return std::make_unique<SynthMidiOut>();
}

}  // namespace

std::unique_ptr<MidiOut> CreateMidiMapperOut()
{
    return installedFactory ? installedFactory() : createSynthOut();
}

void SetMidiOutFactory(MidiOutFactory factory)
{
    installedFactory = factory;
}

SynthMidiOut::~SynthMidiOut()
{
    close();
}

MidiResult SynthMidiOut::open()
{
    if (synth_)
        return kMidiErrorAllocated;
    SynthHost& host = SynthHost::instance();
    if (!host.start())
        return kMidiErrorNoDevice;
    synth_ = host.synth();
    return kMidiOk;
}

MidiResult SynthMidiOut::shortMsg(std::uint32_t message)
{
    if (!synth_)
        return kMidiErrorInvalidHandle;
    const int status = static_cast<int>(message & 0xFF);
    const int data1 = static_cast<int>((message >> 8) & 0x7F);
    const int data2 = static_cast<int>((message >> 16) & 0x7F);
    const int ch = status & 0x0F;
    switch (status & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth_, ch, data1); break;
    case 0x90: fluid_synth_noteon(synth_, ch, data1, data2); break;
    case 0xA0: fluid_synth_key_pressure(synth_, ch, data1, data2); break;
    case 0xB0: fluid_synth_cc(synth_, ch, data1, data2); break;
    case 0xC0: fluid_synth_program_change(synth_, ch, data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth_, ch, data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth_, ch, data1 | (data2 << 7)); break;
    default: break;   // system messages and stray data bytes mean nothing here
    }
    return kMidiOk;
}

MidiResult SynthMidiOut::reset()
{
    if (!synth_)
        return kMidiErrorInvalidHandle;
    // Every note off, those held by a pedal included, as a port's reset does.
    for (int ch = 0; ch < ChannelSnapshot::kChannels; ++ch) {
        fluid_synth_cc(synth_, ch, 64, 0);
        fluid_synth_cc(synth_, ch, 66, 0);
        fluid_synth_all_notes_off(synth_, ch);
    }
    return kMidiOk;
}

MidiResult SynthMidiOut::close()
{
    if (!synth_)
        return kMidiErrorInvalidHandle;
    synth_ = nullptr;
    return kMidiOk;
}

}  // namespace platform
