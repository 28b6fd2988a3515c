#pragma once
// Dialog units: the layout unit of the player's bars and dialogs. One
// horizontal unit is a quarter of the dialog font's average character width,
// one vertical unit an eighth of its height. The average width is taken as
// Windows takes it: the width of "A".."Z" "a".."z" divided by 52, rounded.

#include <QFont>
#include <QSize>

namespace taleno {

// The dialog font of the bars: "MS Sans Serif" 8 points, that is the
// desktop's default interface font at 8 points.
QFont DialogFont();

// {average character width, character height} of the font, in pixels.
QSize DialogBaseUnits(const QFont& dialogFont);

// dialogUnits converted to pixels (rounded like MulDiv).
QSize DialogUnitsToPixels(QSize dialogUnits, const QFont& dialogFont);

}  // namespace taleno
