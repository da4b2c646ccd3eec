// The whole program as a process: without a session bus it runs and says
// nothing; on the test's private bus it is the media player the desktop finds.
#include "app/ProgramCopy.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

TEST(ProgramOnTheBus, RunsSilentlyWithoutABusAndOnOneQuitEndsItAsExitDoes)
{
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    program.WriteSettings("[General]\r\nVersion=5.7\r\n");
    QProcessEnvironment noBus;
    noBus.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/bus"));
    auto alone = program.Start({}, noBus);
    ASSERT_TRUE(program.WaitListening());
    QTest::qWait(300);
    EXPECT_EQ(ProgramCopy::SignalAndWait(*alone, SIGTERM), 0);
    EXPECT_EQ(alone->readAllStandardError(), QByteArray());

    auto process = program.Start();
    const QString name = QStringLiteral("org.mpris.MediaPlayer2.vantor");
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bus->isServiceRegistered(name); }, 15000));
    QDBusInterface root(name, QStringLiteral("/org/mpris/MediaPlayer2"), QStringLiteral("org.mpris.MediaPlayer2"));
    EXPECT_EQ(root.property("Identity").toString(), QStringLiteral("Vantor"));
    program.WriteSettings("[General]\r\nVersion=5.7\r\n");
    EXPECT_TRUE(QDBusReply<void>(root.call(QStringLiteral("Quit"))).isValid());
    ASSERT_TRUE(process->waitForFinished(15000));
    EXPECT_EQ(process->exitCode(), 0);
    // Ended as Exit ends it: the settings were saved.
    EXPECT_TRUE(program.ReadSettings().contains("[Settings]")) << program.ReadSettings().constData();
}
