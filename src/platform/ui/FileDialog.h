#pragma once
// File dialogs. Every open and save dialog of the program goes through the
// installed FileDialogService: Qt's file dialog in the program, a scripted
// answerer in tests. Chosen files come back as drive paths (short form, lower
// case, see paths/PathNamespace.h), so they never contain blanks.

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace platform {

// One entry of a dialog's file-type list.
struct FileFilter {
    std::string description;  // "MIDI music (*.mid)"
    std::string pattern;      // "*.mid", several joined by ';': "*.mid;*.wav"
};

struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;
    // 1-based index of the filter shown first; the multiple-file dialog hands back
    // the one the user ended with, also after Cancel.
    int filterIndex = 1;
    // File name (no directory) the name field starts with; may be empty.
    std::string initialName;
    // Extension without the dot, appended by the save dialog to a name that has none.
    std::string defaultExtension;
    // Open dialogs: only existing files can be chosen.
    bool mustExist = true;
    // Save dialog: asks before an existing file is replaced.
    bool overwritePrompt = true;
    // A line of advice shown below the dialog's controls; may be empty.
    std::string note;
    // Drive path of the directory the dialog starts in; empty: the current
    // directory. A dialog started elsewhere leaves the current directory as it is.
    std::string initialDirectory;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // Nothing on Cancel.
    virtual std::optional<std::string> openFile(QWidget* owner, const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(QWidget* owner, const FileDialogRequest& request) = 0;
    // The chosen files in selection order; nothing on Cancel. request.filterIndex
    // is updated in both cases.
    virtual std::optional<std::vector<std::string>> openFiles(QWidget* owner, FileDialogRequest& request) = 0;
};

// The service in use. Installing null restores Qt's.
FileDialogService& CurrentFileDialogService();
void SetFileDialogService(FileDialogService* service);

std::optional<std::string> GetOpenFileName(QWidget* owner, const FileDialogRequest& request);
std::optional<std::string> GetSaveFileName(QWidget* owner, const FileDialogRequest& request);
std::optional<std::vector<std::string>> GetOpenFileNames(QWidget* owner, FileDialogRequest& request);

}  // namespace platform
