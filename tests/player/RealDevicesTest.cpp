// One run of the console through the real devices: the generated MIDI, wave and
// video songs play from first to last through their end notifications, into no
// sound, on the window's own tick timer.

#include "player/PlayerFixture.h"

#include "album/FormatText.h"
#include "platform/mci/DriverBackend.h"
#include "platform/mci/Mci.h"
#include "platform/mci/MciConstants.h"
#include "platform/media/SoundOutput.h"
#include "platform/gst/GstRegistration.h"
#include "platform/midi/SequencerRegistration.h"
#include "platform/midi/SynthHost.h"
#include "platform/paths/PathNamespace.h"
#include "platform/ui/MessageBox.h"
#include "settings/SoundFontSetting.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempDrive.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <utility>

using namespace player;

namespace playertest {
namespace {

class RealDevicesTest : public PlayerFixture {
protected:
    void SetUp() override
    {
        PlayerFixture::SetUp();
        const QString dataDir = qEnvironmentVariable("VANTOR_TEST_DATA") + "/testdata/";
        for (const char* name : {"song2s.mid", "tone1s.wav", "clip1s.avi"}) {
            ASSERT_TRUE(QFile::exists(dataDir + name)) << "generated test media missing: " << name;
            const auto drivePath = platform::FromLinuxPath((dataDir + name).toStdString());
            ASSERT_TRUE(drivePath.has_value()) << name;
            songs.push_back(*drivePath);
        }
        platform::SoundOutput::instance().forceNullOutput(true);
        platform::RegisterSequencerDriver();
        platform::RegisterGstDrivers();
        mci::SetBackend(&real);
        installed_ = true;
    }

    void TearDown() override
    {
        // The window closes its device on the backend that opened it.
        PlayerFixture::TearDown();
        if (installed_)
            mci::SetBackend(&sim);
    }

    // The length in milliseconds the song's own driver reports, on a device of its own.
    static std::uint32_t DriverLength(const std::string& element)
    {
        mci::OpenParms open;
        open.lpstrElementName = element.c_str();
        if (mci::SendCommand(0, mci::MCI_OPEN, mci::MCI_OPEN_ELEMENT, &open) != 0)
            return 0;
        mci::SetParms set;
        set.dwTimeFormat = mci::MCI_FORMAT_MILLISECONDS;
        mci::StatusParms status;
        status.dwItem = mci::MCI_STATUS_LENGTH;
        const bool ok = mci::SendCommand(open.wDeviceID, mci::MCI_SET, mci::MCI_SET_TIME_FORMAT, &set) == 0
                        && mci::SendCommand(open.wDeviceID, mci::MCI_STATUS, mci::MCI_STATUS_ITEM, &status) == 0;
        mci::GenericParms close;
        mci::SendCommand(open.wDeviceID, mci::MCI_CLOSE, 0, &close);
        return ok ? status.dwReturn : 0;
    }

    std::vector<std::string> songs;
    mci::RegistryDriverSource source;
    mci::SteadyClock clock;
    mci::DriverBackend real{source, clock};

private:
    bool installed_ = false;
};

TEST_F(RealDevicesTest, TheQueuePlaysFromFirstToLastThroughEndNotifications)
{
    // What each read-out must show: the song's number and its driver's length.
    std::vector<std::pair<std::string, std::string>> expected;
    const std::pair<std::uint32_t, std::uint32_t> plausibleMs[] = {{1500, 2500}, {500, 1500}, {500, 1500}};
    for (std::size_t i = 0; i < songs.size(); ++i) {
        const std::uint32_t length = DriverLength(songs[i]);
        EXPECT_GE(length, plausibleMs[i].first) << songs[i];
        EXPECT_LE(length, plausibleMs[i].second) << songs[i];
        expected.emplace_back(FormatText("%.3d", static_cast<int>(i + 1)),
                              FormatMinSec(static_cast<int>(length / 1000)));
        ASSERT_GE(queue->AddSong(songs[i].c_str()), 0) << songs[i];
    }
    EXPECT_EQ(Text(resources::IDC_SONG_COUNT), "003");
    Check(kOptContinuousLoop, false);
    Check(kOptRandomOrder, false);

    QElapsedTimer clockOnWall;
    clockOnWall.start();
    ASSERT_EQ(window->PlaySong(0), 0);

    // The read-outs as each song starts: a new number, or the same number with its length filled in.
    std::vector<std::pair<std::string, std::string>> shown;
    const auto successes = [&] {
        return std::count(notifications.codes.begin(), notifications.codes.end(), mci::MCI_NOTIFY_SUCCESSFUL);
    };
    while (clockOnWall.elapsed() < 15000 && !(successes() >= 3 && window->IsStopped())) {
        const std::pair<std::string, std::string> now{SongNumber(), Length()};
        if (!now.second.empty() && (shown.empty() || shown.back() != now))
            shown.push_back(now);
        QTest::qWait(10);
    }
    const qint64 tookMs = clockOnWall.elapsed();

    EXPECT_EQ(shown, expected);
    EXPECT_EQ(successes(), 3);
    EXPECT_TRUE(window->IsStopped());
    EXPECT_EQ(window->currentSong, 2);
    EXPECT_EQ(SongNumber(), "003");
    EXPECT_EQ(Length(), expected.back().second);
    EXPECT_EQ(queue->GetSelIndex(), 2);
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes().front().text.toStdString();
    // The songs run in real time: no end comes before its song has had its length.
    EXPECT_GE(tookMs, 3000);
}

// Files a user may have that cannot be played: each stops the player with the
// device's error box, and the next good song still plays.
TEST_F(RealDevicesTest, DamagedSongsStopThePlayerWithTheErrorBox)
{
    const QString dataDir = qEnvironmentVariable("VANTOR_TEST_DATA") + "/testdata/";
    QFile midiFile(dataDir + "song2s.mid");
    ASSERT_TRUE(midiFile.open(QIODevice::ReadOnly));
    const QByteArray midi = midiFile.readAll();
    QFile waveFile(dataDir + "tone1s.wav");
    ASSERT_TRUE(waveFile.open(QIODevice::ReadOnly));
    const QByteArray wave = waveFile.readAll();
    QByteArray noise(8192, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919 + i / 13) & 0xFF);

    struct Case {
        const char* name;
        QByteArray contents;  // null: no file at all
    };
    const Case cases[] = {
        {"text.mid", "This is a text file, not a song.\n"},
        {"cut.mid", midi.left(10)},
        {"noise.wav", noise},
        {"noise.avi", noise},
        {"empty.avi", QByteArray("")},
        {"missing.mid", QByteArray()},
    };
    TempDrive drive{'d'};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.contents.isNull())
            drive.writeFile(c.name, c.contents);
        queue->ClearList();
        ASSERT_GE(queue->AddSong(drive.path(c.name).c_str()), 0);
        ASSERT_GE(queue->AddSong(songs[1].c_str()), 0);
        boxes.clear();
        EXPECT_EQ(window->PlaySong(0), -1);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_TRUE(boxes.boxes()[0].style & platform::MB_ICONEXCLAMATION);
        EXPECT_TRUE(window->IsStopped());
        EXPECT_FALSE(window->device.IsOpen());
        EXPECT_EQ(window->PlaySong(1), 0);
        window->StopSong();
    }

    // A wave whose header claims more sound than the file holds plays what it has.
    QByteArray liar = wave;
    const auto grow = [&liar](int at) {
        quint32 size = 0;
        std::memcpy(&size, liar.constData() + at, 4);
        size *= 4;
        std::memcpy(liar.data() + at, &size, 4);
    };
    grow(4);
    grow(liar.indexOf("data") + 4);
    drive.writeFile("liar.wav", liar);
    queue->ClearList();
    ASSERT_GE(queue->AddSong(drive.path("liar.wav").c_str()), 0);
    boxes.clear();
    ASSERT_EQ(window->PlaySong(0), 0);
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < 8000 && !window->IsStopped())
        QTest::qWait(10);
    EXPECT_TRUE(window->IsStopped());
    EXPECT_TRUE(boxes.boxes().empty());
}

// Options > Controls > SoundFont: a damaged file is refused with its reason and
// changes nothing; a good one is stored and heard from the next song on.
TEST_F(RealDevicesTest, ASoundFontChosenFromTheMenuIsTriedAndPlaysFromTheNextSong)
{
    platform::SynthHost& host = platform::SynthHost::instance();
    const QString installed = QString::fromStdString(platform::SynthHost::findSoundFont());
    QFile source(installed);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << "no General MIDI SoundFont installed";
    const QByteArray font = source.readAll();
    TempDrive drive{'d'};
    const QString good = drive.writeFile("Fonts/My Good Font.sf2", font);
    const QString cut = drive.writeFile("Fonts/cut.sf2", font.left(4096));
    window->settingsPath = drive.path("vantor.ini");
    ScriptedFileDialogs dialogs;
    dialogs.choose({*platform::FromLinuxPath(cut.toStdString())});
    dialogs.choose({*platform::FromLinuxPath(good.toStdString())});
    ASSERT_GE(queue->AddSong(songs[0].c_str()), 0);
    ASSERT_EQ(window->PlaySong(0), 0);

    EXPECT_TRUE(window->HandleCommand(resources::CM_SOUND_FONT));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const QString refusal = "Cannot load SoundFont '" + cut + "'\n\n";
    const QString& text = boxes.boxes()[0].text;
    EXPECT_TRUE(text.startsWith(refusal) && text.size() > refusal.size()) << "with the reason: " << text.toStdString();
    EXPECT_EQ(settings::ReadSoundFontSetting(window->settingsPath), "");

    EXPECT_TRUE(window->HandleCommand(resources::CM_SOUND_FONT));
    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(settings::ReadSoundFontSetting(window->settingsPath), good.toStdString());
    EXPECT_EQ(dialogs.dialogs().back().request.initialDirectory,
              platform::FromLinuxPath(QFileInfo(installed).path().toStdString()));
    EXPECT_EQ(host.soundFontPath(), installed.toStdString()) << "the song playing keeps its sound";

    ASSERT_EQ(window->PlaySong(0), 0);
    EXPECT_EQ(host.soundFontPath(), good.toStdString());
    EXPECT_EQ(fluid_synth_sfcount(host.synth()), 1) << "the old SoundFont is let go";
    QTest::qWait(200);
    EXPECT_GT(window->device.Status(mci::MCI_STATUS_ITEM, mci::MCI_STATUS_POSITION, 0), 0u);
    host.setChosenSoundFont("");
}

}  // namespace
}  // namespace playertest
