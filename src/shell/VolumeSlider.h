#pragma once
// The volume bar's slider: a wedge rising to the right with a raised thumb.
// Always active; a drag follows the pointer wherever it goes.

#include "shell/SkinnedSlider.h"

namespace taleno {

class CVolumeSlider : public CSkinnedSlider {
    Q_OBJECT

public:
    explicit CVolumeSlider(QWidget* parent = nullptr);

    // Ignored while the user drags; a value outside minimum..maximum keeps
    // the old one. Repaints in every case.
    void SetPosition(int value);

    // The whole client rectangle.
    QRect GetChannelRect() const override;
    QRect GetThumbRect() const override;

    static constexpr int kThumbWidth = 10;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace taleno
