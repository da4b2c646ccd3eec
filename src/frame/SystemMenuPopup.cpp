#include "frame/SystemMenuPopup.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

#include "controls/menu/MenuBuilder.h"

namespace frame {

SystemMenuPopup::SystemMenuPopup(QWidget* frame, std::function<void(int)> onCommand)
    : QObject(frame), frame_(frame), menu_(new QMenu(frame))
{
    connect(menu_, &QMenu::triggered, this, [onCommand](QAction* action) {
        if (const int id = MenuCommandId(action))
            onCommand(id);
    });
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), frame);
    connect(shortcut, &QShortcut::activated, this, &SystemMenuPopup::Popup);
}

SystemMenuPopup::~SystemMenuPopup() = default;

bool SystemMenuPopup::IsChecked(int commandId) const
{
    const QAction* action = FindMenuAction(menu_, commandId);
    return action && action->isChecked();
}

void SystemMenuPopup::SetChecked(int commandId, bool checked)
{
    if (QAction* action = FindMenuAction(menu_, commandId)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

void SystemMenuPopup::SetEnabled(int commandId, bool enabled)
{
    if (QAction* action = FindMenuAction(menu_, commandId))
        action->setEnabled(enabled);
}

void SystemMenuPopup::RemoveMaximize()
{
    // The window's band (Always on Top) is not the system menu's to change.
    const Qt::WindowFlags band = frame_->windowFlags() & Qt::WindowStaysOnTopHint;
    frame_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | band);
}

void SystemMenuPopup::AppendSeparator()
{
    menu_->addSeparator();
}

void SystemMenuPopup::AppendItem(int commandId, const std::string& text)
{
    QAction* action = menu_->addAction(QString::fromStdString(text));
    action->setData(commandId);
}

bool SystemMenuPopup::HasItem(int commandId) const
{
    return MenuItemPosition(menu_, commandId) >= 0;
}

bool SystemMenuPopup::RemoveItemWithSeparator(int commandId)
{
    const int position = MenuItemPosition(menu_, commandId);
    if (position < 0)
        return false;
    const QList<QAction*> actions = menu_->actions();
    QAction* item = actions[position];
    QAction* before = position > 0 ? actions[position - 1] : nullptr;
    menu_->removeAction(item);
    delete item;
    if (before && before->isSeparator()) {
        menu_->removeAction(before);
        delete before;
    }
    return true;
}

void SystemMenuPopup::Popup()
{
    menu_->popup(frame_->mapToGlobal(QPoint(0, 0)));
}

}  // namespace frame
