#include "media/TChooseMixerDlg.h"

#include <QComboBox>

#include <cstdio>

#include "platform/audio/AuxVolume.h"
#include "platform/profile/PrivateProfile.h"
#include "resources/dialogs/InfoDialogs.h"
#include "settings/SettingsKeys.h"

namespace {
constexpr const char* kNoDevice = "No aux device / Disable volume control";
}  // namespace

TChooseMixerDlg::TChooseMixerDlg(QWidget* parent, std::string settingsPath)
    : TMDialog(parent, resources::IDD_VOLUME_DEVICE), settingsPath_(std::move(settingsPath))
{
}

QComboBox* TChooseMixerDlg::DeviceList() const
{
    return itemAs<QComboBox>(resources::IDC_VOLUME_DEVICE_LIST);
}

void TChooseMixerDlg::SetupWindow()
{
    TMDialog::SetupWindow();
    QComboBox* list = DeviceList();
    if (!list)
        return;
    // Each entry carries its setting: device number + 1, so that a device left
    // out does not shift the ones after it.
    list->addItem(QString::fromLatin1(kNoDevice), 0);
    const unsigned count = platform::auxGetNumDevs();
    for (unsigned device = 0; device < count; ++device) {
        platform::AUXCAPSA caps{};
        if (platform::auxGetDevCapsA(device, &caps, sizeof caps) == platform::MMSYSERR_NOERROR)
            list->addItem(QString::fromLocal8Bit(caps.szPname), static_cast<int>(device) + 1);
    }
    // A setting no entry carries (a device gone since) selects nothing.
    const int stored = platform::GetPrivateProfileInt(settings::kSectionSettings, settings::kKeyAuxOutDevice, 0,
                                                      settingsPath_.c_str());
    list->setCurrentIndex(list->findData(stored));
}

void TChooseMixerDlg::EvCommand(int id)
{
    if (id == IDOK) {
        const QComboBox* list = DeviceList();
        char value[16];
        const int chosen = list && list->currentIndex() >= 0 ? list->currentData().toInt() : -1;
        std::snprintf(value, sizeof value, "%d", chosen);
        platform::WritePrivateProfileString(settings::kSectionSettings, settings::kKeyAuxOutDevice, value,
                                            settingsPath_.c_str());
    }
    TMDialog::EvCommand(id);
}
