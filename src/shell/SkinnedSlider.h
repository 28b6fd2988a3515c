#pragma once
// Common ground of the two owner-painted sliders (seek and volume).
//
// A skinned slider keeps its own position, paints itself completely and
// tells its owner about a new position only when the user lets go of the
// left mouse button after pressing it on the slider (thumbPositionReleased).
// Pixel <-> value mappings use the fixed scale 0..100.
//
// Mouse capture: Qt delivers every move and the release to the widget the
// button was pressed on, which is what capturing the mouse on press gives.
// "Releasing the capture" (end of a drag, a cancelled drag) is modelled by
// the captured flag: after it is cleared, the rest of that press is ignored.
//
// Keyboard focus: the sliders take it from Tab only, never from a click, so
// the frame's keys keep working for a mouse user. Focused, a slider shows a
// focus mark; Left and Right (or Down and Up) move it by one, Home and End to
// its ends, each as a user letting go there. Every other key goes on to the
// window (its shortcuts take their keys first in any case).
//
// Accessibility: each slider is a slider to assistive technology, with its
// position as a value from 0 to 100 that can be read and set; setting it is
// the user letting go at that value (thumbPositionReleased), and a change of
// position is announced.

#include <QColor>
#include <QRect>
#include <QWidget>

class QMouseEvent;
class QPainter;

namespace taleno {

class CSkinnedSlider : public QWidget {
    Q_OBJECT

public:
    int GetPosition() const { return position; }
    bool IsTracking() const { return tracking; }

    // The channel the thumb moves in and the thumb itself, in client pixels.
    virtual QRect GetChannelRect() const = 0;
    virtual QRect GetThumbRect() const = 0;

    // The value a press or drag at client x stands for: minimum left of the
    // channel, maximum from channel.right - thumbWidth + thumbWidth / 2 on.
    int ValueFromX(int x) const;

    // The position set as a user would (assistive technology): moved there,
    // then thumbPositionReleased; ignored while the slider takes no input.
    void SetPositionAsUser(int value);

signals:
    // The user finished a click or drag; position is the slider's value.
    void thumbPositionReleased(int position);

protected:
    CSkinnedSlider(int thumbWidth, QWidget* parent);

    // Button press at p: starts tracking; a press off the thumb jumps the
    // value to p and repaints.
    void BeginTracking(const QPoint& p);
    // Ends the current press without a notification.
    void CancelTracking();
    // Repaints after a change of position and announces it.
    void PositionChanged();
    // Whether the user may move the slider now.
    virtual bool TakesInput() const { return true; }
    // True while a press of this slider is still being followed.
    bool HoldsCapture() const { return captured; }

    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The focus mark around the slider while it has the keyboard focus.
    void PaintFocusMark(QPainter& painter) const;
    void hideEvent(QHideEvent* event) override;

    // Windows-style rectangle helpers: right and bottom are exclusive.
    static QRect FromEdges(int left, int top, int right, int bottom);
    static void FillEdges(QPainter& painter, int left, int top, int right, int bottom, const QColor& color);
    // Top and left lines in topLeft, bottom and right lines in bottomRight.
    static void Draw3dRect(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

    // The system colours both sliders paint with, read from the palette:
    // button face, button shadow, 3-D highlight and 3-D dark shadow.
    struct Colors {
        QColor face;
        QColor shadow;
        QColor highlight;
        QColor dark;
    };
    Colors PaletteColors() const;

    int position = 0;
    const int minimum = 0;
    const int maximum = 100;
    const int thumbWidth;
    bool tracking = false;

private:
    bool captured = false;
};

}  // namespace taleno
