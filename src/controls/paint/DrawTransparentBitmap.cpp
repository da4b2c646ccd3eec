#include "controls/paint/DrawTransparentBitmap.h"

#include <QBitmap>
#include <QPainter>

QPixmap MaskedBitmap(const QPixmap& bitmap, QColor transparent)
{
    if (bitmap.isNull())
        return bitmap;
    QPixmap masked = bitmap;
    masked.setMask(bitmap.createMaskFromColor(transparent, Qt::MaskInColor));
    return masked;
}

void DrawTransparentBitmap(QPainter& painter, QPoint topLeft, const QPixmap& bitmap, QColor transparent)
{
    if (!bitmap.isNull())
        painter.drawPixmap(topLeft, MaskedBitmap(bitmap, transparent));
}
