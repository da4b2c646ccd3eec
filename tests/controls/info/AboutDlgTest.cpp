// The About box as it shows: memory read-out, version line and title picture.

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <QSysInfo>

#include <fstream>
#include <string>

#include "controls/info/TAboutDlg.h"
#include "resources/CommandIds.h"
#include "resources/bitmaps/Bitmaps.h"
#include "resources/dialogs/InfoDialogs.h"

using namespace resources;

namespace {

constexpr std::uint64_t kMB = 1024 * 1024;

QString MemoryText(TAboutDlg::MemoryStatusSource source)
{
    TAboutDlg dialog(nullptr, std::move(source));
    EXPECT_EQ(dialog.Create(), 0);
    return dialog.GetDlgItemText(IDC_ABOUT_MEMORY);
}

// The kB figure of one /proc/meminfo line, read here on its own.
std::uint64_t MemInfoKB(const std::string& name)
{
    std::ifstream file("/proc/meminfo");
    std::string key;
    std::uint64_t value = 0;
    std::string unit;
    while (file >> key >> value >> unit)
        if (key == name + ":")
            return value;
    return 0;
}

TEST(AboutDlg, MemoryReadOutInKilobytesOnTwoLines)
{
    EXPECT_EQ(MemoryText([] { return platform::MemoryStatus{64 * kMB, 20 * kMB}; }),
              QStringLiteral("65536 KB Phys. Memory\n20480 KB Free Ph. Mem."));
    // Bytes are cut down to whole kilobytes.
    EXPECT_EQ(MemoryText([] { return platform::MemoryStatus{2047, 1023}; }),
              QStringLiteral("1 KB Phys. Memory\n0 KB Free Ph. Mem."));

    // This machine.
    const QString text = MemoryText(&platform::GlobalMemoryStatus);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d+) KB Phys. Memory\n(\\d+) KB Free Ph. Mem.$")).match(text);
    ASSERT_TRUE(m.hasMatch()) << text.toStdString();
    const std::uint64_t total = m.captured(1).toULongLong();
    const std::uint64_t available = m.captured(2).toULongLong();
    EXPECT_EQ(total, MemInfoKB("MemTotal"));
    EXPECT_GT(total, available);
    EXPECT_GT(available, 0u);
}

TEST(AboutDlg, VersionNamesTheWordSizeAndSystemOfThisBuild)
{
    TAboutDlg dialog(nullptr);
    ASSERT_EQ(dialog.Create(), 0);
    QString system = QSysInfo::kernelType();
    system[0] = system[0].toUpper();
    EXPECT_EQ(dialog.GetDlgItemText(IDC_ABOUT_VERSION),
              QStringLiteral("Version 5.7 - %1bit for %2").arg(QSysInfo::WordSize).arg(system));
    EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint));
}

TEST(AboutDlg, TitlePictureShowsTheDialogThroughItsNavyPixels)
{
    TAboutDlg dialog(nullptr);
    ASSERT_EQ(dialog.Create(), 0);
    dialog.show();
    const QImage shot = dialog.grab().toImage();
    const QImage title = LoadBitmap(IDB_TITLE).toImage();
    ASSERT_EQ(title.size(), QSize(160, 50));
    const QPoint origin = dialog.item(IDC_ABOUT_PICTURE)->mapTo(&dialog, QPoint(0, 0));
    ASSERT_TRUE(QRect(QPoint(0, 0), shot.size()).contains(QRect(origin, title.size())));

    const QColor navy(0, 0, 128);
    int navySeen = 0, drawnSeen = 0;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x) {
            const QColor shown = shot.pixelColor(origin + QPoint(x, y));
            if (title.pixelColor(x, y) == navy) {
                ++navySeen;
                ASSERT_EQ(shown, dialog.FaceColor()) << x << "," << y;
            } else {
                ++drawnSeen;
                ASSERT_EQ(shown, title.pixelColor(x, y)) << x << "," << y;
            }
        }
    EXPECT_GT(navySeen, 0);
    EXPECT_GT(drawnSeen, 0);
}

}  // namespace
