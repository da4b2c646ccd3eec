// The layer's answers to each command: device ids, flag and parameter checks,
// the driver table by extension, error texts and element paths.

#include "platform/mci/DriverBackend.h"
#include "platform/mci/ElementPath.h"
#include "platform/mci/Mci.h"
#include "platform/mci/MciNotifyEvent.h"
#include "platform/mci/MediaDriverRegistry.h"
#include "platform/paths/PathNamespace.h"
#include "support/SimulatedMci.h"
#include "support/TempDrive.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <cstring>
#include <thread>

using namespace mci;

namespace {

class MciLayerTest : public ::testing::Test {
protected:
    MciLayerTest() { sim.addSong("c:\\music\\a.mid", 3000); }

    DeviceId open(const char* element)
    {
        OpenParms p;
        p.lpstrElementName = element;
        EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, &p), 0u);
        return p.wDeviceID;
    }

    SimulatedMci sim;
};

TEST_F(MciLayerTest, OpenAnswersByExtensionAndFile)
{
    struct Case {
        const char* element;
        ErrorCode expected;
    };
    sim.addSong("c:\\music\\b.rmi", 100);
    sim.addSong("c:\\music\\c.wav", 100);
    sim.addSong("c:\\music\\d.avi", 100);
    sim.addSong("c:\\music\\bad.wav", 100, SimBehaviour::FailsToOpen);
    const Case cases[] = {
        {"c:\\music\\A.MID", 0},
        {"c:\\music\\b.rmi", 0},
        {"c:\\music\\c.wav", 0},
        {"c:\\music\\d.avi", 0},
        {"c:\\music\\song.mp3", MCIERR_EXTENSION_NOT_FOUND},
        {"c:\\music\\noext", MCIERR_EXTENSION_NOT_FOUND},
        {"c:\\mu.sic\\noext", MCIERR_EXTENSION_NOT_FOUND},
        {"c:\\music\\missing.mid", MCIERR_FILE_NOT_FOUND},
        {"c:\\music\\bad.wav", MCIERR_INVALID_FILE},
        {"", MCIERR_FILENAME_REQUIRED},
    };
    std::set<DeviceId> ids;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        OpenParms p;
        p.lpstrElementName = c.element;
        EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, &p), c.expected);
        if (c.expected == 0) {
            EXPECT_NE(p.wDeviceID, 0u);
            ids.insert(p.wDeviceID);
        }
    }
    EXPECT_EQ(ids.size(), 4u);
    EXPECT_EQ(sim.openDevices(), 4u);
}

TEST_F(MciLayerTest, OpenChecksFlagsTypesAndBlocks)
{
    OpenParms p;
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, nullptr), MCIERR_NULL_PARAMETER_BLOCK);
    PlayParms wrong;
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, &wrong), MCIERR_NULL_PARAMETER_BLOCK);
    EXPECT_EQ(SendCommand(0, MCI_OPEN, 0, &p), MCIERR_MISSING_PARAMETER);
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, &p), MCIERR_FILENAME_REQUIRED);
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_TYPE, &p), MCIERR_MISSING_STRING_ARGUMENT);
    p.lpstrDeviceType = "turntable";
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_TYPE, &p), MCIERR_INVALID_DEVICE_NAME);
    p.lpstrDeviceType = "Sequencer";
    p.lpstrElementName = "c:\\music\\a.mid";
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ALIAS, &p), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | 0x80000000u, &p), MCIERR_UNRECOGNIZED_KEYWORD);
    EXPECT_EQ(sim.openDevices(), 0u);

    // A device opened by type alone has nothing to play.
    p.lpstrElementName = nullptr;
    ASSERT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_WAIT, &p), 0u);
    PlayParms play;
    EXPECT_EQ(SendCommand(p.wDeviceID, MCI_PLAY, 0, &play), MCIERR_NONAPPLICABLE_FUNCTION);
    StatusParms st;
    st.dwItem = MCI_STATUS_MODE;
    EXPECT_EQ(SendCommand(p.wDeviceID, MCI_STATUS, MCI_STATUS_ITEM, &st), 0u);
    EXPECT_EQ(st.dwReturn, MCI_MODE_NOT_READY);
    GenericParms close;
    EXPECT_EQ(SendCommand(p.wDeviceID, MCI_CLOSE, MCI_WAIT, &close), 0u);
}

TEST_F(MciLayerTest, CommandsToUnknownOrClosedDevicesAreRefused)
{
    GenericParms g;
    EXPECT_EQ(SendCommand(0, MCI_STOP, 0, &g), MCIERR_INVALID_DEVICE_ID);
    EXPECT_EQ(SendCommand(77, MCI_STOP, 0, &g), MCIERR_INVALID_DEVICE_ID);
    const DeviceId id = open("c:\\music\\a.mid");
    EXPECT_EQ(SendCommand(id, MCI_CLOSE, MCI_WAIT, &g), 0u);
    EXPECT_EQ(SendCommand(id, MCI_STOP, 0, &g), MCIERR_INVALID_DEVICE_ID);
    // Ids are not handed out again.
    EXPECT_NE(open("c:\\music\\a.mid"), id);
    EXPECT_EQ(SendCommand(kAllDeviceId, MCI_PLAY, 0, &g), MCIERR_CANNOT_USE_ALL);
    EXPECT_EQ(SendCommand(kAllDeviceId, MCI_CLOSE, 0, &g), 0u);
    EXPECT_EQ(sim.openDevices(), 0u);
}

TEST_F(MciLayerTest, FlagAndParameterErrorsOfEachCommand)
{
    const DeviceId id = open("c:\\music\\a.mid");
    struct Case {
        const char* name;
        std::uint32_t command;
        std::uint32_t flags;
        std::function<std::unique_ptr<GenericParms>()> parms;
        ErrorCode expected;
    };
    auto play = [](std::uint32_t from, std::uint32_t to) {
        return [=] { auto p = std::make_unique<PlayParms>(); p->dwFrom = from; p->dwTo = to; return p; };
    };
    auto seek = [](std::uint32_t to) {
        return [=] { auto p = std::make_unique<SeekParms>(); p->dwTo = to; return p; };
    };
    auto set = [](std::uint32_t format, std::uint32_t audio) {
        return [=] { auto p = std::make_unique<SetParms>(); p->dwTimeFormat = format; p->dwAudio = audio; return p; };
    };
    auto status = [](std::uint32_t item, std::uint32_t track) {
        return [=] { auto p = std::make_unique<StatusParms>(); p->dwItem = item; p->dwTrack = track; return p; };
    };
    auto generic = [] { return std::make_unique<GenericParms>(); };
    const std::vector<Case> cases{
        {"play past the end", MCI_PLAY, MCI_TO, play(0, 3001), MCIERR_OUTOFRANGE},
        {"play from past the end", MCI_PLAY, MCI_FROM, play(3001, 0), MCIERR_OUTOFRANGE},
        {"play backwards", MCI_PLAY, MCI_FROM | MCI_TO, play(2000, 1000), MCIERR_OUTOFRANGE},
        {"play without block", MCI_PLAY, MCI_FROM, nullptr, MCIERR_NULL_PARAMETER_BLOCK},
        {"play with unknown flag", MCI_PLAY, MCI_SEEK_TO_END, play(0, 0), MCIERR_UNRECOGNIZED_KEYWORD},
        {"seek without target", MCI_SEEK, MCI_WAIT, seek(0), MCIERR_MISSING_PARAMETER},
        {"seek start and end", MCI_SEEK, MCI_SEEK_TO_START | MCI_SEEK_TO_END, seek(0), MCIERR_FLAGS_NOT_COMPATIBLE},
        {"seek start and to", MCI_SEEK, MCI_SEEK_TO_START | MCI_TO, seek(5), MCIERR_FLAGS_NOT_COMPATIBLE},
        {"seek past the end", MCI_SEEK, MCI_TO, seek(4000), MCIERR_OUTOFRANGE},
        {"seek with play block", MCI_SEEK, MCI_TO, play(0, 0), MCIERR_NULL_PARAMETER_BLOCK},
        {"frames time format", MCI_SET, MCI_SET_TIME_FORMAT, set(3, 0), MCIERR_BAD_TIME_FORMAT},
        {"millisecond time format", MCI_SET, MCI_SET_TIME_FORMAT, set(MCI_FORMAT_MILLISECONDS, 0), 0},
        {"audio on and off", MCI_SET, MCI_SET_AUDIO | MCI_SET_ON | MCI_SET_OFF, set(0, 0),
         MCIERR_FLAGS_NOT_COMPATIBLE},
        {"audio without on or off", MCI_SET, MCI_SET_AUDIO, set(0, 0), MCIERR_MISSING_PARAMETER},
        {"on without audio", MCI_SET, MCI_SET_ON, set(0, 0), MCIERR_MISSING_PARAMETER},
        {"audio left only", MCI_SET, MCI_SET_AUDIO | MCI_SET_OFF, set(0, MCI_SET_AUDIO_LEFT),
         MCIERR_UNSUPPORTED_FUNCTION},
        {"audio bad channel", MCI_SET, MCI_SET_AUDIO | MCI_SET_OFF, set(0, 9), MCIERR_BAD_CONSTANT},
        {"set nothing", MCI_SET, MCI_WAIT, set(0, 0), MCIERR_MISSING_PARAMETER},
        {"door", MCI_SET, MCI_SET_DOOR_OPEN, set(0, 0), MCIERR_UNSUPPORTED_FUNCTION},
        {"status without item flag", MCI_STATUS, 0, status(MCI_STATUS_LENGTH, 0), MCIERR_MISSING_PARAMETER},
        {"status unknown item", MCI_STATUS, MCI_STATUS_ITEM, status(99, 0), MCIERR_BAD_CONSTANT},
        {"status of track 2", MCI_STATUS, MCI_STATUS_ITEM | MCI_TRACK, status(MCI_STATUS_LENGTH, 2),
         MCIERR_OUTOFRANGE},
        {"status without block", MCI_STATUS, MCI_STATUS_ITEM, nullptr, MCIERR_NULL_PARAMETER_BLOCK},
        {"signal", MCI_SIGNAL, MCI_DGV_SIGNAL_AT, generic, MCIERR_UNSUPPORTED_FUNCTION},
        {"window on a sequencer", MCI_WINDOW, MCI_DGV_WINDOW_HWND,
         [] { return std::make_unique<WindowParms>(); }, MCIERR_UNSUPPORTED_FUNCTION},
        {"unknown command", 0x0999, 0, generic, MCIERR_UNRECOGNIZED_COMMAND},
        {"stop with a seek flag", MCI_STOP, MCI_SEEK_TO_END, generic, MCIERR_UNRECOGNIZED_KEYWORD},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<GenericParms> p = c.parms ? c.parms() : nullptr;
        EXPECT_EQ(SendCommand(id, c.command, c.flags, p.get()), c.expected);
    }
    EXPECT_FALSE(sim.isPlaying("c:\\music\\a.mid"));
}

TEST_F(MciLayerTest, StatusSetInfoAndCapabilitiesAnswer)
{
    const DeviceId id = open("c:\\music\\a.mid");
    SimSong* song = sim.song("c:\\music\\a.mid");
    StatusParms st;
    st.dwItem = MCI_STATUS_LENGTH;
    ASSERT_EQ(SendCommand(id, MCI_STATUS, MCI_STATUS_ITEM, &st), 0u);
    EXPECT_EQ(st.dwReturn, 3000u);
    SeekParms seek;
    seek.dwTo = 1234;
    ASSERT_EQ(SendCommand(id, MCI_SEEK, MCI_TO | MCI_WAIT, &seek), 0u);
    st.dwItem = MCI_STATUS_POSITION;
    ASSERT_EQ(SendCommand(id, MCI_STATUS, MCI_STATUS_ITEM, &st), 0u);
    EXPECT_EQ(st.dwReturn, 1234u);
    ASSERT_EQ(SendCommand(id, MCI_SEEK, MCI_SEEK_TO_END | MCI_WAIT, &seek), 0u);
    ASSERT_EQ(SendCommand(id, MCI_STATUS, MCI_STATUS_ITEM, &st), 0u);
    EXPECT_EQ(st.dwReturn, 3000u);

    SetParms set;
    set.dwAudio = MCI_SET_AUDIO_ALL;
    ASSERT_EQ(SendCommand(id, MCI_SET, MCI_SET_AUDIO | MCI_SET_OFF, &set), 0u);
    EXPECT_FALSE(song->audioOn);
    ASSERT_EQ(SendCommand(id, MCI_SET, MCI_SET_AUDIO | MCI_SET_ON | MCI_WAIT, &set), 0u);
    EXPECT_TRUE(song->audioOn);

    char buffer[128];
    InfoParms info;
    info.lpstrReturn = buffer;
    info.dwRetSize = sizeof buffer;
    ASSERT_EQ(SendCommand(id, MCI_INFO, MCI_INFO_FILE, &info), 0u);
    EXPECT_STREQ(buffer, "c:\\music\\a.mid");
    info.dwRetSize = 5;
    EXPECT_EQ(SendCommand(id, MCI_INFO, MCI_INFO_PRODUCT, &info), MCIERR_PARAM_OVERFLOW);
    EXPECT_STREQ(buffer, "Simu");
    EXPECT_EQ(SendCommand(id, MCI_INFO, MCI_INFO_FILE | MCI_INFO_PRODUCT, &info), MCIERR_FLAGS_NOT_COMPATIBLE);
    EXPECT_EQ(SendCommand(id, MCI_INFO, 0, &info), MCIERR_MISSING_PARAMETER);

    GetDevCapsParms caps;
    caps.dwItem = MCI_GETDEVCAPS_CAN_PLAY;
    ASSERT_EQ(SendCommand(id, MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM, &caps), 0u);
    EXPECT_EQ(caps.dwReturn, 1u);
    caps.dwItem = 0;
    EXPECT_EQ(SendCommand(id, MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM, &caps), MCIERR_BAD_CONSTANT);
    EXPECT_EQ(SendCommand(id, MCI_GETDEVCAPS, 0, &caps), MCIERR_MISSING_PARAMETER);
}

TEST(MciErrorString, KnownCodesHaveTextsUnknownOnesFail)
{
    char buffer[128];
    for (ErrorCode code : {MCIERR_INVALID_DEVICE_ID, MCIERR_FILE_NOT_FOUND, MCIERR_EXTENSION_NOT_FOUND,
                           MCIERR_BAD_TIME_FORMAT, MCIERR_SEQ_NOMIDIPRESENT}) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(GetErrorString(code, buffer, sizeof buffer));
        EXPECT_GT(std::strlen(buffer), 10u);
    }
    std::strcpy(buffer, "stale");
    for (ErrorCode code : {0u, 1u, 256u, MCIERR_BASE + 2, 0xFFFFu}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(GetErrorString(code, buffer, sizeof buffer));
        EXPECT_STREQ(buffer, "");
    }
    char tiny[6];
    EXPECT_TRUE(GetErrorString(MCIERR_FILE_NOT_FOUND, tiny, sizeof tiny));
    EXPECT_EQ(std::strlen(tiny), 5u);
    EXPECT_FALSE(GetErrorString(MCIERR_FILE_NOT_FOUND, nullptr, 10));
}

// A driver that only checks its file exists.
class PathDriver : public platform::MediaDriver {
public:
    ErrorCode open(const std::string& file) override
    {
        lastOpened = file;
        return QFile::exists(QString::fromStdString(file)) ? 0 : MCIERR_FILE_NOT_FOUND;
    }
    std::uint32_t lengthMs() const override { return 0; }
    std::uint32_t positionMs() const override { return 0; }
    platform::MediaMode mode() const override { return platform::MediaMode::Stopped; }
    ErrorCode play(std::uint32_t) override { return 0; }
    ErrorCode pause() override { return 0; }
    ErrorCode stop() override { return 0; }
    ErrorCode seek(std::uint32_t) override { return 0; }
    ErrorCode setAudio(bool) override { return 0; }
    void setEndHandler(EndHandler) override {}
    std::string info(std::uint32_t) const override { return {}; }
    std::uint32_t deviceCaps(std::uint32_t) const override { return 0; }
    static inline std::string lastOpened;
};

TEST(MciElementPath, DrivePathsBecomeLinuxPaths)
{
    TempDrive drive;
    const QString song = drive.writeFile("Music/My Song.mid", "MThd");
    const std::string shortPath = platform::FromLinuxPath(song.toStdString()).value_or("");
    ASSERT_FALSE(shortPath.empty());
    const struct {
        std::string element;
        std::string expected;
    } cases[] = {
        {shortPath, song.toStdString()},
        {drive.path("MUSIC\\My Song.mid"), song.toStdString()},
        {"/tmp/x.avi", "/tmp/x.avi"},
        {"q:\\nodrive\\x.mid", "q:\\nodrive\\x.mid"},
        {drive.path("nodir\\x.mid"), drive.path("nodir\\x.mid")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.element);
        EXPECT_EQ(ElementToLocalPath(c.element), c.expected);
    }
}

TEST(MciElementPath, ElementsOpenThroughTheDriveNamespace)
{
    TempDrive drive;
    const QString file = drive.writeFile("Music/My Song.tst", "x");
    RegisterMediaDriver("pathdevice", [] { return std::make_unique<PathDriver>(); }, {"tst"});
    RegistryDriverSource source;
    SteadyClock clock;
    DriverBackend backend(source, clock);
    SetBackend(&backend);
    OpenParms open;
    const std::string element = platform::FromLinuxPath(file.toStdString()).value_or("");
    open.lpstrElementName = element.c_str();
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, &open), 0u);
    EXPECT_EQ(PathDriver::lastOpened, drive.linuxPath("Music/My Song.tst").toStdString());
    SetBackend(nullptr);
    RegisterMediaDriver("pathdevice", nullptr);
}

// A driver whose play ends on a thread of its own, as real engines report.
class ThreadedDriver : public platform::MediaDriver {
public:
    ~ThreadedDriver() override
    {
        if (worker_.joinable())
            worker_.join();
    }
    ErrorCode open(const std::string& file) override { return file == "/nowhere/x.tst" ? 0 : MCIERR_FILE_NOT_FOUND; }
    std::uint32_t lengthMs() const override { return 50; }
    std::uint32_t positionMs() const override { return position_; }
    platform::MediaMode mode() const override { return mode_; }
    ErrorCode play(std::uint32_t toMs) override
    {
        if (worker_.joinable())
            worker_.join();
        mode_ = platform::MediaMode::Playing;
        worker_ = std::thread([this, toMs] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            position_ = toMs;
            mode_ = platform::MediaMode::Stopped;
            handler_();
        });
        return 0;
    }
    ErrorCode pause() override { return 0; }
    ErrorCode stop() override { return 0; }
    ErrorCode seek(std::uint32_t ms) override
    {
        position_ = ms;
        return 0;
    }
    ErrorCode setAudio(bool) override { return 0; }
    void setEndHandler(EndHandler handler) override { handler_ = std::move(handler); }
    std::string info(std::uint32_t) const override { return "threaded"; }
    std::uint32_t deviceCaps(std::uint32_t) const override { return 0; }

private:
    std::atomic<std::uint32_t> position_{0};
    std::atomic<platform::MediaMode> mode_{platform::MediaMode::Stopped};
    EndHandler handler_;
    std::thread worker_;
};

class Receiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() != MM_MCINOTIFY())
            return QObject::event(e);
        codes.push_back(static_cast<MciNotifyEvent*>(e)->code());
        onThread = QThread::currentThread() == thread();
        return true;
    }
    std::vector<std::uint32_t> codes;
    bool onThread = false;
};

TEST(MciRegistry, RegisteredDriverPlaysAndEndsOnTheWindowThread)
{
    RegisterMediaDriver("testdevice", [] { return std::make_unique<ThreadedDriver>(); }, {"tst"});
    EXPECT_EQ(DeviceTypeForExtension("TST"), "testdevice");
    EXPECT_TRUE(IsKnownDeviceType("TestDevice"));
    RegistryDriverSource source;
    SteadyClock clock;
    DriverBackend backend(source, clock);
    SetBackend(&backend);

    OpenParms open;
    open.lpstrElementName = "/nowhere/x.tst";
    ASSERT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, &open), 0u);
    Receiver receiver;
    PlayParms play;
    play.dwCallback = &receiver;
    ASSERT_EQ(SendCommand(open.wDeviceID, MCI_PLAY, MCI_NOTIFY, &play), 0u);
    QElapsedTimer timer;
    timer.start();
    while (receiver.codes.empty() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(receiver.codes.size(), 1u);
    EXPECT_EQ(receiver.codes[0], MCI_NOTIFY_SUCCESSFUL);
    EXPECT_TRUE(receiver.onThread);

    // A waiting play returns after the end.
    play.dwCallback = nullptr;
    ASSERT_EQ(SendCommand(open.wDeviceID, MCI_PLAY, MCI_WAIT | MCI_FROM, &play), 0u);
    StatusParms st;
    st.dwItem = MCI_STATUS_POSITION;
    ASSERT_EQ(SendCommand(open.wDeviceID, MCI_STATUS, MCI_STATUS_ITEM, &st), 0u);
    EXPECT_EQ(st.dwReturn, 50u);

    open.lpstrElementName = "/nowhere/y.tst";
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, &open), MCIERR_FILE_NOT_FOUND);
    open.lpstrElementName = "/nowhere/y.xyz";
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, &open), MCIERR_EXTENSION_NOT_FOUND);

    RegisterMediaDriver("testdevice", nullptr);
    open.lpstrElementName = "/nowhere/x.tst";
    EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, &open), MCIERR_DEVICE_NOT_INSTALLED);
    SetBackend(nullptr);
}

}  // namespace
