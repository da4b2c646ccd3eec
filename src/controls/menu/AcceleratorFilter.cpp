#include "controls/menu/AcceleratorFilter.h"

#include <QDialog>
#include <QKeyEvent>
#include <QWidget>

namespace {

// A dialog between widget and the frame takes Enter and Escape as its own keys
// (its default button and Cancel), before any accelerator sees them.
bool InDialogBelow(const QWidget* widget, const QWidget* scope)
{
    for (const QWidget* w = widget; w && w != scope; w = w->parentWidget()) {
        if (qobject_cast<const QDialog*>(w))
            return true;
    }
    return false;
}

bool IsDialogKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    default:
        return false;
    }
}

}  // namespace

AcceleratorFilter::AcceleratorFilter(QWidget* scope, RouteFunction route,
                                     std::span<const resources::AcceleratorEntry> table)
    : QObject(scope), scope_(scope), route_(std::move(route)), table_(table)
{
}

bool AcceleratorFilter::InScope(const QWidget* widget) const
{
    // Only the frame's own window: menus, message boxes and modal dialogs owned
    // by the frame are windows of their own.
    return widget && scope_ && widget->window() == scope_->window()
        && (widget == scope_ || scope_->isAncestorOf(widget));
}

int AcceleratorFilter::CommandFor(QWidget* target, const QKeyEvent& event) const
{
    // A disabled window (busy loading, saving, seeking) takes no commands.
    if (!InScope(target) || !scope_->isEnabled())
        return 0;
    if (IsDialogKey(event) && InDialogBelow(target, scope_))
        return 0;
    return resources::TranslateAccelerator(table_, resources::KeyStrokeFromEvent(event));
}

bool AcceleratorFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int command = CommandFor(static_cast<QWidget*>(watched), *key);
    if (command == 0)
        return false;
    // Accepting the override keeps Qt's own shortcuts (the menu bar's Alt
    // mnemonics) from taking a key of the table; the key press then arrives here.
    key->accept();
    if (type == QEvent::KeyPress && route_)
        route_(command);
    return true;
}
