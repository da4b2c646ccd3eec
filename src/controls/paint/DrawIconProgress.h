#pragma once
// The minimized window's level meter: the program icon behind a column that
// rises from the bottom with the song's progress, inside a raised and a sunken
// bevel.

#include <QColor>
#include <QPixmap>
#include <QRect>

class QPainter;

struct IconProgressState {
    int iconProgress = 0;    // percent; above 100 is capped and stored back
    int lastIconLevel = -1;  // pixel row of the level last drawn
};

// The level colour.
inline QColor IconLevelColor() { return QColor(64, 128, 128); }

// Draws into painter over client (the minimized frame's client rectangle).
// withPaintContext: a full paint (outline, bevels, the level always redrawn);
// without it the frame is assumed drawn and only the level is redrawn, and only
// when its row changed. Returns true when the level was drawn.
bool DrawIconProgress(QPainter& painter, const QRect& client, IconProgressState& state,
                      const QPixmap& appIcon, bool withPaintContext);

// The meter area: client inside the outline and the two bevels.
QRect IconMeterRect(const QRect& client);
// The row the level starts at for a percentage (0..100) in a meter area.
int IconLevelRow(const QRect& meter, int percent);
