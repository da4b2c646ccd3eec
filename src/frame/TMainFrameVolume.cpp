// The volume bar's slider on the chosen output device, and the choice of that
// device.
#include "frame/TMainFrame.h"

#include "controls/sliders/TSoundBar.h"
#include "frame/TVolBar.h"
#include "media/TChooseMixerDlg.h"
#include "media/VolumeWord.h"
#include "platform/audio/AuxVolume.h"
#include "platform/profile/PrivateProfile.h"
#include "player/TMainWindow.h"
#include "settings/SettingsKeys.h"

namespace frame {

void TMainFrame::ReadAuxOutDevice()
{
    auxOutDevice_ = platform::GetPrivateProfileInt(settings::kSectionSettings, settings::kKeyAuxOutDevice, 0,
                                                   SettingsFile());
}

void TMainFrame::SetDeviceVolume()
{
    // Compared unsigned, a negative setting never names a device.
    if (auxOutDevice_ == 0 || platform::auxGetNumDevs() < static_cast<unsigned>(auxOutDevice_) || !volumeSlider_)
        return;
    platform::auxSetVolume(static_cast<unsigned>(auxOutDevice_ - 1),
                           VolumeWordOfPosition(volumeSlider_->GetPosition()));
    if (client_)
        client_->NotifyStateChanged();
}

void TMainFrame::ShowDeviceVolume(bool byCommand)
{
    if (!volumeSlider_)
        return;
    if (auxOutDevice_ <= 0) {
        volumeSlider_->setEnabled(false);
        return;
    }
    // A device that cannot be read (gone since it was chosen) shows silence.
    std::uint32_t word = 0;
    if (platform::auxGetVolume(static_cast<unsigned>(auxOutDevice_ - 1), &word) != platform::MMSYSERR_NOERROR)
        word = 0;
    if (byCommand)
        volumeSlider_->setEnabled(true);
    volumeSlider_->SetPosition(PositionOfVolumeWord(word));
}

void TMainFrame::ChooseVolumeDevice()
{
    TChooseMixerDlg dialog(this, SettingsFile());
    dialog.Execute();
    ReadAuxOutDevice();
    ShowDeviceVolume(true);
}

}  // namespace frame
