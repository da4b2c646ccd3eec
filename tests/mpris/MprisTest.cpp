// The program as the desktop's media controls see it: a client on the private
// session bus reads the state of play and calls the transport, and the player
// on the simulated media layer does what its own menu would.
#include "mpris/MprisFixture.h"

#include "controls/sliders/ScrollCodes.h"
#include "controls/sliders/TSoundBar.h"
#include "platform/audio/AuxVolume.h"
#include "platform/paths/PathNamespace.h"
#include "player/PlayerIds.h"

#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDialog>
#include <QUrl>

#include <functional>

namespace mpristest {
namespace {

using namespace player;

const QString kNoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

class MprisTest : public MprisFixture {
protected:
    // Continuous Loop and Random Order off: Next takes the next song or none.
    void InOrderOnce()
    {
        for (int option : {kOptContinuousLoop, kOptRandomOrder})
            if (Console().IsChecked(option))
                frame->RouteCommand(option);
    }
    QString Status() { return Property("PlaybackStatus").toString(); }
    static QString Title(const QVariant& metadata)
    {
        return metadata.toMap().value(QStringLiteral("xesam:title")).toString();
    }
};

TEST_F(MprisTest, StatusPositionAndMetadataOfTheCurrentSong)
{
    StartPlayer();
    EXPECT_EQ(Status(), QStringLiteral("Stopped"));
    const QString songFile = drive.writeFile(QStringLiteral("music/Minuet in G.mid"));
    const std::string song = platform::FromLinuxPath(songFile.toStdString()).value_or("");
    sim.addSong(song, 92000);
    const QString album = drive.writeFile(QStringLiteral("music/Party Mix.alb"), "0\r\n" + QByteArray(song.c_str()));
    ASSERT_EQ(Console().LoadAlbum(platform::FromLinuxPath(album.toStdString()).value_or("")), 0);
    ASSERT_EQ(Console().PlaySong(0), 0);
    sim.advance(1500);
    EXPECT_EQ(Status(), QStringLiteral("Playing"));
    EXPECT_EQ(Property("Position").toLongLong(), 1500000);

    const QVariantMap meta = Property("Metadata").toMap();
    EXPECT_EQ(meta.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Minuet in G.mid"));
    EXPECT_EQ(meta.value(QStringLiteral("xesam:url")).toString(), QUrl::fromLocalFile(songFile).toString());
    EXPECT_EQ(meta.value(QStringLiteral("mpris:length")).toLongLong(), 92000000);
    EXPECT_EQ(meta.value(QStringLiteral("xesam:album")).toString(), QStringLiteral("Party Mix"));
    EXPECT_NE(meta.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(), kNoTrack);

    frame->RouteCommand(kCmdPause);
    EXPECT_EQ(Status(), QStringLiteral("Paused"));

    // No song: only the interface's "no track".
    Console().ClearAlbum();
    const QVariantMap none = Property("Metadata").toMap();
    EXPECT_EQ(none.keys(), QStringList{QStringLiteral("mpris:trackid")});
    EXPECT_EQ(none.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(), kNoTrack);
}

TEST_F(MprisTest, TransportAndSeekCallsRunThePlayersCommands)
{
    StartPlayer();
    InOrderOnce();
    const std::string a = AddSong("a.mid", 60000);
    const std::string b = AddSong("b.mid", 60000);
    ASSERT_EQ(Console().PlaySong(0), 0);
    sim.advance(1000);
    Call(kPlayer, "Seek", {qlonglong{2000000}});
    EXPECT_EQ(DevicePosition(), 3000u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.seeks == std::vector<qlonglong>{3000000}; }, 5000));
    // SetPosition for a song that is not the current one is stale.
    Call(kPlayer, "SetPosition", {QVariant::fromValue(QDBusObjectPath(kNoTrack)), qlonglong{30000000}});
    EXPECT_EQ(DevicePosition(), 3000u);
    const QVariant current = Property("Metadata").toMap().value(QStringLiteral("mpris:trackid"));
    Call(kPlayer, "SetPosition", {current, qlonglong{30000000}});
    EXPECT_EQ(DevicePosition(), 30000u);
    // Before the start is the start; past the end is the next song.
    Call(kPlayer, "Seek", {qlonglong{-60000000}});
    EXPECT_EQ(DevicePosition(), 0u);
    Call(kPlayer, "Seek", {qlonglong{61000000}});
    EXPECT_EQ(Playing(), b);

    // Pause on a paused song leaves it paused; PlayPause resumes it.
    Call(kPlayer, "Pause");
    Call(kPlayer, "Pause");
    EXPECT_TRUE(Console().IsPaused());
    Call(kPlayer, "PlayPause");
    EXPECT_FALSE(Console().IsPaused());
    // The last song has no next one without Continuous Loop: Next changes nothing.
    EXPECT_FALSE(Property("CanGoNext").toBool());
    Call(kPlayer, "Next");
    EXPECT_EQ(Playing(), b);
    Call(kPlayer, "Previous");
    EXPECT_EQ(Playing(), a);
    Call(kPlayer, "Next");
    EXPECT_EQ(Playing(), b);
    Call(kPlayer, "Stop");
    EXPECT_TRUE(Console().IsStopped());
    Call(kPlayer, "Play");
    EXPECT_FALSE(Console().IsStopped());

    // A file goes to the application as a second copy's would; other places are refused.
    Call(kPlayer, "OpenUri", {QStringLiteral("file:///music/Party%20Mix.alb")});
    EXPECT_EQ(Call(kPlayer, "OpenUri", {QStringLiteral("http://example.org/a.mid")}).type(),
              QDBusMessage::ErrorMessage);
    EXPECT_EQ(opened, QStringList{QStringLiteral("/music/Party Mix.alb")});
}

TEST_F(MprisTest, PropertiesChangedFollowsThePlayerAndTheVolume)
{
    StartPlayer("[General]\r\nVersion=5.7\r\n[Settings]\r\nAuxOutDevice=1\r\n");
    InOrderOnce();
    AddSong("a.mid", 2000);
    AddSong("b.mid", 2000);
    ASSERT_EQ(Console().PlaySong(0), 0);
    EXPECT_EQ(WaitForChange("PlaybackStatus").toString(), QStringLiteral("Playing"));
    EXPECT_EQ(Title(WaitForChange("Metadata")), QStringLiteral("a.mid"));

    // The song ends and the next one starts by itself.
    log.changes.clear();
    sim.advance(2000);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Title(WaitForChange("Metadata")), QStringLiteral("b.mid"));
    EXPECT_FALSE(WaitForChange("CanGoNext").toBool());

    // A pause changes the status alone.
    log.changes.clear();
    frame->RouteCommand(kCmdPause);
    EXPECT_EQ(WaitForChange("PlaybackStatus").toString(), QStringLiteral("Paused"));
    EXPECT_EQ(log.changes.back().keys(), QStringList{QStringLiteral("PlaybackStatus")});

    // The volume bar on the program's own output and the applet's volume are one.
    frame->VolumeSlider()->Scroll(SB_THUMBTRACK, 2500);
    EXPECT_NEAR(WaitForChange("Volume").toDouble(), 0.25, 0.001);
    Call("org.freedesktop.DBus.Properties", "Set",
         {QString::fromLatin1(kPlayer), QStringLiteral("Volume"), QVariant::fromValue(QDBusVariant(0.5))});
    std::uint32_t word = 0;
    ASSERT_EQ(platform::auxGetVolume(0, &word), platform::MMSYSERR_NOERROR);
    EXPECT_NEAR((word & 0xFFFFu) / 65535.0, 0.5, 0.001);
    EXPECT_EQ(frame->VolumeSlider()->GetPosition(), 5000);
}

TEST_F(MprisTest, CallsWhileTheProgramWaitsAreDropped)
{
    StartPlayer();
    InOrderOnce();
    const std::string a = AddSong("a.mid", 60000);
    AddSong("b.mid", 60000);
    ASSERT_EQ(Console().PlaySong(0), 0);
    QDialog dialog(frame.get());
    dialog.setModal(true);
    const std::pair<std::function<void()>, std::function<void()>> waits[] = {
        {[&] { frame->BeginBusy(kBusyOpeningSong); }, [&] { frame->EndBusy(true); }},
        {[&] { dialog.show(); }, [&] { dialog.hide(); }},
    };
    for (const auto& [begin, end] : waits) {
        begin();
        Call(kPlayer, "Pause");
        Call(kPlayer, "Next");
        end();
        QCoreApplication::processEvents();
        EXPECT_FALSE(Console().IsPaused());
        EXPECT_EQ(Playing(), a);
    }
    Call(kPlayer, "Pause");
    EXPECT_TRUE(Console().IsPaused());
}

}  // namespace
}  // namespace mpristest
