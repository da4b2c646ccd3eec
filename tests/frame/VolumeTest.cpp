// The volume bar on the program's own output device, the Volume Output Device
// dialog, and Mute.
#include "FrameFixture.h"
#include "SettingsFrameFixture.h"

#include "controls/gadgets/TButtonGadget.h"
#include "controls/sliders/ScrollCodes.h"
#include "controls/sliders/TSoundBar.h"
#include "platform/audio/AuxVolume.h"
#include "player/IMenuState.h"
#include "resources/CommandIds.h"
#include "resources/dialogs/ConsoleIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include <functional>

namespace frametest {
namespace {

using namespace resources;

constexpr unsigned kOwnOutput = 0;

std::uint32_t OwnVolume()
{
    std::uint32_t word = 0;
    EXPECT_EQ(platform::auxGetVolume(kOwnOutput, &word), platform::MMSYSERR_NOERROR);
    return word;
}

class VolumeTest : public SettingsFrameFixture {
protected:
    void SetUp() override
    {
        // Only the program's own output: this machine's mixers are not the test's.
        platform::SetAuxMixerDevicesForTest({});
        platform::auxSetVolume(kOwnOutput, 0xFFFFFFFFu);
    }
    void TearDown() override
    {
        SettingsFrameFixture::TearDown();
        platform::auxSetVolume(kOwnOutput, 0xFFFFFFFFu);
        platform::SetAuxMixerDevicesForTest({"default"});
    }

    // Runs the Volume Device command; answer works the dialog while it is open.
    // The entries the list offered.
    QStringList ChooseDevice(const std::function<void(QComboBox*)>& answer, int button)
    {
        QStringList entries;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* list = dialog->findChild<QComboBox*>();
            ASSERT_NE(list, nullptr);
            for (int i = 0; i < list->count(); ++i)
                entries << list->itemText(i);
            answer(list);
            const QString text = button == 1 ? QStringLiteral("OK") : QStringLiteral("Cancel");
            for (auto* push : dialog->findChildren<QAbstractButton*>())
                if (push->text() == text)
                    push->click();
        });
        frame->RouteCommand(CM_VOLUME_DEVICE);
        return entries;
    }
    TSoundBar& Slider() const { return *frame->VolumeSlider(); }
};

TEST_F(VolumeTest, WithoutAChosenDeviceTheSliderIsOff)
{
    Start("");
    EXPECT_FALSE(Slider().isEnabled());
    Slider().Scroll(SB_THUMBPOSITION, 2000);
    EXPECT_EQ(OwnVolume(), 0xFFFFFFFFu);
}

TEST_F(VolumeTest, SliderSetsBothChannelsOfTheOwnOutput)
{
    platform::auxSetVolume(kOwnOutput, 0xFFFF0000u | 32768u);
    Start("[Settings]\r\nAuxOutDevice=1\r\n");
    EXPECT_TRUE(Slider().isEnabled());
    // Only the left channel is read back.
    EXPECT_EQ(Slider().GetPosition(), 5000);

    const std::pair<int, std::uint32_t> table[] = {
        {5000, 0x7FFF7FFFu}, {10000, 0xFFFFFFFFu}, {0, 0u}, {1, 0x00060006u}};
    for (const auto& [position, word] : table) {
        Slider().Scroll(SB_THUMBTRACK, position);
        EXPECT_EQ(OwnVolume(), word) << position;
    }
}

TEST_F(VolumeTest, DialogListsTheDevicesAndStoresTheChoice)
{
    Start("");
    platform::auxSetVolume(kOwnOutput, 0x0000FFFFu);
    const QStringList entries = ChooseDevice([](QComboBox* list) { list->setCurrentIndex(1); }, 1);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0], QStringLiteral("No aux device / Disable volume control"));
    EXPECT_EQ(entries[1], QStringLiteral("Vantor output"));
    EXPECT_TRUE(Settings().contains("AuxOutDevice=1\r\n")) << Settings().constData();
    EXPECT_TRUE(Slider().isEnabled());
    EXPECT_EQ(Slider().GetPosition(), 10000);

    // Cancel writes nothing; choosing no device turns the slider off.
    ChooseDevice([](QComboBox* list) { list->setCurrentIndex(0); }, 2);
    EXPECT_TRUE(Slider().isEnabled());
    ChooseDevice([](QComboBox* list) { list->setCurrentIndex(0); }, 1);
    EXPECT_TRUE(Settings().contains("AuxOutDevice=0\r\n"));
    EXPECT_FALSE(Slider().isEnabled());
}

TEST_F(VolumeTest, DeviceGoneSinceItWasChosenSelectsNothingAndStoresMinusOne)
{
    Start("[Settings]\r\nAuxOutDevice=4\r\n");
    // The slider is on (a device is set) but moving it reaches no device.
    Slider().Scroll(SB_THUMBPOSITION, 3000);
    EXPECT_EQ(OwnVolume(), 0xFFFFFFFFu);
    int selected = 0;
    ChooseDevice([&](QComboBox* list) { selected = list->currentIndex(); }, 1);
    EXPECT_EQ(selected, -1);
    EXPECT_TRUE(Settings().contains("AuxOutDevice=-1\r\n")) << Settings().constData();
    EXPECT_FALSE(Slider().isEnabled());
}

using MuteTest = FrameFixture;

TEST_F(MuteTest, CtrlMSilencesTheSongAndShowsItUntilPressedAgain)
{
    PlayOneSong();
    auto state = [this] {
        return std::tuple(sim.song("c:\\music\\one.mid")->audioOn, frame->FrameMenu()->IsChecked(CM_MUTE),
                          frame->FindButton(CM_MUTE)->GetButtonState() == TButtonGadget::State::Down,
                          Console().GetDlgItemText(IDC_LAMP_MUTE));
    };
    QTest::keyClick(frame->QueueList(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(state(), std::tuple(false, true, true, QStringLiteral("MUTE")));

    // Mute stays on for the next song opened.
    sim.addSong("c:\\music\\two.mid", 1000);
    ASSERT_GE(frame->QueueList()->AddSong("c:\\music\\two.mid"), 0);
    ASSERT_EQ(Console().PlaySong(1), 0);
    EXPECT_FALSE(sim.song("c:\\music\\two.mid")->audioOn);

    // The mute button does the same as Ctrl+M.
    TButtonGadget* button = frame->FindButton(CM_MUTE);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    Deliver();
    EXPECT_TRUE(sim.song("c:\\music\\two.mid")->audioOn);
    EXPECT_FALSE(frame->FrameMenu()->IsChecked(CM_MUTE));
    EXPECT_TRUE(Console().GetDlgItemText(IDC_LAMP_MUTE).isEmpty());
}

}  // namespace
}  // namespace frametest
