// Events that run in the middle of an operation (the busy display lets waiting
// notifications in) must find the player as the operation left it.
#include "PlayerFixture.h"

namespace playertest {
namespace {

using WaitsTest = PlayerFixture;

TEST_F(WaitsTest, ANoticeOfTheSongBeforeIsIgnoredWhenNextIsPressedAsItEnds)
{
    AddSongs(4, 3000);
    ASSERT_EQ(window->PlaySong(0), 0);
    // The song ends; its notice waits in the queue while the user presses Next.
    sim.advance(3000);
    window->HandleCommand(player::kCmdCirculate);
    Deliver();
    EXPECT_EQ(window->currentSong, 1);
    EXPECT_FALSE(window->IsStopped());
    EXPECT_TRUE(DevicePlaying());
}

}  // namespace
}  // namespace playertest
