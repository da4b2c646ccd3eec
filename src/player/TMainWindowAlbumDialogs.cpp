// The Open Album and Save Album dialogs.

#include "album/FormatText.h"
#include "album/PathUtils.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "player/ProgramMessage.h"
#include "player/TMainWindow.h"

namespace player {

namespace {

platform::FileDialogRequest AlbumDialogRequest(const char* title)
{
    platform::FileDialogRequest request;
    request.title = title;
    request.filters = {{"Albums (*.alb)", "*.alb"}};
    request.defaultExtension = "alb";
    return request;
}

}  // namespace

int TMainWindow::AskSaveAlbum(const std::string* initialPath)
{
    saveFailure_.clear();
    platform::FileDialogRequest request = AlbumDialogRequest("Save Album");
    request.mustExist = false;
    request.overwritePrompt = true;
    if (initialPath)
        request.initialName = FileNamePart(initialPath->c_str());
    const std::optional<std::string> chosen = platform::GetSaveFileName(this, request);
    if (!chosen)
        return -1;
    return WriteAlbum(*chosen);
}

int TMainWindow::OpenAlbum()
{
    platform::FileDialogRequest request = AlbumDialogRequest("Open Album");
    request.mustExist = true;
    const std::optional<std::string> chosen = platform::GetOpenFileName(this, request);
    if (!chosen)
        return 0;
    return OpenAlbumFile(*chosen);
}

int TMainWindow::OpenAlbumFile(const std::string& path)
{
    if (LoadAlbum(path) < 0) {
        ProgramMessage(this, FormatText("%s\n\nCannot read this album", path.c_str()),
                       platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return -1;
    }
    return 0;
}

}  // namespace player
