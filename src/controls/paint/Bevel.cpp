#include "controls/paint/Bevel.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>

QRect DrawBevel(QPainter& painter, const QRect& rect, int width, QColor topLeft, QColor bottomRight)
{
    const int half = std::min(rect.width(), rect.height()) / 2;
    const int w = std::min(width, half);
    const QRect inner = rect.adjusted(w, w, -w, -w);
    painter.save();
    QRegion band(rect);
    band -= QRegion(inner);
    painter.setClipRegion(band);
    painter.fillRect(rect, topLeft);
    // The lower-right part of the band: the polygon from the top-right corner
    // along the right and bottom edges, back through the diagonal at h.
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    const QPolygon lowerRight({QPoint(right, top), QPoint(right, bottom), QPoint(left, bottom),
                               QPoint(left + half, bottom - half), QPoint(right - half, top + half)});
    painter.setClipRegion(band.intersected(QRegion(lowerRight)));
    painter.fillRect(rect, bottomRight);
    painter.restore();
    return inner;
}
