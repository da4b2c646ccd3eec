#include "controls/menu/MenuCheckStyle.h"

#include "controls/menu/DeferredStyleIcon.h"

#include <QStyleOptionMenuItem>

void MenuCheckStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item && item->checkType != QStyleOptionMenuItem::NotCheckable &&
        !item->checked) {
        QStyleOptionMenuItem plain(*item);
        plain.checkType = QStyleOptionMenuItem::NotCheckable;
        QProxyStyle::drawControl(element, &plain, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QIcon MenuCheckStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton && option == nullptr)
        return QIcon(new DeferredStyleIcon(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}
