// With no SoundFont to be had, a MIDI song fails to open with the device's error
// box, and the status bar says why, once.

#include "frame/FrameFixture.h"
#include "frame/TMStatusBar.h"
#include "platform/mci/DriverBackend.h"
#include "platform/mci/MciErrorText.h"
#include "platform/media/SoundOutput.h"
#include "platform/midi/SequencerRegistration.h"
#include "platform/midi/SoundFontNotice.h"
#include "platform/midi/SynthHost.h"
#include "platform/paths/PathNamespace.h"

#include <QTemporaryDir>

namespace frametest {
namespace {

class NoSoundFontTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        platform::SoundOutput::instance().forceNullOutput(true);
        platform::RegisterSequencerDriver();
        mci::SetBackend(&real);
        // Nothing chosen, nothing installed.
        platform::SynthHost::instance().setSoundFontFolders({emptyFolder.path().toStdString()});
    }

    void TearDown() override
    {
        platform::SynthHost::instance().setSoundFontFolders(platform::SynthHost::defaultSoundFontFolders());
        mci::SetBackend(&sim);
        FrameFixture::TearDown();
    }

    QTemporaryDir emptyFolder;
    mci::RegistryDriverSource source;
    mci::SteadyClock clock;
    mci::DriverBackend real{source, clock};
};

TEST_F(NoSoundFontTest, MidiSongsFailWithTheDeviceErrorAndTheStatusBarSaysWhyOnce)
{
    const QString song = qEnvironmentVariable("VANTOR_TEST_DATA") + "/testdata/song2s.mid";
    ASSERT_GE(frame->QueueList()->AddSong(platform::FromLinuxPath(song.toStdString()).value_or("").c_str()), 0);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE(attempt);
        frame->ShowStatusText(nullptr);
        boxes.clear();
        // As a real box does, the waiting events run while it is open: the song is still opening then.
        boxes.whileOpen([] { QCoreApplication::processEvents(); });
        EXPECT_EQ(Console().PlaySong(0), -1);
        Deliver();
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text.toStdString(), mci::ErrorText(mci::MCIERR_SEQ_NOMIDIPRESENT));
        EXPECT_TRUE(Console().IsStopped());
        EXPECT_EQ(frame->StatusBar()->HintText().value_or("<none>").toStdString(),
                  attempt == 1 ? platform::SoundFontNotice::kText : "<none>");
    }
}

// Without a sound server the devices play into nothing; the status bar says so, once.
TEST_F(FrameFixture, NoSoundServerIsSaidOnTheStatusBarOnce)
{
    frame->ShowStatusText(nullptr);
    for (int report = 1; report <= 2; ++report) {
        platform::SoundOutput::instance().reportMissing(QStringLiteral("No sound output %1").arg(report));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(frame->StatusBar()->HintText().value_or("<none>").toStdString(), "No sound output 1");
}

}  // namespace
}  // namespace frametest
