// The real audio path: songs played through the real drivers into the null sink
// of a private sound server (scripts/with-sound-server.sh), recorded from its
// monitor. Skipped when not run under that script.
#include "GstTestMedia.h"
#include "platform/gst/GstMediaDriver.h"
#include "platform/media/SoundOutput.h"
#include "platform/midi/SequencerDriver.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace std::chrono_literals;

namespace {

// RMS (full scale 1.0) of the 16-bit samples after the capture's 'data' chunk header.
double captureRms(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    const qsizetype data = bytes.indexOf("data");
    if (data < 0)
        return -1;
    double sum = 0;
    qsizetype count = 0;
    for (qsizetype i = data + 8; i + 1 < bytes.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i])
                                                      | static_cast<std::uint8_t>(bytes[i + 1]) << 8);
        sum += static_cast<double>(sample) * sample;
        ++count;
    }
    return count ? std::sqrt(sum / static_cast<double>(count)) / 32768.0 : 0.0;
}

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
