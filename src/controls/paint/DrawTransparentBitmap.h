#pragma once
// Pictures with a transparent colour: every pixel of exactly that colour is
// left out, so whatever was painted under it shows. The About box's title
// picture and the queue's song bitmap use navy, RGB(0, 0, 128).

#include <QColor>
#include <QPixmap>
#include <QPoint>

class QPainter;

inline const QColor kBitmapTransparentColor{0, 0, 128};

// The bitmap with its transparent pixels masked out; draw it as often as needed.
QPixmap MaskedBitmap(const QPixmap& bitmap, QColor transparent = kBitmapTransparentColor);

// Draws bitmap at topLeft (painter coordinates) without its transparent pixels.
void DrawTransparentBitmap(QPainter& painter, QPoint topLeft, const QPixmap& bitmap,
                           QColor transparent = kBitmapTransparentColor);
