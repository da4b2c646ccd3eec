// Auxiliary volume devices: the program's own output gain heard on the
// synthesizer, kept in the settings file, and the device list over ALSA mixers
// that may not exist.

#include "platform/audio/AuxVolume.h"
#include "platform/midi/MidiTestSupport.h"
#include "support/TempDrive.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace platform;

namespace {

struct StereoRms {
    double left = 0;
    double right = 0;
};

double rms(const std::vector<float>& samples)
{
    double sum = 0;
    for (float s : samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

class AuxOutputOnSynth : public vantor_test::ManualSynthTest {
protected:
    void SetUp() override
    {
        SetAuxVolumeStore("");
        SetAuxMixerDevicesForTest({});
        ManualSynthTest::SetUp();
    }
    void TearDown() override
    {
        auxSetVolume(0, 0xFFFFFFFF);
        fluid_synth_reverb_on(synth(), -1, 1);
        fluid_synth_chorus_on(synth(), -1, 1);
        ManualSynthTest::TearDown();
    }

    // A held organ note at the given volume, without effects whose state would
    // carry over from one note to the next: the same samples every time but for the gain.
    StereoRms heldNote(std::uint32_t volume)
    {
        EXPECT_EQ(auxSetVolume(0, volume), MMSYSERR_NOERROR);
        fluid_synth_system_reset(synth());
        fluid_synth_reverb_on(synth(), -1, 0);
        fluid_synth_chorus_on(synth(), -1, 0);
        fluid_synth_program_change(synth(), 0, 16);
        fluid_synth_noteon(synth(), 0, 60, 110);
        renderMs(200);
        std::vector<float> left(framesFor(300)), right(framesFor(300));
        host().render(framesFor(300), left.data(), right.data());
        fluid_synth_noteoff(synth(), 0, 60);
        return {rms(left), rms(right)};
    }
};

}  // namespace

TEST_F(AuxOutputOnSynth, HalvesOfTheWordScaleTheirChannelsLinearly)
{
    const StereoRms full = heldNote(0xFFFFFFFF);
    ASSERT_GT(full.left, 0.01);
    ASSERT_GT(full.right, 0.01);

    const StereoRms half = heldNote(0x7FFF7FFF);
    std::uint32_t word = 0;
    EXPECT_EQ(auxGetVolume(0, &word), MMSYSERR_NOERROR);
    EXPECT_EQ(word, 0x7FFF7FFFu);
    EXPECT_NEAR(half.left / full.left, 0.5, 0.02);
    EXPECT_NEAR(half.right / full.right, 0.5, 0.02);
    RecordProperty("half_volume_ratio_left", std::to_string(half.left / full.left));

    const StereoRms silent = heldNote(0);
    EXPECT_EQ(silent.left, 0.0);
    EXPECT_EQ(silent.right, 0.0);

    const StereoRms leftOnly = heldNote(0x0000FFFF);
    EXPECT_NEAR(leftOnly.left, full.left, full.left * 0.02);
    EXPECT_EQ(leftOnly.right, 0.0);
    const StereoRms rightQuarter = heldNote(0x3FFF0000);
    EXPECT_EQ(rightQuarter.left, 0.0);
    EXPECT_NEAR(rightQuarter.right / full.right, 0.25, 0.02);
}

TEST(AuxVolumeStore, OutputVolumeIsKeptInTheSettingsFileWhenItChanges)
{
    SetAuxMixerDevicesForTest({});
    TempDrive drive;
    const std::string settings = drive.path("vantor.ini");
    std::uint32_t word = 0;

    auxSetVolume(0, 0x12345678);
    SetAuxVolumeStore(settings);
    ASSERT_EQ(auxGetVolume(0, &word), MMSYSERR_NOERROR);
    EXPECT_EQ(word, 0xFFFFFFFFu) << "nothing stored yet: full volume";

    // A slider being dragged: the file takes the last value once it settles.
    ASSERT_EQ(auxSetVolume(0, 0x70007000), MMSYSERR_NOERROR);
    ASSERT_EQ(auxSetVolume(0, 0x80004000), MMSYSERR_NOERROR);
    EXPECT_FALSE(drive.readFile("vantor.ini").contains("OutputVolume"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return drive.readFile("vantor.ini").contains("OutputVolume=2147500032"); }));

    // A new run on the same file starts where the last one left off.
    SetAuxVolumeStore("");
    auxSetVolume(0, 0xFFFFFFFF);
    SetAuxVolumeStore(settings);
    ASSERT_EQ(auxGetVolume(0, &word), MMSYSERR_NOERROR);
    EXPECT_EQ(word, 0x80004000u);

    drive.writeFile("vantor.ini", "[Settings]\r\nOutputVolume=2147500032\r\nMarker=1\r\n");
    ASSERT_EQ(auxSetVolume(0, 0x80004000), MMSYSERR_NOERROR);
    EXPECT_TRUE(drive.readFile("vantor.ini").contains("Marker=1")) << "an unchanged volume writes nothing";

    SetAuxVolumeStore("");
    auxSetVolume(0, 0xFFFFFFFF);
}

TEST(AuxDevices, OwnOutputComesFirstAndMissingMixersListNothingQuietly)
{
    // This machine has no sound card: "default" finds none, like the others here.
    SetAuxMixerDevicesForTest({"default", "hw:7", "no-such-device"});
    testing::internal::CaptureStderr();
    const unsigned count = auxGetNumDevs();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_EQ(count, 1u);

    AUXCAPSA caps;
    std::memset(&caps, 0x55, sizeof caps);
    ASSERT_EQ(auxGetDevCapsA(0, &caps, sizeof caps), MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "Vantor output");
    EXPECT_EQ(caps.dwSupport, AUXCAPS_VOLUME | AUXCAPS_LRVOLUME);
    EXPECT_EQ(caps.wTechnology, AUXCAPS_AUXIN);
    EXPECT_EQ(auxGetDevCapsA(0, &caps, sizeof caps - 1), MMSYSERR_INVALPARAM);

    std::uint32_t word = 0;
    EXPECT_EQ(auxGetDevCapsA(1, &caps, sizeof caps), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(auxGetVolume(1, &word), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(auxSetVolume(1, 0), MMSYSERR_BADDEVICEID);
    SetAuxMixerDevicesForTest({});
}
