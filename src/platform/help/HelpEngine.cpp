#include "platform/help/HelpEngine.h"

#include "platform/help/Help.h"
#include "platform/help/HelpFile.h"
#include "platform/help/HelpWindow.h"
#include "platform/help/KeywordSearchDialog.h"
#include "platform/paths/PathNamespace.h"
#include "platform/ui/MessageBox.h"

namespace platform::help {

namespace {

constexpr const char* kCaption = "The Vantor";

void Complain(QWidget* owner, const QString& text)
{
    MessageBeep(MB_ICONEXCLAMATION);
    MessageBox(owner, text, QString::fromLatin1(kCaption), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

HelpEngine& HelpEngine::Instance()
{
    static HelpEngine engine;
    return engine;
}

HelpWindow* HelpEngine::window() const
{
    return window_.data();
}

std::shared_ptr<const HelpFile> HelpEngine::load(QWidget* owner, const std::string& helpFile,
                                                 QString* linuxPath) const
{
    const QString shown = QString::fromStdString(helpFile);
    const std::optional<std::string> path = platform::ToLinuxPath(helpFile);
    if (!path) {
        Complain(owner, QStringLiteral("Cannot find the help file %1.").arg(shown));
        return nullptr;
    }
    *linuxPath = QString::fromStdString(*path);
    QString error;
    bool missing = false;
    std::optional<HelpFile> file = HelpFile::Load(*linuxPath, &error, &missing);
    if (!file) {
        Complain(owner, missing ? QStringLiteral("Cannot find the help file %1.").arg(shown)
                                : QStringLiteral("The help file %1 is damaged and cannot be shown:\n%2.")
                                      .arg(shown, error));
        return nullptr;
    }
    return std::make_shared<const HelpFile>(std::move(*file));
}

HelpWindow* HelpEngine::openWindow(QWidget* owner, std::shared_ptr<const HelpFile> file, const QString& linuxPath)
{
    if (!window_)
        window_ = new HelpWindow(owner ? owner->window() : nullptr);
    window_->setHelpFile(std::move(file), linuxPath);
    if (window_->isMinimized())
        window_->showNormal();
    else
        window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

void HelpEngine::quit()
{
    // Deleted at once rather than closed: the request is never made from inside
    // the window, and callers may quit just before the program ends.
    delete window_.data();
}

bool HelpEngine::request(QWidget* owner, const std::string& helpFile, unsigned command, unsigned long data)
{
    if (command == HELP_QUIT) {
        quit();
        return true;
    }
    if (command != HELP_CONTENTS && command != HELP_CONTEXT && command != HELP_PARTIALKEY &&
        command != HELP_HELPONHELP)
        return false;
    QString linuxPath;
    std::shared_ptr<const HelpFile> file = load(owner, helpFile, &linuxPath);
    if (!file)
        return false;
    QString topic;
    switch (command) {
    case HELP_CONTEXT: {
        const HelpTopic* found = file->topicByContext(data);
        if (!found) {
            Complain(owner, QStringLiteral("The help file %1 has no topic for context number %2.")
                                .arg(QString::fromStdString(helpFile))
                                .arg(data));
            return false;
        }
        topic = found->id;
        break;
    }
    case HELP_HELPONHELP:
        topic = QString::fromLatin1(HelpWindow::kUsingHelpId);
        break;
    case HELP_CONTENTS:
        topic = QString::fromLatin1(HelpFile::kContentsId);
        break;
    default:
        break;
    }
    HelpWindow* window = openWindow(owner, std::move(file), linuxPath);
    if (command == HELP_PARTIALKEY) {
        // A window opened only for the search still needs a page behind it.
        if (window->currentTopic().isEmpty())
            window->showContents();
        const char* key = reinterpret_cast<const char*>(data);
        window->showSearch(key ? QString::fromUtf8(key) : QString());
    } else {
        window->showTopic(topic);
    }
    return true;
}

}  // namespace platform::help
