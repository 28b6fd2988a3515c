#include "shell/LetterboxFit.h"

namespace taleno {

QRect LetterboxFit(const QRect& area, int aspectWidth, int aspectHeight) {
    const int left = area.x();
    const int top = area.y();
    const int right = left + area.width();
    const int bottom = top + area.height();

    // A zero or negative width would give a zero or negative window width;
    // such a ratio is treated as square like a zero height is.
    const double videoRatio =
        (aspectHeight > 0 && aspectWidth > 0) ? static_cast<double>(aspectWidth) / aspectHeight : 1.0;
    const double windowRatio = (bottom - top) > 0 ? static_cast<double>(right - left) / (bottom - top) : 1.0;

    if (windowRatio > videoRatio) {
        const int width = static_cast<int>(videoRatio * (bottom - top));
        const int fittedLeft = (left + right) / 2 - width / 2;
        return {fittedLeft, top, width, bottom - top};
    }
    const int height = static_cast<int>((right - left) * (1.0 / videoRatio));
    const int fittedTop = (top + bottom) / 2 - height / 2;
    return {left, fittedTop, right - left, height};
}

}  // namespace taleno
