#include "player/VideoSizing.h"

#include <algorithm>
#include <cstdint>

namespace taleno {

namespace {
int ClampWindowExtent(std::int64_t pixels) {
    return static_cast<int>(std::clamp<std::int64_t>(pixels, 0, kMaxWindowExtent));
}
}  // namespace

int ClampVideoExtent(int pixels) { return std::clamp(pixels, 0, kMaxPictureSize); }

ZoomMode ZoomToApply(int zoomMode) {
    switch (zoomMode) {
    case ZOOM_DOUBLE: return ZOOM_DOUBLE;
    case ZOOM_HALF: return ZOOM_HALF;
    case ZOOM_PRESET: return ZOOM_PRESET;
    default: return ZOOM_ORIGINAL;
    }
}

QSize ZoomedVideoSize(ZoomMode zoom, int videoWidth, int videoHeight, int presetPercent) {
    // 64-bit products: a preset percentage straight from the settings file
    // may be anything, and int overflow would be undefined.
    const std::int64_t w = ClampVideoExtent(videoWidth);
    const std::int64_t h = ClampVideoExtent(videoHeight);
    switch (zoom) {
    case ZOOM_HALF: return {ClampWindowExtent(w / 2), ClampWindowExtent(h / 2)};
    case ZOOM_DOUBLE: return {ClampWindowExtent(w * 2), ClampWindowExtent(h * 2)};
    case ZOOM_PRESET: return {ClampWindowExtent(w * presetPercent / 100), ClampWindowExtent(h * presetPercent / 100)};
    case ZOOM_ORIGINAL: break;
    }
    return {ClampWindowExtent(w), ClampWindowExtent(h)};
}

int VerticalOverhead(const FrameDecorations& d) {
    int overhead = d.menuHeight;
    if (d.hasCaption) {
        overhead += d.captionHeight;
    }
    if (d.hasSizingBorder) {
        overhead += 2 * (d.hasCaption ? d.sizingBorderHeight : d.dialogFrameHeight);
    }
    return overhead + d.toolbarHeight + d.statusPanelHeight + d.seekBarHeight;
}

int HorizontalOverhead(const FrameDecorations& d) { return d.hasSizingBorder ? 2 * d.sizingBorderWidth : 0; }

QRect FitFrameToVideo(const QRect& frameRect, int videoWidth, int videoHeight, int horizontalOverhead,
                      int verticalOverhead, QSize clientEdge, int topLimit, int minimumWidth) {
    const int centreX = (frameRect.x() + (frameRect.x() + frameRect.width())) / 2;
    const int centreY = (frameRect.y() + (frameRect.y() + frameRect.height())) / 2;
    const int width = std::max(videoWidth, minimumWidth) + horizontalOverhead + 2 * clientEdge.width();
    const int height = std::max(videoHeight, 0) + verticalOverhead + 2 * clientEdge.height();
    const int left = centreX - width / 2;
    const int top = std::max(centreY - height / 2, topLimit);
    return {left, top, width, height};
}

FrameSizeLimits FrameLimits(bool fullScreen, const QRect& desktopRect, int verticalOverhead, int minimumWidth) {
    FrameSizeLimits limits;
    if (fullScreen) {
        limits.maximumSize = desktopRect.size();
        limits.maximumTrackSize = desktopRect.size();
    } else {
        limits.minimumTrackSize = QSize(minimumWidth, verticalOverhead);
    }
    return limits;
}

QRect GrowToMinimumHeight(const QRect& frameRect, int minimumHeight) {
    return {frameRect.topLeft(), QSize(frameRect.width(), std::max(frameRect.height(), minimumHeight))};
}

}  // namespace taleno
