#pragma once
// The Volume Output Device dialog: "No aux device / Disable volume control"
// first, then the product name of every output device whose capabilities can be
// read. OK stores the chosen entry's index as the device setting (entry i means
// device i - 1, 0 none, -1 nothing chosen); Cancel stores nothing.

#include "controls/dialog/TMDialog.h"

#include <string>
#include <vector>

class QComboBox;

class TChooseMixerDlg : public TMDialog {
    Q_OBJECT
public:
    // settingsPath: the drive path of the settings file the choice goes to.
    TChooseMixerDlg(QWidget* parent, std::string settingsPath);

    QComboBox* DeviceList() const;

protected:
    void SetupWindow() override;
    void EvCommand(int id) override;

private:
    std::string settingsPath_;
};
