#include "shell/StatusPanel.h"
#include "shell/StatusPanelTestAccess.h"

#include "shell/ColorLabel.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>

#include <array>

namespace taleno {
namespace {

TEST(StatusPanelTime, FormatsFollowTheTotalLength) {
    struct {
        int total, current;
        const char *suffix, *text;
        int format;
    } const cases[] = {
        {0, 65, "", "01:05", 3},
        {-5, 3665, "", "01:05", 3},  // no total: the hours are not shown at all
        {3600, 59, "/ 01:00:00", "00:00:59 / 01:00:00", 2},
        {3599, 3700, "/ 59:59", "01:40 / 59:59", 1},
        {205, 65, "/ 03:25", "01:05 / 03:25", 1},
        {4800, 65, "/ 01:20:00", "00:01:05 / 01:20:00", 2},
        {360000, 400000, "/ 99:00:00", "99:06:40 / 99:00:00", 2},
    };
    CStatusPanel panel;
    StatusPanelTestAccess shown(panel);
    for (const auto& c : cases) {
        panel.SetTotalTime(c.total);
        panel.SetCurrentTime(c.current);
        EXPECT_EQ(shown.TotalSuffix(), QString::fromLatin1(c.suffix)) << c.total;
        EXPECT_EQ(shown.TimeFormat(), c.format) << c.total;
        EXPECT_EQ(shown.TimeText(), QString::fromLatin1(c.text)) << c.total << " " << c.current;
    }
}

TEST(StatusPanelIcons, StatesAndChannelsPickTheirImages) {
    CStatusPanel panel;
    StatusPanelTestAccess shown(panel);
    // Each image comes from the compiled-in resources at the small-icon size;
    // an unknown state shows the blank one.
    for (int state : {1, 2, 3, 4, 0, 9}) {
        panel.SetStatusIcon(state);
        EXPECT_EQ(shown.StatusIconView().pixmap().width(), 16) << state;
    }
    EXPECT_EQ(shown.StatusIconId(), CStatusPanel::kIconBlank);

    // {channels, channelMode, icon A, icon B}
    const std::array<int, 4> channels[] = {
        {0, 0, CStatusPanel::kIconBlank, CStatusPanel::kIconNoAudio},
        {1, 1, CStatusPanel::kIconBlank, CStatusPanel::kIconMono},
        {2, 2, CStatusPanel::kIconStereoLeft, CStatusPanel::kIconStereoRight},
        {-1, -1, CStatusPanel::kIconBlank, CStatusPanel::kIconBlank},
        {6, -1, CStatusPanel::kIconBlank, CStatusPanel::kIconBlank},
    };
    for (const auto& c : channels) {
        panel.SetChannelIcons(c[0]);
        EXPECT_EQ((std::array{c[0], shown.ChannelMode(), shown.ChannelIconAId(), shown.ChannelIconBId()}), c);
    }
}

TEST(StatusPanelLayout, SplitFollowsTimeFormatAndChannelMode) {
    CStatusPanel panel;
    StatusPanelTestAccess shown(panel);
    panel.resize(600, 24);
    panel.show();  // a hidden widget gets its resize event only when shown
    EXPECT_EQ(shown.StatusIconView().geometry(), QRect(6, 4, 16, 16));
    EXPECT_EQ(shown.ChannelIconBView().geometry(), QRect(581, 4, 16, 16));

    struct LayoutCase {
        int channels, total, margin, format;
        QString widest;
    };
    const LayoutCase cases[] = {
        {2, 205, 39, 1, QStringLiteral("59:59 / 59:59")},
        {-1, 7200, 39, 2, QStringLiteral("99:59:59 / 99:59:59")},
        {1, 205, 31, 1, QStringLiteral("59:59 / 59:59")},
        {0, 0, 31, 3, QStringLiteral("59:59")},
    };
    for (const LayoutCase& c : cases) {
        panel.SetChannelIcons(c.channels);
        panel.SetTotalTime(c.total);
        ASSERT_EQ(shown.TimeFormat(), c.format);
        const int textRight = 600 - c.margin;
        const int split = textRight - shown.TimeWidth(c.format);
        EXPECT_EQ(shown.TimeLabel().geometry(), QRect(split, 5, textRight - split, 15)) << c.channels;
        EXPECT_EQ(shown.StatusLabel().geometry(), QRect(27, 5, split - 27, 15)) << c.channels;
        EXPECT_EQ(shown.ChannelIconAView().geometry(), QRect(565, 4, c.margin == 39 ? 16 : 0, c.margin == 39 ? 16 : 0))
            << c.channels;
        // The widest time of the format fits on one line of the time label.
        EXPECT_LE(QFontMetrics(shown.TimeLabel().PaintFont()).horizontalAdvance(c.widest), shown.TimeLabel().width());
    }
    EXPECT_EQ(shown.TimeWidth(7), shown.TimeWidth(2));

    // Too narrow for its parts: nothing gets a negative size.
    panel.resize(40, 10);
    EXPECT_GE(shown.StatusLabel().width(), 0);
    EXPECT_EQ(shown.StatusIconView().height(), 2);
}

TEST(StatusPanelState, RotatesAllFiveLinesAndResetsToReady) {
    CStatusPanel panel;
    StatusPanelTestAccess shown(panel);
    EXPECT_EQ(shown.TimeText(), QStringLiteral("00:00 / 00:00"));
    const QString lines[] = {QStringLiteral("Now Playing: 1128 Kbps"), QString(), QStringLiteral("Title"),
                             QStringLiteral("Artist"), QStringLiteral("Album")};
    for (int i = 0; i < 5; ++i) panel.SetInfoText(i, lines[i]);
    panel.SetInfoText(5, QStringLiteral("ignored"));
    panel.SetInfoText(-1, QStringLiteral("ignored"));
    EXPECT_EQ(shown.StatusText(), QStringLiteral("Playing"));  // stored, not shown

    panel.StartInfoRotation();
    EXPECT_TRUE(shown.IsInfoRotationRunning());
    for (int tick = 0; tick < 12; ++tick) {
        shown.ShowNextInfoLine();
        EXPECT_EQ(shown.StatusText(), lines[tick % 5]) << tick;
    }

    panel.SetStatusIcon(1);
    panel.SetChannelIcons(2);
    panel.ResetPanel();
    EXPECT_EQ(shown.StatusText(), QStringLiteral("Ready"));
    EXPECT_EQ(shown.TimeText(), QStringLiteral("00:00"));
    EXPECT_EQ(shown.StatusIconId(), CStatusPanel::kIconBlank);
    EXPECT_EQ(shown.ChannelIconAId(), CStatusPanel::kIconBlank);
    EXPECT_FALSE(shown.IsInfoRotationRunning());
    EXPECT_EQ(shown.InfoIndex(), 0);
    EXPECT_EQ(shown.InfoText(2), QString());
}

}  // namespace
}  // namespace taleno
