// The queue as a user sees it in the frame: whole lines in any font inside a
// bar that keeps its height, the song bitmap and two columns drawn with the
// list's own font, long or short song names, the right-button menu and the
// double click.
#include "FrameFixture.h"

#include "album/PathUtils.h"
#include "frame/TListBar.h"
#include "frame/TMStatusBar.h"
#include "platform/paths/PathNamespace.h"
#include "resources/CommandIds.h"
#include "support/TempDrive.h"

#include <QAction>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QPainter>

namespace frametest {
namespace {

using namespace resources;

class QueueDisplayTest : public FrameFixture {
protected:
    TQueueList& Queue() const { return *frame->QueueList(); }
    void AddSongs(std::initializer_list<const char*> paths)
    {
        for (const char* path : paths) {
            sim.addSong(path, 60000);
            ASSERT_GE(Queue().AddSong(path), 0) << path;
        }
    }
    QPoint LineCentre(int index) const { return Queue().visualItemRect(Queue().item(index)).center(); }
    // Whether the first column of unselected line index shows exactly text.
    bool FirstColumnShows(int index, const QString& text) const
    {
        const QImage shown = Queue().viewport()->grab().toImage();
        const QRect line = Queue().visualItemRect(Queue().item(index));
        const QFontMetrics metrics(Queue().font());
        const int left = 2 + 10 + 2;
        const int top = line.top() + line.height() / 2 - (metrics.height() + metrics.leading()) / 2;
        QImage expected(shown.size(), shown.format());
        expected.fill(Queue().palette().color(QPalette::Base));
        QPainter painter(&expected);
        painter.setFont(Queue().font());
        painter.setPen(Queue().palette().color(QPalette::Active, QPalette::Text));
        painter.drawText(QRect(left, top, shown.width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        painter.end();
        for (int x = left; x < left + metrics.horizontalAdvance(text); ++x)
            for (int y = line.top(); y <= line.bottom(); ++y)
                if (shown.pixel(x, y) != expected.pixel(x, y))
                    return false;
        return true;
    }
    void RightClick(const QPoint& at)
    {
        QTest::mousePress(Queue().viewport(), Qt::RightButton, Qt::NoModifier, at);
        QTest::mouseRelease(Queue().viewport(), Qt::RightButton, Qt::NoModifier, at);
    }
};

TEST_F(QueueDisplayTest, AnyFontShowsWholeLinesAndTheBarKeepsItsHeight)
{
    const int bar = frame->ListBar()->height();
    const int frameHeight = frame->height();
    const int atSetUp = Queue().ReferenceClientRect().height();
    ASSERT_GT(atSetUp, 45);
    for (int pixels : {9, 30, 13, 45, 11}) {
        SCOPED_TRACE(pixels);
        Queue().GetLogFont().setPixelSize(pixels);
        Queue().FontChanged();
        const QFontMetrics metrics(Queue().font());
        const int line = std::max(metrics.height() + metrics.leading(), 12);
        EXPECT_EQ(Queue().ItemHeight(), line);
        EXPECT_EQ(Queue().viewport()->height(), line * (atSetUp / line));
        EXPECT_EQ(frame->ListBar()->height(), bar);
        EXPECT_EQ(frame->height(), frameHeight);
    }
}

TEST_F(QueueDisplayTest, LinesShowTheBitmapTheNameAndTheShortPathInTwoColumns)
{
    // A name narrower than the column and one wider than it in a proportional font.
    AddSongs({"c:\\music\\a.mid", "c:\\music\\wwwwwwww.mid"});
    Queue().GetLogFont() = QFont(QStringLiteral("DejaVu Sans"));
    Queue().GetLogFont().setPixelSize(14);
    Queue().FontChanged();
    Queue().SetSelIndex(-1);
    const QImage picture = Queue().viewport()->grab().toImage();
    const QFontMetrics metrics(Queue().font());
    const QColor base = Queue().palette().color(QPalette::Base);
    // The first column with ink at or after x on line index's text row.
    auto firstInk = [&](int index, int from) {
        const QRect r = Queue().visualItemRect(Queue().item(index));
        for (int x = from; x < r.right(); ++x)
            for (int y = r.top(); y <= r.bottom(); ++y)
                if (qGray(picture.pixel(x, y)) < 128)
                    return x;
        return -1;
    };
    const int textLeft = 2 + 10 + 2;
    const int column = metrics.horizontalAdvance(QStringLiteral("00000000.000")) + 5;
    const int shortName = metrics.horizontalAdvance(QStringLiteral("a.mid "));
    const int longName = metrics.horizontalAdvance(QStringLiteral("wwwwwwww.mid "));
    ASSERT_GT(longName + 1, column) << "the long name must pass the column";
    const int bracketBearing = std::max(0, metrics.leftBearing(QLatin1Char('[')));
    EXPECT_NEAR(firstInk(0, textLeft + shortName), textLeft + column + bracketBearing, 1);
    EXPECT_NEAR(firstInk(1, textLeft + longName), textLeft + longName + 1 + bracketBearing, 1);
    // The full path after the short one is never drawn.
    const QString shortPath = Queue().item(0)->text().section(QLatin1Char('\t'), 1, 1);
    const int pathEnd = textLeft + column + metrics.horizontalAdvance(shortPath);
    EXPECT_EQ(firstInk(0, pathEnd + 2), -1);

    // The bitmap's navy corner shows the line's background.
    const QRect line = Queue().visualItemRect(Queue().item(0));
    EXPECT_EQ(picture.pixelColor(2, line.center().y() - 11 / 2), base);
    EXPECT_NE(firstInk(0, 2), -1);
}

TEST_F(QueueDisplayTest, LongNamesShowInTheListCaptionAndStatusBarWhileTheLinesStayShort)
{
    TempDrive drive;
    const QString names[] = {QStringLiteral("short one.mid"), QStringLiteral("\u00c9l\u00e9gie.mid"),
                             QStringLiteral("UPPER.MID")};
    std::vector<std::string> paths;
    std::vector<QString> lines;
    for (const QString& name : names) {
        const auto path = platform::FromLinuxPath(drive.writeFile(QStringLiteral("My Songs/") + name).toStdString());
        ASSERT_TRUE(path);
        sim.addSong(*path, 60000);
        ASSERT_GE(Queue().AddSong(path->c_str()), 0);
        paths.push_back(*path);
        lines.push_back(QString::fromUtf8(TSongList::MakeSongLine(path->c_str())));
    }
    ASSERT_TRUE(lines[1].startsWith(QStringLiteral("_l_gie~"))) << "lines in the short form";
    Console().albumPath = drive.path("party.alb");
    Console().settingsPath = drive.path("vantor.ini");
    ASSERT_EQ(Console().PlaySong(1), 0);
    Queue().SetSelIndex(-1);

    const auto expectShown = [&](bool longNames) {
        SCOPED_TRACE(longNames ? "long names" : "short names");
        const std::string shortName = FileNamePart(paths[1].c_str());
        const QString song = longNames ? names[1] : QString::fromStdString(shortName);
        EXPECT_EQ(frame->windowTitle(), QStringLiteral("Party - ") + song.section(QLatin1Char('.'), 0, 0));
        EXPECT_EQ(frame->StatusBar()->PaneText(frame::TMStatusBar::kSongPane), longNames ? song : song.toUpper());
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Queue().item(i)->text(), lines[i]);
            const QString shown = longNames ? names[i] : lines[i].section(QLatin1Char('\t'), 0, 0).trimmed();
            EXPECT_TRUE(FirstColumnShows(i, shown)) << shown.toStdString();
        }
    };
    // No key in the settings: on.
    expectShown(true);
    frame->RouteCommand(CM_SHOW_LONG_NAMES);
    expectShown(false);
    ASSERT_EQ(Console().SaveSettings(), 0);
    EXPECT_TRUE(drive.readFile(QStringLiteral("vantor.ini")).contains("ShowLongNames=0"));
    frame->RouteCommand(CM_SHOW_LONG_NAMES);
    expectShown(true);
    // The stored mark comes back, and the names with it.
    ASSERT_EQ(Console().LoadSettings(), 0);
    expectShown(false);
}

TEST_F(QueueDisplayTest, RightButtonSelectsTheLineAndItsMenuRoutesTheCommand)
{
    AddSongs({"c:\\music\\one.mid", "c:\\music\\two.mid", "c:\\music\\three.mid"});
    Queue().SetSelIndex(0);
    RightClick(LineCentre(1));
    EXPECT_EQ(Queue().GetSelIndex(), 1);
    QMenu* menu = Queue().ContextMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
    QAction* play = nullptr;
    for (QAction* action : menu->actions())
        if (action->data().toInt() == CM_PLAY)
            play = action;
    ASSERT_NE(play, nullptr);
    play->trigger();
    menu->close();
    Deliver();
    EXPECT_EQ(Console().currentSong, 1);
    EXPECT_FALSE(Console().IsStopped());

    // Below the last line: the menu opens, the selection stays and nothing starts.
    Console().StopSong();
    Routed().clear();
    RightClick(QPoint(5, Queue().viewport()->height() - 2));
    ASSERT_NE(Queue().ContextMenu(), nullptr);
    EXPECT_EQ(Queue().GetSelIndex(), 1);
    Queue().ContextMenu()->close();
    Deliver();
    EXPECT_TRUE(Console().IsStopped());
    EXPECT_TRUE(Routed().empty());
}

TEST_F(QueueDisplayTest, DoubleClickPlaysTheLineWhileAnotherPlays)
{
    AddSongs({"c:\\music\\one.mid", "c:\\music\\two.mid"});
    ASSERT_EQ(Console().PlaySong(0), 0);
    QTest::mouseClick(Queue().viewport(), Qt::LeftButton, Qt::NoModifier, LineCentre(1));
    QTest::mouseDClick(Queue().viewport(), Qt::LeftButton, Qt::NoModifier, LineCentre(1));
    Deliver();
    EXPECT_EQ(Console().currentSong, 1);
    EXPECT_FALSE(Console().IsStopped());
}

}  // namespace
}  // namespace frametest
