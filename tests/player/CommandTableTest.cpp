// The console's command table: every command it takes runs its operation,
// checked through the state the operation changes; the others go on to the frame.

#include "controls/dialog/TMDialog.h"
#include "player/MenuTreeFixture.h"
#include "player/ScriptedFontDialog.h"
#include "platform/profile/PrivateProfile.h"
#include "resources/dialogs/InfoDialogs.h"
#include "support/TempDrive.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

using namespace player;
using namespace resources;

namespace playertest {
namespace {

class CommandTableTest : public MenuTreeFixture {
public:
    // The rows of the tables below reach the fixture from outside its members.
    using MenuTreeFixture::boxes;
    using MenuTreeFixture::Checked;
    using MenuTreeFixture::DevicePlaying;
    using MenuTreeFixture::Position;
    using MenuTreeFixture::queue;
    using MenuTreeFixture::SetCheck;
    using MenuTreeFixture::slider;
    using MenuTreeFixture::window;

    std::string Song(int n) const { return songDir + "song" + std::to_string(n) + ".mid"; }
    std::string Line(int index) const
    {
        const char* path = queue->GetSongPath(index);
        return path ? path : "";
    }
    bool Busy(int textId) const
    {
        return std::find(frame.busy.begin(), frame.busy.end(), textId) != frame.busy.end();
    }
    ScriptedFontDialog fonts;
};

using Step = std::function<void(CommandTableTest&)>;

TEST_F(CommandTableTest, EachCommandRunsItsOperation)
{
    struct Row {
        int id;
        Step prepare;
        std::function<bool(CommandTableTest&)> done;
    };
    const auto none = [](CommandTableTest&) {};
    const Row rows[] = {
        {CM_PLAY, [](auto& t) { t.queue->SetSelIndex(2); },
         [](auto& t) { return t.window->currentSong == 2 && t.DevicePlaying() && !t.window->IsStopped(); }},
        {CM_PLAY_BUTTON, [](auto& t) { t.queue->SetSelIndex(1); },
         [](auto& t) { return t.window->currentSong == 1 && t.DevicePlaying(); }},
        {CM_STOP, [](auto& t) { t.window->PlaySong(1); },
         [](auto& t) { return t.window->IsStopped() && !t.DevicePlaying(); }},
        {CM_PAUSE, [](auto& t) { t.window->PlaySong(0); },
         [](auto& t) { return t.window->IsPaused() && !t.DevicePlaying(); }},
        {CM_REPEAT, none, [](auto& t) { return t.window->repeat && t.Checked(CM_REPEAT); }},
        {CM_CIRCULATE, [](auto& t) { t.window->PlaySong(0); },
         [](auto& t) { return t.window->currentSong == 1 && t.DevicePlaying(); }},
        {CM_REMOVE_SONG, [](auto& t) { t.queue->SetSelIndex(3); },
         [](auto& t) { return t.queue->GetCount() == 3 && t.Line(2) == t.Song(3); }},
        {CM_DELETE_SONG,
         [](auto& t) {
             t.SetCheck(CM_CONFIRM_DELETE, true);
             t.boxes.answer(platform::IDNO);
             t.queue->SetSelIndex(0);
         },
         [](auto& t) { return t.boxes.boxes().size() == 1 && t.queue->GetCount() == 4; }},
        {CM_CLEAR_ALBUM, [](auto& t) { t.window->PlaySong(0); },
         [](auto& t) { return t.queue->GetCount() == 0 && t.window->currentSong == -1 && t.window->IsStopped(); }},
        {CM_MOVE_UP, [](auto& t) { t.queue->SetSelIndex(2); },
         [](auto& t) { return t.Line(1) == t.Song(3) && t.Line(2) == t.Song(2); }},
        {CM_MOVE_DOWN, [](auto& t) { t.queue->SetSelIndex(1); },
         [](auto& t) { return t.Line(2) == t.Song(2) && t.Line(1) == t.Song(3); }},
        {CM_HIGHLIGHT_CURRENT,
         [](auto& t) {
             t.window->PlaySong(2);
             t.queue->SetSelIndex(0);
         },
         [](auto& t) { return t.queue->GetSelIndex() == 2; }},
        {CM_SORT_ALBUM,
         [](auto& t) {
             t.queue->SetSelIndex(3);
             t.queue->MoveSongUp(true);
         },
         [](auto& t) { return t.Busy(TQueueList::kSortStatusText) && t.Line(0) == t.Song(1) && t.Line(3) == t.Song(4); }},
        {CM_SHUFFLE_ALBUM, none, [](auto& t) { return t.Busy(TQueueList::kShuffleStatusText) && t.queue->GetCount() == 4; }},
        {CM_REWIND_REPEAT,
         [](auto& t) {
             t.window->PlaySong(0);
             t.slider.position = 5000;
         },
         [](auto& t) { return t.window->PendingFastWind() == 4900 && t.slider.position == 4900; }},
        {CM_FORWARD_REPEAT,
         [](auto& t) {
             t.window->PlaySong(0);
             t.slider.position = 5000;
         },
         [](auto& t) { return t.window->PendingFastWind() == 5100; }},
        {CM_FORWARD_RELEASE,
         [](auto& t) {
             t.window->PlaySong(0);
             t.slider.position = 5000;
             t.window->HandleCommand(CM_FORWARD_REPEAT);
         },
         [](auto& t) { return t.window->PendingFastWind() == -1 && t.Position() == 2550 && t.DevicePlaying(); }},
        {CM_REWIND_RELEASE,
         [](auto& t) {
             t.window->PlaySong(0);
             t.slider.position = 5000;
             t.window->HandleCommand(CM_REWIND_REPEAT);
         },
         [](auto& t) { return t.window->PendingFastWind() == -1 && t.Position() == 2450; }},
        {CM_SET_FONT, [](auto& t) { t.fonts.choice = QFont("DejaVu Sans", 17); },
         [](auto& t) { return t.fonts.opened == 1 && t.queue->GetLogFont().pointSize() == 17; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        Restart();
        // A fast-wind button of the row before is let go.
        window->FastWind(CM_FORWARD_RELEASE);
        AddSongs(4);
        frame.busy.clear();
        row.prepare(*this);
        EXPECT_TRUE(window->HandleCommand(row.id));
        Deliver();
        EXPECT_TRUE(row.done(*this)) << "position " << Position() << " pending " << window->PendingFastWind();
    }
}

TEST_F(CommandTableTest, ResetCommandsSelectTheirModeWithRadioMarks)
{
    const std::pair<int, int> modes[] = {
        {CM_STANDARD_RESET, MidiReset::kModeStandard},
        {CM_FULL_RESET, MidiReset::kModeFull},
        {CM_CUSTOM_RESET, MidiReset::kModeCustom},
        {CM_NO_RESET, MidiReset::kModeNone},
    };
    for (const auto& [id, mode] : modes) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(window->HandleCommand(id));
        EXPECT_EQ(window->midiReset.resetMode, mode);
        for (const auto& [other, unused] : modes)
            EXPECT_EQ(Checked(other), other == id) << other;
    }
}

TEST_F(CommandTableTest, OptionCommandsFlipTheirMarkBothWays)
{
    const int options[] = {CM_CONTINUOUS_LOOP,  CM_RANDOM_ORDER,   CM_ELAPSED_TIME,
                           CM_AUTO_PLAY,        CM_AUTO_SAVE_ALBUM, CM_RELATIVE_PATHS,
                           CM_ALLOW_DUPLICATES, CM_CONFIRM_DELETE, CM_SAVE_SETTINGS_ON_EXIT,
                           CM_SHOW_LONG_NAMES};
    for (const int id : options) {
        SCOPED_TRACE(id);
        const bool before = Checked(id);
        EXPECT_TRUE(window->HandleCommand(id));
        EXPECT_NE(Checked(id), before);
        EXPECT_TRUE(window->HandleCommand(id));
        EXPECT_EQ(Checked(id), before);
        for (const int other : options)
            EXPECT_EQ(Checked(other), false) << "only the toggled option changes: " << other;
    }
}

// What an information dialog showed while it was open.
struct InfoShown {
    bool opened = false;
    QString caption;
    bool systemMenu = false;
    std::map<int, QString> texts;
};

// Runs the command and reads the modal dialog it opens, then closes it with
// Escape or with OK.
InfoShown RunInfoCommand(player::TMainWindow& window, int command, const std::vector<int>& items, bool escape)
{
    InfoShown shown;
    QObject guard;   // no reading is left waiting once the command is over
    std::function<void()> read = [&] {
        auto* dialog = qobject_cast<TMDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(0, &guard, read);
            return;
        }
        shown.opened = true;
        shown.caption = dialog->windowTitle();
        shown.systemMenu = dialog->windowFlags() & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        for (const int id : items)
            shown.texts[id] = dialog->GetDlgItemText(id);
        if (escape) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(dialog, &key);
        } else {
            dialog->itemAs<QPushButton>(IDOK)->click();
        }
    };
    QTimer::singleShot(0, &guard, read);
    EXPECT_TRUE(window.HandleCommand(command));
    return shown;
}

QString TemplateText(const DialogTemplate& dialog, int id)
{
    for (const DialogItem& item : dialog.items)
        if (item.id == id)
            return QString::fromLatin1(item.text);
    return {};
}

TEST_F(CommandTableTest, AlbumPropertiesShowTheAlbumAndChangeNothing)
{
    const std::vector<int> items = {IDC_PROP_ALBUM, IDC_PROP_SONG, IDC_PROP_SONG_NUMBER, IDC_PROP_SONG_COUNT};
    const QString unknown = TemplateText(AlbumPropertiesDialogTemplate(), IDC_PROP_SONG);
    ASSERT_EQ(TemplateText(AlbumPropertiesDialogTemplate(), IDC_PROP_SONG_NUMBER), unknown);

    window->HandleCommand(CM_NEW_ALBUM);
    InfoShown shown = RunInfoCommand(*window, CM_ALBUM_PROPERTIES, items, true);
    ASSERT_TRUE(shown.opened);
    EXPECT_EQ(shown.caption, QString::fromLatin1(AlbumPropertiesDialogTemplate().caption));
    EXPECT_FALSE(shown.systemMenu);
    EXPECT_EQ(shown.texts[IDC_PROP_ALBUM], QStringLiteral("[untitled].alb"));
    EXPECT_EQ(shown.texts[IDC_PROP_SONG], unknown);
    EXPECT_EQ(shown.texts[IDC_PROP_SONG_NUMBER], unknown);
    EXPECT_EQ(shown.texts[IDC_PROP_SONG_COUNT], QStringLiteral("0"));

    // Play goes on untouched while the dialog is open and after OK.
    AddSongs(3);
    window->PlaySong(1);
    ClearCommands();
    shown = RunInfoCommand(*window, CM_ALBUM_PROPERTIES, items, false);
    EXPECT_EQ(shown.texts[IDC_PROP_SONG], QString::fromStdString(Song(2)));
    EXPECT_EQ(shown.texts[IDC_PROP_SONG_NUMBER], QStringLiteral("2"));
    EXPECT_EQ(shown.texts[IDC_PROP_SONG_COUNT], QStringLiteral("3"));
    EXPECT_TRUE(Commands().empty());
    EXPECT_TRUE(DevicePlaying());
    EXPECT_EQ(window->currentSong, 1);
    EXPECT_EQ(queue->GetCount(), 3);

    // A stored index beyond the album's last song names no line.
    TempDrive drive;
    drive.writeFile("odd.alb", "5\r\nt:\\a.mid\r\nt:\\b.mid\r\n");
    ASSERT_EQ(window->LoadAlbum(drive.path("ODD.ALB")), 0);
    shown = RunInfoCommand(*window, CM_ALBUM_PROPERTIES, items, true);
    EXPECT_EQ(shown.texts[IDC_PROP_ALBUM], QString::fromStdString(drive.path("odd.alb")));
    EXPECT_EQ(shown.texts[IDC_PROP_SONG], QString());
    EXPECT_EQ(shown.texts[IDC_PROP_SONG_NUMBER], QStringLiteral("6"));
    EXPECT_EQ(shown.texts[IDC_PROP_SONG_COUNT], QStringLiteral("2"));
}

TEST_F(CommandTableTest, AboutOpensAndChangesNothing)
{
    AddSongs(2);
    window->PlaySong(0);
    ClearCommands();
    for (const bool escape : {true, false}) {
        const InfoShown shown = RunInfoCommand(*window, CM_ABOUT, {IDC_ABOUT_VERSION}, escape);
        ASSERT_TRUE(shown.opened);
        EXPECT_EQ(shown.caption, QString::fromLatin1(AboutDialogTemplate().caption));
        EXPECT_FALSE(shown.systemMenu);
        EXPECT_TRUE(shown.texts.at(IDC_ABOUT_VERSION).startsWith(QStringLiteral("Version 5.7 - ")));
        EXPECT_TRUE(Commands().empty());
        EXPECT_TRUE(DevicePlaying());
        EXPECT_EQ(window->currentSong, 0);
    }
}

TEST_F(CommandTableTest, FrameAndApplicationCommandsGoOn)
{
    for (const int id : {CM_EXIT, CM_MENU_BAR, CM_QUEUE_BOX, CM_ALWAYS_ON_TOP, CM_VIEW_FIRST, CM_VIEW_LAST,
                         CM_CUSTOM_VIEW, CM_SAVE_CUSTOM_VIEW, CM_DEFAULT_SIZE, CM_MINI_HELP, CM_VOLUME_DEVICE,
                         CM_RESTORE_MENU, 0, 99}) {
        SCOPED_TRACE(id);
        const bool menuMark = Checked(id);
        EXPECT_FALSE(window->HandleCommand(id));
        EXPECT_EQ(Checked(id), menuMark);
    }
}

TEST_F(CommandTableTest, SaveSettingsNowWritesTheSettingsFile)
{
    TempDrive drive;
    window->settingsPath = drive.path("vantor.ini");
    window->HandleCommand(CM_FULL_RESET);
    EXPECT_TRUE(window->HandleCommand(CM_SAVE_SETTINGS_NOW));
    EXPECT_EQ(platform::GetPrivateProfileInt("Settings", "MidiAutoReset", -1, window->settingsPath.c_str()),
              MidiReset::kModeFull);
}

TEST_F(CommandTableTest, CancelledFontDialogKeepsTheQueueFont)
{
    QFont before("DejaVu Sans", 11);
    queue->GetLogFont() = before;
    queue->FontChanged();
    const QFont shown = queue->font();
    fonts.choice.reset();
    EXPECT_TRUE(window->HandleCommand(CM_SET_FONT));
    EXPECT_EQ(fonts.opened, 1);
    EXPECT_EQ(fonts.offered, before);
    EXPECT_EQ(fonts.lastOwner, window.get());
    EXPECT_EQ(fonts.lastCaption, "Choose Font");
    EXPECT_EQ(queue->GetLogFont(), before);
    EXPECT_EQ(queue->font(), shown);

    fonts.choice = QFont("DejaVu Serif", 14, QFont::Bold, true);
    window->SetQueueFont();
    EXPECT_EQ(queue->GetLogFont(), *fonts.choice);
    EXPECT_EQ(queue->font().pointSize(), 14);
    EXPECT_TRUE(queue->font().italic());
}

}  // namespace
}  // namespace playertest
