// The demo album the build puts beside the program: a first start loads it as
// the default album and every song it lists is there to play.

#include "player/PlayerFixture.h"

#include "platform/paths/DriveTable.h"
#include "platform/paths/PathNamespace.h"

#include <QFile>

#include <cstdlib>

using namespace player;

namespace playertest {
namespace {

class DemoAlbumTest : public PlayerFixture {
protected:
    void SetUp() override
    {
        PlayerFixture::SetUp();
        const char* data = std::getenv("VANTOR_TEST_DATA");
        ASSERT_NE(data, nullptr) << "VANTOR_TEST_DATA names the program's directory";
        dataDir = data;
        // The program's directory as a drive of its own, as an installed program would see it.
        ASSERT_TRUE(platform::DriveTable::instance().setDrive('v', dataDir));
    }

    void TearDown() override
    {
        platform::DriveTable::instance().restore(saved_);
        PlayerFixture::TearDown();
    }

    std::string dataDir;

private:
    platform::DriveTable::Snapshot saved_ = platform::DriveTable::instance().snapshot();
};

TEST_F(DemoAlbumTest, TheFileListsTheDemoSongsRelativeToItsDirectory)
{
    QFile file(QString::fromStdString(dataDir + "/default.alb"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(),
              "0\r\ndemo\\minuet.mid\r\ndemo\\ode.mid\r\ndemo\\jacques.mid\r\ndemo\\chimes.wav\r\ndemo\\colours.avi\r\n");
}

TEST_F(DemoAlbumTest, AFirstStartLoadsItAndEverySongExists)
{
    window->programDir = "v:";
    window->LoadDefaultAlbum();
    EXPECT_EQ(window->albumPath, "v:\\default.alb");
    const std::vector<std::string> expected = {"v:\\demo\\minuet.mid", "v:\\demo\\ode.mid", "v:\\demo\\jacques.mid",
                                               "v:\\demo\\chimes.wav", "v:\\demo\\colours.avi"};
    ASSERT_EQ(queue->GetCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < queue->GetCount(); ++i) {
        const std::string song = queue->GetSongPath(i);
        EXPECT_EQ(song, expected[static_cast<std::size_t>(i)]);
        EXPECT_TRUE(platform::DrivePathExists(song)) << song;
        const auto linuxPath = platform::ToLinuxPath(song);
        ASSERT_TRUE(linuxPath) << song;
        EXPECT_GT(QFile(QString::fromStdString(*linuxPath)).size(), 100) << song;
    }
    EXPECT_EQ(window->currentSong, 0);
    EXPECT_EQ(queue->GetSelIndex(), 0);
}

}  // namespace
}  // namespace playertest
