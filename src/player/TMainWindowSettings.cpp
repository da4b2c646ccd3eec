// The settings file: what LoadSettings restores at start-up and SaveSettings
// writes at exit or on request, in the order the other parts rely on.
#include "player/TMainWindow.h"

#include "album/TQueueList.h"
#include "platform/profile/PrivateProfile.h"
#include "player/IMenuState.h"
#include "player/IPlayerFrame.h"
#include "player/PlayerIds.h"
#include "settings/FontSetting.h"
#include "settings/MenuChecks.h"
#include "settings/RecentAlbumKeys.h"
#include "settings/SettingsKeys.h"
#include "settings/StoredVersion.h"

#include <QAction>
#include <QMenu>

#include <vector>

namespace player {

namespace {

// The Options pop-up's place among the menu bar's pop-ups.
constexpr int kOptionsPopupIndex = 2;

int ResetCommandOf(int storedMode)
{
    switch (storedMode) {
    case MidiReset::kModeNone:
        return MidiReset::kCmdNoReset;
    case MidiReset::kModeStandard:
        return MidiReset::kCmdStandardReset;
    case MidiReset::kModeFull:
        return MidiReset::kCmdFullReset;
    default:
        return MidiReset::kCmdCustomReset;
    }
}

bool WriteInt(const char* section, const char* key, int value, const std::string& path)
{
    return platform::WritePrivateProfileString(section, key, std::to_string(value).c_str(), path.c_str());
}

}  // namespace

QMenu* TMainWindow::OptionsPopup() const
{
    const IMenuState* menu = frameMenu;
    if (menu == nullptr && frame_ != nullptr)
        menu = frame_->FrameMenu();
    QMenu* root = menu != nullptr ? menu->RootMenu() : nullptr;
    if (root == nullptr)
        return nullptr;
    int popups = 0;
    for (QAction* action : root->actions()) {
        if (action->menu() != nullptr && popups++ == kOptionsPopupIndex)
            return action->menu();
    }
    return nullptr;
}

int TMainWindow::LoadSettings()
{
    using namespace settings;
    if (frameMenu == nullptr && frame_ != nullptr)
        frameMenu = frame_->FrameMenu();
    const char* path = settingsPath.c_str();

    ReadMenuChecks(OptionsPopup(), kSectionSettings, settingsPath);
    // Show Long Names may have changed: the queue's names are looked up once, here.
    if (queue)
        queue->RefreshLongNames();
    ShowCaptionAgain();
    SetLamp(resources::IDC_LAMP_LOOP, IsChecked(kOptContinuousLoop));
    SetLamp(resources::IDC_LAMP_RANDOM, IsChecked(kOptRandomOrder));

    const int storedMode = platform::GetPrivateProfileInt(kSectionSettings, kKeyMidiAutoReset,
                                                          MidiReset::kModeNone, path);
    midiReset.SetResetMode(ResetCommandOf(storedMode));

    // Repeat starts off; a second load must not turn it off again.
    if (platform::GetPrivateProfileInt(kSectionState, kKeyStick, 0, path) != 0 && !repeat)
        ToggleRepeat();

    circulateIfStuck = platform::GetPrivateProfileInt(kSectionSettings, kKeyCirculateIfStuck, 1, path) != 0;

    char folder[kFolderValueSize] = {};
    platform::GetPrivateProfileString(kSectionState, kKeyAddSongsFolder, "", folder, kFolderValueSize, path);
    addSongsFolder = folder;

    const std::string defaultFont = FormatFontSetting(DefaultFontSetting());
    char fontValue[kFontValueSize] = {};
    platform::GetPrivateProfileString(kSectionSettings, kKeyFont, defaultFont.c_str(), fontValue,
                                      kFontValueSize, path);
    if (queue != nullptr) {
        queue->GetLogFont() = FontFromSetting(ParseFontSetting(fontValue), ScreenLogPixelsY());
        queue->FontChanged();
    }
    return 0;
}

int TMainWindow::SaveSettings()
{
    using namespace settings;
    const char* path = settingsPath.c_str();
    // All the keys in one replace of the file: a crash leaves the old settings or the new, whole.
    platform::ProfileWriteBatch batch(path);
    bool written = true;

    if (frame_ != nullptr)
        frame_->RefreshElementChecks();

    written = WriteVersion(settingsPath) && written;

    if (frame_ != nullptr) {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        frame_->GetRestoredRect(left, top, width, height);
        const std::string position = std::to_string(left) + " " + std::to_string(top) + " " +
                                     std::to_string(width) + " " + std::to_string(height);
        written = platform::WritePrivateProfileString(kSectionGeneral, kKeyWindowPosition, position.c_str(),
                                                      path) &&
                  written;
    }

    written = WriteMenuChecks(OptionsPopup(), kSectionSettings, settingsPath) && written;
    written = WriteInt(kSectionSettings, kKeyMidiAutoReset, midiReset.resetMode, settingsPath) && written;

    written = WriteInt(kSectionState, kKeyPaused, paused_ ? 1 : 0, settingsPath) && written;
    written = WriteInt(kSectionState, kKeyStopped, stopped_ ? 1 : 0, settingsPath) && written;
    written = WriteInt(kSectionState, kKeyStick, repeat ? 1 : 0, settingsPath) && written;
    if (!addSongsFolder.empty())
        written = platform::WritePrivateProfileString(kSectionState, kKeyAddSongsFolder, addSongsFolder.c_str(),
                                                      path) &&
                  written;

    if (queue != nullptr) {
        const std::string font = FormatFontSetting(SettingFromFont(queue->GetLogFont(), ScreenLogPixelsY()));
        written = platform::WritePrivateProfileString(kSectionSettings, kKeyFont, font.c_str(), path) && written;
    }

    std::vector<std::string> albums;
    for (int i = 0; i < recentAlbums.GetCount(); ++i)
        albums.emplace_back(recentAlbums.GetRecent(i));
    written = WriteRecentAlbums(albums, settingsPath) && written;
    written = batch.Commit() && written;
    return written ? 0 : -1;
}

int TMainWindow::SaveOnExit(bool force)
{
    int result = 0;
    if (force || IsChecked(resources::CM_SAVE_SETTINGS_ON_EXIT)) {
        result = SaveSettings();
    } else if (!platform::WritePrivateProfileString(settings::kSectionSettings,
                                                    settings::kKeySaveSettingsOnExit, "0",
                                                    settingsPath.c_str())) {
        result = -1;
    }
    if (SaveAutoSavedAlbum() != 0)
        result = -1;
    return result;
}

int TMainWindow::SaveSettingsNow()
{
    int result = SaveSettings();
    if (SaveAutoSavedAlbum() != 0)
        result = -1;
    ReportSaveFailure();
    return result;
}

bool TMainWindow::SaveForClose(bool force)
{
    SaveOnExit(force);
    if (force) {
        ReportSaveFailure();
        return true;
    }
    return GoOnWithoutSaving();
}

int TMainWindow::SaveAutoSavedAlbum()
{
    saveFailure_.clear();
    // Without an album file there is nothing to keep.
    if (!IsChecked(resources::CM_AUTO_SAVE_ALBUM) || albumPath.empty())
        return 0;
    // A copy: saving may choose a new name for the album.
    const std::string path = albumPath;
    return WriteAlbum(path);
}

}  // namespace player
