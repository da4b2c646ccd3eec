#pragma once
// The frame's accelerator table applied wherever the keyboard focus is inside
// the frame's window: a key stroke that types a character (or presses a virtual
// key) of table 7735 becomes its command, whichever child has the focus. So with
// the focus in the queue list Enter (character 13) is Ctrl+M's command and
// Backspace (character 8) Ctrl+H's.
//
// Inside a dialog that is part of the frame (the console), Enter and Escape are
// the dialog's own keys and are left to it. Other windows (menus that are open,
// modal dialogs, message boxes) are not the frame's and keep their keys.
//
// The frame installs one on the application and removes it by deleting it.

#include <QObject>

#include <functional>
#include <span>

#include "resources/accelerators/AcceleratorTable.h"

class QKeyEvent;
class QWidget;

class AcceleratorFilter : public QObject {
    Q_OBJECT
public:
    using RouteFunction = std::function<void(int commandId)>;

    // scope: the frame window; route: the command routing chain. The filter is a
    // child of scope.
    AcceleratorFilter(QWidget* scope, RouteFunction route,
                      std::span<const resources::AcceleratorEntry> table = resources::FrameAccelerators());

    // The command the key press would give with the focus in target, or 0.
    int CommandFor(QWidget* target, const QKeyEvent& event) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InScope(const QWidget* widget) const;

    QWidget* scope_;
    RouteFunction route_;
    std::span<const resources::AcceleratorEntry> table_;
};
