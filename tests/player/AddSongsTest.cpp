// Songs added through the Add to Album dialog and dropped on the frame, and
// what starts playing afterwards.

#include "player/PlayerFixture.h"

#include "platform/paths/PathNamespace.h"
#include "platform/ui/KeyState.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempDrive.h"

#include <QDir>

#include <cstdio>

using namespace player;

namespace playertest {
namespace {

constexpr int kBusyAddingSongs = 7885;

class AddSongsTest : public PlayerFixture {
protected:
    // The paths of the queue's lines, in order.
    std::vector<std::string> Paths() const
    {
        std::vector<std::string> paths;
        for (int i = 0; i < queue->GetCount(); ++i)
            paths.push_back(queue->GetSongPath(i));
        return paths;
    }

    // Makes songs the simulated device can play and offers them in the next dialog.
    void ChooseSongs(const std::vector<std::string>& files)
    {
        for (const std::string& file : files)
            sim.addSong(file, 5000, SimBehaviour::Plays, 0);
        dialogs.choose(files);
    }

    ScriptedFileDialogs dialogs;
};

TEST_F(AddSongsTest, TheDialogOffersTheFiveFileTypes)
{
    dialogs.cancel();
    EXPECT_EQ(window->AddSongs(), -1);
    ASSERT_EQ(dialogs.dialogs().size(), 1u);
    const auto& dialog = dialogs.dialogs()[0];
    EXPECT_EQ(dialog.kind, ScriptedFileDialogs::Kind::OpenMany);
    EXPECT_EQ(dialog.owner, window.get());
    EXPECT_EQ(dialog.request.title, "Add Songs to Album");
    EXPECT_TRUE(dialog.request.mustExist);
    EXPECT_EQ(dialog.request.note, "You can select multiple files in this dialog");
    EXPECT_EQ(dialog.request.filterIndex, 1);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Media (*.mid,*.wav,*.avi)", "*.mid;*.wav;*.avi"},
        {"MIDI music (*.mid)", "*.mid"},
        {"Wave audio (*.wav)", "*.wav"},
        {"Movie clips (*.avi)", "*.avi"},
        {"All Files (*.*)", "*.*"},
    };
    ASSERT_EQ(dialog.request.filters.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(dialog.request.filters[i].description, expected[i].first);
        EXPECT_EQ(dialog.request.filters[i].pattern, expected[i].second);
    }
    EXPECT_EQ(queue->GetCount(), 0);
}

TEST_F(AddSongsTest, TheAddToAlbumCommandOpensTheDialog)
{
    ChooseSongs({"c:\\music\\a.mid"});
    EXPECT_TRUE(window->HandleCommand(resources::CM_ADD_SONGS));
    EXPECT_EQ(dialogs.dialogs().size(), 1u);
    EXPECT_EQ(Paths(), std::vector<std::string>{"c:\\music\\a.mid"});
}

TEST_F(AddSongsTest, TheFileTypeLastChosenIsOfferedNextAlsoAfterCancel)
{
    dialogs.cancel(3);
    ChooseSongs({"c:\\music\\a.wav"});
    dialogs.choose({}, 5);  // an OK that returns nothing adds nothing
    dialogs.cancel();
    window->AddSongs();
    EXPECT_EQ(window->addSongsFilter, 3);
    window->AddSongs();
    EXPECT_EQ(window->AddSongs(), -1);
    window->AddSongs();
    ASSERT_EQ(dialogs.dialogs().size(), 4u);
    EXPECT_EQ(dialogs.dialogs()[1].request.filterIndex, 3);
    EXPECT_EQ(dialogs.dialogs()[2].request.filterIndex, 3);
    EXPECT_EQ(dialogs.dialogs()[3].request.filterIndex, 5);
    EXPECT_EQ(Paths(), std::vector<std::string>{"c:\\music\\a.wav"});
}

TEST_F(AddSongsTest, TheDialogStartsInTheFolderSongsWereLastAddedFromWhileItIsThere)
{
    TempDrive drive{'t'};
    drive.makeDir("music");
    ChooseSongs({"t:\\music\\a.mid", "t:\\music\\b.mid"});
    dialogs.cancel();
    dialogs.cancel();
    window->AddSongs();
    window->AddSongs();
    // The other dialogs, which start in the current directory, follow it too.
    EXPECT_EQ(platform::GetCurrentDrivePath(), "t:\\music");
    QDir(drive.linuxPath("music")).removeRecursively();
    window->AddSongs();
    ASSERT_EQ(dialogs.dialogs().size(), 3u);
    EXPECT_EQ(dialogs.dialogs()[0].request.initialDirectory, "");
    EXPECT_EQ(dialogs.dialogs()[1].request.initialDirectory, "t:\\music");
    EXPECT_EQ(dialogs.dialogs()[2].request.initialDirectory, "");
}

TEST_F(AddSongsTest, ChosenFilesReachTheQueueInSelectionOrder)
{
    struct Case {
        const char* name;
        std::vector<std::string> chosen;
        std::vector<std::string> added;
        std::vector<int> busy;
    };
    const Case cases[] = {
        {"one file", {"c:\\music\\bach.mid"}, {"c:\\music\\bach.mid"}, {}},
        {"three files",
         {"c:\\music\\c.mid", "c:\\music\\a.wav", "c:\\music\\b.avi"},
         {"c:\\music\\c.mid", "c:\\music\\a.wav", "c:\\music\\b.avi"},
         {kBusyAddingSongs}},
        // The directory of a drive root ends in its backslash; the name follows another.
        {"drive root", {"c:\\a.mid", "c:\\b.mid"}, {"c:\\\\a.mid", "c:\\\\b.mid"}, {kBusyAddingSongs}},
        {"one file in a drive root", {"d:\\a.mid"}, {"d:\\a.mid"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        frame.busy.clear();
        ChooseSongs(c.chosen);
        EXPECT_EQ(window->AddSongs(), 0);
        EXPECT_EQ(Paths(), c.added);
        EXPECT_EQ(frame.busy, c.busy);
        EXPECT_EQ(frame.depth, 0);
    }
}

TEST_F(AddSongsTest, DuplicatesAreRefusedUnlessAllowed)
{
    AddSongAt("c:\\music\\a.mid", 5000);
    ChooseSongs({"c:\\music\\a.mid", "c:\\music\\b.mid", "c:\\music\\b.mid"});
    EXPECT_EQ(window->AddSongs(), 0);
    EXPECT_EQ(Paths(), (std::vector<std::string>{"c:\\music\\a.mid", "c:\\music\\b.mid"}));

    Check(TSongList::kAllowDuplicatesCommand, true);
    ChooseSongs({"c:\\music\\a.mid"});
    window->AddSongs();
    EXPECT_EQ(queue->GetCount(), 3);
}

TEST_F(AddSongsTest, ASelectionLongerThanTheOldDialogCouldReturnAddsNothing)
{
    // "c:\music" and 340 blank-separated names of 11 characters: 4088 characters.
    std::vector<std::string> files;
    for (int i = 0; i < 340; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "c:\\music\\%07d.mid", i);
        files.push_back(name);
    }
    struct Case {
        const char* lastName;
        bool fits;
    };
    // With the last name and the terminating zero: 4096 characters fit, 4097 do not.
    const Case cases[] = {{"ab.mid", true}, {"abc.mid", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lastName);
        Restart();
        boxes.clear();
        std::vector<std::string> chosen = files;
        chosen.push_back(std::string("c:\\music\\") + c.lastName);
        dialogs.choose(chosen);
        EXPECT_EQ(window->AddSongs(), c.fits ? 0 : -1);
        if (c.fits) {
            EXPECT_EQ(queue->GetCount(), 341);
            EXPECT_TRUE(boxes.boxes().empty());
            continue;
        }
        EXPECT_EQ(queue->GetCount(), 0);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, "Too many files selected.\nDo it in smaller chunks or use drag and drop.");
        EXPECT_EQ(boxes.boxes()[0].caption, "The Vantor");
        EXPECT_EQ(boxes.boxes()[0].style, platform::MB_OK | platform::MB_ICONEXCLAMATION);
        EXPECT_EQ(boxes.order(), (std::vector<char>{'B', 'M'}));
        EXPECT_EQ(boxes.beeps(), std::vector<std::uint32_t>{platform::MB_ICONEXCLAMATION});
    }
}

// What plays after songs were added: Shift starts the first added song; otherwise
// only songs added to an empty queue start, and only with Auto Play.
TEST_F(AddSongsTest, TheStartRule)
{
    struct Case {
        bool shift;
        bool autoPlay;
        bool random;
        bool queueEmpty;
        int playing;   // queue line playing afterwards, -1: none
        int selected;  // queue line selected afterwards
    };
    const Case cases[] = {
        // Adding two songs to an empty queue.
        {false, false, false, true, -1, 0},
        {false, false, true, true, -1, 0},
        {false, true, false, true, 0, 0},
        {false, true, true, true, -2, -2},  // -2: one of the two added, at random
        {true, false, false, true, 0, 0},
        {true, true, true, true, 0, 0},
        // Adding two songs behind one that plays.
        {false, false, false, false, 0, 0},
        {false, true, false, false, 0, 0},
        {false, true, true, false, 0, 0},
        {true, false, false, false, 1, 1},
        {true, true, true, false, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "shift " << c.shift << " auto play " << c.autoPlay << " random "
                                          << c.random << " empty " << c.queueEmpty);
        Restart();
        Check(kOptAutoPlay, false);
        Check(kOptRandomOrder, false);
        if (!c.queueEmpty) {
            AddSongs(1);
            ASSERT_EQ(window->PlaySong(0), 0);
        }
        Check(kOptAutoPlay, c.autoPlay);
        Check(kOptRandomOrder, c.random);
        ChooseSongs({"c:\\new\\x.mid", "c:\\new\\y.mid"});
        platform::ScopedShiftDown shift(c.shift);
        ASSERT_EQ(window->AddSongs(), 0);
        if (c.playing == -1) {
            EXPECT_TRUE(window->IsStopped());
            EXPECT_EQ(OpenPath(), "");
        } else if (c.playing == -2) {
            EXPECT_FALSE(window->IsStopped());
            EXPECT_TRUE(window->currentSong == 0 || window->currentSong == 1);
            EXPECT_EQ(queue->GetSelIndex(), window->currentSong);
        } else {
            EXPECT_FALSE(window->IsStopped());
            EXPECT_EQ(window->currentSong, c.playing);
            EXPECT_EQ(OpenPath(), queue->GetSongPath(c.playing));
        }
        if (c.selected != -2) {
            EXPECT_EQ(queue->GetSelIndex(), c.selected);
        }
    }
}

TEST_F(AddSongsTest, ShiftStartsTheLineAtTheOldCountEvenWhenTheAddedSongWasRefused)
{
    AddSongAt("c:\\music\\a.mid", 5000);
    AddSongAt("c:\\music\\b.mid", 5000);
    platform::ScopedShiftDown shift(true);
    ChooseSongs({"c:\\music\\a.mid"});
    EXPECT_EQ(window->AddSongs(), 0);
    EXPECT_EQ(queue->GetCount(), 2);
    EXPECT_TRUE(window->IsStopped());
    EXPECT_EQ(OpenPath(), "");
}

// Files dropped from the desktop: real files on a temporary drive.
class DropFilesTest : public AddSongsTest {
protected:
    // Creates the file and lets the simulated device play it under its drive path.
    QString MakeSong(const QString& relative)
    {
        const QString linux = drive.writeFile(relative, "song");
        const auto drivePath = platform::FromLinuxPath(linux.toStdString());
        EXPECT_TRUE(drivePath);
        if (drivePath)
            sim.addSong(*drivePath, 5000, SimBehaviour::Plays, 0);
        return linux;
    }

    TempDrive drive{'t'};
};

TEST_F(DropFilesTest, DroppedFilesAreAddedInShortFormInTheOrderGiven)
{
    const std::vector<std::string> dropped = {MakeSong("Dance Music/Long Song Name.mid").toStdString(),
                                              MakeSong("b.wav").toStdString(),
                                              drive.makeDir("Dance Music/Sub").toStdString()};
    frame.busy.clear();
    EXPECT_EQ(window->DropFiles(dropped), 0);
    const std::vector<std::string> paths = Paths();
    ASSERT_EQ(paths.size(), 3u);
    for (std::size_t i = 0; i < paths.size(); ++i)
        EXPECT_EQ(paths[i], *platform::FromLinuxPath(dropped[i]));
    EXPECT_EQ(paths[0].find(' '), std::string::npos);
    EXPECT_EQ(paths[0].rfind("t:\\dance", 0), 0u) << paths[0];
    EXPECT_EQ(paths[1], "t:\\b.wav");
    EXPECT_EQ(frame.busy, std::vector<int>{kBusyAddingSongs});
    EXPECT_EQ(frame.depth, 0);
}

TEST_F(DropFilesTest, ManyDroppedFilesAndDuplicates)
{
    std::vector<std::string> dropped;
    for (int i = 0; i < 25; ++i)
        dropped.push_back(MakeSong(QString("s%1.mid").arg(i)).toStdString());
    dropped.push_back(dropped.front());
    EXPECT_EQ(window->DropFiles(dropped), 0);
    EXPECT_EQ(queue->GetCount(), 25);
    EXPECT_EQ(queue->GetSongPath(24), std::string("t:\\s24.mid"));
}

TEST_F(DropFilesTest, ShiftStartsTheFirstDroppedSong)
{
    AddSongs(2);
    platform::ScopedShiftDown shift(true);
    window->DropFiles({MakeSong("x.mid").toStdString(), MakeSong("y.mid").toStdString()});
    EXPECT_EQ(window->currentSong, 2);
    EXPECT_EQ(OpenPath(), "t:\\x.mid");
}

TEST_F(DropFilesTest, AutoPlayStartsSongsDroppedIntoAnEmptyQueue)
{
    Check(kOptAutoPlay, true);
    window->DropFiles({MakeSong("x.mid").toStdString(), MakeSong("y.mid").toStdString()});
    EXPECT_EQ(window->currentSong, 0);
    EXPECT_EQ(OpenPath(), "t:\\x.mid");
}

TEST_F(DropFilesTest, OneDroppedAlbumIsOpenedAndTwoAreAddedAsSongs)
{
    MakeSong("music/a.mid");
    MakeSong("music/b.mid");
    const std::string party = drive.writeFile("Party.alb", "1\r\nmusic\\a.mid\r\nmusic\\b.mid\r\n").toStdString();
    const std::string other = drive.writeFile("other.alb", "0\r\n").toStdString();
    AddSongs(1);

    EXPECT_EQ(window->DropFiles({party}), 0);
    EXPECT_EQ(window->albumPath, "t:\\party.alb");
    EXPECT_EQ(Paths(), (std::vector<std::string>{"t:\\music\\a.mid", "t:\\music\\b.mid"}));
    EXPECT_EQ(window->currentSong, 1);
    EXPECT_TRUE(window->IsStopped());

    EXPECT_EQ(window->DropFiles({party, other}), 0);
    EXPECT_EQ(Paths(), (std::vector<std::string>{"t:\\music\\a.mid", "t:\\music\\b.mid", "t:\\party.alb",
                                                 "t:\\other.alb"}));
    EXPECT_EQ(window->albumPath, "t:\\party.alb");
}

TEST_F(DropFilesTest, ASingleFileThatIsNoAlbumIsAddedAsASong)
{
    const std::string broken = drive.writeFile("notes.txt", "hello").toStdString();
    EXPECT_EQ(window->DropFiles({broken}), 0);
    EXPECT_EQ(Paths(), std::vector<std::string>{"t:\\notes.txt"});
    EXPECT_EQ(queue->GetSelIndex(), 0);
}

}  // namespace
}  // namespace playertest
