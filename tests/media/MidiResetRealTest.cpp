// The custom reset on the program's own backend: the generated reset.mid
// played through the command string on the real sequencer, into no sound.

#include "media/MidiReset.h"
#include "platform/mci/Mci.h"
#include "platform/media/SoundOutput.h"
#include "platform/midi/SequencerRegistration.h"
#include "support/RecordingMidiOut.h"
#include "support/ScriptedMessageBoxes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class NoChecks : public CheckMarks {
public:
    void SetChecked(int, bool) override {}
};

// The drive path of a Linux directory on z:, the drive of the root directory.
std::string drivePath(const QString& dir)
{
    QString path = "z:" + QDir::cleanPath(dir);
    path.replace('/', '\\');
    return path.toStdString();
}

class MidiResetRealTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dataDir_ = qEnvironmentVariable("VANTOR_TEST_DATA");
        if (dataDir_.isEmpty() || !QFile::exists(dataDir_ + "/reset.mid"))
            GTEST_SKIP() << "the generated reset.mid is not there";
        platform::SoundOutput::instance().forceNullOutput(true);
        platform::RegisterSequencerDriver();
    }

    QString dataDir_;
    NoChecks checks;
    ScriptedMessageBoxes boxes;
};

TEST_F(MidiResetRealTest, PlaysTheGeneratedResetFileToItsEnd)
{
    QTemporaryDir temp(QDir::tempPath() + "/vantor reset XXXXXX");
    ASSERT_TRUE(temp.isValid());
    ASSERT_TRUE(QFile::copy(dataDir_ + "/reset.mid", temp.path() + "/reset.mid"));
    for (const QString& dir : {dataDir_, temp.path()}) {
        SCOPED_TRACE(dir.toStdString());
        MidiReset reset(checks, drivePath(dir), &RecordingMidiOut::create);
        reset.SetResetMode(MidiReset::kCmdCustomReset);
        QElapsedTimer timer;
        timer.start();
        reset.ResetSynth();
        EXPECT_TRUE(boxes.boxes().empty());
        EXPECT_EQ(reset.resetMode, MidiReset::kModeCustom);
        // The file holds about 100 ms of events; the wait lasts until they are played.
        EXPECT_GE(timer.elapsed(), 80);
    }
}

TEST_F(MidiResetRealTest, MissingFileFallsBackToFullReset)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    MidiReset reset(checks, drivePath(empty.path()), &RecordingMidiOut::create);
    reset.SetResetMode(MidiReset::kCmdCustomReset);
    reset.ResetSynth();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(reset.resetMode, MidiReset::kModeFull);
}

}  // namespace
