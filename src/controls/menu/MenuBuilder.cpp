#include "controls/menu/MenuBuilder.h"

#include <QAction>
#include <QMenu>

#include "resources/strings/StringTable.h"

using namespace resources;

namespace {

void FillMenu(QMenu* menu, std::span<const MenuItem> items);

void SetCommon(QAction* action, int id, const char* label)
{
    action->setData(id);
    action->setProperty(kMenuLabelProperty, QString::fromLatin1(label));
    action->setStatusTip(QString::fromLatin1(LoadString(id)));
}

void AddCommand(QMenu* menu, const MenuItem& item)
{
    auto* action = new QAction(MenuDisplayText(item.label), menu);
    SetCommon(action, item.id, item.label);
    action->setCheckable(true);
    action->setChecked(item.checked);
    QObject::connect(action, &QAction::triggered, action, [action](bool checked) { action->setChecked(!checked); });
    menu->addAction(action);
}

void AddPopup(QMenu* menu, const MenuItem& item)
{
    auto* popup = new QMenu(MenuDisplayText(item.label), menu);
    FillMenu(popup, item.items);
    QAction* action = menu->addMenu(popup);
    SetCommon(action, PopupId(item), item.label);
}

void FillMenu(QMenu* menu, std::span<const MenuItem> items)
{
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItemKind::Command:
            AddCommand(menu, item);
            break;
        case MenuItemKind::Separator:
            menu->addSeparator();
            break;
        case MenuItemKind::Popup:
            AddPopup(menu, item);
            break;
        }
    }
}

}  // namespace

QMenu* BuildMenu(const MenuTemplate& menu, QWidget* parent)
{
    auto* root = new QMenu(parent);
    FillMenu(root, menu.items);
    return root;
}

QMenu* LoadMenu(int resourceId, QWidget* parent)
{
    const MenuTemplate* menu = FindMenuTemplate(resourceId);
    return menu != nullptr ? BuildMenu(*menu, parent) : nullptr;
}

QMenu* LoadPopupMenu(int resourceId, QWidget* parent)
{
    const MenuTemplate* menu = FindMenuTemplate(resourceId);
    if (menu == nullptr)
        return nullptr;
    for (const MenuItem& item : menu->items) {
        if (item.kind == MenuItemKind::Popup) {
            auto* popup = new QMenu(parent);
            FillMenu(popup, item.items);
            return popup;
        }
    }
    return nullptr;
}

QString MenuDisplayText(const char* label)
{
    const QString text = QString::fromLatin1(label);
    const int start = AcceleratorTextStart(label);
    if (start < 0)
        return text;
    return text.left(start - 1) + QLatin1Char('\t') + text.mid(start);
}

int MenuCommandId(const QAction* action)
{
    if (action == nullptr)
        return 0;
    bool ok = false;
    const int id = action->data().toInt(&ok);
    return ok ? id : 0;
}

QString MenuStoredLabel(const QAction* action)
{
    return action != nullptr ? action->property(kMenuLabelProperty).toString() : QString();
}

QAction* FindMenuAction(const QMenu* menu, int id)
{
    if (menu == nullptr || id == 0)
        return nullptr;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        if (MenuCommandId(action) == id)
            return action;
        if (QAction* inner = FindMenuAction(action->menu(), id))
            return inner;
    }
    return nullptr;
}

int MenuItemPosition(const QMenu* menu, int id)
{
    if (menu == nullptr)
        return -1;
    const QList<QAction*> actions = menu->actions();
    for (int i = 0; i < actions.size(); ++i) {
        if (!actions[i]->isSeparator() && MenuCommandId(actions[i]) == id)
            return i;
    }
    return -1;
}
