#pragma once

#include <QFont>
#include <QRect>

// The average character cell of a font: the measure that form geometry is written in.
// One horizontal dialog unit is cx / 4 pixels, one vertical unit cy / 8 pixels.
struct CBaseUnits {
    int cx;
    int cy;
};

CBaseUnits BaseUnitsOf(const QFont& font);

// a * b / c with a 64-bit intermediate, rounded to nearest (halves away from zero).
// Returns -1 when c is 0 or the result does not fit an int, as the classic routine does.
int MulDiv(int a, int b, int c);

QRect DialogToPixels(int x, int y, int w, int h, CBaseUnits units);
