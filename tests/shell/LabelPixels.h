#pragma once
// Pixel helpers for the label and status panel tests: render a widget into
// an image and find where the text ink lies.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <functional>

namespace taleno::test {

inline QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    widget.render(&image);
    return image;
}

// Bounding box of the pixels for which match is true (empty when none).
inline QRect InkBounds(const QImage& image, const std::function<bool(QColor)>& match, QRect area = QRect()) {
    if (area.isNull()) area = image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (match(image.pixelColor(x, y))) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Text ink drawn in a light colour over a dark background.
inline bool IsLight(QColor colour) { return colour.lightness() > 128; }

}  // namespace taleno::test
