// Geometry, mouse behaviour and painting of the seek slider (the volume
// slider is tried through its toolbar).
#include "SliderMouse.h"
#include "shell/SeekSlider.h"

#include <gtest/gtest.h>

#include <QImage>

#include <vector>

namespace taleno {
namespace {

using namespace test;

// A 200 x 14 seek slider: channel 1..199, value span 199 - 25 - 1 = 173.
struct SeekSliderTest : ::testing::Test {
    SeekSliderTest() {
        s.resize(200, 14);
        QObject::connect(&s, &CSkinnedSlider::thumbPositionReleased, [this](int p) { released.push_back(p); });
    }
    CSeekSlider s;
    std::vector<int> released;
};

TEST_F(SeekSliderTest, ThumbGeometryAndValueFromX) {
    s.SetPosition(50);
    EXPECT_EQ(s.GetThumbRect(), QRect(87, 2, 25, 10));
    s.SetPosition(100);
    EXPECT_EQ(s.GetThumbRect(), QRect(172, 2, 25, 10));  // right edge at channel right - 2
    for (auto [x, value] : std::vector<std::pair<int, int>>{{12, 0}, {13, 0}, {99, 50}, {185, 100}, {186, 100}}) {
        EXPECT_EQ(s.ValueFromX(x), value) << x;
    }
    s.resize(20, 14);  // narrower than the thumb: its right edge stays inside
    EXPECT_EQ(s.GetThumbRect(), QRect(-8, 2, 25, 10));
}

TEST_F(SeekSliderTest, ClickJumpsReportsOnReleaseAndHoldsOffTheFrame) {
    s.SetEnabled(true);
    Press(&s, {99, 7});
    s.SetPosition(10);  // the frame's refresh must not fight the user
    EXPECT_TRUE(released.empty());
    Release(&s, {99, 7});
    Release(&s, {99, 7});  // no press, no report
    s.SetPosition(30);
    const QPoint onThumb = s.GetThumbRect().topLeft() + QPoint(1, 1);  // keeps the value
    Press(&s, onThumb);
    Release(&s, onThumb);
    EXPECT_EQ(released, (std::vector<int>{50, 30}));
}

TEST_F(SeekSliderTest, DragCancelsBeyond100PixelsVertically) {
    s.SetEnabled(true);
    Press(&s, {13, 7});
    Drag(&s, {99, 107});  // exactly 100 below still drags
    EXPECT_EQ(s.GetPosition(), 50);
    Drag(&s, {186, 108});  // 101: cancelled, the thumb stays
    Drag(&s, {186, 7});    // coming back does not resume
    Release(&s, {186, 7});
    EXPECT_EQ(s.GetPosition(), 50);
    EXPECT_TRUE(released.empty());
}

TEST_F(SeekSliderTest, DisabledOrHiddenLeavesNoDragBehind) {
    Press(&s, {99, 7});  // disabled
    Release(&s, {99, 7});
    s.SetEnabled(true);
    Press(&s, {99, 7});
    s.SetEnabled(false);  // resets to 0 and ends the drag
    Drag(&s, {150, 7});
    Release(&s, {150, 7});
    EXPECT_EQ(s.GetPosition(), 0);
    s.SetEnabled(true);
    s.show();
    Press(&s, {99, 7});
    s.hide();  // e.g. the bar hidden by its shortcut mid-drag: no release comes
    s.SetPosition(5);
    EXPECT_EQ(s.GetPosition(), 5);
    EXPECT_TRUE(released.empty());
}

TEST_F(SeekSliderTest, DisabledPaintsNoThumbAndNoPlayedPart) {
    QImage image(s.size(), QImage::Format_RGB32);
    s.render(&image);
    const QRgb button = s.palette().color(QPalette::Button).rgb(), shadow = s.palette().color(QPalette::Shadow).rgb();
    for (int x = 3; x < 197; ++x) {
        ASSERT_EQ(image.pixel(x, 7), button) << x;
    }
    s.SetEnabled(true);
    s.SetPosition(50);  // played part up to the thumb at 87, grip at (88 + 111) / 2
    s.render(&image);
    EXPECT_EQ(std::vector<QRgb>({image.pixel(86, 7), image.pixel(99, 7), image.pixel(90, 7)}),
              std::vector<QRgb>({shadow, shadow, button}));
}

}  // namespace
}  // namespace taleno
