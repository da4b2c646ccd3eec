#pragma once
// Fixture for tests on the real synthesizer with manual rendering: no audio
// driver, no thread; time advances exactly by the frames a test renders.

#include "platform/midi/SynthHost.h"

#include <mediagen/MidiWriter.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantor_test {

class ManualSynthTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static platform::SynthHost& host() { return platform::SynthHost::instance(); }
    static fluid_synth_t* synth() { return host().synth(); }

    static std::int64_t framesFor(std::int64_t ms) { return ms * platform::SynthHost::kSampleRate / 1000; }
    static void renderMs(std::int64_t ms) { host().render(framesFor(ms)); }

    std::string save(const mediagen::MidiWriter& writer, const std::string& name = "song.mid");
    std::string saveBytes(const std::vector<std::uint8_t>& bytes, const std::string& name);

    static int program(int channel);
    static int controller(int channel, int cc);
    // Voices still sounding (releasing ones included) on one channel, or all with -1.
    static int voices(int channel = -1);

private:
    QTemporaryDir dir_;
    bool wasManual_ = false;
};

}  // namespace vantor_test
