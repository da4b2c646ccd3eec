#include "controls/paint/DrawIconProgress.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

#include "controls/paint/Bevel.h"

namespace {

QColor Highlight() { return QPalette().color(QPalette::Light); }
QColor Shadow() { return QPalette().color(QPalette::Dark); }

}  // namespace

QRect IconMeterRect(const QRect& client) { return client.adjusted(7, 7, -7, -7); }

int IconLevelRow(const QRect& meter, int percent)
{
    const int top = meter.top();
    const int bottom = meter.top() + meter.height();
    return (top - bottom) * percent / 100 + bottom;
}

bool DrawIconProgress(QPainter& painter, const QRect& client, IconProgressState& state, const QPixmap& appIcon,
                      bool withPaintContext)
{
    painter.save();
    QRect r = client;
    if (withPaintContext) {
        // The outline leaves the four corner pixels out.
        const int right = r.left() + r.width() - 1;
        const int bottom = r.top() + r.height() - 1;
        painter.setPen(Qt::black);
        painter.drawLine(r.left() + 1, r.top(), right - 1, r.top());
        painter.drawLine(r.left() + 1, bottom, right - 1, bottom);
        painter.drawLine(r.left(), r.top() + 1, r.left(), bottom - 1);
        painter.drawLine(right, r.top() + 1, right, bottom - 1);
    }
    r.adjust(1, 1, -1, -1);
    if (withPaintContext) {
        r = DrawBevel(painter, r, 2, Highlight(), Shadow());
        painter.fillRect(r, Qt::lightGray);
    } else {
        r.adjust(2, 2, -2, -2);
    }
    r.adjust(2, 2, -2, -2);
    if (withPaintContext) {
        r = DrawBevel(painter, r, 2, Shadow(), Highlight());
        painter.fillRect(r, Qt::lightGray);
    } else {
        r.adjust(2, 2, -2, -2);
    }

    state.iconProgress = std::min(state.iconProgress, 100);
    const int level = IconLevelRow(r, state.iconProgress);
    bool drawn = false;
    if (level != state.lastIconLevel || withPaintContext) {
        state.lastIconLevel = level;
        const int bottom = r.top() + r.height();
        painter.fillRect(QRect(r.left(), level, r.width(), bottom - level), IconLevelColor());
        painter.fillRect(QRect(r.left(), r.top(), r.width(), level - r.top()), Qt::lightGray);
        painter.setClipRect(r);
        if (!appIcon.isNull())
            painter.drawPixmap(client.topLeft() + QPoint(0, 1), appIcon);
        drawn = true;
    }
    painter.restore();
    return drawn;
}
