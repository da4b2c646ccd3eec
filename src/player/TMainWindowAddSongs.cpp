// Songs entering the album through the Add to Album dialog and by drag and drop.
#include "player/TMainWindow.h"

#include "album/FormatText.h"
#include "album/ShortFullPath.h"
#include "album/TQueueList.h"
#include "platform/paths/PathNamespace.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageBox.h"
#include "player/PlayerIds.h"

#include <QCoreApplication>

namespace player {

namespace {

constexpr int kBusyAddingSongs = 7885;

// The dialog once returned the whole selection as one text of this many
// characters, terminating zero included; a larger selection was refused.
constexpr std::size_t kSelectionBufferSize = 4096;

const std::vector<platform::FileFilter>& AddSongsFilters()
{
    static const std::vector<platform::FileFilter> filters = {
        {"Media (*.mid,*.wav,*.avi)", "*.mid;*.wav;*.avi"},
        {"MIDI music (*.mid)", "*.mid"},
        {"Wave audio (*.wav)", "*.wav"},
        {"Movie clips (*.avi)", "*.avi"},
        {"All Files (*.*)", "*.*"},
    };
    return filters;
}

// A chosen file's directory as the dialog gives it (a drive root keeps its
// backslash: c:\) and its name.
struct DirectoryAndName {
    std::string directory;
    std::string name;
};

DirectoryAndName Split(const std::string& path)
{
    const std::size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos)
        return {std::string(), path};
    const std::size_t dirEnd = slash == 2 && path[1] == ':' ? slash + 1 : slash;
    return {path.substr(0, dirEnd), path.substr(slash + 1)};
}

// The selection as one text: the full path of a single file, otherwise the
// directory followed by the names, each after a blank.
std::size_t SelectionLength(const std::vector<std::string>& files)
{
    if (files.size() == 1)
        return files.front().size();
    std::size_t length = Split(files.front()).directory.size();
    for (const std::string& file : files)
        length += 1 + Split(file).name.size();
    return length;
}

}  // namespace

int TMainWindow::AddSongs()
{
    const bool shiftDown = platform::IsShiftDown();
    platform::FileDialogRequest request;
    request.title = "Add Songs to Album";
    request.filters = AddSongsFilters();
    request.filterIndex = addSongsFilter;
    request.mustExist = true;
    request.overwritePrompt = false;
    request.note = "You can select multiple files in this dialog";
    if (!addSongsFolder.empty() && platform::IsDriveDirectory(addSongsFolder))
        request.initialDirectory = addSongsFolder;
    const auto files = platform::GetOpenFileNames(this, request);
    addSongsFilter = request.filterIndex;
    if (!files || files->empty() || !queue)
        return -1;
    // The next dialog starts here, and so do the others, which start in the current directory.
    addSongsFolder = Split(files->front()).directory;
    platform::SetCurrentDrivePath(addSongsFolder);
    if (SelectionLength(*files) + 1 > kSelectionBufferSize) {
        platform::MessageBeep(platform::MB_ICONEXCLAMATION);
        platform::MessageBox(this,
                             QStringLiteral("Too many files selected.\nDo it in smaller chunks or use drag and drop."),
                             QStringLiteral("The Vantor"), platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return -1;
    }

    const int before = queue->GetCount();
    if (files->size() == 1) {
        queue->AddSong(files->front().c_str());
    } else {
        BeginBusy(kBusyAddingSongs);
        for (const std::string& file : *files) {
            const DirectoryAndName parts = Split(file);
            queue->AddSong(FormatText("%s\\%s", parts.directory.c_str(), parts.name.c_str()));
        }
        EndBusy();
    }
    StartAddedSongs(before, shiftDown);
    return 0;
}

int TMainWindow::DropFiles(const std::vector<std::string>& linuxPaths)
{
    const bool shiftDown = platform::IsShiftDown();
    const std::size_t dropped = linuxPaths.size();
    const int before = queue ? queue->GetCount() : 0;

    // One album dropped alone is opened, before the busy display: opening may
    // ask about the current album first.
    if (dropped == 1) {
        const auto name = platform::FromLinuxPath(linuxPaths.front());
        if (name && LoadAlbum(*name) >= 0)
            return 0;
    }

    BeginBusy(kBusyAddingSongs);
    std::size_t handled = 0;
    for (const std::string& linuxPath : linuxPaths) {
        // A file no drive reaches has no name the album could keep.
        const auto name = platform::FromLinuxPath(linuxPath);
        if (name) {
            char shortPath[platform::kMaxPath];
            const char* song = ShortFullPath(name->c_str(), shortPath, static_cast<int>(sizeof shortPath)) ? shortPath : name->c_str();
            if (queue)
                queue->AddSong(song);
        }
        if (++handled % 10 == 0)
            QCoreApplication::processEvents();
    }
    EndBusy();

    StartAddedSongs(before, shiftDown);
    return 0;
}

void TMainWindow::StartAddedSongs(int before, bool shiftDown)
{
    if (shiftDown) {
        PlaySong(before);
        return;
    }
    if (before > 0 || !queue)
        return;
    if (!IsChecked(kOptAutoPlay))
        queue->SetSelIndex(0);
    else if (IsChecked(kOptRandomOrder))
        NextSong();
    else
        PlaySong(0);
}

}  // namespace player
