#include "platform/ui/QtFileDialogService.h"

#include "platform/paths/PathNamespace.h"
#include "platform/ui/MessageBox.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>

namespace platform {

namespace {

QString fromStd(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// The directory part of a drive path, a drive root keeping its backslash.
std::string directoryOf(const std::string& drivePath)
{
    const std::size_t slash = drivePath.find_last_of('\\');
    if (slash == std::string::npos)
        return drivePath;
    if (slash <= 2)
        return drivePath.substr(0, slash + 1);
    return drivePath.substr(0, slash);
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setWindowTitle(fromStd(request.title));
    const std::string start = request.initialDirectory.empty() ? GetCurrentDrivePath() : request.initialDirectory;
    if (const auto dir = ToLinuxPath(start))
        dialog.setDirectory(fromStd(*dir));
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << QtFileDialogService::NameFilterOf(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filterIndex;
        dialog.selectNameFilter(filters.value(index >= 1 && index <= filters.size() ? index - 1 : 0));
    }
    if (!request.initialName.empty())
        dialog.selectFile(fromStd(request.initialName));
    // The detail view's size, type and date columns as wide as what they show
    // ("MIDI audio", not "MID...dio"); the name column takes the rest.
    if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()); grid && !request.note.empty()) {
        auto* note = new QLabel(fromStd(request.note), &dialog);
        note->setObjectName("noteLabel");
        grid->addWidget(note, grid->rowCount(), 0, 1, grid->columnCount());
    }
}

}  // namespace

QString QtFileDialogService::NameFilterOf(const FileFilter& filter)
{
    QString patterns = fromStd(filter.pattern);
    patterns.replace(';', ' ');
    return fromStd(filter.description) + " (" + patterns + ")";
}

std::optional<std::vector<std::string>> QtFileDialogService::run(QFileDialog& dialog,
                                                                 const FileDialogRequest& request, int* filterIndex)
{
    for (;;) {
        const bool accepted = dialog.exec() == QDialog::Accepted;
        if (filterIndex) {
            // The dialog names its filter by the text it shows, which is the description alone.
            const QString selected = dialog.selectedNameFilter();
            for (std::size_t i = 0; i < request.filters.size(); ++i) {
                if (selected == fromStd(request.filters[i].description) || selected == NameFilterOf(request.filters[i]))
                    *filterIndex = static_cast<int>(i) + 1;
            }
        }
        if (!accepted)
            return std::nullopt;
        std::vector<std::string> paths;
        QString refused;
        for (const QString& file : dialog.selectedFiles()) {
            const auto drivePath = FromLinuxPath(file.toLocal8Bit().toStdString());
            if (!drivePath) {
                refused = file;
                break;
            }
            paths.push_back(*drivePath);
        }
        if (refused.isEmpty() && !paths.empty()) {
            if (request.initialDirectory.empty())
                SetCurrentDrivePath(directoryOf(paths.front()));
            return paths;
        }
        if (!refused.isEmpty()) {
            MessageBeep(MB_ICONEXCLAMATION);
            MessageBox(&dialog, refused + "\nThis file name is not valid.", fromStd(request.title),
                       MB_OK | MB_ICONEXCLAMATION);
        }
    }
}

std::optional<std::string> QtFileDialogService::openFile(QWidget* owner, const FileDialogRequest& request)
{
    QFileDialog dialog(owner);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const auto paths = run(dialog, request, nullptr);
    if (!paths)
        return std::nullopt;
    return paths->front();
}

std::optional<std::string> QtFileDialogService::saveFile(QWidget* owner, const FileDialogRequest& request)
{
    QFileDialog dialog(owner);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(fromStd(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    const auto paths = run(dialog, request, nullptr);
    if (!paths)
        return std::nullopt;
    return paths->front();
}

std::optional<std::vector<std::string>> QtFileDialogService::openFiles(QWidget* owner, FileDialogRequest& request)
{
    QFileDialog dialog(owner);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return run(dialog, request, &request.filterIndex);
}

}  // namespace platform
