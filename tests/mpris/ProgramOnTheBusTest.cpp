// The whole program as a process: on the test's private session bus it is the
// media player the desktop finds; without a bus it runs and says nothing.
#include "app/ProgramCopy.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

constexpr char kQuietSettings[] = "[General]\r\nVersion=5.7\r\n";
const QString kName = QStringLiteral("org.mpris.MediaPlayer2.vantor");

bool WaitForName(int timeoutMs = 15000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (QDBusConnection::sessionBus().interface()->isServiceRegistered(kName))
            return true;
        QThread::msleep(50);
    }
    return false;
}

TEST(ProgramOnTheBus, TheDesktopFindsThePlayerAndQuitEndsItAsExitDoes)
{
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    program.WriteSettings(kQuietSettings);
    auto process = program.Start();
    ASSERT_TRUE(WaitForName());

    QDBusInterface root(kName, QStringLiteral("/org/mpris/MediaPlayer2"), QStringLiteral("org.mpris.MediaPlayer2"));
    EXPECT_EQ(root.property("Identity").toString(), QStringLiteral("Vantor"));
    EXPECT_EQ(root.property("DesktopEntry").toString(), QStringLiteral("vantor"));
    const QDBusReply<void> quit = root.call(QStringLiteral("Quit"));
    EXPECT_TRUE(quit.isValid());
    ASSERT_TRUE(process->waitForFinished(15000));
    EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process->exitCode(), 0);
    EXPECT_TRUE(program.ReadSettings().contains("[Settings]")) << program.ReadSettings().constData();
}

TEST(ProgramOnTheBus, WithoutASessionBusTheProgramRunsAndSaysNothing)
{
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    program.WriteSettings(kQuietSettings);
    QProcessEnvironment noBus;
    noBus.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/bus"));
    auto process = program.Start({}, noBus);
    ASSERT_TRUE(program.WaitListening());
    QThread::msleep(300);
    EXPECT_EQ(ProgramCopy::SignalAndWait(*process, SIGTERM), 0);
    EXPECT_EQ(process->readAllStandardError(), QByteArray());
}

}  // namespace
