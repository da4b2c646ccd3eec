#include "platform/ui/FileDialog.h"

#include "platform/ui/QtFileDialogService.h"

namespace platform {

namespace {

FileDialogService* installed = nullptr;

}  // namespace

FileDialogService& CurrentFileDialogService()
{
    static QtFileDialogService qtService;
    return installed ? *installed : qtService;
}

void SetFileDialogService(FileDialogService* service)
{
    installed = service;
}

std::optional<std::string> GetOpenFileName(QWidget* owner, const FileDialogRequest& request)
{
    return CurrentFileDialogService().openFile(owner, request);
}

std::optional<std::string> GetSaveFileName(QWidget* owner, const FileDialogRequest& request)
{
    return CurrentFileDialogService().saveFile(owner, request);
}

std::optional<std::vector<std::string>> GetOpenFileNames(QWidget* owner, FileDialogRequest& request)
{
    return CurrentFileDialogService().openFiles(owner, request);
}

}  // namespace platform
