#pragma once
// The help window: a topic of the help file in a text browser, with Contents,
// Search and Back buttons. Back walks the topics shown before, newest first.
// The engine's own "Using Help" page counts as a topic with the id kUsingHelpId,
// which no file topic can have.

#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace platform::help {

class HelpFile;
class KeywordSearchDialog;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kUsingHelpId = "@using-help";

    explicit HelpWindow(QWidget* parent);

    // The file whose topics the window shows. A file from another path starts
    // the Back history afresh.
    void setHelpFile(std::shared_ptr<const HelpFile> file, const QString& path);
    const HelpFile* helpFile() const { return file_.get(); }

    // Shows a topic of the file (or kUsingHelpId), remembering the one shown
    // before for Back. False for an id the file does not have.
    bool showTopic(const QString& id);
    void showContents();
    void showSearch(const QString& key);
    void back();

    const QString& currentTopic() const { return current_; }
    QTextBrowser* browser() const { return browser_; }
    KeywordSearchDialog* searchDialog() const { return search_; }
    QPushButton* contentsButton() const { return contents_; }
    QPushButton* searchButton() const { return searchButton_; }
    QPushButton* backButton() const { return back_; }

private:
    void display(const QString& id);
    void linkClicked(const QUrl& url);

    std::shared_ptr<const HelpFile> file_;
    QString path_;
    QString current_;
    std::vector<QString> history_;
    QTextBrowser* browser_;
    QPushButton* contents_;
    QPushButton* searchButton_;
    QPushButton* back_;
    KeywordSearchDialog* search_;
};

}  // namespace platform::help
