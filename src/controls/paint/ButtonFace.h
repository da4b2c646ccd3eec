#pragma once
// A button's face as the tool-bar buttons and the slider thumbs show it: the
// button colour inside a one-pixel outline in the shadow colour, with a
// one-pixel 3-D edge inside the outline: light above and left, dark below and
// right when raised; dark above and left when sunken.

#include <QRect>

class QPainter;
class QPalette;

// Returns the rectangle inside the outline.
QRect DrawButtonFace(QPainter& painter, const QRect& rect, const QPalette& palette, bool sunken);
