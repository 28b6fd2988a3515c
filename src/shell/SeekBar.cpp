#include "shell/SeekBar.h"

#include "shell/DialogUnits.h"
#include "shell/SeekSlider.h"

#include <QResizeEvent>

namespace taleno {

CSeekBar::CSeekBar(QWidget* parent) : QWidget(parent), slider(new CSeekSlider(this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    slider->setAccessibleName(tr("Position"));
    slider->setAccessibleDescription(tr("Percent of the clip played"));
    connect(slider, &CSeekSlider::thumbPositionReleased, this, &CSeekBar::OnThumbPositionReleased);
}

void CSeekBar::SetSeekPosition(int percent) {
    if (percent < 0 || percent > 100) {
        percent = 0;
    }
    slider->SetPosition(percent);
}

void CSeekBar::SetSeekEnabled(bool flag) { slider->SetEnabled(flag); }

QSize CSeekBar::sizeHint() const {
    return DialogUnitsToPixels(QSize(kTemplateWidthUnits, kTemplateHeightUnits), DialogFont());
}

void CSeekBar::SetMarks(std::vector<double> fractions) { slider->SetMarks(std::move(fractions)); }

void CSeekBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    slider->setGeometry(0, 0, event->size().width(), kSliderHeight);
}

void CSeekBar::OnThumbPositionReleased(int) { emit SeekBarSeek(slider->GetPosition()); }

}  // namespace taleno
