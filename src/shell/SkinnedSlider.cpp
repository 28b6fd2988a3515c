#include "shell/SkinnedSlider.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace taleno {

namespace {

// What assistive technology sees of a slider: its role and its position as
// a value it can read and set.
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(CSkinnedSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? QString::number(Slider()->GetPosition()) : QAccessibleWidget::text(kind);
    }
    QVariant currentValue() const override { return Slider()->GetPosition(); }
    void setCurrentValue(const QVariant& value) override { Slider()->SetPositionAsUser(value.toInt()); }
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    CSkinnedSlider* Slider() const { return static_cast<CSkinnedSlider*>(widget()); }
};

QAccessibleInterface* SliderAccessibleFactory(const QString&, QObject* object) {
    auto* slider = qobject_cast<CSkinnedSlider*>(object);
    return slider != nullptr ? new SliderAccessible(slider) : nullptr;
}

}  // namespace

CSkinnedSlider::CSkinnedSlider(int thumbWidthPixels, QWidget* parent) : QWidget(parent), thumbWidth(thumbWidthPixels) {
    static const bool accessible = (QAccessible::installFactory(SliderAccessibleFactory), true);
    (void)accessible;
    setFocusPolicy(Qt::TabFocus);
    // The paint handler covers every pixel, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int CSkinnedSlider::ValueFromX(int x) const {
    const QRect k = GetChannelRect();
    const int right = k.x() + k.width();
    const int a = x - thumbWidth / 2;
    if (a < k.x()) {
        return minimum;
    }
    if (a < right - thumbWidth) {
        return a * 100 / (right - thumbWidth - k.x());
    }
    return maximum;
}

void CSkinnedSlider::SetPositionAsUser(int value) {
    if (!TakesInput() || tracking) {
        return;
    }
    position = std::clamp(value, minimum, maximum);
    PositionChanged();
    emit thumbPositionReleased(position);
}

void CSkinnedSlider::keyPressEvent(QKeyEvent* event) {
    int target = position;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down: target = position - 1; break;
    case Qt::Key_Right:
    case Qt::Key_Up: target = position + 1; break;
    case Qt::Key_Home: target = minimum; break;
    case Qt::Key_End: target = maximum; break;
    default: QWidget::keyPressEvent(event); return;
    }
    if (event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    SetPositionAsUser(target);
    event->accept();
}

void CSkinnedSlider::PaintFocusMark(QPainter& painter) const {
    if (!hasFocus()) {
        return;
    }
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void CSkinnedSlider::PositionChanged() {
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, position);
        QAccessible::updateAccessibility(&event);
    }
}

void CSkinnedSlider::BeginTracking(const QPoint& p) {
    const bool onThumb = GetThumbRect().contains(p);
    tracking = true;
    captured = true;
    if (!onThumb) {
        // A click on the channel jumps the thumb to the click.
        position = ValueFromX(p.x());
        update();
    }
}

void CSkinnedSlider::CancelTracking() {
    tracking = false;
    captured = false;
}

void CSkinnedSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !tracking) {
        return;
    }
    captured = false;
    tracking = false;
    emit thumbPositionReleased(position);
}

void CSkinnedSlider::hideEvent(QHideEvent* event) {
    // A hidden widget gets no release any more; without this the slider
    // would ignore every position update until the next click.
    CancelTracking();
    QWidget::hideEvent(event);
}

QRect CSkinnedSlider::FromEdges(int left, int top, int right, int bottom) {
    return {left, top, right - left, bottom - top};
}

void CSkinnedSlider::FillEdges(QPainter& painter, int left, int top, int right, int bottom, const QColor& color) {
    if (right > left && bottom > top) {
        painter.fillRect(FromEdges(left, top, right, bottom), color);
    }
}

void CSkinnedSlider::Draw3dRect(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    const int l = r.x();
    const int t = r.y();
    const int w = r.width();
    const int h = r.height();
    FillEdges(painter, l, t, l + w - 1, t + 1, topLeft);
    FillEdges(painter, l, t, l + 1, t + h - 1, topLeft);
    FillEdges(painter, l + w - 1, t, l + w, t + h, bottomRight);
    FillEdges(painter, l, t + h - 1, l + w, t + h, bottomRight);
}

CSkinnedSlider::Colors CSkinnedSlider::PaletteColors() const {
    const QPalette& pal = palette();
    return {pal.color(QPalette::Button), pal.color(QPalette::Dark), pal.color(QPalette::Light),
            pal.color(QPalette::Shadow)};
}

}  // namespace taleno
