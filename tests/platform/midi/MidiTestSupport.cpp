#include "platform/midi/MidiTestSupport.h"

#include <fstream>

namespace vantor_test {

void ManualSynthTest::SetUp()
{
    wasManual_ = host().manualRendering();
    host().setManualRendering(true);
    ASSERT_TRUE(host().start()) << "no General MIDI SoundFont installed";
    ASSERT_TRUE(dir_.isValid());
    fluid_synth_system_reset(synth());
}

void ManualSynthTest::TearDown()
{
    if (synth())
        fluid_synth_system_reset(synth());
    host().setMuted(false);
    host().setManualRendering(wasManual_);
}

std::string ManualSynthTest::save(const mediagen::MidiWriter& writer, const std::string& name)
{
    const std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
    EXPECT_TRUE(writer.save(path));
    return path;
}

std::string ManualSynthTest::saveBytes(const std::vector<std::uint8_t>& bytes, const std::string& name)
{
    const std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

int ManualSynthTest::program(int channel)
{
    int sfont = 0, bank = 0, preset = 0;
    fluid_synth_get_program(synth(), channel, &sfont, &bank, &preset);
    return preset;
}

int ManualSynthTest::controller(int channel, int cc)
{
    int value = -1;
    fluid_synth_get_cc(synth(), channel, cc, &value);
    return value;
}

int ManualSynthTest::voices(int channel)
{
    std::vector<fluid_voice_t*> list(256, nullptr);
    fluid_synth_get_voicelist(synth(), list.data(), static_cast<int>(list.size()), -1);
    int count = 0;
    for (fluid_voice_t* voice : list) {
        if (!voice)
            break;
        if (channel < 0 || fluid_voice_get_channel(voice) == channel)
            ++count;
    }
    return count;
}

}  // namespace vantor_test
