#include "GstTestMedia.h"
#include "platform/gst/GstMediaDriver.h"
#include "platform/gst/GstRegistration.h"
#include "platform/gst/GstRuntime.h"
#include "platform/gst/VideoWindow.h"
#include "platform/mci/MediaDriverRegistry.h"
#include "platform/media/SoundOutput.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gst/gst.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace std::chrono_literals;
using platform::GstMediaDriver;
using platform::MediaMode;
using Kind = GstMediaDriver::Kind;

namespace {

struct Clip {
    const char* name;
    Kind kind;
    const char* file;
};
const Clip kClips[] = {{"wave", Kind::Wave, "tone1s.wav"}, {"video", Kind::Video, "clip1s.avi"}};

class GstDriver : public ::testing::TestWithParam<Clip> {
protected:
    void SetUp() override
    {
        platform::SoundOutput::instance().forceNullOutput(true);
        driver = std::make_unique<GstMediaDriver>(GetParam().kind);
        driver->setEndHandler([this] { ++ends; });
        ASSERT_EQ(driver->open(gsttest::mediaPath(GetParam().file)), 0u);
    }
    bool waitEnd(int count = 1) { return gsttest::waitFor([&] { return ends.load() >= count; }, 5s); }

    std::unique_ptr<GstMediaDriver> driver;
    std::atomic<int> ends{0};
};

std::string name(const ::testing::TestParamInfo<Clip>& info)
{
    return info.param.name;
}

}  // namespace

TEST_P(GstDriver, OpensStoppedAtStartWithItsLength)
{
    EXPECT_NEAR(driver->lengthMs(), 1000, 5);
    EXPECT_EQ(driver->positionMs(), 0u);
    EXPECT_EQ(driver->mode(), MediaMode::Stopped);
    EXPECT_EQ(driver->info(mci::MCI_INFO_FILE), gsttest::mediaPath(GetParam().file));
    EXPECT_FALSE(driver->info(mci::MCI_INFO_PRODUCT).empty());
    const bool video = GetParam().kind == Kind::Video;
    EXPECT_EQ(driver->deviceCaps(mci::MCI_GETDEVCAPS_HAS_VIDEO), video ? 1u : 0u);
    EXPECT_EQ(driver->deviceCaps(mci::MCI_GETDEVCAPS_DEVICE_TYPE),
              video ? GstMediaDriver::kDeviceTypeDigitalVideo : GstMediaDriver::kDeviceTypeWaveAudio);
    for (auto item : {mci::MCI_GETDEVCAPS_HAS_AUDIO, mci::MCI_GETDEVCAPS_CAN_PLAY, mci::MCI_GETDEVCAPS_USES_FILES,
                      mci::MCI_GETDEVCAPS_COMPOUND_DEVICE})
        EXPECT_EQ(driver->deviceCaps(item), 1u) << item;
    EXPECT_EQ(driver->deviceCaps(mci::MCI_GETDEVCAPS_CAN_RECORD), 0u);
    EXPECT_EQ(driver->open(gsttest::mediaPath(GetParam().file)), mci::MCIERR_DEVICE_OPEN);
}

TEST_P(GstDriver, PlaysInRealTimeToTheEndAndReportsItOnce)
{
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(driver->play(driver->lengthMs()), 0u);
    EXPECT_EQ(driver->mode(), MediaMode::Playing);
    ASSERT_TRUE(waitEnd());
    EXPECT_GE(gsttest::msSince(start), 900);
    EXPECT_EQ(driver->mode(), MediaMode::Stopped);
    EXPECT_EQ(driver->positionMs(), driver->lengthMs());
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(ends.load(), 1);

    // At the end already: a play reports its end at once and stays there.
    ASSERT_EQ(driver->play(driver->lengthMs()), 0u);
    ASSERT_TRUE(waitEnd(2));
    EXPECT_EQ(driver->positionMs(), driver->lengthMs());
}

TEST_P(GstDriver, PlayStopsAtTheAskedPointAndContinuesFromThere)
{
    ASSERT_EQ(driver->play(300), 0u);
    ASSERT_TRUE(waitEnd());
    EXPECT_EQ(driver->positionMs(), 300u);
    EXPECT_EQ(driver->mode(), MediaMode::Stopped);

    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(driver->play(600), 0u);
    std::this_thread::sleep_for(100ms);
    const std::uint32_t during = driver->positionMs();
    EXPECT_GT(during, 300u);
    EXPECT_LT(during, 600u);
    ASSERT_TRUE(waitEnd(2));
    EXPECT_GE(gsttest::msSince(start), 250);
    EXPECT_EQ(driver->positionMs(), 600u);
    // Beyond the length is clamped to it.
    ASSERT_EQ(driver->play(60000), 0u);
    ASSERT_TRUE(waitEnd(3));
    EXPECT_EQ(driver->positionMs(), driver->lengthMs());
}

TEST_P(GstDriver, PauseAndStopKeepThePositionWithoutReportingAnEnd)
{
    for (bool useStop : {false, true}) {
        SCOPED_TRACE(useStop ? "stop" : "pause");
        ASSERT_EQ(driver->seek(0), 0u);
        ASSERT_EQ(driver->play(driver->lengthMs()), 0u);
        std::this_thread::sleep_for(300ms);
        ASSERT_EQ(useStop ? driver->stop() : driver->pause(), 0u);
        EXPECT_EQ(driver->mode(), useStop ? MediaMode::Stopped : MediaMode::Paused);
        const std::uint32_t held = driver->positionMs();
        EXPECT_GE(held, 200u);
        EXPECT_LE(held, 700u);
        std::this_thread::sleep_for(200ms);
        EXPECT_EQ(driver->positionMs(), held);
        EXPECT_EQ(ends.load(), 0);

        // Resuming plays the rest only.
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(driver->play(driver->lengthMs()), 0u);
        ASSERT_TRUE(waitEnd());
        const auto rest = static_cast<long long>(driver->lengthMs() - held);
        EXPECT_GE(gsttest::msSince(start), rest - 80);
        EXPECT_LE(gsttest::msSince(start), rest + 1500);
        ends = 0;
    }
    // Pausing a device that is not playing changes nothing.
    ASSERT_EQ(driver->pause(), 0u);
    EXPECT_EQ(driver->mode(), MediaMode::Stopped);
}

TEST_P(GstDriver, AnEngineErrorMidPlayReportsAtOnceAndHoldsThePosition)
{
    ASSERT_EQ(driver->play(driver->lengthMs()), 0u);
    ASSERT_TRUE(gsttest::waitFor([&] { return driver->positionMs() >= 300; }, 3s));
    GstElement* pipeline = driver->pipeline();
    GError* error = g_error_new_literal(GST_STREAM_ERROR, GST_STREAM_ERROR_DECODE, "damaged midway");
    gst_element_post_message(pipeline, gst_message_new_error(GST_OBJECT(pipeline), error, nullptr));
    g_error_free(error);
    ASSERT_TRUE(gsttest::waitFor([&] { return ends.load() == 1; }, 200ms));
    EXPECT_EQ(driver->mode(), MediaMode::Stopped);
    const std::uint32_t held = driver->positionMs();
    EXPECT_GE(held, 300u);
    EXPECT_LT(held, driver->lengthMs());
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(driver->positionMs(), held);
    EXPECT_EQ(ends.load(), 1);
}

TEST_P(GstDriver, SeekMovesExactlyAndStopsPlay)
{
    for (std::uint32_t to : {500u, 0u, 999u, 123u}) {
        ASSERT_EQ(driver->seek(to), 0u);
        EXPECT_EQ(driver->positionMs(), to);
        EXPECT_EQ(driver->mode(), MediaMode::Stopped);
    }
    ASSERT_EQ(driver->seek(70000), 0u);
    EXPECT_EQ(driver->positionMs(), driver->lengthMs());

    ASSERT_EQ(driver->seek(100), 0u);
    ASSERT_EQ(driver->play(driver->lengthMs()), 0u);
    std::this_thread::sleep_for(100ms);
    ASSERT_EQ(driver->seek(250), 0u);
    EXPECT_EQ(driver->mode(), MediaMode::Stopped);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(driver->positionMs(), 250u);
    // Play after a seek starts at the sought point.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(driver->play(450), 0u);
    ASSERT_TRUE(waitEnd());
    EXPECT_GE(gsttest::msSince(start), 150);
    EXPECT_EQ(ends.load(), 1);
}

TEST_P(GstDriver, MuteSilencesWithoutStopping)
{
    ASSERT_EQ(driver->setAudio(false), 0u);
    EXPECT_TRUE(driver->muted());
    ASSERT_EQ(driver->play(400), 0u);
    ASSERT_TRUE(waitEnd());
    EXPECT_EQ(driver->positionMs(), 400u);
    ASSERT_EQ(driver->setAudio(true), 0u);
    EXPECT_FALSE(driver->muted());
}

INSTANTIATE_TEST_SUITE_P(Clips, GstDriver, ::testing::ValuesIn(kClips), name);

// A song opened, played and closed leaves nothing behind: no descriptor, no thread.
TEST(GstDriverFiles, EachSongLeavesNoDescriptorBehind)
{
    platform::SoundOutput::instance().forceNullOutput(true);
    const auto descriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto playOnce = [](Kind kind, const char* file) {
        GstMediaDriver driver(kind);
        std::atomic<int> ends{0};
        driver.setEndHandler([&] { ++ends; });
        ASSERT_EQ(driver.open(gsttest::mediaPath(file)), 0u);
        ASSERT_EQ(driver.seek(driver.lengthMs() - 50), 0u);
        ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
        ASSERT_TRUE(gsttest::waitFor([&] { return ends.load() == 1; }, 5s));
    };
    for (const Clip& clip : kClips) {
        SCOPED_TRACE(clip.name);
        playOnce(clip.kind, clip.file);
        const auto before = descriptors();
        for (int i = 0; i < 10; ++i)
            playOnce(clip.kind, clip.file);
        EXPECT_EQ(descriptors(), before);
    }
}

TEST(GstDriverFiles, RefusesMissingAndDamagedFilesWithCodes)
{
    platform::SoundOutput::instance().forceNullOutput(true);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const char* fileName, const std::string& bytes) {
        const std::string path = dir.filePath(fileName).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    };
    QFile clipFile(QString::fromStdString(gsttest::mediaPath("clip1s.avi")));
    ASSERT_TRUE(clipFile.open(QIODevice::ReadOnly));
    const std::string clip = clipFile.readAll().toStdString();
    ASSERT_GT(clip.size(), 4000u);
    std::string badFormat = clip;
    badFormat.replace(8, 4, "WAVE");  // a RIFF that says wave and holds video headers

    struct Case {
        const char* what;
        Kind kind;
        std::string path;
        mci::ErrorCode code;
    };
    const Case cases[] = {
        {"missing", Kind::Wave, dir.filePath("none.wav").toStdString(), mci::MCIERR_FILE_NOT_FOUND},
        {"directory", Kind::Video, dir.path().toStdString(), mci::MCIERR_FILE_NOT_FOUND},
        {"empty", Kind::Wave, write("empty.wav", ""), mci::MCIERR_INVALID_FILE},
        {"text", Kind::Wave, write("text.wav", std::string(4000, 'x')), mci::MCIERR_INVALID_FILE},
        {"wrong form", Kind::Wave, write("form.wav", badFormat), mci::MCIERR_INVALID_FILE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GstMediaDriver driver(c.kind);
        EXPECT_EQ(driver.open(c.path), c.code);
        EXPECT_EQ(driver.lengthMs(), 0u);
        EXPECT_EQ(driver.play(1000), mci::MCIERR_DEVICE_NOT_READY);
        // The same driver still opens a good file afterwards.
        EXPECT_EQ(driver.open(gsttest::mediaPath(c.kind == Kind::Wave ? "tone1s.wav" : "clip1s.avi")), 0u);
    }
}

TEST(GstDriverVideo, FramesReachTheClipsOwnWindow)
{
    platform::SoundOutput::instance().forceNullOutput(true);
    GstMediaDriver driver(Kind::Video);
    std::atomic<int> ends{0};
    driver.setEndHandler([&] { ++ends; });
    ASSERT_EQ(driver.open(gsttest::mediaPath("clip1s.avi")), 0u);
    platform::VideoWindow* window = driver.videoWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->sizeHint(), QSize(80, 60));
    EXPECT_EQ(window->windowTitle(), "clip1s.avi");
    ASSERT_EQ(driver.play(driver.lengthMs()), 0u);
    EXPECT_TRUE(window->isVisible());
    ASSERT_TRUE(gsttest::waitFor([&] { return ends.load() == 1; }, 5s));
    QCoreApplication::processEvents();
    EXPECT_GE(window->framesShown(), 5);
    EXPECT_EQ(window->frame().size(), QSize(80, 60));
    // The last frame has the black square at the right edge; the first bar colour is at the left.
    EXPECT_EQ(qGray(window->frame().pixel(75, 30)), 0);

    QWidget parent;
    EXPECT_EQ(driver.setWindow(&parent), 0u);
    EXPECT_EQ(window->parentWidget(), &parent);
    EXPECT_EQ(driver.putDestination(QRect(0, 0, 40, 30)), 0u);
    EXPECT_EQ(window->destination(), QRect(0, 0, 40, 30));
    EXPECT_EQ(driver.setVolume(500), 0u);
    EXPECT_EQ(driver.setVolume(1001), mci::MCIERR_OUTOFRANGE);
    ASSERT_EQ(driver.cue(500), 0u);
    EXPECT_EQ(driver.positionMs(), 500u);
    EXPECT_EQ(driver.update(), 0u);
}

TEST(GstDriverVideo, WaveDeviceRefusesVideoCommands)
{
    platform::SoundOutput::instance().forceNullOutput(true);
    GstMediaDriver driver(Kind::Wave);
    ASSERT_EQ(driver.open(gsttest::mediaPath("tone1s.wav")), 0u);
    EXPECT_EQ(driver.videoWindow(), nullptr);
    EXPECT_EQ(driver.putDestination(QRect(0, 0, 1, 1)), mci::MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(driver.setWindow(nullptr), mci::MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(driver.cue(0), mci::MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(driver.setVolume(10), mci::MCIERR_UNSUPPORTED_FUNCTION);
}

TEST(GstDriverVideo, RegisteredForWaveAndVideoFiles)
{
    platform::RegisterGstDrivers();
    EXPECT_EQ(mci::DeviceTypeForExtension("WAV"), mci::kWaveAudioDevice);
    EXPECT_EQ(mci::DeviceTypeForExtension("avi"), mci::kVideoDevice);
    auto wave = mci::CreateMediaDriver(mci::kWaveAudioDevice);
    auto video = mci::CreateMediaDriver(mci::kVideoDevice);
    ASSERT_TRUE(wave && video);
    EXPECT_EQ(wave->deviceCaps(mci::MCI_GETDEVCAPS_HAS_VIDEO), 0u);
    EXPECT_EQ(video->deviceCaps(mci::MCI_GETDEVCAPS_HAS_VIDEO), 1u);
}

TEST(GstDriverOutput, WithoutASoundServerSongsStillRunInRealTimeAndItIsSaidOnce)
{
    platform::SoundOutput::instance().forceNullOutput(false);
    const bool present = platform::GstRuntime::soundServerPresent();
    if (present) {
        platform::SoundOutput::instance().forceNullOutput(true);
        GTEST_SKIP() << "a sound server answers here";
    }
    int reports = 0;
    QObject::connect(&platform::SoundOutput::instance(), &platform::SoundOutput::missing, [&] { ++reports; });
    for (int song = 0; song < 2; ++song) {
        GstMediaDriver driver(Kind::Wave);
        std::atomic<int> ends{0};
        driver.setEndHandler([&] { ++ends; });
        ASSERT_EQ(driver.open(gsttest::mediaPath("tone1s.wav")), 0u);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(driver.play(300), 0u);
        ASSERT_TRUE(gsttest::waitFor([&] { return ends.load() == 1; }, 5s));
        EXPECT_GE(gsttest::msSince(start), 250);
    }
    platform::SoundOutput::instance().forceNullOutput(true);
    EXPECT_TRUE(platform::SoundOutput::instance().missingReported());
    QCoreApplication::processEvents();
    EXPECT_LE(reports, 1);
}
