#pragma once

#include <QFont>
#include <QRect>

// The pixels behind dialog units for one font: four horizontal units are the average character
// width, eight vertical units the character height.
struct DialogBaseUnits
{
    int averageCharacterWidth;
    int characterHeight;
};

DialogBaseUnits DialogBaseUnitsOf(const QFont& font);

// A rectangle in dialog units, in pixels.
QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits units);
