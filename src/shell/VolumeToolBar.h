#pragma once
// The volume bar: the frame's toolbar. It lines up the frame's playback
// buttons and puts the Mute button and the volume slider at its right end.
// When the user finishes a click or drag on the slider it emits
// VolumeBarChanged with the slider's value (0..100); it never sets the
// volume by itself.
//
// The buttons are the frame's actions (they carry the command ids its
// dispatch handles); the bar arranges them and gives each that has no icon
// yet the bar's own 16 x 15 image (ButtonImage), shown on the bar only, so
// the menus holding the same actions keep their text-only look. The images
// are plain dark glyphs on a transparent ground (play triangle, pause bars,
// stop square, skip arrows, a blue loop for Repeat, a list for Playlist, a
// speaker with a red cross for Mute). The separator before Mute
// stretches, so Mute and the slider stay at the right end at any width; when
// the bar is narrower than its buttons, the toolbar's overflow menu takes the
// ones that do not fit. The last item, the "Volume" check box, only keeps
// room at the end of the row: the slider lies over the bar's right end,
// from just below the top edge to the bottom; its tooltip is "Volume".

#include <QToolBar>

#include <array>
#include <functional>

namespace taleno {

class CVolumeSlider;

class CVolumeToolBar : public QToolBar {
    Q_OBJECT

public:
    enum class ItemStyle { Button, Separator, CheckBox };
    struct Item {
        int command;  // 0 for a separator
        ItemStyle style;
    };
    // The items from left to right.
    static constexpr std::array<Item, 13> kItems = {{
        {32771, ItemStyle::Button},  // Play
        {32773, ItemStyle::Button},  // Pause
        {32772, ItemStyle::Button},  // Stop
        {0, ItemStyle::Separator},
        {32823, ItemStyle::Button},  // Previous
        {32822, ItemStyle::Button},  // Next
        {0, ItemStyle::Separator},
        {32796, ItemStyle::Button},  // Repeat
        {0, ItemStyle::Separator},
        {32803, ItemStyle::Button},   // Playlist
        {0, ItemStyle::Separator},    // stretches
        {32801, ItemStyle::Button},   // Mute
        {1001, ItemStyle::CheckBox},  // under the volume slider
    }};
    static constexpr int kStretchIndex = 10;
    static constexpr int kSliderWidth = 50;
    static constexpr int kSliderTopMargin = 2;
    static constexpr QSize kButtonImageSize{16, 15};

    CVolumeToolBar();

    // Sets the bar up under parent: the buttons in the order of kItems, each
    // the action buttonAction returns for its command id, then the volume
    // slider at 100. Fails, leaving the bar empty, when an action is missing
    // or the bar was created before.
    bool Create(QWidget* parent, const std::function<QAction*(int command)>& buttonAction);

    // The bar's image for a button command; a null icon for other ids.
    static QIcon ButtonImage(int command);

    // A value outside 0..100 shows 0. Ignored before Create and while the
    // user drags.
    void SetVolumePosition(int percent);
    // The slider's value; 0 before Create.
    int GetVolumePosition() const;

    CVolumeSlider* GetSlider() const { return slider; }

signals:
    // The user let go of the volume slider at this volume.
    void VolumeBarChanged(int volume);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // A focused button is pressed with Space, Enter or Return, before the
    // window's own keys (Space pauses) take them.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The slider over the bar's right end: kSliderWidth wide, from
    // kSliderTopMargin below the top to the bottom edge.
    void PlaceSlider();
    void OnThumbPositionReleased(int position);

    CVolumeSlider* slider = nullptr;
};

}  // namespace taleno
