// The recent albums and the album chosen at start-up.

#include "album/FormatText.h"
#include "album/PathUtils.h"
#include "album/ShortFullPath.h"
#include "album/TAlbumList.h"
#include "album/TQueueList.h"
#include "controls/menu/MenuBuilder.h"
#include "platform/mci/MediaDriverRegistry.h"
#include "platform/paths/PathNamespace.h"
#include "platform/profile/PrivateProfile.h"
#include "platform/ui/MessageBox.h"
#include "player/IMenuState.h"
#include "player/OptionSuspension.h"
#include "player/ProgramMessage.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"
#include "resources/strings/StringTable.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <optional>
#include <utility>
#include <cctype>

namespace player {

namespace {

constexpr const char* kAlbumsSection = "Albums";
constexpr int kMenuPathLength = 25;
// Two positions above Exit: the separator between them.
constexpr int kRecentAboveExit = 2;
constexpr int kProfileValueLength = 260;

// The "&Recent Albums" pop-up of the Album menu, or null.
QMenu* RecentAlbumsMenu(const QMenu* root)
{
    if (!root)
        return nullptr;
    const auto popups = root->actions();
    const auto album = std::find_if(popups.begin(), popups.end(), [](const QAction* a) { return a->menu(); });
    if (album == popups.end())
        return nullptr;
    const QMenu* albumMenu = (*album)->menu();
    const int position = MenuItemPosition(albumMenu, resources::CM_EXIT) - kRecentAboveExit;
    if (position < 0)
        return nullptr;
    return albumMenu->actions().at(position)->menu();
}

// The album the command line asks for: its first word once surrounding blanks
// are gone (quotes are part of the name). The desktop hands Linux paths; those
// become the drive paths the program holds.
std::string RequestedAlbum(const std::string& commandLine)
{
    const auto isBlank = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(commandLine.begin(), commandLine.end(), isBlank);
    const auto last = std::find_if_not(commandLine.rbegin(), commandLine.rend(), isBlank).base();
    if (first >= last)
        return {};
    const std::string trimmed(first, last);
    std::string word = trimmed.substr(0, trimmed.find(' '));
    if (word.front() == '/') {
        if (auto drivePath = platform::FromLinuxPath(word))
            word = *drivePath;
    }
    return word;
}

// A file the media layer plays (by its extension): a song, not an album.
bool IsSongFile(const std::string& path)
{
    const char* extension = FileExtension(path.c_str());
    return extension != nullptr && *extension != '\0' && !mci::DeviceTypeForExtension(extension).empty();
}

}  // namespace

void TMainWindow::UpdateRecentMenu()
{
    QMenu* menu = RecentAlbumsMenu(frameMenu ? frameMenu->RootMenu() : nullptr);
    if (!menu)
        return;
    menu->clear();
    for (int i = 0; i < TAlbumList::kMaxAlbums; ++i) {
        const char* path = recentAlbums.GetRecent(i);
        if (!path)
            break;
        std::string text = FormatText("&%d %s", i + 1, AbbreviatePath(path, kMenuPathLength));
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const int command = resources::CM_RECENT_ALBUM_FIRST + i;
        auto* action = new QAction(QString::fromUtf8(text.c_str()), menu);
        action->setData(command);
        action->setProperty(kMenuLabelProperty, QString::fromUtf8(text.c_str()));
        action->setStatusTip(QString::fromLatin1(resources::LoadString(command)));
        menu->addAction(action);
    }
}

int TMainWindow::OpenRecentAlbum(int command)
{
    if (command < resources::CM_RECENT_ALBUM_FIRST || command > resources::CM_RECENT_ALBUM_LAST)
        return -1;
    const char* line = recentAlbums.GetRecent(command - resources::CM_RECENT_ALBUM_FIRST);
    if (!line)
        return -1;
    // A copy: the load reorders the list.
    const std::string path = line;
    if (LoadAlbum(path) < 0) {
        ProgramMessage(this, FormatText("Cannot read album '%s'", path.c_str()),
                       platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return -1;
    }
    return 0;
}

int TMainWindow::OpenRequestedAlbum(const std::string& album)
{
    if (album.empty())
        return -1;
    // One whole name, blanks and all; a Linux path becomes the drive path the program holds.
    std::optional<std::string> drivePath = album.front() == '/' ? platform::FromLinuxPath(album) : album;
    const std::string path = drivePath.value_or(album);
    if (IsSongFile(path))
        return OpenRequestedSong(path);
    return OpenAlbumFile(path);
}

int TMainWindow::OpenRequestedSong(const std::string& song)
{
    if (NewAlbum() < 0)
        return -1;
    // New may have asked about the current album: the queue is checked again.
    if (!queue)
        return -1;
    char shortPath[platform::kMaxPath];
    queue->AddSong(ShortFullPath(song.c_str(), shortPath, static_cast<int>(sizeof shortPath)) ? shortPath
                                                                                              : song.c_str());
    return queue->GetCount() > 0 ? PlaySong(0) : -1;
}

int TMainWindow::LoadStartupAlbum(const std::string& commandLine)
{
    bool loaded = false;
    std::string requested = RequestedAlbum(commandLine);
    // A song is no album: the start-up goes on as without a request, then opens it.
    std::string song;
    if (IsSongFile(requested))
        song = std::exchange(requested, std::string());
    if (!requested.empty()) {
        loaded = LoadAlbum(requested) == 0;
        if (!loaded
            && ProgramMessage(this,
                              FormatText("Could not load requested album '%s'.\nSelect OK to load last session's "
                                         "or default one instead.\nSelect Cancel to exit.",
                                         requested.c_str()),
                              platform::MB_OKCANCEL | platform::MB_ICONEXCLAMATION)
                   == platform::IDCANCEL)
            return -1;
    }

    if (!settingsPath.empty()) {
        for (int n = TAlbumList::kMaxAlbums; n >= 1; --n) {
            char value[kProfileValueLength + 1] = {};
            platform::GetPrivateProfileString(kAlbumsSection, FormatText("%s%d", "Album", n), "", value,
                                              sizeof value, settingsPath.c_str());
            std::string entry = value;
            if (!entry.empty())
                recentAlbums.AddRecent(entry);
        }
    }
    if (!loaded && recentAlbums.GetRecent(0)) {
        const std::string mostRecent = recentAlbums.GetRecent(0);
        LoadAlbum(mostRecent);
    }

    {
        const OptionSuspension noAutoSave(frameMenu, resources::CM_AUTO_SAVE_ALBUM);
        if (albumPath.empty()) {
            albumPath = DefaultAlbumPath();
            if (LoadAlbum(albumPath) != 0) {
                recentAlbums.AddRecent(albumPath);
                UpdateRecentMenu();
                ShowCaption(&albumPath, nullptr);
            }
        }
    }
    UpdateRecentMenu();
    if (!song.empty())
        OpenRequestedSong(song);
    return 0;
}

}  // namespace player
