#include "controls/dialog/MouseForward.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

bool ForwardMouseToParent(QWidget* source, QMouseEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        break;
    default:
        return false;
    }
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton)
        return false;
    QWidget* parent = source->parentWidget();
    if (!parent)
        return false;
    // Same message, same point: the receiver sees the control's coordinates.
    QMouseEvent copy(event->type(), event->position(), event->scenePosition(), event->globalPosition(),
                     button, event->buttons(), event->modifiers(), event->pointingDevice());
    copy.setTimestamp(event->timestamp());
    QCoreApplication::sendEvent(parent, &copy);
    event->accept();
    return true;
}
