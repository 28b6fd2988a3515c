#include "shell/SeekSlider.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

namespace taleno {

CSeekSlider::CSeekSlider(QWidget* parent) : CSkinnedSlider(kThumbWidth, parent) {}

void CSeekSlider::SetPosition(int value) {
    if (tracking || value < minimum || value > maximum || value == position) {
        return;
    }
    position = value;
    PositionChanged();
}

void CSeekSlider::SetEnabled(bool flag) {
    if (flag == enabled) {
        return;
    }
    enabled = flag;
    if (!enabled) {
        position = 0;
        CancelTracking();
    }
    update();
}

void CSeekSlider::SetMarks(std::vector<double> fractions) {
    std::erase_if(fractions, [](double f) { return !(f >= 0.0 && f <= 1.0); });
    if (fractions != marks) {
        marks = std::move(fractions);
        update();
    }
}

QRect CSeekSlider::GetChannelRect() const { return FromEdges(1, 0, width() - 1, height()); }

QRect CSeekSlider::GetThumbRect() const {
    const QRect k = GetChannelRect();
    const int kRight = k.x() + k.width();
    const int kBottom = k.y() + k.height();
    const int x = k.x() + (kRight - thumbWidth - k.x() - 4) * position / 100;
    int left = x + 2;
    int right = x + thumbWidth + 2;
    if (right > kRight - 2) {
        right = kRight - 2;
        left = right - thumbWidth;
    }
    return FromEdges(left, k.y() + 2, right, kBottom - 2);
}

void CSeekSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !enabled) {
        return;
    }
    pressY = event->position().toPoint().y();
    BeginTracking(event->position().toPoint());
}

void CSeekSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!HoldsCapture() || !(event->buttons() & Qt::LeftButton)) {
        return;
    }
    const QPoint p = event->position().toPoint();
    if (std::abs(pressY - p.y()) <= kDragCancelDistance) {
        position = ValueFromX(p.x());
        update();
    } else {
        // The thumb stays where it was last drawn until the frame moves it.
        CancelTracking();
    }
}

void CSeekSlider::paintEvent(QPaintEvent*) {
    // Qt's backing store already composes the widget off-screen and shows
    // it in one transfer, so painting straight into it does not flicker.
    QPainter painter(this);
    const auto [face, shadow, highlight, dark] = PaletteColors();

    painter.fillRect(rect(), face);

    const QRect k = GetChannelRect();
    QRect r = k;
    Draw3dRect(painter, r, shadow, highlight);
    r.adjust(1, 1, -1, -1);
    Draw3dRect(painter, r, Qt::black, face);
    r.adjust(1, 1, -1, -1);

    const QRect thumb = GetThumbRect();
    if (enabled) {
        FillEdges(painter, r.x(), r.y(), r.x() + r.width(), r.y() + r.height(), shadow);
        QRect t = thumb;
        FillEdges(painter, t.x(), t.y(), t.x() + t.width(), t.y() + t.height(), face);
        Draw3dRect(painter, t, highlight, dark);
        t.adjust(1, 1, -1, -1);
        Draw3dRect(painter, t, face, shadow);
        // The grip: a vertical line in the middle, ending short of the end.
        const int gx = (t.x() + t.x() + t.width()) / 2;
        FillEdges(painter, gx, t.y() + 2, gx + 1, t.y() + t.height() - 2, dark);
    }
    // The played part, from the channel's inner edge to the thumb.
    FillEdges(painter, 3, k.y() + 2, thumb.x(), k.y() + k.height() - 2, dark);
    // The chapter marks: short lines at the top and bottom of the channel,
    // where the thumb's grip stands when it is at the chapter's start.
    const int travel = k.width() - thumbWidth - 4;
    for (const double mark : marks) {
        const int x = k.x() + 2 + thumbWidth / 2 + static_cast<int>(travel * mark);
        FillEdges(painter, x, k.y() + 2, x + 1, k.y() + 5, highlight);
        FillEdges(painter, x, k.y() + k.height() - 5, x + 1, k.y() + k.height() - 2, highlight);
    }
    PaintFocusMark(painter);
}

}  // namespace taleno
