// Mouse gestures on the frame and files dropped on it. Right-button presses on
// the console, the bars, the status bar and the separator reach the frame
// because none of them takes the right button; the queue list has its own menu.
#include "frame/TMainFrame.h"

#include <QAction>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include "album/TQueueList.h"
#include "controls/menu/MenuBuilder.h"
#include "frame/ElementTable.h"
#include "frame/FrameMenuState.h"
#include "frame/HintTracker.h"
#include "frame/MouseRules.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"
#include "resources/bitmaps/Bitmaps.h"

namespace frame {

using namespace resources;

namespace {
bool Inside(const QWidget* widget, const QWidget* container)
{
    return widget && container && (widget == container || container->isAncestorOf(widget));
}
}  // namespace

bool TMainFrame::OverQueueList(const QPoint& pos) const
{
    return Inside(childAt(pos), QueueList());
}

bool TMainFrame::OverConsole(const QPoint& pos) const
{
    QWidget* child = childAt(pos);
    return child == nullptr || Inside(child, client_);
}

void TMainFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton || OverQueueList(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    repaint();
    RightButton(event->modifiers());
}

void TMainFrame::RightButton(Qt::KeyboardModifiers keys)
{
    switch (RightButtonRule(keys)) {
    case RightButtonAction::ToggleRepeat:
        if (client_)
            client_->ToggleRepeat();
        break;
    case RightButtonAction::ToggleMute:
        RouteCommand(CM_MUTE);
        break;
    case RightButtonAction::ElementsPopup:
        ShowElementsPopup();
        break;
    case RightButtonAction::TogglePause:
        if (client_)
            client_->TogglePause();
        break;
    }
}

void TMainFrame::ShowElementsPopup()
{
    QMenu* popup = LoadPopupMenu(IDM_ELEMENTS_POPUP, this);
    if (!popup)
        return;
    popup->setAttribute(Qt::WA_DeleteOnClose);
    for (int id : {CM_MENU_BAR, CM_ALWAYS_ON_TOP}) {
        if (QAction* action = FindMenuAction(popup, id))
            action->setChecked(menuState_->IsChecked(id));
    }
    for (int id : ElementTable) {
        QAction* action = FindMenuAction(popup, id);
        if (QWidget* bar = Bar(id); action && bar)
            action->setChecked(!bar->isHidden());
    }
    connect(popup, &QMenu::triggered, this, [this](QAction* action) {
        const int id = MenuCommandId(action);
        // The pop-up closes first; the command may resize the frame.
        QMetaObject::invokeMethod(this, [this, id] { RouteCommand(id); }, Qt::QueuedConnection);
    });
    hints_->WatchMenu(popup, true);
    elementsPopup_ = popup;
    popup->popup(QCursor::pos());
}

void TMainFrame::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a quick pair came as a press already: the double-click
    // that follows it is not another one.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && OverConsole(event->position().toPoint())) {
        event->accept();
        ToggleElement(CM_MENU_BAR);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void TMainFrame::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // The meter is the minimized window's picture; a restored window shows the program's icon.
    if (isMinimized())
        DrawIconProgress();
    else
        setWindowIcon(QIcon(resources::LoadIcon(IDI_FRAME)));
}

std::vector<std::string> TMainFrame::DroppedPaths(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    }
    return paths;
}

void TMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainFrame::dropEvent(QDropEvent* event)
{
    const std::vector<std::string> paths = DroppedPaths(event->mimeData());
    if (paths.empty())
        return;
    event->acceptProposedAction();
    if (client_)
        client_->DropFiles(paths);
}

}  // namespace frame
