// MCIDevice and CompoundDevice against the recording backend: the exact
// command, flags and parameters of every operation, the class's own result
// codes and the error box.

#include "media/CompoundDevice.h"
#include "platform/mci/MciErrorText.h"
#include "support/RecordingMci.h"
#include "support/ScriptedMessageBoxes.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

using namespace mci;

namespace {

class MCIDeviceTest : public ::testing::Test {
protected:
    void openDevice()
    {
        rec.setNextId(42);
        ASSERT_EQ(device.Open("c:\\music\\bach.mid"), 0u);
        ASSERT_EQ(device.deviceId, 42u);
        rec.clear();
    }

    RecordingMci rec;
    ScriptedMessageBoxes boxes;
    QWidget window;
    CompoundDevice device;
};

struct CommandCase {
    const char* name;
    std::function<void(MCIDevice&)> call;
    std::uint32_t command;
    std::uint32_t flags;
    std::function<void(const SentCommand&)> check;
};

TEST_F(MCIDeviceTest, CompoundOpenSendsElementWithoutWaitAndTakesTheId)
{
    device.notifyWindow = &window;
    rec.setNextId(7);
    EXPECT_EQ(device.Open("c:\\music\\bach.mid"), 0u);
    ASSERT_EQ(rec.sent().size(), 1u);
    const SentCommand& s = rec.last();
    EXPECT_EQ(s.device, 0u);
    EXPECT_EQ(s.command, MCI_OPEN);
    EXPECT_EQ(s.flags, MCI_OPEN_ELEMENT);
    EXPECT_EQ(s.element, "c:\\music\\bach.mid");
    EXPECT_FALSE(s.hasDeviceType);
    EXPECT_EQ(device.deviceId, 7u);
    EXPECT_STREQ(device.ElementName(), "c:\\music\\bach.mid");

    CompoundDevice typed(nullptr, "sequencer");
    EXPECT_EQ(typed.Open("c:\\a.xyz"), 0u);
    EXPECT_EQ(rec.last().flags, MCI_OPEN_ELEMENT | MCI_OPEN_TYPE);
    EXPECT_EQ(rec.last().deviceType, "sequencer");
}

TEST_F(MCIDeviceTest, SecondOpenReturnsOneAndKeepsTheFirstFile)
{
    openDevice();
    device.lastError = 0;
    EXPECT_EQ(device.Open("c:\\other.mid"), MCIDevice::kAlreadyOpen);
    EXPECT_TRUE(rec.sent().empty());
    EXPECT_STREQ(device.ElementName(), "c:\\music\\bach.mid");
    EXPECT_EQ(device.lastError, 0u);
}

TEST_F(MCIDeviceTest, TypeOpenNeedsAType)
{
    MCIDevice plain;
    EXPECT_EQ(plain.Open(nullptr), MCIDevice::kNoDeviceType);
    EXPECT_TRUE(rec.sent().empty());
    EXPECT_EQ(plain.Open("waveaudio"), 0u);
    EXPECT_EQ(rec.last().command, MCI_OPEN);
    EXPECT_EQ(rec.last().flags, MCI_OPEN_TYPE | MCI_WAIT);
    EXPECT_EQ(rec.last().deviceType, "waveaudio");
    EXPECT_STREQ(plain.DeviceType(), "waveaudio");

    MCIDevice preset("sequencer");
    EXPECT_EQ(preset.Open(nullptr), 0u);
    EXPECT_EQ(rec.last().deviceType, "sequencer");
}

TEST_F(MCIDeviceTest, EveryCommandSendsItsExactFlagsAndParameters)
{
    device.notifyWindow = &window;
    openDevice();
    const std::vector<CommandCase> cases{
        {"play from here to end", [](MCIDevice& d) { d.Play(-1, -2); }, MCI_PLAY, MCI_NOTIFY,
         [&](const SentCommand& s) { EXPECT_EQ(s.callback, &window); }},
        {"play from start", [](MCIDevice& d) { d.Play(0, -2); }, MCI_PLAY, MCI_NOTIFY | MCI_FROM,
         [](const SentCommand& s) { EXPECT_EQ(s.from, 0u); }},
        {"play range", [](MCIDevice& d) { d.Play(1200, 3400); }, MCI_PLAY, MCI_NOTIFY | MCI_FROM | MCI_TO,
         [](const SentCommand& s) { EXPECT_EQ(s.from, 1200u); EXPECT_EQ(s.to, 3400u); }},
        {"play to only", [](MCIDevice& d) { d.Play(-1, 500); }, MCI_PLAY, MCI_NOTIFY | MCI_TO,
         [](const SentCommand& s) { EXPECT_EQ(s.to, 500u); }},
        {"seek 0 is to start", [](MCIDevice& d) { d.Seek(0); }, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT,
         [](const SentCommand& s) { EXPECT_EQ(s.to, 0u); }},
        {"seek -2 is to end", [](MCIDevice& d) { d.Seek(-2); }, MCI_SEEK, MCI_SEEK_TO_END | MCI_WAIT, nullptr},
        {"seek to", [](MCIDevice& d) { d.Seek(1500); }, MCI_SEEK, MCI_TO | MCI_WAIT,
         [](const SentCommand& s) { EXPECT_EQ(s.to, 1500u); }},
        {"stop", [](MCIDevice& d) { d.Stop(); }, MCI_STOP, MCI_WAIT, nullptr},
        {"pause", [](MCIDevice& d) { d.Pause(); }, MCI_PAUSE, MCI_WAIT, nullptr},
        {"resume", [](MCIDevice& d) { d.Resume(); }, MCI_RESUME, MCI_WAIT, nullptr},
        {"info", [](MCIDevice& d) { d.Info(MCI_INFO_PRODUCT); }, MCI_INFO, MCI_INFO_PRODUCT,
         [](const SentCommand& s) { EXPECT_EQ(s.retSize, 128u); EXPECT_TRUE(s.hasReturnBuffer); }},
        {"devcaps", [](MCIDevice& d) { d.GetDevCaps(MCI_GETDEVCAPS_CAN_PLAY); }, MCI_GETDEVCAPS,
         MCI_GETDEVCAPS_ITEM, [](const SentCommand& s) { EXPECT_EQ(s.item, MCI_GETDEVCAPS_CAN_PLAY); }},
        {"set time format", [](MCIDevice& d) { d.Set(MCI_SET_TIME_FORMAT, MCI_FORMAT_MILLISECONDS); }, MCI_SET,
         MCI_SET_TIME_FORMAT, [](const SentCommand& s) { EXPECT_EQ(s.timeFormat, MCI_FORMAT_MILLISECONDS); }},
        {"set audio", [](MCIDevice& d) { d.Set(MCI_SET_AUDIO | MCI_SET_OFF, 2); }, MCI_SET,
         MCI_SET_AUDIO | MCI_SET_OFF, [](const SentCommand& s) { EXPECT_EQ(s.audio, 2u); EXPECT_EQ(s.timeFormat, 0u); }},
        {"status without track", [](MCIDevice& d) { d.Status(MCI_STATUS_ITEM, MCI_STATUS_LENGTH, 9); }, MCI_STATUS,
         MCI_STATUS_ITEM, [](const SentCommand& s) { EXPECT_EQ(s.item, MCI_STATUS_LENGTH); EXPECT_EQ(s.track, 0u); }},
        {"status with track", [](MCIDevice& d) { d.Status(MCI_STATUS_ITEM | MCI_TRACK, MCI_STATUS_POSITION, 3); },
         MCI_STATUS, MCI_STATUS_ITEM | MCI_TRACK, [](const SentCommand& s) { EXPECT_EQ(s.track, 3u); }},
        {"close", [](MCIDevice& d) { d.Close(); }, MCI_CLOSE, MCI_WAIT, nullptr},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (device.deviceId == 0)
            openDevice();
        rec.clear();
        c.call(device);
        ASSERT_EQ(rec.sent().size(), 1u);
        EXPECT_EQ(rec.last().device, 42u);
        EXPECT_EQ(rec.last().command, c.command);
        EXPECT_EQ(rec.last().flags, c.flags);
        if (c.check)
            c.check(rec.last());
    }
}

TEST_F(MCIDeviceTest, VideoCommandsSendTheirFlagsAndParameters)
{
    device.notifyWindow = &window;
    openDevice();
    const QRect rect(1, 2, 30, 40);
    const std::vector<CommandCase> cases{
        {"update", [](MCIDevice& d) { d.Update(nullptr); }, MCI_UPDATE, MCI_DGV_UPDATE_HDC | MCI_DGV_UPDATE_PAINT,
         nullptr},
        {"put", [&](MCIDevice& d) { d.PutDestination(rect); }, MCI_PUT, MCI_DGV_RECT | MCI_DGV_PUT_DESTINATION,
         [&](const SentCommand& s) { EXPECT_EQ(s.rect, rect); }},
        {"signal", [](MCIDevice& d) { d.SignalAt(900); }, MCI_SIGNAL, MCI_DGV_SIGNAL_AT | MCI_DGV_SIGNAL_USERVAL,
         [&](const SentCommand& s) {
             EXPECT_EQ(s.position, 900u);
             EXPECT_EQ(s.userValue, reinterpret_cast<std::uintptr_t>(static_cast<MCIDevice*>(&device)));
             EXPECT_EQ(s.callback, &window);
         }},
        {"configure", [](MCIDevice& d) { d.Configure(); }, MCI_CONFIGURE, 0u, nullptr},
        {"cue", [](MCIDevice& d) { d.CueTo(300); }, MCI_CUE, MCI_DGV_CUE_OUTPUT | MCI_TO,
         [](const SentCommand& s) { EXPECT_EQ(s.to, 300u); }},
        {"step", [](MCIDevice& d) { d.Step(5, false); }, MCI_STEP, MCI_DGV_STEP_FRAMES,
         [](const SentCommand& s) { EXPECT_EQ(s.frames, 5u); }},
        {"step back", [](MCIDevice& d) { d.Step(2, true); }, MCI_STEP, MCI_DGV_STEP_FRAMES | MCI_DGV_STEP_REVERSE,
         nullptr},
        {"volume", [](MCIDevice& d) { d.SetAudioVolume(600); }, MCI_SETAUDIO,
         MCI_DGV_SETAUDIO_ITEM | MCI_DGV_SETAUDIO_VALUE,
         [](const SentCommand& s) { EXPECT_EQ(s.item, MCI_DGV_SETAUDIO_VOLUME); EXPECT_EQ(s.value, 600u); }},
        {"speed", [](MCIDevice& d) { d.SetSpeed(2000); }, MCI_SET, MCI_DGV_SET_SPEED,
         [](const SentCommand& s) { EXPECT_EQ(s.speed, 2000u); }},
        {"window", [&](MCIDevice& d) { d.SetWindow(&window); }, MCI_WINDOW, MCI_DGV_WINDOW_HWND,
         [&](const SentCommand& s) { EXPECT_EQ(s.window, &window); }},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        rec.clear();
        c.call(device);
        ASSERT_EQ(rec.sent().size(), 1u);
        EXPECT_EQ(rec.last().command, c.command);
        EXPECT_EQ(rec.last().flags, c.flags);
        if (c.check)
            c.check(rec.last());
    }

    rec.clear();
    EXPECT_EQ(MCIDevice::StopAll(), 0u);
    EXPECT_EQ(rec.last().device, kAllDeviceId);
    EXPECT_EQ(rec.last().command, MCI_STOP);
    EXPECT_EQ(rec.last().flags, 0u);
}

TEST_F(MCIDeviceTest, PlayWithoutNotifyWindowAsksForNoNotification)
{
    openDevice();
    device.Play(-1, -2);
    EXPECT_EQ(rec.last().flags, 0u);
    EXPECT_EQ(rec.last().callback, nullptr);
    EXPECT_EQ(device.SignalAt(10), MCIDevice::kNoNotifyWindow);
    EXPECT_EQ(rec.sent().size(), 1u);
}

TEST_F(MCIDeviceTest, ClosedDeviceSendsNothingAndReportsTwo)
{
    device.lastError = 555;
    const std::vector<std::pair<const char*, std::function<std::uint32_t()>>> calls{
        {"close", [&] { return device.Close(); }},
        {"play", [&] { return device.Play(0, -2); }},
        {"stop", [&] { return device.Stop(); }},
        {"seek", [&] { return device.Seek(100); }},
        {"pause", [&] { return device.Pause(); }},
        {"resume", [&] { return device.Resume(); }},
        {"devcaps", [&] { return device.GetDevCaps(1); }},
        {"set", [&] { return device.Set(MCI_SET_TIME_FORMAT, 0); }},
        {"status", [&] { return device.Status(MCI_STATUS_ITEM, MCI_STATUS_LENGTH, 0); }},
        {"update", [&] { return device.Update(nullptr); }},
        {"put", [&] { return device.PutDestination(QRect()); }},
        {"signal", [&] { return device.SignalAt(1); }},
        {"configure", [&] { return device.Configure(); }},
        {"cue", [&] { return device.CueTo(1); }},
        {"step", [&] { return device.Step(1, false); }},
        {"volume", [&] { return device.SetAudioVolume(1); }},
        {"speed", [&] { return device.SetSpeed(1); }},
        {"window", [&] { return device.SetWindow(nullptr); }},
    };
    for (const auto& [name, call] : calls) {
        SCOPED_TRACE(name);
        EXPECT_EQ(call(), MCIDevice::kNotOpen);
    }
    EXPECT_EQ(device.Info(MCI_INFO_FILE), nullptr);
    EXPECT_TRUE(rec.sent().empty());
    EXPECT_EQ(device.lastError, 555u);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(MCIDeviceTest, ErrorsAreKeptAndOnlyOpenAndPlayShowThem)
{
    device.notifyWindow = &window;
    openDevice();
    rec.failNext(MCI_STOP, MCIERR_HARDWARE);
    EXPECT_EQ(device.Stop(), MCIERR_HARDWARE);
    EXPECT_EQ(device.lastError, MCIERR_HARDWARE);
    rec.failNext(MCI_SEEK, MCIERR_OUTOFRANGE);
    EXPECT_EQ(device.Seek(99999), MCIERR_OUTOFRANGE);
    rec.failNext(MCI_SET, MCIERR_BAD_TIME_FORMAT);
    EXPECT_EQ(device.Set(MCI_SET_TIME_FORMAT, 3), MCIERR_BAD_TIME_FORMAT);
    EXPECT_TRUE(boxes.boxes().empty());

    rec.failNext(MCI_PLAY, MCIERR_DEVICE_NOT_READY);
    EXPECT_EQ(device.Play(0, -2), MCIERR_DEVICE_NOT_READY);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, QString::fromLatin1(ErrorText(MCIERR_DEVICE_NOT_READY)));

    EXPECT_EQ(device.Pause(), 0u);
    EXPECT_EQ(device.lastError, 0u);
}

TEST_F(MCIDeviceTest, ValueOperationsReturnTheValueOrZeroOnFailure)
{
    openDevice();
    rec.setStatus(MCI_STATUS_LENGTH, 183000);
    rec.setDevCaps(MCI_GETDEVCAPS_HAS_AUDIO, 1);
    rec.setInfo("Simulated sequencer");
    EXPECT_EQ(device.Status(MCI_STATUS_ITEM, MCI_STATUS_LENGTH, 0), 183000u);
    EXPECT_EQ(device.GetDevCaps(MCI_GETDEVCAPS_HAS_AUDIO), 1u);
    EXPECT_STREQ(device.Info(MCI_INFO_PRODUCT), "Simulated sequencer");

    rec.failNext(MCI_STATUS, MCIERR_HARDWARE);
    EXPECT_EQ(device.Status(MCI_STATUS_ITEM, MCI_STATUS_LENGTH, 0), 0u);
    EXPECT_EQ(device.lastError, MCIERR_HARDWARE);
    rec.failNext(MCI_INFO, MCIERR_HARDWARE);
    EXPECT_STREQ(device.Info(MCI_INFO_PRODUCT), "");
}

TEST_F(MCIDeviceTest, InfoBufferIsSharedByAllDevices)
{
    openDevice();
    CompoundDevice other;
    ASSERT_EQ(other.Open("c:\\b.wav"), 0u);
    rec.setInfo("first");
    const char* a = device.Info(MCI_INFO_PRODUCT);
    rec.setInfo("second");
    const char* b = other.Info(MCI_INFO_PRODUCT);
    EXPECT_EQ(a, b);
    EXPECT_STREQ(a, "second");
}

TEST_F(MCIDeviceTest, FailedCloseKeepsTheIdButDropsTheElement)
{
    openDevice();
    rec.failNext(MCI_CLOSE, MCIERR_DEVICE_LOCKED);
    EXPECT_EQ(device.Close(), MCIERR_DEVICE_LOCKED);
    EXPECT_EQ(device.deviceId, 42u);
    EXPECT_EQ(device.ElementName(), nullptr);
    EXPECT_EQ(device.Close(), 0u);
    EXPECT_EQ(device.deviceId, 0u);

    MCIDevice plain("sequencer");
    ASSERT_EQ(plain.Open(nullptr), 0u);
    const auto id = plain.deviceId;
    rec.failNext(MCI_CLOSE, MCIERR_DEVICE_LOCKED);
    EXPECT_EQ(plain.Close(), MCIERR_DEVICE_LOCKED);
    EXPECT_EQ(plain.deviceId, id);
}

TEST_F(MCIDeviceTest, DestructorClosesAnOpenDevice)
{
    {
        CompoundDevice local("c:\\x.wav");
        ASSERT_NE(local.deviceId, 0u);
        rec.clear();
    }
    ASSERT_EQ(rec.sent().size(), 1u);
    EXPECT_EQ(rec.last().command, MCI_CLOSE);
    rec.clear();
    { CompoundDevice unopened; }
    EXPECT_TRUE(rec.sent().empty());
}

TEST_F(MCIDeviceTest, ReportErrorBeepsThenShowsTextCaptionAndKeepsLastError)
{
    device.notifyWindow = &window;
    rec.failNext(MCI_OPEN, MCIERR_FILE_NOT_FOUND);
    EXPECT_EQ(device.Open("c:\\gone.mid"), MCIERR_FILE_NOT_FOUND);
    EXPECT_EQ(device.deviceId, 0u);
    EXPECT_EQ(device.lastError, MCIERR_FILE_NOT_FOUND);
    ASSERT_EQ(boxes.order(), (std::vector<char>{'B', 'M'}));
    EXPECT_EQ(boxes.beeps()[0], platform::MB_ICONEXCLAMATION);
    const auto& box = boxes.boxes()[0];
    EXPECT_EQ(box.text, QString::fromLatin1(ErrorText(MCIERR_FILE_NOT_FOUND)));
    EXPECT_EQ(box.caption, "MCI Error");
    EXPECT_EQ(box.style, platform::MB_ICONEXCLAMATION | platform::MB_OK);
    EXPECT_EQ(box.owner, &window);

    boxes.clear();
    device.SetErrorCaption("The Vantor");
    device.lastError = 0xFFFF;   // a code with no text
    device.ReportError();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Unknown MCI Error");
    EXPECT_EQ(boxes.boxes()[0].caption, "The Vantor");
    EXPECT_EQ(device.lastError, 0xFFFFu);
}

TEST_F(MCIDeviceTest, ConstructorWithElementOpensAtOnce)
{
    rec.setNextId(9);
    CompoundDevice d("c:\\music\\x.wav");
    EXPECT_EQ(d.deviceId, 9u);
    EXPECT_EQ(rec.last().flags, MCI_OPEN_ELEMENT);
}

}  // namespace
