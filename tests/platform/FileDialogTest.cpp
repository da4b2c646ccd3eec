// The file dialog service: Qt's dialog driven offscreen (files typed into the
// name field, then accepted or cancelled) and the scripted answerer.

#include "platform/paths/PathNamespace.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/QtFileDialogService.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDrive.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace platform;

namespace {

const std::vector<FileFilter> kFilters = {
    {"Media (*.mid,*.wav,*.avi)", "*.mid;*.wav;*.avi"},
    {"MIDI music (*.mid)", "*.mid"},
    {"All Files (*.*)", "*.*"},
};

// Runs an action on each file dialog as soon as it shows (a refused choice shows
// the dialog again), cancels dialogs once no action is left, and accepts the
// message boxes in between. Lives as long as the dialogs it drives.
class DialogDriver : public QObject {
public:
    using Action = std::function<void(QFileDialog&)>;

    explicit DialogDriver(std::vector<Action> actions) : actions_(std::move(actions))
    {
        QTimer::singleShot(0, this, &DialogDriver::step);
    }

private:
    void step()
    {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            if (auto* box = qobject_cast<QDialog*>(modal))
                box->accept();
            QTimer::singleShot(0, this, &DialogDriver::step);
            return;
        }
        if (next_ == actions_.size()) {
            dialog->reject();
            return;
        }
        actions_[next_++](*dialog);
        if (next_ < actions_.size())
            QTimer::singleShot(0, this, &DialogDriver::step);
    }

    std::vector<Action> actions_;
    std::size_t next_ = 0;
};

void typeAndAccept(QFileDialog& dialog, const QString& text)
{
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(edit, nullptr);
    edit->setText(text);
    static_cast<QDialog&>(dialog).accept();  // QFileDialog::accept checks the typed names
}

class QtFileDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        drive.writeFile("Music/First Song.mid", "MThd");
        drive.writeFile("Music/b.mid", "MThd");
        drive.writeFile("Music/c.wav", "RIFF");
        ASSERT_TRUE(SetCurrentDrivePath(drive.path("music")));
    }

    TempDrive drive;
    QtFileDialogService service;
};

TEST_F(QtFileDialogs, SeveralFilesComeBackAsShortDrivePathsInSelectionOrder)
{
    FileDialogRequest request{"Add Songs to Album", kFilters, 2, {}, {}, true, false, "Pick several", {}};
    QString shownTitle;
    QString shownFilter;
    QString shownNote;
    DialogDriver driver({[&](QFileDialog& dialog) {
        shownTitle = dialog.windowTitle();
        if (auto* note = dialog.findChild<QLabel*>("noteLabel"))
            shownNote = note->text();
        shownFilter = dialog.selectedNameFilter();
        dialog.selectNameFilter(QtFileDialogService::NameFilterOf(kFilters[2]));
        typeAndAccept(dialog, "\"c.wav\" \"First Song.mid\" \"b.mid\"");
    }});
    const auto files = service.openFiles(nullptr, request);
    ASSERT_TRUE(files);
    const auto longOne = FromLinuxPath(drive.linuxPath("Music/First Song.mid").toStdString());
    ASSERT_TRUE(longOne);
    EXPECT_EQ(longOne->find(' '), std::string::npos);
    EXPECT_EQ(*files, (std::vector<std::string>{"t:\\music\\c.wav", *longOne, "t:\\music\\b.mid"}));
    EXPECT_EQ(shownTitle, "Add Songs to Album");
    EXPECT_EQ(shownNote, "Pick several");
    EXPECT_EQ(shownFilter, "MIDI music (*.mid)");
    EXPECT_EQ(request.filterIndex, 3);
}

TEST_F(QtFileDialogs, CancelKeepsTheFilterTheUserEndedWith)
{
    FileDialogRequest request{"Add Songs to Album", kFilters, 1, {}, {}, true, false, {}, {}};
    DialogDriver driver({[](QFileDialog& dialog) {
        dialog.selectNameFilter(QtFileDialogService::NameFilterOf(kFilters[1]));
        dialog.reject();
    }});
    EXPECT_FALSE(service.openFiles(nullptr, request));
    EXPECT_EQ(request.filterIndex, 2);
}

TEST_F(QtFileDialogs, OpenOneFileMakesItsDirectoryCurrent)
{
    ASSERT_TRUE(SetCurrentDrivePath(drive.path()));
    DialogDriver driver({[&](QFileDialog& dialog) { typeAndAccept(dialog, drive.linuxPath("Music/b.mid")); }});
    const auto file = service.openFile(nullptr, {"Open Album", {{"Albums (*.alb)", "*.alb"}}, 1, {}, "alb", true, false, {}, {}});
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, "t:\\music\\b.mid");
    EXPECT_EQ(GetCurrentDrivePath(), "t:\\music");
}

TEST_F(QtFileDialogs, ADialogWithADirectoryOfItsOwnStartsThereAndLeavesTheCurrentOne)
{
    ASSERT_TRUE(SetCurrentDrivePath(drive.path()));
    QString shownDirectory;
    DialogDriver driver({[&](QFileDialog& dialog) {
        shownDirectory = dialog.directory().path();
        typeAndAccept(dialog, "b.mid");
    }});
    const auto file = service.openFile(nullptr, {"Open", kFilters, 2, {}, {}, true, false, {}, "t:\\music"});
    EXPECT_EQ(file, "t:\\music\\b.mid");
    EXPECT_EQ(shownDirectory, drive.linuxPath("Music"));
    EXPECT_EQ(GetCurrentDrivePath(), drive.path());
}

TEST_F(QtFileDialogs, SaveAddsTheDefaultExtensionAndRefusesLongNewNames)
{
    ScriptedMessageBoxes boxes;
    QString initialText;
    DialogDriver driver({[&](QFileDialog& dialog) {
                   initialText = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
                   typeAndAccept(dialog, "A Long Name");
               },
               [](QFileDialog& dialog) { typeAndAccept(dialog, "Party"); }});
    const auto file = service.saveFile(
        nullptr, {"Save Album", {{"Albums (*.alb)", "*.alb"}}, 1, "old.alb", "alb", false, true, {}, {}});
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, "t:\\music\\party.alb");
    EXPECT_EQ(initialText, "old.alb");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(boxes.boxes()[0].text.endsWith("A Long Name.alb\nThis file name is not valid."));
    EXPECT_EQ(boxes.boxes()[0].caption, "Save Album");
}

TEST(ScriptedFileDialogsTest, AnswersFromTheScriptAndRestoresThePreviousService)
{
    FileDialogService* before = &CurrentFileDialogService();
    {
        ScriptedFileDialogs dialogs;
        EXPECT_EQ(&CurrentFileDialogService(), &dialogs);
        dialogs.choose({"c:\\a.mid", "c:\\b.mid"}, 4);
        dialogs.cancel(2);
        FileDialogRequest request{"Add", kFilters, 1, {}, {}, true, false, {}, {}};
        EXPECT_EQ(GetOpenFileNames(nullptr, request), (std::vector<std::string>{"c:\\a.mid", "c:\\b.mid"}));
        EXPECT_EQ(request.filterIndex, 4);
        EXPECT_FALSE(GetOpenFileNames(nullptr, request));
        EXPECT_EQ(request.filterIndex, 2);
        EXPECT_FALSE(GetSaveFileName(nullptr, request));
        ASSERT_EQ(dialogs.dialogs().size(), 3u);
        EXPECT_EQ(dialogs.dialogs()[1].request.filterIndex, 4);
        EXPECT_EQ(dialogs.dialogs()[2].kind, ScriptedFileDialogs::Kind::Save);
    }
    EXPECT_EQ(&CurrentFileDialogService(), before);
}

}  // namespace
