#include "album/TQueueList.h"
#include "platform/profile/PrivateProfile.h"
#include "player/PlayerFixture.h"
#include "player/MenuTreeState.h"
#include "player/PlayerIds.h"
#include "player/TMainWindow.h"
#include "resources/strings/StringTable.h"
#include "settings/FontSetting.h"
#include "support/KilledSaves.h"
#include "support/RecordingMidiOut.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/SimulatedMci.h"
#include "support/TempDrive.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace resources;
using playertest::MenuTreeFrame;

namespace {

// The ids of every stored Options item, the four reset items left out.
const std::vector<int> kStoredToggles = {
    CM_CONTINUOUS_LOOP, CM_RANDOM_ORDER, CM_ELAPSED_TIME,    CM_AUTO_PLAY,  CM_AUTO_SAVE_ALBUM,
    CM_RELATIVE_PATHS,  CM_ALLOW_DUPLICATES, CM_CONFIRM_DELETE, CM_MENU_BAR, CM_QUEUE_BOX,
    CM_POSITION_SLIDER, CM_VOLUME_BAR,   CM_BUTTONS,         CM_STATUS_BAR, CM_ALWAYS_ON_TOP,
    CM_MINI_HELP,       CM_SHOW_LONG_NAMES,  CM_SAVE_SETTINGS_ON_EXIT,
};
const int kResetItems[] = {CM_NO_RESET, CM_STANDARD_RESET, CM_FULL_RESET, CM_CUSTOM_RESET};

// One program start: a console with its queue inside a frame with the real menu.
struct Console {
    explicit Console(const std::string& settingsPath)
    {
        window = std::make_unique<player::TMainWindow>(nullptr, "c:\\vantor", &RecordingMidiOut::create);
        window->settingsPath = settingsPath;
        queue = std::make_unique<TQueueList>();
        playertest::WireConsole(*window, *queue, frame, slider);
        EXPECT_EQ(window->Create(), 0);
    }
    ~Console()
    {
        window->CleanupWindow();
        window.reset();
        queue.reset();
        QCoreApplication::sendPostedEvents();
    }
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    bool checked(int id) const { return frame.tree.IsChecked(id); }
    void check(int id, bool on) { frame.tree.SetChecked(id, on); }
    std::string text(int controlId) const { return window->GetDlgItemText(controlId).toStdString(); }
    bool lit(int lampId) const { return text(lampId) == LoadString(lampId); }
    int checkedResetItem() const
    {
        int found = 0;
        for (int id : kResetItems) {
            if (checked(id))
                found = found == 0 ? id : -1;
        }
        return found;
    }

    MenuTreeFrame frame;
    playertest::RecordingSlider slider;
    std::unique_ptr<TQueueList> queue;
    std::unique_ptr<player::TMainWindow> window;
};

class Settings : public ::testing::Test {
protected:
    std::string get(const char* section, const char* key) const
    {
        char buffer[300] = {};
        platform::GetPrivateProfileString(section, key, "<none>", buffer, sizeof buffer, path.c_str());
        return buffer;
    }
    void write(const QByteArray& text) const { drive.writeFile("Vantor.ini", text); }
    QByteArray text() const { return drive.readFile("Vantor.ini"); }

    SimulatedMci sim;
    ScriptedMessageBoxes boxes;
    TempDrive drive{'t'};
    std::string path = drive.path("Vantor.ini");
};

TEST_F(Settings, FirstStartHasTheDefaults)
{
    Console console(path);
    for (int id : kStoredToggles)
        console.check(id, false);
    ASSERT_EQ(console.window->LoadSettings(), 0);

    for (int id : kStoredToggles)
        EXPECT_TRUE(console.checked(id)) << id;
    EXPECT_EQ(console.checkedResetItem(), CM_NO_RESET);
    EXPECT_EQ(console.window->midiReset.resetMode, MidiReset::kModeNone);
    EXPECT_FALSE(console.window->repeat);
    EXPECT_FALSE(console.lit(IDC_LAMP_REPEAT));
    EXPECT_TRUE(console.lit(IDC_LAMP_LOOP));
    EXPECT_TRUE(console.lit(IDC_LAMP_RANDOM));
    EXPECT_TRUE(console.window->circulateIfStuck);
    const QFont& font = console.queue->GetLogFont();
    EXPECT_EQ(font.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(font.pixelSize(), settings::MulDiv(8, settings::ScreenLogPixelsY(), 72));
    EXPECT_FALSE(font.italic());
    EXPECT_EQ(console.queue->font().pixelSize(), font.pixelSize());
    EXPECT_TRUE(text().isEmpty());
}

TEST_F(Settings, EverythingSurvivesARestart)
{
    {
        Console first(path);
        first.window->LoadSettings();
        for (std::size_t i = 0; i < kStoredToggles.size(); ++i)
            first.check(kStoredToggles[i], i % 3 != 0);
        first.window->midiReset.SetResetMode(CM_FULL_RESET);
        first.window->ToggleRepeat();
        first.queue->GetLogFont() = settings::FontFromSetting({"Courier New", 12, 700, true}, 96);
        first.queue->FontChanged();
        first.frame.restored[0] = 40;
        first.frame.restored[3] = 250;
        first.window->addSongsFolder = "t:\\music";
        ASSERT_EQ(first.window->SaveSettings(), 0);
        EXPECT_EQ(first.frame.elementRefreshes, 1);
    }
    EXPECT_EQ(get("General", "WindowPosition"), "40 20 300 250");
    EXPECT_EQ(get("General", "Version"), "5.7");
    EXPECT_EQ(get("Settings", "MidiAutoReset"), "10");
    EXPECT_EQ(get("State", "Stick"), "1");
    EXPECT_EQ(get("State", "Stopped"), "1");
    EXPECT_EQ(get("State", "Paused"), "0");
    EXPECT_EQ(get("State", "AddSongsFolder"), "t:\\music");
    EXPECT_EQ(get("Settings", "Font"),
              "Courier New, " + std::to_string(settings::MulDiv(settings::MulDiv(12, 96, 72), 72,
                                                                  settings::ScreenLogPixelsY())) +
                  ", 700, 1");

    Console second(path);
    ASSERT_EQ(second.window->LoadSettings(), 0);
    for (std::size_t i = 0; i < kStoredToggles.size(); ++i)
        EXPECT_EQ(second.checked(kStoredToggles[i]), i % 3 != 0) << kStoredToggles[i];
    EXPECT_EQ(second.lit(IDC_LAMP_LOOP), second.checked(CM_CONTINUOUS_LOOP));
    EXPECT_EQ(second.lit(IDC_LAMP_RANDOM), second.checked(CM_RANDOM_ORDER));
    EXPECT_EQ(second.checkedResetItem(), CM_FULL_RESET);
    EXPECT_EQ(second.window->midiReset.resetMode, MidiReset::kModeFull);
    EXPECT_TRUE(second.window->repeat);
    EXPECT_EQ(second.window->addSongsFolder, "t:\\music");
    EXPECT_EQ(second.queue->GetLogFont().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(second.queue->GetLogFont().weight(), QFont::Bold);
    EXPECT_TRUE(second.queue->GetLogFont().italic());
}

TEST_F(Settings, StoredResetModeSelectsItsItem)
{
    struct Row {
        const char* stored;
        int item;
        int mode;
    };
    const Row rows[] = {{"1", CM_NO_RESET, 1},      {"5", CM_STANDARD_RESET, 5}, {"10", CM_FULL_RESET, 10},
                        {"15", CM_CUSTOM_RESET, 15}, {"7", CM_CUSTOM_RESET, 15},  {"0", CM_CUSTOM_RESET, 15},
                        {"x", CM_CUSTOM_RESET, 15}};
    for (const Row& row : rows) {
        write(QByteArray("[Settings]\r\nMidiAutoReset=") + row.stored + "\r\n");
        Console console(path);
        console.window->LoadSettings();
        EXPECT_EQ(console.checkedResetItem(), row.item) << row.stored;
        EXPECT_EQ(console.window->midiReset.resetMode, row.mode) << row.stored;
    }
}

TEST_F(Settings, UnknownResetModeIsSavedBackAsCustom)
{
    write("[Settings]\r\nMidiAutoReset=7\r\n");
    Console console(path);
    console.window->LoadSettings();
    ASSERT_EQ(console.window->SaveSettings(), 0);
    EXPECT_EQ(get("Settings", "MidiAutoReset"), "15");
}

TEST_F(Settings, StickTurnsRepeatOn)
{
    write("[State]\r\nStick=1\r\nPaused=1\r\nStopped=0\r\n");
    Console console(path);
    console.window->LoadSettings();
    EXPECT_TRUE(console.window->repeat);
    EXPECT_TRUE(console.lit(IDC_LAMP_REPEAT));
    EXPECT_TRUE(console.checked(CM_REPEAT));
    // Paused and Stopped are written only: the player still starts stopped.
    EXPECT_TRUE(console.window->IsStopped());
    EXPECT_FALSE(console.window->IsPaused());
    // A second load keeps Repeat on.
    console.window->LoadSettings();
    EXPECT_TRUE(console.window->repeat);
}

TEST_F(Settings, CirculateIfStuckIsRead)
{
    write("[Settings]\r\nCirculateIfStuck=0\r\n");
    Console console(path);
    console.window->LoadSettings();
    EXPECT_FALSE(console.window->circulateIfStuck);
}

TEST_F(Settings, BrokenFontValueGivesTheDefaultFont)
{
    for (const char* value : {"Courier New", "Courier New, 12, 700", "Courier New 12 700 0"}) {
        write(QByteArray("[Settings]\r\nFont=") + value + "\r\n");
        Console console(path);
        console.window->LoadSettings();
        EXPECT_EQ(console.queue->GetLogFont().family(), QStringLiteral("MS Sans Serif")) << value;
        EXPECT_EQ(console.queue->GetLogFont().pixelSize(), settings::MulDiv(8, settings::ScreenLogPixelsY(), 72));
    }
}

TEST_F(Settings, GarbageLinesLoadWhatTheyCan)
{
    write("garbage before any section\r\n"
          "[Broken\r\n"
          "[Settings]\r\n"
          "no equals sign here\r\n"
          "ContinuousLoop=0\r\n"
          "=5\r\n"
          "MidiAutoReset=5\r\n"
          "\xff\xfe\r\n"
          "[State]\r\n"
          "Stick=1\r\n");
    Console console(path);
    console.window->LoadSettings();
    EXPECT_FALSE(console.checked(CM_CONTINUOUS_LOOP));
    EXPECT_FALSE(console.lit(IDC_LAMP_LOOP));
    EXPECT_TRUE(console.checked(CM_RANDOM_ORDER));
    EXPECT_EQ(console.window->midiReset.resetMode, MidiReset::kModeStandard);
    EXPECT_TRUE(console.window->repeat);
}

TEST_F(Settings, LaterVersionIsNotLowered)
{
    write("[General]\r\nVersion=6.0\r\n");
    Console console(path);
    ASSERT_EQ(console.window->SaveSettings(), 0);
    EXPECT_EQ(get("General", "Version"), "6.0");
}

TEST_F(Settings, ExitWithoutSaveSettingsOnExitStoresOnlyThatOption)
{
    {
        Console console(path);
        console.window->LoadSettings();
        console.check(CM_SAVE_SETTINGS_ON_EXIT, false);
        console.check(CM_RANDOM_ORDER, false);
        ASSERT_EQ(console.window->SaveOnExit(false), 0);
        EXPECT_EQ(console.frame.elementRefreshes, 0);
    }
    EXPECT_EQ(get("Settings", "SaveSettingsOnExit"), "0");
    EXPECT_EQ(get("Settings", "RandomOrder"), "<none>");
    EXPECT_EQ(get("General", "Version"), "<none>");

    Console next(path);
    next.window->LoadSettings();
    EXPECT_FALSE(next.checked(CM_SAVE_SETTINGS_ON_EXIT));
    EXPECT_TRUE(next.checked(CM_RANDOM_ORDER));
}

TEST_F(Settings, ExitSavesEverythingWhenAskedOrForced)
{
    for (const bool force : {false, true}) {
        write("");
        Console console(path);
        console.window->LoadSettings();
        console.check(CM_SAVE_SETTINGS_ON_EXIT, !force);
        console.check(CM_RANDOM_ORDER, false);
        ASSERT_EQ(console.window->SaveOnExit(force), 0);
        EXPECT_EQ(get("Settings", "RandomOrder"), "0") << force;
        EXPECT_EQ(get("Settings", "SaveSettingsonExit"), force ? "0" : "1");
        EXPECT_EQ(get("General", "Version"), "5.7");
        EXPECT_EQ(console.frame.elementRefreshes, 1);
    }
}

// A save killed at any moment leaves the old settings or the new ones, whole.
TEST_F(Settings, KilledSaveLeavesOneWholeSettingsFile)
{
    Console console(path);
    console.window->LoadSettings();
    const auto saveAs = [&](bool second) {
        for (std::size_t i = 0; i < kStoredToggles.size(); ++i)
            console.check(kStoredToggles[i], (i % 2 == 0) == second);
        std::string album = second ? "t:\\second.alb" : "t:\\first.alb";
        console.window->recentAlbums.AddRecent(album);
        return console.window->SaveSettings() == 0;
    };
    ASSERT_TRUE(saveAs(true));
    ASSERT_TRUE(saveAs(false));
    const QByteArray first = text();
    ASSERT_TRUE(saveAs(true));
    const QByteArray second = text();
    ASSERT_NE(first, second);
    KillSavesAtRandomMoments(
        200, std::chrono::milliseconds(20), [&] { return saveAs(false) && saveAs(true); },
        [&](int round) {
            const QByteArray onDisk = text();
            EXPECT_TRUE(onDisk == first || onDisk == second) << round << ":\n" << onDisk.constData();
        });
}

TEST_F(Settings, UnwritableFileIsReportedAsFailure)
{
    Console console("q:\\nodrive\\Vantor.ini");
    console.window->LoadSettings();
    EXPECT_EQ(console.window->SaveSettings(), -1);
    console.check(CM_SAVE_SETTINGS_ON_EXIT, false);
    EXPECT_EQ(console.window->SaveOnExit(false), -1);
}

}  // namespace

namespace {

TEST_F(Settings, RecentAlbumsAreSavedAndTheSurplusDeleted)
{
    write("[Albums]\r\nAlbum1=t:\\old1.alb\r\nAlbum2=t:\\old2.alb\r\nAlbum3=t:\\old3.alb\r\n"
          "Album4=t:\\old4.alb\r\nAlbum5=t:\\old5.alb\r\n");
    Console console(path);
    for (const char* album : {"t:\\a.alb", "t:\\b.alb", "t:\\c.alb", "t:\\d.alb"}) {
        std::string recent = album;
        console.window->recentAlbums.AddRecent(recent);
    }
    ASSERT_EQ(console.window->SaveSettings(), 0);
    EXPECT_EQ(get("Albums", "Album1"), "t:\\d.alb");
    EXPECT_EQ(get("Albums", "Album2"), "t:\\c.alb");
    EXPECT_EQ(get("Albums", "Album4"), "t:\\a.alb");
    EXPECT_EQ(get("Albums", "Album5"), "<none>");
}

TEST_F(Settings, AutoSaveAlbumWritesTheAlbumAfterTheSettings)
{
    struct Row {
        bool autoSave;
        bool saveNow;  // Save Settings Now instead of the exit
    };
    for (const Row row : {Row{true, false}, Row{false, false}, Row{true, true}, Row{false, true}}) {
        const QString album = QStringLiteral("saved.alb");
        QFile::remove(drive.linuxPath(album));
        Console console(path);
        console.window->LoadSettings();
        console.check(CM_AUTO_SAVE_ALBUM, row.autoSave);
        console.check(CM_SAVE_SETTINGS_ON_EXIT, false);
        console.window->albumPath = drive.path("saved.alb");
        ASSERT_EQ(row.saveNow ? console.window->SaveSettingsNow() : console.window->SaveOnExit(false), 0);
        EXPECT_EQ(QFile::exists(drive.linuxPath(album)), row.autoSave) << row.autoSave << row.saveNow;
        EXPECT_EQ(console.frame.elementRefreshes, row.saveNow ? 1 : 0);
    }
}

TEST_F(Settings, AutoSaveWithoutAnAlbumFileWritesNoAlbum)
{
    Console console(path);
    console.window->LoadSettings();
    console.check(CM_SAVE_SETTINGS_ON_EXIT, false);
    ASSERT_TRUE(console.checked(CM_AUTO_SAVE_ALBUM));
    EXPECT_EQ(console.window->SaveOnExit(false), 0);
    EXPECT_TRUE(boxes.boxes().empty());
}

}  // namespace
