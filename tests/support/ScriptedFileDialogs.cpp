#include "support/ScriptedFileDialogs.h"

using namespace platform;

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(&CurrentFileDialogService())
{
    SetFileDialogService(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    SetFileDialogService(previous_);
}

void ScriptedFileDialogs::choose(std::vector<std::string> files, std::optional<int> endFilter)
{
    answers_.push_back({std::move(files), endFilter});
}

void ScriptedFileDialogs::cancel(std::optional<int> endFilter)
{
    answers_.push_back({std::nullopt, endFilter});
}

ScriptedFileDialogs::Answer ScriptedFileDialogs::next(Kind kind, QWidget* owner, const FileDialogRequest& request)
{
    dialogs_.push_back({kind, owner, request});
    Answer answer{std::nullopt, std::nullopt};
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    return answer;
}

std::optional<std::string> ScriptedFileDialogs::openFile(QWidget* owner, const FileDialogRequest& request)
{
    const Answer answer = next(Kind::Open, owner, request);
    if (!answer.files || answer.files->empty())
        return std::nullopt;
    return answer.files->front();
}

std::optional<std::string> ScriptedFileDialogs::saveFile(QWidget* owner, const FileDialogRequest& request)
{
    const Answer answer = next(Kind::Save, owner, request);
    if (!answer.files || answer.files->empty())
        return std::nullopt;
    return answer.files->front();
}

std::optional<std::vector<std::string>> ScriptedFileDialogs::openFiles(QWidget* owner, FileDialogRequest& request)
{
    const Answer answer = next(Kind::OpenMany, owner, request);
    if (answer.endFilter)
        request.filterIndex = *answer.endFilter;
    return answer.files;
}
