#pragma once
// A bevel of width w inside a rectangle: the band between the rectangle and the
// rectangle shrunk by w, first all in the top-left colour, then the lower-right
// part in the bottom-right colour. w is limited to half the smaller side.

#include <QColor>
#include <QRect>

class QPainter;

// Returns the rectangle inside the bevel.
QRect DrawBevel(QPainter& painter, const QRect& rect, int width, QColor topLeft, QColor bottomRight);
