// The program as the desktop's media controls see it: a client on the private
// session bus reads the state of play and calls the transport, and the player
// on the simulated media layer does what its own menu would.
#include "mpris/MprisFixture.h"

#include "album/TQueueList.h"
#include "controls/sliders/ScrollCodes.h"
#include "controls/sliders/TSoundBar.h"
#include "platform/audio/AuxVolume.h"
#include "platform/paths/PathNamespace.h"
#include "player/PlayerIds.h"
#include "resources/CommandIds.h"

#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDialog>
#include <QUrl>

#include <functional>

namespace mpristest {
namespace {

using namespace resources;

class MprisTest : public MprisFixture {
protected:
    void SetOption(int option, bool on)
    {
        if (Console().IsChecked(option) != on)
            frame->RouteCommand(option);
    }
    std::string Playing() const
    {
        const char* element = Console().device.ElementName();
        return element != nullptr ? element : "";
    }
};

TEST_F(MprisTest, StatusAndPositionFollowThePlayersOwnCommands)
{
    StartPlayer();
    EXPECT_EQ(Property("Identity", kRoot).toString(), QStringLiteral("Vantor"));
    EXPECT_EQ(Property("PlaybackStatus").toString(), QStringLiteral("Stopped"));
    EXPECT_FALSE(Property("CanPlay").toBool());

    AddSong("one.mid", 60000);
    ASSERT_EQ(Console().PlaySong(0), 0);
    sim.advance(1500);
    EXPECT_EQ(Property("PlaybackStatus").toString(), QStringLiteral("Playing"));
    EXPECT_EQ(Property("Position").toLongLong(), 1500000);
    EXPECT_TRUE(Property("CanSeek").toBool());

    frame->RouteCommand(CM_PAUSE);
    sim.advance(1000);
    EXPECT_EQ(Property("PlaybackStatus").toString(), QStringLiteral("Paused"));
    EXPECT_EQ(Property("Position").toLongLong(), 1500000);

    frame->RouteCommand(CM_STOP);
    EXPECT_EQ(Property("PlaybackStatus").toString(), QStringLiteral("Stopped"));
    EXPECT_FALSE(Property("CanSeek").toBool());
    EXPECT_TRUE(Property("CanPlay").toBool());
}

TEST_F(MprisTest, MetadataNamesTheSongsFileItsLengthAndTheAlbum)
{
    StartPlayer();
    const QString songFile = drive.writeFile(QStringLiteral("music/Minuet in G.mid"));
    const std::string song = platform::FromLinuxPath(songFile.toStdString()).value_or("");
    sim.addSong(song, 92000);
    const QString album =
        drive.writeFile(QStringLiteral("music/Party Mix.alb"), QByteArray("0\r\n") + song.c_str() + "\r\n");
    ASSERT_EQ(Console().LoadAlbum(platform::FromLinuxPath(album.toStdString()).value_or("")), 0);
    ASSERT_EQ(Console().PlaySong(0), 0);

    const QVariantMap meta = Metadata();
    EXPECT_EQ(meta.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Minuet in G.mid"));
    EXPECT_EQ(meta.value(QStringLiteral("xesam:url")).toString(), QUrl::fromLocalFile(songFile).toString());
    EXPECT_EQ(meta.value(QStringLiteral("mpris:length")).toLongLong(), 92000000);
    EXPECT_EQ(meta.value(QStringLiteral("xesam:album")).toString(), QStringLiteral("Party Mix"));
    const QString track = meta.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path();
    EXPECT_TRUE(track.startsWith(QLatin1Char('/')) && !track.startsWith(QLatin1String("/org/mpris/"))) << track.toStdString();

    // No song: only the interface's "no track".
    Console().ClearAlbum();
    const QVariantMap none = Metadata();
    EXPECT_EQ(none.keys(), QStringList{QStringLiteral("mpris:trackid")});
    EXPECT_EQ(none.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
              QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
}

TEST_F(MprisTest, TransportCallsRunThePlayersCommands)
{
    StartPlayer();
    SetOption(CM_CONTINUOUS_LOOP, false);
    SetOption(CM_RANDOM_ORDER, false);
    const std::string a = AddSong("a.mid", 60000);
    const std::string b = AddSong("b.mid", 60000);
    const std::string c = AddSong("c.mid", 60000);
    ASSERT_EQ(Console().PlaySong(0), 0);

    Call(kPlayer, "Pause");
    EXPECT_TRUE(Console().IsPaused());
    // Pause on a paused song leaves it paused; PlayPause and Play resume.
    Call(kPlayer, "Pause");
    EXPECT_TRUE(Console().IsPaused());
    Call(kPlayer, "PlayPause");
    EXPECT_FALSE(Console().IsPaused());
    Call(kPlayer, "Next");
    EXPECT_EQ(Playing(), b);
    EXPECT_FALSE(Console().IsStopped());
    Call(kPlayer, "Previous");
    EXPECT_EQ(Playing(), a);
    EXPECT_FALSE(Property("CanGoPrevious").toBool());
    Call(kPlayer, "Next");
    Call(kPlayer, "Next");
    EXPECT_EQ(Playing(), c);
    // The last song without Continuous Loop has no next one: Next changes nothing.
    EXPECT_FALSE(Property("CanGoNext").toBool());
    Call(kPlayer, "Next");
    EXPECT_EQ(Playing(), c);
    EXPECT_FALSE(Console().IsStopped());

    Call(kPlayer, "Stop");
    EXPECT_TRUE(Console().IsStopped());
    Call(kPlayer, "Play");
    EXPECT_FALSE(Console().IsStopped());

    // A file goes to the application as a second copy's would; other places are refused.
    Call(kPlayer, "OpenUri", {QStringLiteral("file:///music/Party%20Mix.alb")});
    EXPECT_EQ(opened, QStringList{QStringLiteral("/music/Party Mix.alb")});
    const QDBusMessage refused = Call(kPlayer, "OpenUri", {QStringLiteral("http://example.org/a.mid")});
    EXPECT_EQ(refused.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(opened.size(), 1);
    Call(kRoot, "Raise");
    EXPECT_EQ(raised, 1);
}

TEST_F(MprisTest, SeekMovesTheSongAndSaysWhereItPlaysOn)
{
    StartPlayer();
    SetOption(CM_CONTINUOUS_LOOP, false);
    SetOption(CM_RANDOM_ORDER, false);
    AddSong("a.mid", 60000);
    const std::string b = AddSong("b.mid", 60000);
    ASSERT_EQ(Console().PlaySong(0), 0);
    sim.advance(1000);

    Call(kPlayer, "Seek", {qlonglong{2000000}});
    EXPECT_EQ(DevicePosition(), 3000u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log.seeks.empty(); }, 5000));
    EXPECT_EQ(log.seeks.back(), 3000000);

    // SetPosition for a song that is no longer current is stale.
    const QVariant noTrack = QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack")));
    Call(kPlayer, "SetPosition", {noTrack, qlonglong{30000000}});
    EXPECT_EQ(DevicePosition(), 3000u);
    const QVariant current = Metadata().value(QStringLiteral("mpris:trackid"));
    Call(kPlayer, "SetPosition", {current, qlonglong{30000000}});
    EXPECT_EQ(DevicePosition(), 30000u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.seeks.back() == 30000000; }, 5000));

    // Before the start is the start; past the end is the next song.
    Call(kPlayer, "Seek", {qlonglong{-60000000}});
    EXPECT_EQ(DevicePosition(), 0u);
    Call(kPlayer, "Seek", {qlonglong{61000000}});
    EXPECT_EQ(Playing(), b);
    EXPECT_EQ(DevicePosition(), 0u);
}

TEST_F(MprisTest, PropertiesChangedFollowsThePlayerAndTheVolume)
{
    StartPlayer("[General]\r\nVersion=5.7\r\n[Settings]\r\nAuxOutDevice=1\r\n");
    SetOption(CM_CONTINUOUS_LOOP, false);
    SetOption(CM_RANDOM_ORDER, false);
    AddSong("a.mid", 2000);
    AddSong("b.mid", 2000);
    log.changes.clear();
    ASSERT_EQ(Console().PlaySong(0), 0);
    EXPECT_EQ(WaitForChange("PlaybackStatus").toString(), QStringLiteral("Playing"));
    EXPECT_EQ(WaitForChange("Metadata").toMap().value(QStringLiteral("xesam:title")).toString(), QStringLiteral("a.mid"));

    // The song ends and the next one starts by itself.
    log.changes.clear();
    sim.advance(2000);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(WaitForChange("Metadata").toMap().value(QStringLiteral("xesam:title")).toString(), QStringLiteral("b.mid"));
    EXPECT_FALSE(WaitForChange("CanGoNext").toBool());

    // A pause changes the status alone.
    log.changes.clear();
    frame->RouteCommand(CM_PAUSE);
    EXPECT_EQ(WaitForChange("PlaybackStatus").toString(), QStringLiteral("Paused"));
    EXPECT_EQ(log.changes.back().keys(), QStringList{QStringLiteral("PlaybackStatus")});

    // The volume bar on the program's own output, and the applet's volume, are one.
    log.changes.clear();
    frame->VolumeSlider()->Scroll(SB_THUMBTRACK, 2500);
    EXPECT_NEAR(WaitForChange("Volume").toDouble(), 0.25, 0.001);
    Call("org.freedesktop.DBus.Properties", "Set",
         {QString::fromLatin1(kPlayer), QStringLiteral("Volume"), QVariant::fromValue(QDBusVariant(0.5))});
    std::uint32_t word = 0;
    ASSERT_EQ(platform::auxGetVolume(0, &word), platform::MMSYSERR_NOERROR);
    EXPECT_NEAR((word & 0xFFFFu) / 65535.0, 0.5, 0.001);
    EXPECT_EQ(frame->VolumeSlider()->GetPosition(), 5000);
    EXPECT_NEAR(Property("Volume").toDouble(), 0.5, 0.001);
}

TEST_F(MprisTest, CallsWhileTheProgramWaitsAreDropped)
{
    StartPlayer();
    SetOption(CM_RANDOM_ORDER, false);
    AddSong("a.mid", 60000);
    AddSong("b.mid", 60000);
    ASSERT_EQ(Console().PlaySong(0), 0);
    const std::string first = Playing();
    QDialog dialog(frame.get());
    dialog.setModal(true);
    struct Wait {
        const char* name;
        std::function<void()> begin;
        std::function<void()> end;
    };
    const Wait waits[] = {
        {"busy frame", [&] { frame->BeginBusy(player::kBusyOpeningSong); }, [&] { frame->EndBusy(true); }},
        {"modal dialog", [&] { dialog.show(); }, [&] { dialog.hide(); }},
    };
    for (const Wait& wait : waits) {
        wait.begin();
        Call(kPlayer, "Pause");
        Call(kPlayer, "Next");
        wait.end();
        QCoreApplication::processEvents();
        EXPECT_FALSE(Console().IsPaused()) << wait.name;
        EXPECT_EQ(Playing(), first) << wait.name;
    }
    Call(kPlayer, "Pause");
    EXPECT_TRUE(Console().IsPaused());
}

TEST_F(MprisFixture, WithoutABusOrWithTheNameTakenThePlayerGoesOnAlone)
{
    Start("[General]\r\nVersion=5.7\r\n");
    AddSong("a.mid", 60000);
    {
        mpris::MprisService offline(*frame, {});
        EXPECT_FALSE(offline.Register(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                                    QStringLiteral("mpris-test-nobus"))));
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("mpris-test-nobus"));

    QDBusConnection other =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("mpris-test-other"));
    ASSERT_TRUE(other.registerService(QString::fromLatin1(mpris::MprisService::kServiceName)));
    {
        mpris::MprisService second(*frame, {});
        EXPECT_FALSE(second.Register(QDBusConnection::sessionBus()));
        EXPECT_EQ(Console().PlaySong(0), 0);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("mpris-test-other"));
    // Gone with their services, the player calls neither.
    EXPECT_FALSE(Console().stateChanged);
    Console().StopSong();
}

}  // namespace
}  // namespace mpristest
