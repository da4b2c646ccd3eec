#pragma once
// Dialog units: a template's rectangles scale with the dialog font. The base
// units are the average width of "A".."Z","a".."z" (sum / 52, rounded) and the
// font's height; a horizontal unit is cx/4 pixels, a vertical one cy/8.

#include <QRect>

class QFont;

struct DialogBaseUnits {
    int cx = 0;
    int cy = 0;
};

DialogBaseUnits ComputeBaseUnits(const QFont& font);
// Scaled with rounding, as the system's MulDiv does.
QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits base);

// Points to pixels at the screen's vertical resolution, rounded.
int PointsToPixels(int points);

// The dialog face of a template mapped to a face that exists here: "MS Sans
// Serif" and "Helv" become the default sans face; any other name is kept.
QFont MapDialogFont(const char* face, int points);
