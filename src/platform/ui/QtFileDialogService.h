#pragma once

#include "platform/ui/FileDialog.h"

#include <QStringList>

class QFileDialog;

namespace platform {

// Qt's own (non-native) file dialog, modal to its owner's window, starting in the
// request's initial directory or else the current drive directory. A chosen file
// that has no drive path (or, in the save dialog, whose new name is no valid
// short name) is refused with a message and the dialog shows again. OK makes the
// chosen file's directory the current one, unless the dialog had a directory of
// its own to start in.
class QtFileDialogService : public FileDialogService {
public:
    std::optional<std::string> openFile(QWidget* owner, const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(QWidget* owner, const FileDialogRequest& request) override;
    std::optional<std::vector<std::string>> openFiles(QWidget* owner, FileDialogRequest& request) override;

    // The dialog's name filter for one entry: the description as shown, the
    // patterns after it for the dialog to match (hidden from the user).
    static QString NameFilterOf(const FileFilter& filter);

private:
    // Runs dialog until the user cancels or every chosen file has a drive path.
    // filterIndex (1-based) receives the filter the user ended with.
    static std::optional<std::vector<std::string>> run(QFileDialog& dialog, const FileDialogRequest& request,
                                                       int* filterIndex);
};

}  // namespace platform
