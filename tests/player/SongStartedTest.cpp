// The observer told of each song started, once its length is known.

#include "player/PlayerFixture.h"

namespace playertest {
namespace {

struct Started {
    int number;
    std::string path;
    int seconds;
    bool operator==(const Started&) const = default;
};

using SongStartedTest = PlayerFixture;

TEST_F(SongStartedTest, EachSongStartedIsReportedWithNumberPathAndLength)
{
    std::vector<Started> started;
    window->songStarted = [&](int number, const std::string& path, int seconds) {
        started.push_back({number, path, seconds});
    };
    const std::string first = AddSong(92000);
    const std::string second = AddSong(2500);
    const std::string broken = AddSong(1000, SimBehaviour::FailsToOpen);
    ASSERT_EQ(window->PlaySong(0), 0);
    ASSERT_EQ(window->PlaySong(1), 0);
    EXPECT_NE(window->PlaySong(2), 0);
    const std::vector<Started> expected = {{1, first, 92}, {2, second, 2}};
    EXPECT_EQ(started, expected);
}

}  // namespace
}  // namespace playertest
