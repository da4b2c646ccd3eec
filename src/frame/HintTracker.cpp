#include "frame/HintTracker.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

#include "controls/menu/MenuBuilder.h"
#include "resources/strings/StringTable.h"

namespace frame {

HintTracker::HintTracker(std::function<void(const char*)> show, QObject* parent)
    : QObject(parent), show_(std::move(show))
{
}

void HintTracker::WatchMenuBar(QMenuBar* bar)
{
    connect(bar, &QMenuBar::hovered, this, &HintTracker::ActionHovered);
    bar->installEventFilter(this);
    for (QAction* action : bar->actions()) {
        if (QMenu* menu = action->menu())
            WatchMenu(menu, true);
    }
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Leave) {
        const auto* bar = qobject_cast<QMenuBar*>(watched);
        const QAction* open = bar ? bar->activeAction() : nullptr;
        if (bar && !(open && open->menu() && open->menu()->isVisible()))
            Clear();
    }
    return QObject::eventFilter(watched, event);
}

void HintTracker::WatchMenu(QMenu* menu, bool clearsOnClose)
{
    if (watched_.contains(menu))
        return;
    watched_.insert(menu);
    connect(menu, &QObject::destroyed, this, [this, menu] { watched_.remove(menu); });
    connect(menu, &QMenu::hovered, this, &HintTracker::ActionHovered);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { WatchSubMenus(menu); });
    if (clearsOnClose)
        connect(menu, &QMenu::aboutToHide, this, &HintTracker::Clear);
    WatchSubMenus(menu);
}

void HintTracker::WatchSubMenus(QMenu* menu)
{
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu())
            WatchMenu(sub, false);
    }
}

void HintTracker::ShowCommandHint(int commandId)
{
    // Separators and items without an id give no hint.
    if (!tracking_ || commandId == 0)
        return;
    show_(resources::LoadString(commandId));
}

void HintTracker::ActionHovered(QAction* action)
{
    // A sub-menu's action carries the sub-menu's own id.
    ShowCommandHint(MenuCommandId(action));
}

void HintTracker::Clear()
{
    if (tracking_)
        show_(nullptr);
}

}  // namespace frame
