// The album file and the Album menu's commands.

#include "album/AlbumFile.h"
#include "album/FormatText.h"
#include "album/PathUtils.h"
#include "album/ShortFullPath.h"
#include "album/TQueueList.h"
#include "platform/paths/DriveFile.h"
#include "platform/paths/PathNamespace.h"
#include "platform/ui/MessageBox.h"
#include "player/IMenuState.h"
#include "player/OptionSuspension.h"
#include "player/ProgramMessage.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"
#include "resources/strings/StringTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <strings.h>

namespace player {

namespace {

constexpr const char* kUntitledAlbum = "[untitled].alb";
constexpr const char* kDefaultAlbum = "default.alb";
constexpr int kBusyLoadingAlbum = 7789;
constexpr int kBusySavingAlbum = 7790;
constexpr int kAskDeleteAlbum = 7828;
// Waiting window messages are handled after this many words or lines.
constexpr int kMessagesEvery = 10;
constexpr int kPathBufferLength = 260;

bool HasAlbumExtension(const std::string& path)
{
    return ::strcasecmp(FileExtension(path.c_str()), "alb") == 0;
}

bool IsUntitled(const std::string& path)
{
    return ::strcasecmp(FileNamePart(path.c_str()), kUntitledAlbum) == 0;
}

std::string LowerCased(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<std::string> ShortFull(const std::string& path)
{
    char buffer[kPathBufferLength];
    if (!ShortFullPath(path.c_str(), buffer, kPathBufferLength))
        return std::nullopt;
    return std::string(buffer);
}

// The path cut at its last backslash, or nothing when it has none.
std::optional<std::string> DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos)
        return std::nullopt;
    return path.substr(0, slash);
}

// The short full path an album at path will have once it is written: its own
// when it exists, else its directory's followed by its name.
std::string ExpectedAlbumPath(const std::string& path)
{
    if (auto full = ShortFull(path))
        return LowerCased(*full);
    if (auto dir = DirectoryOf(path)) {
        if (auto fullDir = ShortFull(dir->empty() ? "\\" : *dir))
            return LowerCased(*fullDir + (fullDir->back() == '\\' ? "" : "\\") + FileNamePart(path.c_str()));
    }
    return path;
}

}  // namespace

int TMainWindow::LoadAlbum(const std::string& path)
{
    if (path.empty() || !platform::DrivePathExists(path) || platform::IsDriveDirectory(path))
        return -1;
    if (!HasAlbumExtension(path))
        return -1;
    // The auto-save below may replace albumPath, which callers pass in.
    const std::string requested = path;
    if (!AutoSaveBeforeReplacing())
        return kAlbumKept;

    std::FILE* file = platform::OpenDriveFile(requested, "r");
    if (!file)
        return -1;
    albumPath = ShortFull(requested).value_or(requested);
    recentAlbums.AddRecent(albumPath);
    UpdateRecentMenu();
    ClearAlbum();

    AlbumReader reader(file);
    int stored = -1;
    reader.ReadIndex(stored);

    BeginBusy(kBusyLoadingAlbum);
    if (queue)
        queue->SetRedraw(false);
    const std::optional<std::string> albumDir = DirectoryOf(albumPath);
    std::string word;
    for (int read = 1; reader.NextSong(word); ++read) {
        if (queue)
            queue->AddSong(albumDir ? ResolveRelativePath(word.c_str(), albumDir->c_str()) : word.c_str());
        if (read % kMessagesEvery == 0)
            QCoreApplication::processEvents();
    }
    std::fclose(file);
    if (queue) {
        queue->SetRedraw(true);
        queue->update();
    }
    EndBusy();

    const int count = queue ? queue->GetCount() : 0;
    if (stored < 0)
        stored = IsChecked(resources::CM_RANDOM_ORDER) && count > 0 ? std::rand() % count : 0;
    if (IsChecked(resources::CM_AUTO_PLAY))
        PlaySong(stored);
    else if (queue)
        queue->SetSelIndex(stored);
    currentSong = stored;
    const char* song = queue ? queue->GetSongPath(stored) : nullptr;
    const std::string songPath = song ? song : "";
    ShowCaption(&albumPath, song ? &songPath : nullptr);
    return 0;
}

int TMainWindow::WriteAlbum(const std::string& path)
{
    saveFailure_.clear();
    const auto fail = [this, &path](int reason) {
        saveFailure_ = FormatText("Cannot save album '%s'\n\n%s", path.c_str(), std::strerror(reason));
        return -1;
    };
    if (path.empty())
        return -1;
    if (IsUntitled(path)) {
        // Closing by a signal or with the session: no one answers a dialog, so
        // the album stays unsaved, as after Cancel, and the terminal says so.
        if (unattended_) {
            std::fprintf(stderr, "Untitled album not saved: no one is there to name it\n");
            return 0;
        }
        // Cancel in the dialog leaves the album unsaved; the caller carries on.
        // A name chosen there that cannot be written is a failed save, though.
        AskSaveAlbum(nullptr);
        return saveFailure_.empty() ? 0 : -1;
    }
    const std::string target = LowerCased(path);
    if (!HasAlbumExtension(target))
        return fail(EINVAL);
    // The backup holds the album as it was before this save, also when the save
    // then fails.
    if (platform::DrivePathExists(target) && !platform::IsDriveDirectory(target))
        platform::CopyDriveFile(target, AlbumBackupPath(target));
    if (!platform::ToLinuxPath(target))
        return fail(ENOENT);
    if (platform::IsDriveDirectory(target))
        return fail(EISDIR);

    const std::string expected = ExpectedAlbumPath(target);
    std::optional<std::string> albumDir;
    if (IsChecked(resources::CM_RELATIVE_PATHS))
        albumDir = DirectoryOf(expected);

    AlbumWriter writer;
    writer.WriteIndex(currentSong);
    BeginBusy(kBusySavingAlbum);
    for (int i = 0; queue; ++i) {
        const char* song = queue->GetSongPath(i);
        if (!song)
            break;
        writer.WriteSong(albumDir ? MakeRelativePath(song, albumDir->c_str()) : song);
        if ((i + 1) % kMessagesEvery == 0)
            QCoreApplication::processEvents();
    }
    EndBusy();
    if (!writer.Commit(target))
        return fail(errno);

    albumPath = ShortFull(target).value_or(expected);
    const char* song = queue ? queue->GetSongPath(currentSong) : nullptr;
    const std::string songPath = song ? song : "";
    ShowCaption(&albumPath, song ? &songPath : nullptr);
    recentAlbums.AddRecent(albumPath);
    UpdateRecentMenu();
    return 0;
}

void TMainWindow::LoadDefaultAlbum()
{
    if (!AutoSaveBeforeReplacing())
        return;
    const OptionSuspension noAutoSave(frameMenu, resources::CM_AUTO_SAVE_ALBUM);
    albumPath = DefaultAlbumPath();
    if (LoadAlbum(albumPath) != 0) {
        // An empty album under that name; the next save creates the file.
        recentAlbums.AddRecent(albumPath);
        UpdateRecentMenu();
        ShowCaption(&albumPath, nullptr);
        ClearAlbum();
    }
}

std::string TMainWindow::DefaultAlbumPath() const
{
    return (userDir.empty() ? programDir : userDir) + "\\" + kDefaultAlbum;
}

int TMainWindow::NewAlbum()
{
    if (!AutoSaveBeforeReplacing())
        return -1;
    albumPath = kUntitledAlbum;
    ClearAlbum();
    return 0;
}

int TMainWindow::SaveAlbum()
{
    // A copy: saving may choose a new name for the album.
    const std::string path = albumPath;
    const int result = WriteAlbum(path);
    ReportSaveFailure();
    return result;
}

int TMainWindow::SaveAlbumAs()
{
    const std::string initial = albumPath;
    const bool named = !initial.empty() && !IsUntitled(initial);
    const int result = AskSaveAlbum(named ? &initial : nullptr);
    ReportSaveFailure();
    return result;
}

bool TMainWindow::AutoSaveBeforeReplacing()
{
    if (!IsChecked(resources::CM_AUTO_SAVE_ALBUM) || albumPath.empty())
        return true;
    const std::string path = albumPath;
    if (WriteAlbum(path) == 0 || saveFailure_.empty())
        return true;
    return GoOnWithoutSaving();
}

void TMainWindow::ReportSaveFailure()
{
    if (saveFailure_.empty())
        return;
    std::string text = std::exchange(saveFailure_, std::string());
    if (unattended_) {
        // One line on the terminal: "Cannot save album '...': reason".
        if (const std::size_t gap = text.find("\n\n"); gap != std::string::npos)
            text.replace(gap, 2, ": ");
        std::fprintf(stderr, "%s\n", text.c_str());
    } else
        ProgramMessage(this, text, platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

bool TMainWindow::GoOnWithoutSaving()
{
    if (saveFailure_.empty())
        return true;
    if (unattended_) {
        ReportSaveFailure();
        return true;
    }
    const std::string text = std::exchange(saveFailure_, std::string());
    return ProgramMessage(this, text + "\n\nContinue without saving it?",
                          platform::MB_YESNO | platform::MB_ICONEXCLAMATION | platform::MB_DEFBUTTON2)
           == platform::IDYES;
}

int TMainWindow::CloseAlbum()
{
    StopSong();
    LoadDefaultAlbum();
    return 0;
}

int TMainWindow::DeleteAlbum()
{
    if (albumPath.empty())
        return 0;
    if (ProgramMessage(this, resources::LoadString(kAskDeleteAlbum),
                       platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2)
        != platform::IDYES)
        return 0;
    StopSong();
    // Failed deletions are not reported: the default album is loaded anyway.
    platform::DeleteDriveFile(albumPath);
    platform::DeleteDriveFile(AlbumBackupPath(albumPath));
    const OptionSuspension noAutoSave(frameMenu, resources::CM_AUTO_SAVE_ALBUM);
    LoadDefaultAlbum();
    return 0;
}

int TMainWindow::RemoveDuplicates()
{
    const OptionSuspension noDuplicates(frameMenu, resources::CM_ALLOW_DUPLICATES);
    // The reload reads the queue back from the file: when the file cannot take
    // the queue as it is now, reloading would throw the unsaved songs away.
    if (SaveAlbum() != 0)
        return -1;
    // Saved already: the load must not save again on its own.
    const OptionSuspension noSecondSave(frameMenu, resources::CM_AUTO_SAVE_ALBUM);
    // A copy: the load replaces albumPath.
    const std::string path = albumPath;
    if (LoadAlbum(path) != 0) {
        ProgramMessage(this, FormatText("Cannot reload album '%s'", path.c_str()),
                       platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return -1;
    }
    return 0;
}

}  // namespace player
