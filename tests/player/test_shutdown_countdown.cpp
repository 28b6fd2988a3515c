// The after-playback countdown on a clock the test drives, with a recording
// stand-in for the power-off; and when the frame opens it.
#include "FrameFixture.h"
#include "ShutdownDlgTestAccess.h"
#include "common/TestSupport.h"

#include <QAccessible>
#include <QLabel>

namespace taleno::test {
namespace {

TEST(ShutdownCountdownTest, ThirtyDownToZeroThenOnePowerOffOnTheThirtyFirstTick) {
    int requests = 0;
    CShutdownDlg dialog([&] { return ++requests, PowerOffResult{false, "nobody answers"}; });
    ShutdownDlgTestAccess clock(dialog);
    QStringList shown{clock.SecondsText()};
    for (int tick = 1; tick <= 31; ++tick) {
        clock.Tick();
        shown << clock.SecondsText();
        EXPECT_EQ(requests, tick == 31 ? 1 : 0) << tick;
    }
    QStringList expected{""};
    for (int seconds = 30; seconds >= 0; --seconds) expected << QString::number(seconds);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.findChild<QLineEdit*>())->text(QAccessible::Name),
              "Shutdown in");
    // The refusal is shown, with its reason, where the countdown was.
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&dialog)) texts << label->text();
    }
    EXPECT_TRUE(texts.contains("The computer could not be switched off: nobody answers."))
        << texts.join('|').toStdString();
    EXPECT_FALSE(texts.contains("Shutdown in"));

    // Cancel part way: the clock stops and nothing is requested.
    CShutdownDlg other([&] { return ++requests, PowerOffResult{true, {}}; });
    other.show();
    EXPECT_TRUE(ShutdownDlgTestAccess(other).IsCounting());
    other.reject();
    EXPECT_FALSE(ShutdownDlgTestAccess(other).IsCounting());
    EXPECT_EQ(requests, 1);
}

TEST_F(FrameTest, TheCountdownOpensAtTheEndOfTheListOnlyWithShutdownChosen) {
    MainFrameTestAccess& f = MakeFrame();
    QStringList opened;
    f.SetDialogRunner([&](QDialog& dialog) { return opened << dialog.windowTitle(), QDialog::Rejected; });
    const std::string fails = Script("fails.standin", "exit 1\n");
    const std::string ends = Script("ends.standin", "print-id\nstarting\nsleep 300\nexit 0\n");
    // Stop never opens it; the end of a list whose last entry failed does.
    f.OnCommand(ID_AFTERPLAYBACK_SHUTDOWN);
    PlayUntilPlaying(PlayingScript("clip.standin"));
    f.OnCommand(ID_PLAY_STOP);
    QTest::qWait(200);
    EXPECT_TRUE(opened.isEmpty());
    f.OpenPath(fails);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }, 5000));
    EXPECT_EQ(opened, QStringList{"Shutdown"});
    // Cancel keeps Shutdown chosen; with Repeat the list never ends.
    EXPECT_EQ(f.GetSession().AfterPlaybackAction(), CPlaybackSession::AFTER_PLAYBACK_SHUTDOWN);
    f.OnCommand(ID_PLAY_REPEAT);
    f.OpenPath(ends);
    ASSERT_TRUE(QTest::qWaitFor([&] { return played.size() >= 3; }, 10000));
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(powerOffs, 0);
}

}  // namespace
}  // namespace taleno::test
