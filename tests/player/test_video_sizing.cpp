// The size rules the main window follows; the common zooms are tried on a
// shown window in test_main_frame_window.cpp, here are the edge cases.
#include "player/VideoSizing.h"

#include <gtest/gtest.h>

#include <climits>

namespace taleno {
namespace {

TEST(VideoSizingTest, ZoomSizesTruncateAndStayInRange) {
    EXPECT_EQ(ZoomedVideoSize(ZOOM_HALF, 175, 145, 100), QSize(87, 72));
    EXPECT_EQ(ZoomedVideoSize(ZOOM_PRESET, 175, 145, 33), QSize(57, 47));
    // Sides are read as at most 9999, and never below 0.
    EXPECT_EQ(ZoomedVideoSize(ZOOM_ORIGINAL, 12000, -5, 100), QSize(9999, 0));
    // Preset percentages from a hand-edited settings file cannot overflow.
    EXPECT_EQ(ZoomedVideoSize(ZOOM_PRESET, 9999, 9999, INT_MAX), QSize(kMaxWindowExtent, kMaxWindowExtent));
    EXPECT_EQ(ZoomedVideoSize(ZOOM_PRESET, 176, 144, -50), QSize(0, 0));
    // An unknown zoom from the settings applies Original.
    EXPECT_EQ(ZoomToApply(3), ZOOM_HALF);
    EXPECT_EQ(ZoomToApply(0), ZOOM_ORIGINAL);
    EXPECT_EQ(ZoomToApply(9), ZOOM_ORIGINAL);
}

TEST(VideoSizingTest, OverheadsCountCaptionBordersAndVisibleBars) {
    FrameDecorations d;
    d.menuHeight = 20;
    d.captionHeight = 18;
    d.sizingBorderWidth = d.sizingBorderHeight = 4;
    d.dialogFrameHeight = 3;
    d.toolbarHeight = 26;
    d.seekBarHeight = 24;
    EXPECT_EQ(std::make_pair(VerticalOverhead(d), HorizontalOverhead(d)), std::make_pair(20 + 26 + 24, 0));
    d.hasSizingBorder = true;  // no caption: the dialog frame counts
    EXPECT_EQ(std::make_pair(VerticalOverhead(d), HorizontalOverhead(d)), std::make_pair(20 + 2 * 3 + 26 + 24, 8));
    d.hasCaption = true;
    d.statusPanelHeight = 22;
    EXPECT_EQ(VerticalOverhead(d), 20 + 18 + 2 * 4 + 26 + 22 + 24);
}

TEST(VideoSizingTest, FitFrameKeepsTheCentreAndClampsTheTopButNotTheLeft) {
    // 176 x 144 raised to 300 wide, centred on (300, 350).
    EXPECT_EQ(FitFrameToVideo(QRect(100, 200, 400, 300), 176, 144, 8, 90, QSize(2, 2)),
              QRect(300 - 312 / 2, 350 - 238 / 2, 300 + 8 + 4, 144 + 90 + 4));
    // Without the client edge nothing is added for it.
    EXPECT_EQ(FitFrameToVideo(QRect(100, 200, 400, 300), 640, 360, 0, 50, QSize(0, 0)),
              QRect(300 - 320, 350 - 205, 640, 410));
    const QRect nearCorner(-10, 10, 300, 100);  // centre (140, 60)
    EXPECT_EQ(FitFrameToVideo(nearCorner, 720, 576, 0, 60, QSize(2, 2)).topLeft(), QPoint(140 - 724 / 2, 0));
    // Below a panel at the top of the screen, the screen's top is the limit.
    EXPECT_EQ(FitFrameToVideo(nearCorner, 720, 576, 0, 60, QSize(2, 2), 24).y(), 24);
}

TEST(VideoSizingTest, LimitsAndMinimumHeightGrowth) {
    const FrameSizeLimits windowed = FrameLimits(false, QRect(0, 0, 1280, 1024), 95);
    EXPECT_EQ(windowed.minimumTrackSize, QSize(300, 95));
    EXPECT_TRUE(windowed.maximumSize.isNull());
    const FrameSizeLimits full = FrameLimits(true, QRect(0, 0, 1280, 1024), 95);
    EXPECT_TRUE(full.minimumTrackSize.isNull());
    EXPECT_EQ(full.maximumTrackSize, QSize(1280, 1024));
    // The 20-pixel-high window of creation grows downwards to the minimum.
    EXPECT_EQ(GrowToMinimumHeight(QRect(50, 60, 400, 20), 95), QRect(50, 60, 400, 95));
    EXPECT_EQ(GrowToMinimumHeight(QRect(50, 60, 400, 300), 95), QRect(50, 60, 400, 300));
}

}  // namespace
}  // namespace taleno
