#include "controls/paint/ButtonFace.h"

#include <QPainter>
#include <QPalette>

#include "controls/paint/Bevel.h"

QRect DrawButtonFace(QPainter& painter, const QRect& rect, const QPalette& palette, bool sunken)
{
    painter.fillRect(rect, palette.color(QPalette::Button));
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    const QRect inner = rect.adjusted(1, 1, -1, -1);
    if (sunken)
        DrawBevel(painter, inner, 1, palette.color(QPalette::Dark), palette.color(QPalette::Button));
    else
        DrawBevel(painter, inner, 1, palette.color(QPalette::Light), palette.color(QPalette::Dark));
    return inner;
}
