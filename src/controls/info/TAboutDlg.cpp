#include "controls/info/TAboutDlg.h"

#include <QPainter>
#include <QSysInfo>

#include "controls/paint/DrawTransparentBitmap.h"
#include "resources/CommandIds.h"
#include "resources/bitmaps/Bitmaps.h"
#include "resources/dialogs/InfoDialogs.h"

namespace {

// The system the program was compiled for; an unlisted one is named by its kernel.
QString BuildSystemName()
{
#if defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#elif defined(Q_OS_FREEBSD)
    return QStringLiteral("FreeBSD");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#else
    QString kernel = QSysInfo::kernelType();
    if (!kernel.isEmpty())
        kernel[0] = kernel[0].toUpper();
    return kernel;
#endif
}

}  // namespace

TAboutDlg::TAboutDlg(QWidget* parent, MemoryStatusSource memoryStatus)
    : TMDialog(parent, resources::IDD_ABOUT), memoryStatus_(std::move(memoryStatus))
{
    // A caption without the window menu or a close box: OK and Escape close it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

QString TAboutDlg::VersionText()
{
    return QStringLiteral("Version 5.7 - %1bit for %2").arg(sizeof(void*) * 8).arg(BuildSystemName());
}

void TAboutDlg::SetupWindow()
{
    TMDialog::SetupWindow();
    SetDlgItemText(resources::IDC_ABOUT_VERSION, VersionText());

    const platform::MemoryStatus status = memoryStatus_ ? memoryStatus_() : platform::MemoryStatus{};
    SetDlgItemText(resources::IDC_ABOUT_MEMORY, QStringLiteral("%1 KB Phys. Memory\n%2 KB Free Ph. Mem.")
                                                    .arg(status.totalPhys >> 10)
                                                    .arg(status.availPhys >> 10));

    title_ = MaskedBitmap(resources::LoadBitmap(resources::IDB_TITLE));
}

void TAboutDlg::paintEvent(QPaintEvent* event)
{
    TMDialog::paintEvent(event);
    const QWidget* place = item(resources::IDC_ABOUT_PICTURE);
    if (!place || title_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(place->mapTo(this, QPoint(0, 0)), title_);
}
