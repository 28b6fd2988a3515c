#pragma once
// The arithmetic behind sizing the main window to the video: zoom sizes, the
// space the frame's own decorations take, the window rectangle that gives the
// view the video's size, and the minimum and maximum window sizes. Nothing
// here touches a widget; the frame measures its bars and calls these.
//
// Rectangles are outer window rectangles in the widgets' pixels. The video
// sizes and the minimum width are the screen's device pixels; on a scaled
// screen the frame converts them before it calls these. QRect is used for
// position and size only (x, y, width, height); its inclusive right() and
// bottom() play no part in the computations.

#include "engine/MediaInfo.h"
#include "shell/LetterboxFit.h"

#include <QRect>
#include <QSize>

namespace taleno {

// zoomMode values.
enum ZoomMode {
    ZOOM_ORIGINAL = 1,
    ZOOM_DOUBLE = 2,
    ZOOM_HALF = 3,
    ZOOM_PRESET = 4,
};

// The frame never gets narrower than this, and FitFrameToVideo sizes for at
// least this video width.
constexpr int kMinimumFrameWidth = 300;

// Largest window side the X protocol can carry; zoomed sizes stay within it.
constexpr int kMaxWindowExtent = 32767;

// A reported video side as the sizing uses it: 0 to kMaxPictureSize.
int ClampVideoExtent(int pixels);

// The zoom that ApplyZoomMode applies for a stored zoomMode: Double, Half and
// Preset for 2, 3 and 4, Original for anything else.
ZoomMode ZoomToApply(int zoomMode);

// The size SetZoom asks for: half (truncated), original, double, or
// presetPercent percent of the video size (truncated). The video sides are
// clamped first; the result stays within 0 to kMaxWindowExtent whatever the
// preset percentage read from the settings file.
QSize ZoomedVideoSize(ZoomMode zoom, int videoWidth, int videoHeight, int presetPercent);

// What surrounds the view inside the frame's outer rectangle. Heights of bars
// that are hidden or absent are 0.
struct FrameDecorations {
    int menuHeight = 0;       // the menu bar's height (always counted)
    bool hasCaption = false;  // the frame draws a caption inside its rectangle
    int captionHeight = 0;
    bool hasSizingBorder = false;
    int sizingBorderWidth = 0;   // one side, with a caption
    int sizingBorderHeight = 0;  // one side, with a caption
    int dialogFrameHeight = 0;   // one side, sizing border without caption
    int toolbarHeight = 0;
    int statusPanelHeight = 0;
    int seekBarHeight = 0;
};

// Pixels between the frame's outer height and the view's height.
int VerticalOverhead(const FrameDecorations& decorations);

// Pixels between the frame's outer width and the view's width.
int HorizontalOverhead(const FrameDecorations& decorations);

// The frame rectangle that gives the view's client area videoWidth x
// videoHeight (the width raised to minimumWidth first), centred on the old
// rectangle's centre. clientEdge is the view's sunken edge on one side (0
// without the edge). The top is kept at or below topLimit (the top of the
// screen); the left edge is not clamped.
QRect FitFrameToVideo(const QRect& frameRect, int videoWidth, int videoHeight, int horizontalOverhead,
                      int verticalOverhead, QSize clientEdge, int topLimit = 0, int minimumWidth = kMinimumFrameWidth);

// Window size limits; a zero size means "no limit of this kind".
struct FrameSizeLimits {
    QSize minimumTrackSize{0, 0};
    QSize maximumSize{0, 0};
    QSize maximumTrackSize{0, 0};
};

// Full screen: at most the desktop's size. Otherwise: at least minimumWidth
// wide and verticalOverhead high.
FrameSizeLimits FrameLimits(bool fullScreen, const QRect& desktopRect, int verticalOverhead,
                            int minimumWidth = kMinimumFrameWidth);

// After the frame's layout changed: the frame rectangle grown downwards to at
// least minimumHeight; a taller rectangle is returned unchanged.
QRect GrowToMinimumHeight(const QRect& frameRect, int minimumHeight);

}  // namespace taleno
