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
#include <optional>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr int kCaptureRate = 22050;

// The 16-bit samples after the capture's 'data' chunk header; nothing when unreadable.
std::optional<std::vector<std::int16_t>> captureSamples(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const qsizetype data = bytes.indexOf("data");
    if (data < 0)
        return std::nullopt;
    std::vector<std::int16_t> samples;
    for (qsizetype i = data + 8; i + 1 < bytes.size(); i += 2)
        samples.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i])
                                                    | static_cast<std::uint8_t>(bytes[i + 1]) << 8));
    return samples;
}

// RMS (full scale 1.0) of samples [from, to).
double rmsOf(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to)
{
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) / 32768.0 : 0.0;
}

double captureRms(const QString& path)
{
    const auto samples = captureSamples(path);
    return samples ? rmsOf(*samples, 0, samples->size()) : -1;
}

// The RMS of each 100 ms of the capture.
std::vector<double> windowRms(const QString& path)
{
    constexpr std::size_t kWindow = kCaptureRate / 10;
    std::vector<double> windows;
    if (const auto samples = captureSamples(path)) {
        for (std::size_t at = 0; at + kWindow <= samples->size(); at += kWindow)
            windows.push_back(rmsOf(*samples, at, at + kWindow));
    }
    return windows;
}

// Records the null sink's monitor from construction to finish().
class SinkRecording {
public:
    SinkRecording(const QString& sink, QString file)
        : file_(std::move(file))
    {
        recorder_.start("parecord", {"--device=" + sink + ".monitor", "--file-format=wav", "--format=s16le",
                                     "--channels=1", "--rate=" + QString::number(kCaptureRate),
                                     // Without it the server hands over seconds at a time and the last are lost.
                                     "--latency-msec=50", file_});
        started_ = recorder_.waitForStarted(5000);
        std::this_thread::sleep_for(500ms);
    }
    bool started() const { return started_; }
    // Stops the recorder once what was played last has reached the sink.
    bool finish()
    {
        std::this_thread::sleep_for(300ms);
        recorder_.terminate();
        return recorder_.waitForFinished(5000);
    }
    const QString& file() const { return file_; }

private:
    QString file_;
    QProcess recorder_;
    bool started_ = false;
};

}  // namespace

TEST(GstAudioPath, WaveAndMidiSongsAreHeardOnTheSoundServer)
{
    const QString sink = qEnvironmentVariable("VANTOR_NULL_SINK");
    if (sink.isEmpty())
        GTEST_SKIP() << "run under scripts/with-sound-server.sh";
    platform::SoundOutput::instance().forceNullOutput(false);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

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
        const QString capture = dir.filePath(QString(song.name) + ".wav");
        QProcess recorder;
        recorder.start("parecord", {"--device=" + sink + ".monitor", "--file-format=wav", "--format=s16le",
                                    "--channels=1", "--rate=22050", capture});
        ASSERT_TRUE(recorder.waitForStarted(5000));
        std::this_thread::sleep_for(500ms);

        std::atomic<bool> ended{false};
        song.driver->setEndHandler([&] { ended = true; });
        ASSERT_EQ(song.driver->open(song.file), 0u);
        // The first moments of a new stream may reach the sink late: play a few seconds.
        ASSERT_EQ(song.driver->play(std::min<std::uint32_t>(song.driver->lengthMs(), 4000)), 0u);
        EXPECT_TRUE(gsttest::waitFor([&] { return ended.load(); }, 15s));
        std::this_thread::sleep_for(300ms);
        recorder.terminate();
        ASSERT_TRUE(recorder.waitForFinished(5000));

        EXPECT_FALSE(platform::SoundOutput::instance().missingReported())
            << platform::SoundOutput::instance().missingDetail().toStdString();
        const double rms = captureRms(capture);
        EXPECT_GT(rms, 0.002) << "capture is silent";
        RecordProperty(std::string(song.name) + "_rms", std::to_string(rms));
    }
}

namespace {

double loudest(const std::vector<double>& windows, std::size_t from, std::size_t to)
{
    to = std::min(to, windows.size());
    return from < to ? *std::max_element(windows.begin() + static_cast<std::ptrdiff_t>(from),
                                         windows.begin() + static_cast<std::ptrdiff_t>(to))
                     : -1;
}

// The left and right volume percentages the sound server reports for the sink.
std::vector<int> sinkVolumePercents(const QString& sink)
{
    QProcess pactl;
    pactl.start("pactl", {"get-sink-volume", sink});
    if (!pactl.waitForFinished(5000))
        return {};
    std::vector<int> percents;
    const QString text = QString::fromUtf8(pactl.readAllStandardOutput()).section('\n', 0, 0);
    for (const auto& match : QRegularExpression(R"((\d+)%)").globalMatch(text))
        percents.push_back(match.captured(1).toInt());
    return percents;
}

class AuxAudioPath : public ::testing::Test {
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

}  // namespace

TEST_F(AuxAudioPath, MutedSongsFallSilentAndSoundAgain)
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
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(song.driver->play(4000), 0u);
        std::this_thread::sleep_until(start + 1200ms);
        ASSERT_EQ(song.driver->setAudio(false), 0u);
        std::this_thread::sleep_until(start + 2400ms);
        ASSERT_EQ(song.driver->setAudio(true), 0u);
        EXPECT_TRUE(gsttest::waitFor([&] { return ended.load(); }, 15s));
        ASSERT_TRUE(recording.finish());

        // Times count from the first sound in the capture, so the server's latency drops out.
        const std::vector<double> windows = windowRms(recording.file());
        const auto onset = static_cast<std::size_t>(
            std::find_if(windows.begin(), windows.end(), [](double rms) { return rms > 0.002; }) - windows.begin());
        ASSERT_LT(onset, windows.size()) << "capture is silent";
        const double before = loudest(windows, onset + 2, onset + 10);
        const double muted = loudest(windows, onset + 15, onset + 22);
        const double after = loudest(windows, onset + 28, onset + 36);
        EXPECT_GT(before, 0.002);
        EXPECT_LT(muted, 0.0005);
        EXPECT_GT(after, 0.002);
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
        EXPECT_TRUE(recording.finish());
        const std::vector<double> windows = windowRms(recording.file());
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
    platform::SetAuxMixerDevicesForTest({"pulse"});
    unsigned master = 0;
    for (unsigned id = 1; id < platform::auxGetNumDevs(); ++id) {
        platform::AUXCAPSA caps{};
        ASSERT_EQ(platform::auxGetDevCapsA(id, &caps, sizeof caps), platform::MMSYSERR_NOERROR);
        if (std::string(caps.szPname).starts_with("Master (")) {
            master = id;
            EXPECT_TRUE(caps.dwSupport & platform::AUXCAPS_LRVOLUME);
        }
    }
    if (master == 0)
        GTEST_SKIP() << "no ALSA \"pulse\" device (libasound2-plugins)";

    std::uint32_t saved = 0;
    ASSERT_EQ(platform::auxGetVolume(master, &saved), platform::MMSYSERR_NOERROR);
    ASSERT_EQ(platform::auxSetVolume(master, 0x80008000), platform::MMSYSERR_NOERROR);
    EXPECT_EQ(sinkVolumePercents(sink), (std::vector<int>{50, 50}));
    ASSERT_EQ(platform::auxSetVolume(master, 0x80004000), platform::MMSYSERR_NOERROR);
    EXPECT_EQ(sinkVolumePercents(sink), (std::vector<int>{25, 50}));
    std::uint32_t word = 0;
    ASSERT_EQ(platform::auxGetVolume(master, &word), platform::MMSYSERR_NOERROR);
    EXPECT_NEAR(word & 0xFFFF, 0x4000, 1);
    EXPECT_NEAR(word >> 16, 0x8000, 1);
    platform::auxSetVolume(master, saved);
}
