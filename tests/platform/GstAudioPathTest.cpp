// The real audio path: songs played through the real drivers into the null sink
// of a private sound server (scripts/with-sound-server.sh), recorded from its
// monitor. Skipped when not run under that script.
#include "GstTestMedia.h"
#include "platform/audio/AuxVolume.h"
#include "platform/gst/GstMediaDriver.h"
#include "platform/media/SoundOutput.h"
#include "platform/midi/SequencerDriver.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr int kCaptureRate = 22050;

// The RMS (full scale 1.0) of each 100 ms of the 16-bit samples after the capture's 'data' chunk header.
std::vector<double> windowRms(const QString& path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const qsizetype data = bytes.indexOf("data");
    constexpr qsizetype kWindowBytes = kCaptureRate / 10 * 2;
    std::vector<double> windows;
    for (qsizetype at = data + 8; data >= 0 && at + kWindowBytes <= bytes.size(); at += kWindowBytes) {
        double sum = 0;
        for (qsizetype i = at; i < at + kWindowBytes; i += 2) {
            const auto sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i])
                                                          | static_cast<std::uint8_t>(bytes[i + 1]) << 8);
            sum += static_cast<double>(sample) * sample;
        }
        windows.push_back(std::sqrt(sum / (kWindowBytes / 2)) / 32768.0);
    }
    return windows;
}

// The loudest of windows [from, to); -1 when the capture has none of them.
double loudest(const std::vector<double>& windows, std::size_t from, std::size_t to)
{
    to = std::min(to, windows.size());
    return from < to ? *std::max_element(windows.begin() + static_cast<std::ptrdiff_t>(from),
                                         windows.begin() + static_cast<std::ptrdiff_t>(to))
                     : -1;
}

// Records the null sink's monitor from construction to finish().
class SinkRecording {
public:
    SinkRecording(const QString& sink, const QString& file)
        : file_(file)
    {
        // Without a short latency the server hands over seconds at a time and the last are lost.
        recorder_.start("parecord", {"--device=" + sink + ".monitor", "--file-format=wav", "--format=s16le",
                                     "--channels=1", "--rate=" + QString::number(kCaptureRate),
                                     "--latency-msec=50", file});
        started_ = recorder_.waitForStarted(5000);
        std::this_thread::sleep_for(500ms);
    }
    bool started() const { return started_; }
    // Stops once what was played last has reached the sink; the 100 ms windows recorded.
    std::vector<double> finish()
    {
        std::this_thread::sleep_for(300ms);
        recorder_.terminate();
        return recorder_.waitForFinished(5000) ? windowRms(file_) : std::vector<double>();
    }

private:
    QString file_;
    QProcess recorder_;
    bool started_ = false;
};

class SoundServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sink = qEnvironmentVariable("VANTOR_NULL_SINK");
        if (sink.isEmpty())
            GTEST_SKIP() << "run under scripts/with-sound-server.sh";
        ASSERT_TRUE(dir.isValid());
        platform::SoundOutput::instance().forceNullOutput(false);
        platform::SetAuxVolumeStore("");
        platform::SetAuxMixerDevicesForTest({});
    }
    void TearDown() override
    {
        platform::auxSetVolume(0, 0xFFFFFFFF);
        platform::SetAuxMixerDevicesForTest({});
    }
    QString capturePath(const QString& name) const { return dir.filePath(name + ".wav"); }

    QString sink;
    QTemporaryDir dir;
};

using GstAudioPath = SoundServerTest;
using AuxAudioPath = SoundServerTest;

}  // namespace

TEST_F(GstAudioPath, WaveAndMidiSongsAreHeardOnTheSoundServer)
{
    struct Song {
        const char* name;
        std::unique_ptr<platform::MediaDriver> driver;
        std::string file;
    };
    Song songs[] = {
        {"wave", std::make_unique<platform::GstMediaDriver>(platform::GstMediaDriver::Kind::Wave),
         gsttest::demoPath("chimes.wav")},
        {"midi", std::make_unique<platform::SequencerDriver>(), gsttest::demoPath("minuet.mid")},
    };
    for (Song& song : songs) {
        SCOPED_TRACE(song.name);
        SinkRecording recording(sink, capturePath(song.name));
        ASSERT_TRUE(recording.started());
        std::atomic<bool> ended{false};
        song.driver->setEndHandler([&] { ended = true; });
        ASSERT_EQ(song.driver->open(song.file), 0u);
        ASSERT_GE(song.driver->lengthMs(), 4000u);
        // Muted for the middle of four seconds: it falls silent and sounds again.
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(song.driver->play(4000), 0u);
        std::this_thread::sleep_until(start + 1200ms);
        ASSERT_EQ(song.driver->setAudio(false), 0u);
        std::this_thread::sleep_until(start + 2400ms);
        ASSERT_EQ(song.driver->setAudio(true), 0u);
        EXPECT_TRUE(gsttest::waitFor([&] { return ended.load(); }, 15s));
        const std::vector<double> windows = recording.finish();

        EXPECT_FALSE(platform::SoundOutput::instance().missingReported())
            << platform::SoundOutput::instance().missingDetail().toStdString();
        // Times count from the first sound in the capture, so the server's latency drops out.
        const auto onset = static_cast<std::size_t>(
            std::find_if(windows.begin(), windows.end(), [](double rms) { return rms > 0.002; }) - windows.begin());
        ASSERT_LT(onset, windows.size()) << "capture is silent";
        const double before = loudest(windows, onset + 2, onset + 10);
        const double muted = loudest(windows, onset + 15, onset + 22);
        const double after = loudest(windows, onset + 28, onset + 36);
        EXPECT_GT(before, 0.002);
        EXPECT_LT(muted, 0.0005);
        EXPECT_GT(after, 0.002);
        RecordProperty(std::string(song.name) + "_rms", std::to_string(before));
        RecordProperty(std::string(song.name) + "_muted_rms", std::to_string(muted));
    }
}

TEST_F(AuxAudioPath, OutputVolumeScalesWaveSongs)
{
    // A steady tone: its loudest 100 ms is its level, wherever the capture starts.
    auto playTone = [&](platform::GstMediaDriver& driver, const QString& name) {
        SinkRecording recording(sink, capturePath(name));
        EXPECT_TRUE(recording.started());
        std::atomic<bool> ended{false};
        driver.setEndHandler([&] { ended = true; });
        EXPECT_EQ(driver.seek(0), 0u);
        EXPECT_EQ(driver.play(driver.lengthMs()), 0u);
        EXPECT_TRUE(gsttest::waitFor([&] { return ended.load(); }, 10s));
        const std::vector<double> windows = recording.finish();
        return loudest(windows, 0, windows.size());
    };
    platform::GstMediaDriver open(platform::GstMediaDriver::Kind::Wave);
    ASSERT_EQ(open.open(gsttest::mediaPath("tone1s.wav")), 0u);
    const double full = playTone(open, "full");
    ASSERT_GT(full, 0.05);

    // A change reaches a device already open, and one opened after it.
    ASSERT_EQ(platform::auxSetVolume(0, 0x7FFF7FFF), platform::MMSYSERR_NOERROR);
    const double halfOpen = playTone(open, "half-open");
    platform::GstMediaDriver later(platform::GstMediaDriver::Kind::Wave);
    ASSERT_EQ(later.open(gsttest::mediaPath("tone1s.wav")), 0u);
    const double halfLater = playTone(later, "half-later");
    EXPECT_NEAR(halfOpen / full, 0.5, 0.03);
    EXPECT_NEAR(halfLater / full, 0.5, 0.03);
    RecordProperty("half_volume_ratio", std::to_string(halfOpen / full));
}

TEST_F(AuxAudioPath, PulseMasterElementIsTheSinkVolume)
{
    // The sink's left and right volume in per cent, as the sound server reports them.
    auto sinkPercents = [&] {
        QProcess pactl;
        pactl.start("pactl", {"get-sink-volume", sink});
        std::vector<int> percents;
        const QString text = pactl.waitForFinished(5000) ? QString::fromUtf8(pactl.readAllStandardOutput()) : "";
        for (const auto& match : QRegularExpression(R"((\d+)%)").globalMatch(text.section('\n', 0, 0)))
            percents.push_back(match.captured(1).toInt());
        return percents;
    };
    platform::SetAuxMixerDevicesForTest({"pulse"});
    unsigned master = 0;
    for (unsigned id = 1; id < platform::auxGetNumDevs(); ++id) {
        platform::AUXCAPSA caps{};
        ASSERT_EQ(platform::auxGetDevCapsA(id, &caps, sizeof caps), platform::MMSYSERR_NOERROR);
        if (std::string(caps.szPname) == "Master (PulseAudio)") {
            master = id;
            EXPECT_TRUE(caps.dwSupport & platform::AUXCAPS_LRVOLUME);
        }
    }
    if (master == 0)
        GTEST_SKIP() << "no ALSA \"pulse\" device (libasound2-plugins)";

    std::uint32_t saved = 0;
    ASSERT_EQ(platform::auxGetVolume(master, &saved), platform::MMSYSERR_NOERROR);
    ASSERT_EQ(platform::auxSetVolume(master, 0x80008000), platform::MMSYSERR_NOERROR);
    EXPECT_EQ(sinkPercents(), (std::vector<int>{50, 50}));
    ASSERT_EQ(platform::auxSetVolume(master, 0x80004000), platform::MMSYSERR_NOERROR);
    EXPECT_EQ(sinkPercents(), (std::vector<int>{25, 50}));
    std::uint32_t word = 0;
    ASSERT_EQ(platform::auxGetVolume(master, &word), platform::MMSYSERR_NOERROR);
    EXPECT_NEAR(word & 0xFFFF, 0x4000, 1);
    EXPECT_NEAR(word >> 16, 0x8000, 1);
    platform::auxSetVolume(master, saved);
}
