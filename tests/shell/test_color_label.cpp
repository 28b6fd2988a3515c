// The coloured label: what it paints (window text, flashing). Its links
// open through Qt's QDesktopServices.
#include "shell/ColorLabel.h"

#include <gtest/gtest.h>

#include "common/EventLoop.h"

namespace taleno {
namespace {

using test::PumpUntil;

// Whether the label, white on black as the player's captions are, shows any text.
bool ShowsText(CColorLabel& label) {
    QImage image(label.size(), QImage::Format_RGB32);
    label.render(&image);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() > 128) return true;
    return false;
}

TEST(ColorLabelPaint, WindowTextStandsInAndFlashingTextBlinks) {
    CColorLabel label;
    label.resize(200, 30);
    label.SetTextColor(Qt::white).SetBackground(Qt::black, Qt::black, false);
    EXPECT_FALSE(ShowsText(label));
    label.SetWindowText(QStringLiteral("Hello"));  // shown while the text is empty
    EXPECT_TRUE(ShowsText(label));
    label.SetText(QStringLiteral("&"));  // drawn literally, not taken as a mnemonic
    EXPECT_TRUE(ShowsText(label));
    label.SetText(QStringLiteral("FLASH")).FlashText(true);
    EXPECT_FALSE(ShowsText(label));
    EXPECT_TRUE(PumpUntil([&] { return ShowsText(label); }, 2000));
    EXPECT_TRUE(PumpUntil([&] { return !ShowsText(label); }, 2000));
    label.FlashBackground(false);  // stopping either flash brings the text back for good
    test::PumpFor(CColorLabel::kFlashPeriodMs + 100);
    EXPECT_TRUE(ShowsText(label));
}

}  // namespace
}  // namespace taleno
