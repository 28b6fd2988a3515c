#include "shell/VolumeSlider.h"

#include <QMouseEvent>
#include <QPainter>

namespace taleno {

CVolumeSlider::CVolumeSlider(QWidget* parent) : CSkinnedSlider(kThumbWidth, parent) {}

void CVolumeSlider::SetPosition(int value) {
    if (tracking) {
        return;
    }
    if (value >= minimum && value <= maximum) {
        position = value;
    }
    PositionChanged();
}

QRect CVolumeSlider::GetChannelRect() const { return rect(); }

QRect CVolumeSlider::GetThumbRect() const {
    const QRect k = GetChannelRect();
    const int kRight = k.x() + k.width();
    const int kBottom = k.y() + k.height();
    const int x = k.x() + (kRight - thumbWidth - k.x()) * position / 100;
    const int yc = (k.y() + kBottom) / 2;
    const int h = (kBottom - k.y()) / 2;
    return FromEdges(x, yc - h, x + thumbWidth, yc + h);
}

void CVolumeSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    BeginTracking(event->position().toPoint());
}

void CVolumeSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!HoldsCapture() || !(event->buttons() & Qt::LeftButton)) {
        return;
    }
    position = ValueFromX(event->position().toPoint().x());
    update();
}

void CVolumeSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto [face, shadow, highlight, dark] = PaletteColors();

    painter.fillRect(rect(), face);

    // The wedge: right edge and bottom edge lit, the slope from the bottom
    // left to the top right in shadow. The slope goes first so the lit edges
    // keep the corner pixels, as on a display that stops lines one pixel
    // short of their end.
    const int left = 0;
    const int top = 1;
    const int right = width() - 1;
    const int bottom = height() - 4;
    painter.setPen(shadow);
    painter.drawLine(left, bottom, right, top);
    painter.setPen(highlight);
    painter.drawLine(right, top, right, bottom);
    if (right > left) {
        painter.drawLine(right, bottom, left + 1, bottom);
    }

    QRect t = GetThumbRect();
    FillEdges(painter, t.x(), t.y(), t.x() + t.width(), t.y() + t.height(), face);
    Draw3dRect(painter, t, highlight, dark);
    t.adjust(1, 1, -1, -1);
    Draw3dRect(painter, t, face, shadow);
    PaintFocusMark(painter);
}

}  // namespace taleno
