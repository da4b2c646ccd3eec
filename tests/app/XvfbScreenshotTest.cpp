// The whole program on a virtual display: its window appears with the title,
// at a sensible size, and the console inside it is drawn (not one flat colour).
// The screenshot stays in the test data directory for a person to look at.
#include "ProgramCopy.h"

#include <QCoreApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// Starts the program, waits for its window, reports it and takes the screen.
// The frame is found by its window class: its title follows the album and song.
constexpr char kScript[] = R"SH(
"$1" & pid=$!
frame() {
  for id in $(xwininfo -root -tree | awk '/\("vantor" "Vantor"\)/ { print $1 }'); do
    xwininfo -id "$id" | grep -q IsViewable && { echo "$id"; return; }
  done
}
i=0
while [ $i -lt 300 ]; do
  id=$(frame); [ -n "$id" ] && break
  kill -0 $pid 2>/dev/null || { wait $pid; echo "program ended before its window showed: exit=$?"; exit 0; }
  sleep 0.1; i=$((i + 1))
done
[ -n "$id" ] || { kill -KILL $pid; echo "no window after 30 s"; exit 0; }
sleep 1.5
xwininfo -id "$(frame)"
import -window root "$2"
kill -TERM $pid
wait $pid
echo "exit=$?"
)SH";

int Field(const QString& info, const char* name)
{
    const QRegularExpression re(QStringLiteral("%1:\\s+(-?\\d+)").arg(QLatin1String(name)));
    const QRegularExpressionMatch m = re.match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

TEST(Xvfb, ProgramWindowOnAVirtualDisplay)
{
    for (const char* tool : {"xvfb-run", "xwininfo", "import"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    program.WriteSettings("[General]\r\nVersion=5.7\r\n");
    QString dataDir = qEnvironmentVariable("VANTOR_TEST_DATA");
    if (dataDir.isEmpty())
        dataDir = QCoreApplication::applicationDirPath();
    const QString picture = dataDir + QStringLiteral("/testdata/vantor-screen.png");
    QFile::remove(picture);

    const QString out = program.RunOnVirtualDisplay(kScript, {picture});
    ASSERT_TRUE(out.contains(QStringLiteral("exit=0"))) << out.toStdString();

    const int x = Field(out, "Absolute upper-left X");
    const int y = Field(out, "Absolute upper-left Y");
    const int width = Field(out, "Width");
    const int height = Field(out, "Height");
    ASSERT_GE(x, 0) << out.toStdString();
    ASSERT_GE(y, 0);
    // The frame fits its content: the console's width, the console and all
    // bars' height; nothing like the whole screen.
    EXPECT_GE(width, 250);
    EXPECT_LE(width, 600);
    EXPECT_GE(height, 200);
    EXPECT_LE(height, 600);

    QImage screen(picture);
    ASSERT_FALSE(screen.isNull()) << picture.toStdString();
    const QImage window = screen.copy(x, y, width, height);
    QSet<QRgb> colours;
    int dark = 0;
    int led = 0;
    for (int row = 0; row < window.height(); ++row)
        for (int col = 0; col < window.width(); ++col) {
            const QRgb pixel = window.pixel(col, row);
            colours.insert(pixel);
            dark += qGray(pixel) < 48 ? 1 : 0;
            led += qRed(pixel) < 100 && qGreen(pixel) > 150 && qBlue(pixel) > 150 ? 1 : 0;
        }
    EXPECT_GE(colours.size(), 16) << "the window is nearly one colour";
    // The console's black panel, and the lit segments of its digits on it.
    EXPECT_GT(dark, window.width() * window.height() / 20);
    EXPECT_GT(led, 100);
}

}  // namespace
