// The status panel: its time formats, icons, layout and information lines.
#include "shell/StatusPanel.h"
#include "shell/StatusPanelTestAccess.h"

#include "shell/ColorLabel.h"

#include <QAccessible>

#include "common/TestSupport.h"

#include <QFontMetrics>
#include <QLabel>

#include <array>

namespace taleno {
namespace {

TEST(StatusPanel, TimeFormatsFollowTheTotalLengthAndTheLayoutFollowsThem) {
    CStatusPanel panel;
    StatusPanelTestAccess shown(panel);
    EXPECT_EQ(shown.TimeText(), QStringLiteral("00:00 / 00:00"));
    for (const auto& [total, current, text] : {std::tuple{0, 65, "01:05"},
                                               {-5, 3665, "01:05"},  // no total: the hours are not shown at all
                                               {3600, 59, "00:00:59 / 01:00:00"},
                                               {3599, 3700, "01:40 / 59:59"},
                                               {360000, 400000, "99:06:40 / 99:00:00"}}) {
        panel.SetTotalTime(total);
        panel.SetCurrentTime(current);
        EXPECT_EQ(shown.TimeText(), QString::fromLatin1(text)) << total << " " << current;
    }

    panel.resize(600, 24);
    panel.show();  // a hidden widget gets its resize event only when shown
    EXPECT_EQ(shown.StatusIconView().geometry(), QRect(6, 4, 16, 16));
    EXPECT_EQ(shown.ChannelIconBView().geometry(), QRect(581, 4, 16, 16));
    for (const auto& [channels, total, margin, format, widest] : {std::tuple{2, 205, 39, 1, "59:59 / 59:59"},
                                                                  {-1, 7200, 39, 2, "99:59:59 / 99:59:59"},
                                                                  {1, 205, 31, 1, "59:59 / 59:59"},
                                                                  {0, 0, 31, 3, "59:59"}}) {
        panel.SetChannelIcons(channels);
        panel.SetTotalTime(total);
        const int textRight = 600 - margin;
        const int split = textRight - shown.TimeWidth(format);
        EXPECT_EQ(shown.TimeLabel().geometry(), QRect(split, 5, textRight - split, 15)) << channels;
        EXPECT_EQ(shown.StatusLabel().geometry(), QRect(27, 5, split - 27, 15)) << channels;
        EXPECT_EQ(shown.ChannelIconAView().geometry(), QRect(565, 4, margin == 39 ? 16 : 0, margin == 39 ? 16 : 0))
            << channels;
        // The widest time of the format fits on one line of the time label.
        EXPECT_LE(QFontMetrics(shown.TimeLabel().PaintFont()).horizontalAdvance(QString::fromLatin1(widest)),
                  shown.TimeLabel().width());
    }
    panel.resize(40, 10);  // too narrow for its parts: nothing gets a negative size
    EXPECT_GE(shown.StatusLabel().width(), 0);
    EXPECT_EQ(shown.StatusIconView().height(), 2);
}

TEST(StatusPanel, IconsAndTheRotationOfAllFiveLinesUntilTheReset) {
    CStatusPanel panel;
    StatusPanelTestAccess shown(panel);
    // {channels, icon A, icon B}
    for (const auto& c : {std::array{0, CStatusPanel::kIconBlank, CStatusPanel::kIconNoAudio},
                          {2, CStatusPanel::kIconStereoLeft, CStatusPanel::kIconStereoRight}}) {
        panel.SetChannelIcons(c[0]);
        EXPECT_EQ((std::array{c[0], shown.ChannelIconAId(), shown.ChannelIconBId()}), c);
    }
    const QString lines[] = {QStringLiteral("Now Playing: 1128 Kbps"), QString(), QStringLiteral("Title"),
                             QStringLiteral("Artist"), QStringLiteral("Album")};
    for (int i = 0; i < 5; ++i) panel.SetInfoText(i, lines[i]);
    panel.SetInfoText(5, QStringLiteral("ignored"));
    panel.SetInfoText(-1, QStringLiteral("ignored"));
    EXPECT_EQ(shown.StatusText(), QStringLiteral("Playing"));  // stored, not shown
    panel.StartInfoRotation();
    for (int tick = 0; tick < 12; ++tick) {
        shown.ShowNextInfoLine();
        EXPECT_EQ(shown.StatusText(), lines[tick % 5]) << tick;
    }
    panel.ResetPanel();
    EXPECT_EQ(shown.StatusText(), QStringLiteral("Ready"));
    EXPECT_EQ(shown.TimeText(), QStringLiteral("00:00"));
    EXPECT_EQ(shown.ChannelIconAId(), CStatusPanel::kIconBlank);
    EXPECT_FALSE(shown.IsInfoRotationRunning());
}

TEST(ColorLabel, IsReadAsItsTextAndALinkCanBePressed) {
    CColorLabel text(nullptr, CColorLabel::SS_LEFT);
    text.SetText("Hello");
    QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(&text);
    EXPECT_EQ(plain->role(), QAccessible::StaticText);
    EXPECT_EQ(plain->text(QAccessible::Name), "Hello");
    CColorLabel link(nullptr, CColorLabel::SS_LEFT | CColorLabel::SS_NOTIFY, 7);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&link);
    link.SetLink(true, true).SetText("Home page");  // a link once asked about
    QSignalSpy clicked(&link, &CColorLabel::LinkNotify);
    EXPECT_EQ(accessible->role(), QAccessible::Link);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Home page");
    ASSERT_EQ(accessible->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked[0][0].toInt(), 7);
}

}  // namespace
}  // namespace taleno
