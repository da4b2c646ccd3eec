#pragma once
// The keyword search of the help window: the file's keywords in a list under an
// edit line. Typing selects the first keyword that starts with the text (case
// ignored); a keyword lists its topics; Display (or Enter, or a double click)
// asks for the chosen topic and hides the dialog. Not modal, so a help request
// never waits on it.

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace platform::help {

class HelpFile;

class KeywordSearchDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeywordSearchDialog(QWidget* parent);

    void setHelpFile(const HelpFile& file);
    // Shows the dialog with key in the edit line and the focus there.
    void openWithKey(const QString& key);

    QLineEdit* keyEdit() const { return edit_; }
    QListWidget* keywordList() const { return keywords_; }
    QListWidget* topicList() const { return topics_; }
    QPushButton* displayButton() const { return display_; }

signals:
    void topicChosen(const QString& topicId);

private:
    void keyEdited(const QString& text);
    void keywordChanged();
    void displayChosen();

    QLineEdit* edit_;
    QListWidget* keywords_;
    QListWidget* topics_;
    QPushButton* display_;
};

}  // namespace platform::help
