#include "platform/help/KeywordSearchDialog.h"

#include "platform/help/HelpFile.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace platform::help {

namespace {
constexpr int kTopicIdRole = Qt::UserRole;
constexpr int kTopicIdsRole = Qt::UserRole + 1;
constexpr int kTitlesRole = Qt::UserRole + 2;
}  // namespace

KeywordSearchDialog::KeywordSearchDialog(QWidget* parent)
    : QDialog(parent)
    , edit_(new QLineEdit(this))
    , keywords_(new QListWidget(this))
    , topics_(new QListWidget(this))
    , display_(new QPushButton(QStringLiteral("&Display"), this))
{
    setWindowTitle(QStringLiteral("Search"));
    auto* keyLabel = new QLabel(QStringLiteral("&Type a word, or select one from the list:"), this);
    keyLabel->setBuddy(edit_);
    auto* topicLabel = new QLabel(QStringLiteral("T&opics found:"), this);
    topicLabel->setBuddy(topics_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(display_, QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Close);
    display_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keyLabel);
    layout->addWidget(edit_);
    layout->addWidget(keywords_, 2);
    layout->addWidget(topicLabel);
    layout->addWidget(topics_, 1);
    layout->addWidget(buttons);
    resize(360, 420);

    connect(edit_, &QLineEdit::textEdited, this, &KeywordSearchDialog::keyEdited);
    connect(keywords_, &QListWidget::currentRowChanged, this, &KeywordSearchDialog::keywordChanged);
    connect(keywords_, &QListWidget::itemDoubleClicked, this, &KeywordSearchDialog::displayChosen);
    connect(topics_, &QListWidget::itemDoubleClicked, this, &KeywordSearchDialog::displayChosen);
    connect(buttons, &QDialogButtonBox::accepted, this, &KeywordSearchDialog::displayChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void KeywordSearchDialog::setHelpFile(const HelpFile& file)
{
    const QSignalBlocker blocker(keywords_);
    keywords_->clear();
    for (const auto& [key, keyword] : file.keywords()) {
        auto* item = new QListWidgetItem(keyword.text, keywords_);
        item->setData(kTopicIdsRole, keyword.topicIds);
        QStringList titles;
        for (const QString& id : keyword.topicIds)
            titles.append(file.topic(id)->title);
        item->setData(kTitlesRole, titles);
    }
    keywordChanged();
}

void KeywordSearchDialog::openWithKey(const QString& key)
{
    edit_->setText(key);
    keyEdited(key);
    show();
    raise();
    activateWindow();
    edit_->setFocus();
}

void KeywordSearchDialog::keyEdited(const QString& text)
{
    const QString key = text.trimmed();
    int row = keywords_->count() > 0 ? 0 : -1;
    if (!key.isEmpty()) {
        for (int i = 0; i < keywords_->count(); ++i) {
            if (keywords_->item(i)->text().startsWith(key, Qt::CaseInsensitive)) {
                row = i;
                break;
            }
        }
    }
    keywords_->setCurrentRow(row);
    if (row >= 0)
        keywords_->scrollToItem(keywords_->item(row), QAbstractItemView::PositionAtTop);
}

void KeywordSearchDialog::keywordChanged()
{
    topics_->clear();
    const QListWidgetItem* keyword = keywords_->currentItem();
    if (keyword) {
        const QStringList ids = keyword->data(kTopicIdsRole).toStringList();
        const QStringList titles = keyword->data(kTitlesRole).toStringList();
        for (qsizetype i = 0; i < ids.size(); ++i) {
            auto* item = new QListWidgetItem(titles.value(i), topics_);
            item->setData(kTopicIdRole, ids[i]);
        }
        topics_->setCurrentRow(0);
    }
    display_->setEnabled(topics_->count() > 0);
}

void KeywordSearchDialog::displayChosen()
{
    const QListWidgetItem* topic = topics_->currentItem();
    if (!topic)
        return;
    const QString id = topic->data(kTopicIdRole).toString();
    hide();
    emit topicChosen(id);
}

}  // namespace platform::help
