// The whole program under a real window manager (openbox on a virtual display),
// driven from the keyboard: the views and the menu bar keep the console still on
// the screen, Always on Top is the window manager's "above" state and lasts
// across a restart, and the stored window position comes back as it was, border
// included, start after start, and all of it on the screen.
#include "ProgramCopy.h"

#include <QMap>
#include <QRect>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// $1 the program, $2 the keys to type after start (xdotool key names, blank
// separated, "|" between steps). Prints one line per step:
// tag clientX clientY clientW clientH borderL borderR borderT borderB above.
constexpr char kScript[] = R"SH(
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
frame() {
  for id in $(xwininfo -root -tree | awk '/\("vantor" "Vantor"\)/ { print $1 }'); do
    xwininfo -id "$id" | grep -q IsViewable && { echo "$id"; return; }
  done
}
show() {
  id=$(frame)
  [ -n "$id" ] || { echo "$1 gone"; return; }
  echo "$1 $(xwininfo -id $id | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}') $(xprop -id $id _NET_FRAME_EXTENTS |
    sed 's/.*= //; s/,//g') $(xprop -id $id _NET_WM_STATE | grep -c _NET_WM_STATE_ABOVE)"
}
"$1" & pid=$!
i=0
while [ -z "$(frame)" ] && [ $i -lt 300 ]; do sleep 0.1; i=$((i + 1)); done
sleep 2
show start
step=0
printf '%s' "$2" | tr '|' '\n' > "$XDG_RUNTIME_DIR/steps"
echo >> "$XDG_RUNTIME_DIR/steps"
while read -r keys; do
  [ -n "$keys" ] || continue
  step=$((step + 1))
  xdotool key --window "$(frame)" $keys
  sleep 1
  show "step$step"
done < "$XDG_RUNTIME_DIR/steps"
kill -TERM $pid
wait $pid
echo "exit=$?"
)SH";

struct Shot {
    QRect client;
    QRect outer;
    bool above = false;
};

QMap<QString, Shot> RunUnderOpenbox(const ProgramCopy& program, const QString& keys, QString& log)
{
    log = program.RunOnVirtualDisplay(kScript, {keys});
    QMap<QString, Shot> shots;
    for (const QString& line : log.split(QLatin1Char('\n'))) {
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.size() != 10)
            continue;
        int v[9];
        for (int i = 0; i < 9; ++i)
            v[i] = f[i + 1].toInt();
        Shot shot;
        shot.client = QRect(v[0], v[1], v[2], v[3]);
        shot.outer = QRect(v[0] - v[4], v[1] - v[6], v[2] + v[4] + v[5], v[3] + v[6] + v[7]);
        shot.above = v[8] > 0;
        shots.insert(f[0], shot);
    }
    if (log.contains(QStringLiteral("exit=0")))
        shots.insert(QStringLiteral("exit=0"), Shot());
    return shots;
}

TEST(WindowManager, ViewsAlwaysOnTopAndThePositionUnderOpenbox)
{
    for (const char* tool : {"xvfb-run", "xwininfo", "xprop", "xdotool", "openbox"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    program.WriteSettings("[General]\r\nVersion=5.7\r\nWindowPosition=100 80 400\r\n");

    // Menu bar off and on, Menu Off, Everything, then Always on Top off from the menu.
    QString log;
    auto first = RunUnderOpenbox(program, QStringLiteral("alt+m|alt+m|alt+7|alt+1|alt+o l t"), log);
    ASSERT_TRUE(first.contains(QStringLiteral("exit=0"))) << log.toStdString();
    ASSERT_TRUE(first.contains(QStringLiteral("step5"))) << log.toStdString();
    const Shot start = first[QStringLiteral("start")];
    EXPECT_EQ(start.outer, QRect(100, 80, 400, start.outer.height())) << log.toStdString();
    EXPECT_GT(start.outer.top(), start.client.top() - 40) << "a border above the client";
    EXPECT_TRUE(start.above);

    // The menu bar goes and comes at the window's top edge: the bottom stays.
    const Shot menuOff = first[QStringLiteral("step1")];
    const int menuHeight = menuOff.client.top() - start.client.top();
    EXPECT_GT(menuHeight, 0);
    EXPECT_EQ(menuOff.client.bottom(), start.client.bottom());
    EXPECT_EQ(first[QStringLiteral("step2")].client, start.client);

    // Menu Off: the console's top is where it was, less the queue bar above it;
    // the client area starts where the console did under the menu bar.
    const Shot bare = first[QStringLiteral("step3")];
    EXPECT_EQ(bare.client.top(), start.client.top() + menuHeight);
    EXPECT_LT(bare.client.height(), start.client.height() / 2);
    // Everything: the same height and place again, at the default width.
    const Shot all = first[QStringLiteral("step4")];
    EXPECT_EQ(all.client.topLeft(), start.client.topLeft());
    EXPECT_EQ(all.client.height(), start.client.height());

    const Shot notOnTop = first[QStringLiteral("step5")];
    EXPECT_FALSE(notOnTop.above);
    EXPECT_EQ(notOnTop.client, all.client);

    // Started again: not on top, in the same place at the same width.
    auto second = RunUnderOpenbox(program, QString(), log);
    ASSERT_TRUE(second.contains(QStringLiteral("exit=0"))) << log.toStdString();
    EXPECT_FALSE(second[QStringLiteral("start")].above);
    EXPECT_EQ(second[QStringLiteral("start")].outer, notOnTop.outer) << log.toStdString();
    const QByteArray saved = program.ReadSettings();
    // The title bar is counted too: a window stored near the screen's bottom
    // edge is pulled up until its border is on the screen.
    program.WriteSettings("[General]\r\nVersion=5.7\r\nWindowPosition=100 700 0\r\n");
    auto low = RunUnderOpenbox(program, QString(), log);
    ASSERT_TRUE(low.contains(QStringLiteral("start"))) << log.toStdString();
    EXPECT_EQ(low[QStringLiteral("start")].outer.bottom(), 767) << log.toStdString();

    EXPECT_TRUE(saved.contains(QStringLiteral("WindowPosition=%1 %2 %3 ")
                                   .arg(notOnTop.outer.left())
                                   .arg(notOnTop.outer.top())
                                   .arg(notOnTop.outer.width())
                                   .toLatin1()))
        << saved.constData();
}

// No stored position: the frame, title bar included, starts on the screen and
// comes back there, at the same size, start after start.
TEST(WindowManager, FirstStartAndThreeRestartsKeepTheWholeFrameOnTheScreen)
{
    for (const char* tool : {"xvfb-run", "xwininfo", "xprop", "xdotool", "openbox"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    program.WriteSettings("[General]\r\nVersion=5.7\r\n");
    const QRect screen(0, 0, 1024, 768);
    QRect first;
    for (int start = 0; start < 4; ++start) {
        SCOPED_TRACE(start);
        QString log;
        const auto shots = RunUnderOpenbox(program, QString(), log);
        ASSERT_TRUE(shots.contains(QStringLiteral("exit=0"))) << log.toStdString();
        const Shot shot = shots[QStringLiteral("start")];
        EXPECT_GT(shot.outer.top(), shot.client.top() - 40) << "a border above the client";
        EXPECT_TRUE(screen.contains(shot.outer)) << log.toStdString();
        if (start == 0)
            first = shot.outer;
        EXPECT_EQ(shot.outer, first) << log.toStdString();
    }
}

}  // namespace
