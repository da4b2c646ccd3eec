#include "platform/help/HelpWindow.h"

#include "platform/help/HelpFile.h"
#include "platform/help/KeywordSearchDialog.h"
#include "platform/help/UsingHelpPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform::help {

namespace {
// A long session of link following must not grow without end.
constexpr std::size_t kMaxHistory = 100;
}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser_(new QTextBrowser(this))
    , contents_(new QPushButton(QStringLiteral("&Contents"), this))
    , searchButton_(new QPushButton(QStringLiteral("&Search"), this))
    , back_(new QPushButton(QStringLiteral("&Back"), this))
    , search_(new KeywordSearchDialog(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setOpenLinks(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addWidget(searchButton_);
    buttons->addWidget(back_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    resize(560, 480);
    back_->setEnabled(false);

    connect(contents_, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(searchButton_, &QPushButton::clicked, this, [this] { showSearch(QString()); });
    connect(back_, &QPushButton::clicked, this, &HelpWindow::back);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::linkClicked);
    connect(search_, &KeywordSearchDialog::topicChosen, this, [this](const QString& id) {
        showTopic(id);
        raise();
        activateWindow();
    });
}

void HelpWindow::setHelpFile(std::shared_ptr<const HelpFile> file, const QString& path)
{
    if (path != path_) {
        history_.clear();
        current_.clear();
        back_->setEnabled(false);
    }
    file_ = std::move(file);
    path_ = path;
    setWindowTitle(file_->caption());
    search_->setHelpFile(*file_);
    // The topic on show may have gone from a rewritten file.
    if (!current_.isEmpty() && current_ != QLatin1String(kUsingHelpId) && !file_->topic(current_))
        current_.clear();
    std::erase_if(history_, [this](const QString& id) {
        return id != QLatin1String(kUsingHelpId) && !file_->topic(id);
    });
}

bool HelpWindow::showTopic(const QString& id)
{
    if (!file_ || (id != QLatin1String(kUsingHelpId) && !file_->topic(id)))
        return false;
    if (!current_.isEmpty() && current_ != id) {
        history_.push_back(current_);
        if (history_.size() > kMaxHistory)
            history_.erase(history_.begin());
    }
    display(id);
    return true;
}

void HelpWindow::showContents()
{
    showTopic(QString::fromLatin1(HelpFile::kContentsId));
}

void HelpWindow::showSearch(const QString& key)
{
    search_->openWithKey(key);
}

void HelpWindow::back()
{
    if (history_.empty())
        return;
    const QString id = history_.back();
    history_.pop_back();
    display(id);
}

void HelpWindow::display(const QString& id)
{
    QString title;
    QString body;
    if (id == QLatin1String(kUsingHelpId)) {
        title = UsingHelpTitle();
        body = UsingHelpBody();
    } else {
        const HelpTopic* topic = file_->topic(id);
        title = topic->title;
        body = topic->body;
    }
    current_ = id;
    browser_->setHtml(QStringLiteral("<h2>%1</h2>\n%2").arg(title.toHtmlEscaped(), body));
    back_->setEnabled(!history_.empty());
}

void HelpWindow::linkClicked(const QUrl& url)
{
    // Links lead to topics only; the file reader refuses any other kind.
    showTopic(url.toString());
}

}  // namespace platform::help
