#pragma once

#include <QColor>

// What a form's colour query may change before a control is painted.
struct CCtlColor {
    QColor textColor;          // invalid: the palette's text colour
    bool bTransparent = false; // Qt draws text without a cell background either way
};
