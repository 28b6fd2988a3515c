#pragma once
// The seek bar: a bar across the frame's bottom holding one seek slider that
// spans its width. When the user finishes a click or drag it emits
// SeekBarSeek with the slider's value (0..100); it never seeks by itself. The
// frame moves it back from the playing position.

#include <QWidget>

#include <vector>

namespace taleno {

class CSeekSlider;

class CSeekBar : public QWidget {
    Q_OBJECT

public:
    explicit CSeekBar(QWidget* parent = nullptr);

    // A value outside 0..100 shows 0. Ignored while the user drags.
    void SetSeekPosition(int percent);
    // Disabling resets the slider to 0 and ends a drag.
    void SetSeekEnabled(bool flag);
    // Chapter marks on the slider, as fractions of the clip's length.
    void SetMarks(std::vector<double> fractions);

    CSeekSlider* GetSlider() const { return slider; }

    // The bar's layout: 330 x 9 dialog units of the dialog font (width
    // stretched by the frame); the slider fills the width, 14 pixels high.
    QSize sizeHint() const override;
    static constexpr int kTemplateWidthUnits = 330;
    static constexpr int kTemplateHeightUnits = 9;
    static constexpr int kSliderHeight = 14;

signals:
    // The user let go of the seek slider at this percent.
    void SeekBarSeek(int percent);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnThumbPositionReleased(int position);

    CSeekSlider* slider;
};

}  // namespace taleno
