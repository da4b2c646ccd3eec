#pragma once
// Records every file dialog and answers it from a script: chosen drive paths or
// Cancel, and for the multiple-file dialog the filter index the user ends with.
// With the script empty a dialog is cancelled. Installed for its lifetime.

#include "platform/ui/FileDialog.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class ScriptedFileDialogs : public platform::FileDialogService {
public:
    enum class Kind { Open, Save, OpenMany };

    struct Dialog {
        Kind kind;
        QWidget* owner;
        platform::FileDialogRequest request;  // as the dialog was asked to show
    };

    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // The next dialog returns these files; endFilter (1-based), when given, is the
    // filter the user leaves the dialog with.
    void choose(std::vector<std::string> files, std::optional<int> endFilter = std::nullopt);
    void cancel(std::optional<int> endFilter = std::nullopt);

    const std::vector<Dialog>& dialogs() const { return dialogs_; }

    std::optional<std::string> openFile(QWidget* owner, const platform::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(QWidget* owner, const platform::FileDialogRequest& request) override;
    std::optional<std::vector<std::string>> openFiles(QWidget* owner, platform::FileDialogRequest& request) override;

private:
    struct Answer {
        std::optional<std::vector<std::string>> files;
        std::optional<int> endFilter;
    };
    Answer next(Kind kind, QWidget* owner, const platform::FileDialogRequest& request);

    std::deque<Answer> answers_;
    std::vector<Dialog> dialogs_;
    platform::FileDialogService* previous_;
};
