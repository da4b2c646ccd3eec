// The layer's end-of-play notification on the simulated backend: the code of
// each way a play ends, posted (never sent) to the callback object.

#include "platform/mci/Mci.h"
#include "platform/mci/MciNotifyEvent.h"
#include "support/SimulatedMci.h"

#include <QCoreApplication>
#include <QObject>
#include <gtest/gtest.h>

#include <functional>

using namespace mci;

namespace {

class NotifySink : public QObject {
public:
    struct Note {
        std::uint32_t code;
        DeviceId device;
    };
    bool event(QEvent* e) override
    {
        if (e->type() != MM_MCINOTIFY())
            return QObject::event(e);
        const auto* n = static_cast<MciNotifyEvent*>(e);
        notes.push_back({n->code(), n->deviceId()});
        return true;
    }
    std::vector<Note> notes;
};

class MciNotifyTest : public ::testing::Test {
protected:
    MciNotifyTest()
    {
        sim.addSong("c:\\music\\a.mid", 3000);
        sim.addSong("c:\\music\\stall.mid", 5000, SimBehaviour::Stalls, 1200);
        sim.addSong("c:\\music\\fail.wav", 5000, SimBehaviour::FailsDuringPlay, 2000);
        sim.addSong("c:\\music\\lost.avi", 1000, SimBehaviour::LosesNotification);
        sim.addSong("c:\\music\\noplay.mid", 1000, SimBehaviour::FailsToPlay);
    }

    DeviceId open(const char* element)
    {
        OpenParms p;
        p.lpstrElementName = element;
        EXPECT_EQ(SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, &p), 0u);
        return p.wDeviceID;
    }

    ErrorCode play(DeviceId id, QObject* callback, std::uint32_t flags = MCI_NOTIFY, std::uint32_t from = 0,
                   std::uint32_t to = 0)
    {
        PlayParms p;
        p.dwCallback = callback;
        p.dwFrom = from;
        p.dwTo = to;
        return SendCommand(id, MCI_PLAY, flags, &p);
    }

    static void deliver() { QCoreApplication::sendPostedEvents(); }

    SimulatedMci sim;
    NotifySink sink;
};

TEST_F(MciNotifyTest, SuccessfulAtTheEndAndQueuedNotSent)
{
    const DeviceId id = open("c:\\music\\a.mid");
    ASSERT_EQ(play(id, &sink), 0u);
    sim.advance(2999);
    deliver();
    EXPECT_TRUE(sink.notes.empty());
    sim.advance(1);
    EXPECT_TRUE(sink.notes.empty()) << "must be posted, not delivered at once";
    deliver();
    ASSERT_EQ(sink.notes.size(), 1u);
    EXPECT_EQ(sink.notes[0].code, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(sink.notes[0].device, id);
    sim.advance(5000);
    deliver();
    EXPECT_EQ(sink.notes.size(), 1u);
}

TEST_F(MciNotifyTest, PlayRangeEndsAtItsEndPoint)
{
    const DeviceId id = open("c:\\music\\a.mid");
    ASSERT_EQ(play(id, &sink, MCI_NOTIFY | MCI_FROM | MCI_TO, 1000, 1500), 0u);
    sim.advance(499);
    deliver();
    EXPECT_TRUE(sink.notes.empty());
    sim.advance(1);
    deliver();
    ASSERT_EQ(sink.notes.size(), 1u);
    EXPECT_EQ(sink.notes[0].code, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(sim.positionOf("c:\\music\\a.mid"), 1500u);
}

TEST_F(MciNotifyTest, NewPlaySupersedesThePendingOne)
{
    const DeviceId id = open("c:\\music\\a.mid");
    NotifySink second;
    ASSERT_EQ(play(id, &sink), 0u);
    sim.advance(1000);
    ASSERT_EQ(play(id, &second, MCI_NOTIFY | MCI_FROM, 0), 0u);
    deliver();
    ASSERT_EQ(sink.notes.size(), 1u);
    EXPECT_EQ(sink.notes[0].code, MCI_NOTIFY_SUPERSEDED);
    EXPECT_TRUE(second.notes.empty());
    sim.advance(3000);
    deliver();
    ASSERT_EQ(second.notes.size(), 1u);
    EXPECT_EQ(second.notes[0].code, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(sink.notes.size(), 1u);
}

TEST_F(MciNotifyTest, StopPauseSeekAndCloseAbortThePendingPlay)
{
    const std::vector<std::pair<const char*, std::function<void(DeviceId)>>> interruptions{
        {"stop", [](DeviceId id) { GenericParms p; SendCommand(id, MCI_STOP, MCI_WAIT, &p); }},
        {"pause", [](DeviceId id) { GenericParms p; SendCommand(id, MCI_PAUSE, MCI_WAIT, &p); }},
        {"seek", [](DeviceId id) { SeekParms p; SendCommand(id, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, &p); }},
        {"close", [](DeviceId id) { GenericParms p; SendCommand(id, MCI_CLOSE, MCI_WAIT, &p); }},
    };
    for (const auto& [name, interrupt] : interruptions) {
        SCOPED_TRACE(name);
        sink.notes.clear();
        const DeviceId id = open("c:\\music\\a.mid");
        ASSERT_EQ(play(id, &sink), 0u);
        sim.advance(500);
        interrupt(id);
        deliver();
        ASSERT_EQ(sink.notes.size(), 1u);
        EXPECT_EQ(sink.notes[0].code, MCI_NOTIFY_ABORTED);
        EXPECT_EQ(sink.notes[0].device, id);
        sim.advance(5000);
        deliver();
        EXPECT_EQ(sink.notes.size(), 1u);
        GenericParms p;
        SendCommand(id, MCI_CLOSE, 0, &p);
    }
    EXPECT_EQ(sim.openDevices(), 0u);
}

TEST_F(MciNotifyTest, FailureWhenTheDriverStopsShortOfTheEnd)
{
    const DeviceId id = open("c:\\music\\fail.wav");
    ASSERT_EQ(play(id, &sink), 0u);
    sim.advance(2500);
    deliver();
    ASSERT_EQ(sink.notes.size(), 1u);
    EXPECT_EQ(sink.notes[0].code, MCI_NOTIFY_FAILURE);
}

TEST_F(MciNotifyTest, StalledSongStopsAdvancingAndNeverNotifies)
{
    const DeviceId id = open("c:\\music\\stall.mid");
    ASSERT_EQ(play(id, &sink), 0u);
    sim.advance(1000);
    EXPECT_EQ(sim.positionOf("c:\\music\\stall.mid"), 1000u);
    sim.advance(60000);
    deliver();
    EXPECT_EQ(sim.positionOf("c:\\music\\stall.mid"), 1200u);
    EXPECT_TRUE(sim.isPlaying("c:\\music\\stall.mid"));
    EXPECT_TRUE(sink.notes.empty());
    StatusParms st;
    st.dwItem = MCI_STATUS_MODE;
    ASSERT_EQ(SendCommand(id, MCI_STATUS, MCI_STATUS_ITEM, &st), 0u);
    EXPECT_EQ(st.dwReturn, MCI_MODE_PLAY);
}

TEST_F(MciNotifyTest, LostNotificationStopsAtTheEndSilently)
{
    const DeviceId id = open("c:\\music\\lost.avi");
    ASSERT_EQ(play(id, &sink), 0u);
    sim.advance(2000);
    deliver();
    EXPECT_TRUE(sink.notes.empty());
    EXPECT_FALSE(sim.isPlaying("c:\\music\\lost.avi"));
    StatusParms st;
    st.dwItem = MCI_STATUS_POSITION;
    ASSERT_EQ(SendCommand(id, MCI_STATUS, MCI_STATUS_ITEM, &st), 0u);
    EXPECT_EQ(st.dwReturn, 1000u);
}

TEST_F(MciNotifyTest, PlayThatCannotStartLeavesNothingPending)
{
    const DeviceId id = open("c:\\music\\noplay.mid");
    EXPECT_EQ(play(id, &sink), MCIERR_HARDWARE);
    GenericParms p;
    SendCommand(id, MCI_STOP, MCI_WAIT, &p);
    deliver();
    EXPECT_TRUE(sink.notes.empty());
}

TEST_F(MciNotifyTest, PauseThenPlayFromHereGoesOnToTheEnd)
{
    const DeviceId id = open("c:\\music\\a.mid");
    ASSERT_EQ(play(id, &sink), 0u);
    sim.advance(1000);
    GenericParms p;
    SendCommand(id, MCI_PAUSE, MCI_WAIT, &p);
    EXPECT_TRUE(sim.isPaused("c:\\music\\a.mid"));
    sim.advance(10000);
    EXPECT_EQ(sim.positionOf("c:\\music\\a.mid"), 1000u);
    ASSERT_EQ(play(id, &sink), 0u);
    sim.advance(2000);
    deliver();
    ASSERT_EQ(sink.notes.size(), 2u);
    EXPECT_EQ(sink.notes[0].code, MCI_NOTIFY_ABORTED);
    EXPECT_EQ(sink.notes[1].code, MCI_NOTIFY_SUCCESSFUL);
}

TEST_F(MciNotifyTest, NotificationToADeletedObjectIsDropped)
{
    const DeviceId id = open("c:\\music\\a.mid");
    auto* gone = new NotifySink;
    ASSERT_EQ(play(id, gone), 0u);
    sim.advance(1000);
    delete gone;
    sim.advance(2000);
    deliver();
    EXPECT_FALSE(sim.isPlaying("c:\\music\\a.mid"));
}

}  // namespace
