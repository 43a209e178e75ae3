#pragma once
#include "rules/paletteindex.h"

#include <QColor>

// Colour n (0 to 15) of the classic 16-colour palette.
QColor paletteColour(int n);

// A colour written as &HBBGGRR: blue, green, red from the high byte down.
constexpr QRgb fromBgr(unsigned bgr)
{
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline const QColor kDarkGrey(64, 64, 64);   // &H404040, the panels behind title lines
inline const QColor kMidGrey(128, 128, 128); // &H808080
