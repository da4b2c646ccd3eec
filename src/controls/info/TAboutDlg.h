#pragma once
// About The Vantor: the title picture, the version and the system the program
// was built for, a two-line notice, the program icon and the machine's physical
// memory. Modal, closed by OK or Escape; nothing is returned or changed.

#include "controls/dialog/TMDialog.h"
#include "platform/system/MemoryStatus.h"

#include <QPixmap>

#include <functional>

class TAboutDlg : public TMDialog {
    Q_OBJECT
public:
    using MemoryStatusSource = std::function<platform::MemoryStatus()>;

    // memoryStatus: asked once, at set-up, for the memory read-out.
    explicit TAboutDlg(QWidget* parent, MemoryStatusSource memoryStatus = &platform::GlobalMemoryStatus);

    // "Version 5.7 - 64bit for Linux": the word size and system of this build.
    static QString VersionText();

protected:
    void SetupWindow() override;
    // The title picture over the default painting, at the top-left of the
    // invisible frame static that marks its place.
    void paintEvent(QPaintEvent* event) override;

private:
    MemoryStatusSource memoryStatus_;
    QPixmap title_;   // navy already masked out
};
