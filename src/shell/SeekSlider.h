#pragma once
// The seek bar's slider: a sunken channel, a played part and a raised thumb
// with a grip line. It reacts to the mouse and shows its thumb only while
// enabled; a drag that wanders more than 100 pixels above or below the
// press point is cancelled without a notification.

#include "shell/SkinnedSlider.h"

#include <vector>

namespace taleno {

class CSeekSlider : public CSkinnedSlider {
    Q_OBJECT

public:
    explicit CSeekSlider(QWidget* parent = nullptr);

    // Ignored while the user drags, outside minimum..maximum, or unchanged.
    void SetPosition(int value);
    // Disabling also resets the position to 0 and ends a drag.
    void SetEnabled(bool flag);

    // Marks on the channel where chapters start, each a fraction of the
    // clip's length (0..1; others are not shown); none by default.
    void SetMarks(std::vector<double> fractions);
    const std::vector<double>& Marks() const { return marks; }

    // A disabled seek slider (no clip) takes no position from the user.
    bool TakesInput() const override { return enabled; }

    // The client rectangle less one pixel on the left and on the right.
    QRect GetChannelRect() const override;
    QRect GetThumbRect() const override;

    static constexpr int kThumbWidth = 25;
    // Largest vertical distance from the press point that still drags.
    static constexpr int kDragCancelDistance = 100;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool enabled = false;
    std::vector<double> marks;
    int pressY = 0;
};

}  // namespace taleno
