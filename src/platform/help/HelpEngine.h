#pragma once
// The engine behind ShowHelp: reads the help file for each request and keeps
// the program's one help window.

#include <QPointer>
#include <QString>

#include <memory>
#include <string>

class QWidget;

namespace platform::help {

class HelpFile;
class HelpWindow;

class HelpEngine {
public:
    static HelpEngine& Instance();

    bool request(QWidget* owner, const std::string& helpFile, unsigned command, unsigned long data);

    // The help window, or null while none is open.
    HelpWindow* window() const;

private:
    // The file read afresh (so an edited file shows at once), or null after
    // the message box that says why not.
    std::shared_ptr<const HelpFile> load(QWidget* owner, const std::string& helpFile, QString* linuxPath) const;
    HelpWindow* openWindow(QWidget* owner, std::shared_ptr<const HelpFile> file, const QString& linuxPath);
    void quit();

    QPointer<HelpWindow> window_;
};

}  // namespace platform::help
