#pragma once
// The largest rectangle of a video's width-to-height ratio inside a client
// rectangle, centred: the letterbox that "Keep aspect ratio" puts the video
// window in.

#include <QRect>

namespace taleno {

// Fits the ratio aspectWidth : aspectHeight into area. A ratio that cannot be
// formed (either side 0 or less) counts as square, and so does an area of
// height 0 or less. A relatively wider area keeps its height and is narrowed
// about its centre; any other keeps its width and is lowered about its
// centre. Sides are truncated toward zero, as is the centring.
QRect LetterboxFit(const QRect& area, int aspectWidth, int aspectHeight);

}  // namespace taleno
