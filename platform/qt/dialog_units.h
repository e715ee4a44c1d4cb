#pragma once

#include "resources/dialog_template.h"

#include <QFont>
#include <QRect>

// The font every dialog of the console uses: "MS Sans Serif" 8 where it exists, otherwise the
// platform's usual dialog font at a similar size.
QFont DialogFont();

// Pixels per four horizontal and per eight vertical dialog units: the font's average character
// width and its height, measured the way the dialog manager of the original platform does, so
// that a template laid out for one font keeps its proportions in another.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

QRect ToPixels(const DialogRect& rect, DialogBaseUnits units);
QSize ToPixels(int width, int height, DialogBaseUnits units);
