// Geometry, mouse behaviour and painting of the two skinned sliders.
#include "SliderMouse.h"
#include "shell/SeekSlider.h"
#include "shell/VolumeSlider.h"

#include <gtest/gtest.h>

#include <QImage>

#include <vector>

namespace taleno {
namespace {

using test::Drag;
using test::Press;
using test::Release;

struct Releases {
    std::vector<int> positions;
    explicit Releases(CSkinnedSlider& s) {
        QObject::connect(&s, &CSkinnedSlider::thumbPositionReleased, [this](int p) { positions.push_back(p); });
    }
};

TEST(SeekSliderGeometry, ThumbFollowsPositionInsideTheChannel) {
    CSeekSlider s;
    s.resize(200, 14);
    EXPECT_EQ(s.GetChannelRect(), QRect(1, 0, 198, 14));
    // Thumb left = 1 + (199 - 25 - 1 - 4) * p / 100 + 2, 25 wide, 2 in from top and bottom.
    EXPECT_EQ(s.GetThumbRect(), QRect(3, 2, 25, 10));
    s.SetEnabled(true);
    s.SetPosition(50);
    EXPECT_EQ(s.GetThumbRect(), QRect(87, 2, 25, 10));
    s.SetPosition(100);
    EXPECT_EQ(s.GetThumbRect(), QRect(172, 2, 25, 10));  // right edge at channel right - 2
}

TEST(SeekSliderGeometry, NarrowSliderKeepsThumbRightEdgeInside) {
    CSeekSlider s;
    s.resize(20, 14);
    const QRect t = s.GetThumbRect();
    EXPECT_EQ(t.x() + t.width(), 17);
    EXPECT_EQ(t.width(), 25);
}

TEST(SeekSliderGeometry, ValueFromX) {
    CSeekSlider s;
    s.resize(200, 14);  // channel 1..199, usable span 199 - 25 - 1 = 173
    EXPECT_EQ(s.ValueFromX(-40), 0);
    EXPECT_EQ(s.ValueFromX(12), 0);   // left of the channel
    EXPECT_EQ(s.ValueFromX(13), 0);   // 1 * 100 / 173
    EXPECT_EQ(s.ValueFromX(99), 50);  // 87 * 100 / 173
    EXPECT_EQ(s.ValueFromX(185), 100);
    EXPECT_EQ(s.ValueFromX(186), 100);  // 199 - 25 + 12: the maximum from here on
    EXPECT_EQ(s.ValueFromX(5000), 100);
}

TEST(VolumeSliderGeometry, ThumbAndValueFromX) {
    CVolumeSlider s;
    s.resize(50, 21);
    s.SetPosition(100);
    // yc = 10, h = 10: the thumb spans 0..20, full client width range 0..40.
    EXPECT_EQ(s.GetThumbRect(), QRect(40, 0, 10, 20));
    s.SetPosition(50);
    EXPECT_EQ(s.GetThumbRect(), QRect(20, 0, 10, 20));
    EXPECT_EQ(s.ValueFromX(4), 0);
    EXPECT_EQ(s.ValueFromX(25), 50);
    EXPECT_EQ(s.ValueFromX(44), 97);
    EXPECT_EQ(s.ValueFromX(45), 100);
}

TEST(SeekSliderPositions, SetPositionRules) {
    CSeekSlider s;
    s.resize(200, 14);
    s.SetPosition(40);
    EXPECT_EQ(s.GetPosition(), 40);
    s.SetPosition(101);
    s.SetPosition(-1);
    EXPECT_EQ(s.GetPosition(), 40);

    s.SetEnabled(true);
    Press(&s, {150, 7});
    const int dragged = s.GetPosition();
    s.SetPosition(10);  // the frame's refresh must not fight the drag
    EXPECT_EQ(s.GetPosition(), dragged);
    Release(&s, {150, 7});
    s.SetPosition(10);
    EXPECT_EQ(s.GetPosition(), 10);
}

TEST(VolumeSliderPositions, OutOfRangeKeepsValueAndRepaints) {
    CVolumeSlider s;
    s.resize(50, 20);
    s.SetPosition(70);
    s.SetPosition(150);
    EXPECT_EQ(s.GetPosition(), 70);
    s.SetPosition(-1);
    EXPECT_EQ(s.GetPosition(), 70);
}

TEST(SeekSliderMouse, ClickOnChannelJumpsAndReportsOnRelease) {
    CSeekSlider s;
    s.resize(200, 14);
    s.SetEnabled(true);
    Releases r(s);
    Press(&s, {99, 7});
    EXPECT_TRUE(s.IsTracking());
    EXPECT_EQ(s.GetPosition(), 50);
    EXPECT_TRUE(r.positions.empty());
    Release(&s, {99, 7});
    EXPECT_FALSE(s.IsTracking());
    EXPECT_EQ(r.positions, std::vector<int>{50});
    // A second release without a press reports nothing.
    Release(&s, {99, 7});
    EXPECT_EQ(r.positions.size(), 1u);
}

TEST(SeekSliderMouse, PressOnThumbWithoutMovingReportsUnchangedPosition) {
    CSeekSlider s;
    s.resize(200, 14);
    s.SetEnabled(true);
    s.SetPosition(30);
    Releases r(s);
    const QPoint onThumb = s.GetThumbRect().topLeft() + QPoint(1, 1);  // off-centre: no jump
    Press(&s, onThumb);
    EXPECT_EQ(s.GetPosition(), 30);
    Release(&s, onThumb);
    EXPECT_EQ(r.positions, std::vector<int>{30});
}

TEST(SeekSliderMouse, DragFollowsPointerWithin100PixelsVertically) {
    CSeekSlider s;
    s.resize(200, 14);
    s.SetEnabled(true);
    Releases r(s);
    Press(&s, {13, 7});
    Drag(&s, {99, 107});  // exactly 100 below: still dragging
    EXPECT_EQ(s.GetPosition(), 50);
    Drag(&s, {186, 7 - 100});
    EXPECT_EQ(s.GetPosition(), 100);
    Release(&s, {186, -93});
    EXPECT_EQ(r.positions, std::vector<int>{100});
}

TEST(SeekSliderMouse, DragWandering101PixelsIsCancelledSilently) {
    CSeekSlider s;
    s.resize(200, 14);
    s.SetEnabled(true);
    Releases r(s);
    Press(&s, {99, 7});
    Drag(&s, {150, 108});  // 101 below the press
    EXPECT_FALSE(s.IsTracking());
    EXPECT_EQ(s.GetPosition(), 50);  // stays where last drawn
    Drag(&s, {186, 7});               // coming back does not resume the drag
    EXPECT_EQ(s.GetPosition(), 50);
    Release(&s, {186, 7});
    EXPECT_TRUE(r.positions.empty());
    s.SetPosition(20);  // the frame moves it again
    EXPECT_EQ(s.GetPosition(), 20);
}

TEST(SeekSliderMouse, DisabledSliderIgnoresMouseAndDisablingEndsDrag) {
    CSeekSlider s;
    s.resize(200, 14);
    Releases r(s);
    Press(&s, {99, 7});
    EXPECT_FALSE(s.IsTracking());
    EXPECT_EQ(s.GetPosition(), 0);
    Release(&s, {99, 7});
    EXPECT_TRUE(r.positions.empty());

    s.SetEnabled(true);
    Press(&s, {99, 7});
    s.SetEnabled(false);
    EXPECT_FALSE(s.IsTracking());
    EXPECT_EQ(s.GetPosition(), 0);
    Drag(&s, {150, 7});
    Release(&s, {150, 7});
    EXPECT_EQ(s.GetPosition(), 0);
    EXPECT_TRUE(r.positions.empty());
}

TEST(SeekSliderMouse, OtherButtonsAndHidingDoNotStartOrStrandADrag) {
    CSeekSlider s;
    s.resize(200, 14);
    s.SetEnabled(true);
    Releases r(s);
    test::SendMouse(&s, QEvent::MouseButtonPress, {99, 7}, Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(s.IsTracking());

    s.show();
    Press(&s, {99, 7});
    s.hide();  // e.g. the bar hidden by a shortcut while dragging
    EXPECT_FALSE(s.IsTracking());
    Release(&s, {99, 7});
    EXPECT_TRUE(r.positions.empty());
    s.SetPosition(5);
    EXPECT_EQ(s.GetPosition(), 5);
}

TEST(VolumeSliderMouse, DragIsNeverCancelled) {
    CVolumeSlider s;
    s.resize(50, 20);
    s.SetPosition(100);
    Releases r(s);
    Press(&s, {25, 10});
    EXPECT_EQ(s.GetPosition(), 50);
    Drag(&s, {0, 500});
    EXPECT_EQ(s.GetPosition(), 0);
    Release(&s, {0, 500});
    EXPECT_EQ(r.positions, std::vector<int>{0});
}

TEST(SliderFocus, SlidersNeverTakeKeyboardFocus) {
    CSeekSlider seek;
    CVolumeSlider volume;
    EXPECT_EQ(seek.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(volume.focusPolicy(), Qt::NoFocus);
}

QImage Render(QWidget& w) {
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

TEST(SeekSliderPainting, EnabledShowsPlayedPartAndThumbDisabledShowsNeither) {
    CSeekSlider s;
    s.resize(200, 14);
    const QPalette& pal = s.palette();
    const QRgb face = pal.color(QPalette::Button).rgb();
    const QRgb shadow = pal.color(QPalette::Dark).rgb();
    const QRgb dark = pal.color(QPalette::Shadow).rgb();

    s.SetPosition(50);  // allowed while disabled, but disabling resets it
    s.SetEnabled(true);
    s.SetEnabled(false);
    QImage off = Render(s);
    for (int x = 3; x < 197; ++x) {
        EXPECT_EQ(off.pixel(x, 7), face) << x;  // no channel fill, no thumb
    }
    EXPECT_EQ(off.pixel(1, 0), pal.color(QPalette::Dark).rgb());  // sunken edge
    EXPECT_EQ(off.pixel(2, 1), QColor(Qt::black).rgb());

    s.SetEnabled(true);
    s.SetPosition(50);
    const QImage on = Render(s);
    const QRect t = s.GetThumbRect();
    EXPECT_EQ(on.pixel(3, 7), dark);             // played part starts at x 3
    EXPECT_EQ(on.pixel(t.x() - 1, 7), dark);     // and reaches the thumb
    EXPECT_EQ(on.pixel(t.x() + 3, 7), face);     // thumb face
    const int grip = (t.x() + 1 + t.x() + t.width() - 1) / 2;
    EXPECT_EQ(on.pixel(grip, 7), dark);          // grip line
    EXPECT_EQ(on.pixel(t.x() + t.width() + 3, 7), shadow);  // channel after the thumb
}

TEST(VolumeSliderPainting, WedgeAndThumb) {
    CVolumeSlider s;
    s.resize(50, 21);
    s.SetPosition(0);
    const QPalette& pal = s.palette();
    const QImage img = Render(s);
    const QRgb highlight = pal.color(QPalette::Light).rgb();
    EXPECT_EQ(img.pixel(49, 5), highlight);   // lit right edge
    EXPECT_EQ(img.pixel(30, 17), highlight);  // lit bottom edge (h - 4)
    EXPECT_EQ(img.pixel(30, 2), pal.color(QPalette::Button).rgb());  // above the slope
    EXPECT_EQ(img.pixel(0, 19), pal.color(QPalette::Shadow).rgb());  // thumb's dark bottom edge
    EXPECT_EQ(img.pixel(5, 10), pal.color(QPalette::Button).rgb());  // thumb face
}

}  // namespace
}  // namespace taleno
