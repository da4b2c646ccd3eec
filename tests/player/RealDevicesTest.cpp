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
#include "platform/paths/PathNamespace.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <algorithm>
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

}  // namespace
}  // namespace playertest
