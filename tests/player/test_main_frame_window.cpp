// The main window's size rules, zooms, full screen and the engine's video
// window, shown on the test display.

#include "FrameFixture.h"
#include "common/TestSupport.h"

#include "shell/ColorLabel.h"
#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/TALENOView.h"
#include "shell/VolumeToolBar.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProcess>

namespace taleno::test {
namespace {

class FrameWindowTest : public FrameTest {
protected:
    MainFrameTestAccess& ShowFrame(const std::string& extraSettings = "") {
        MainFrameTestAccess& f = MakeFrame(extraSettings);
        f->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return f.GetVideoWindowId() != 0; }, 3000));
        return f;
    }
    // The view's size once the window has laid out the rectangle it asked for.
    QSize SettledViewSize(const QRect& asked) {
        (void)QTest::qWaitFor([&] { return frame->geometry().size() == asked.size(); }, 2000);
        QTest::qWait(50);
        return access->GetView()->size();
    }
    int Edge() const { return 2 * access->GetView()->ClientEdgeWidth(); }
};

TEST_F(FrameWindowTest, TheWindowFitsTheVideoAtEachZoom) {
    MainFrameTestAccess& f = ShowFrame("nPresetZoom=150\nbStartupAlwaysOnTop=true\n");
    // Always on Top at start-up: the state the window manager reads at the map.
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(f->winId()), "_NET_WM_STATE"});
    ASSERT_TRUE(xprop.waitForFinished(10000));
    EXPECT_TRUE(xprop.readAllStandardOutput().contains("_NET_WM_STATE_ABOVE"));
    const QRect before = f->geometry();
    f.OnCommand(ID_VIEW_DOUBLESIZE);  // stopped: remembered, no resize
    EXPECT_EQ(f->geometry(), before);
    EXPECT_EQ(f.GetZoomMode(), ZOOM_DOUBLE);
    f.OnCommand(ID_VIEW_ORIGINALSIZE);

    PlayUntilPlaying(PlayingScript("clip.standin"));
    // 176 x 144 at Original: the width is raised to 300 before the edge.
    EXPECT_EQ(f->geometry().size(), QSize(300 + Edge(), 144 + Edge() + f.VerticalOverhead()));
    EXPECT_EQ(SettledViewSize(f->geometry()), QSize(300 + Edge(), 144 + Edge()));
    EXPECT_FALSE(f.ViewParts().VideoArea()->isHidden());
    // Keep Aspect Ratio: the picture keeps its shape, centred in the wider view.
    EXPECT_EQ(f.ViewParts().VideoArea()->geometry(), QRect(62 + Edge() / 2, Edge() / 2, 176, 144));
    EXPECT_EQ(f.ViewParts().LowerCaption()->Text(), "clip");

    f.OnCommand(ID_VIEW_PRESETSIZE);
    EXPECT_EQ(SettledViewSize(f->geometry()), QSize(300 + Edge(), 216 + Edge()));
    f.OnCommand(ID_VIEW_DOUBLESIZE);
    EXPECT_EQ(SettledViewSize(f->geometry()), QSize(352 + Edge(), 288 + Edge()));

    // Stop shows the captions and keeps the size.
    const QRect playing = f->geometry();
    f.OnCommand(ID_PLAY_STOP);
    EXPECT_TRUE(f.ViewParts().VideoArea()->isHidden());
    EXPECT_EQ(f->geometry(), playing);
}

TEST_F(FrameWindowTest, AudioKeepsTheSizeAndOnlyVideoLaunchesFullScreen) {
    MainFrameTestAccess& f = ShowFrame("bLaunchInFullscreen=true\nnSSDisableMode=2\n");
    const QRect before = f->geometry();
    PlayUntilPlaying(Script("song.standin", "print-id\nprint Video: no video\nstarting\n"));
    EXPECT_FALSE(f.IsFullScreen());
    // "Disable if media clip contains video stream": not for a song.
    EXPECT_FALSE(f.ScreenSaverDisabled());
    EXPECT_EQ(f->geometry(), before);
    EXPECT_TRUE(f.ViewParts().VideoArea()->isHidden());

    // A video clip goes full screen; the end of the list leaves it.
    PlayUntilPlaying(Script("clip.standin", "print-id\nstarting\nsleep 800\nexit 0\n"));
    EXPECT_TRUE(f.IsFullScreen());
    EXPECT_TRUE(f.ScreenSaverDisabled());
    statuses.clear();
    ASSERT_TRUE(WaitForStatus("Stopped"));
    EXPECT_FALSE(f.IsFullScreen());
    EXPECT_FALSE(f.ScreenSaverDisabled());
}

TEST_F(FrameWindowTest, FullScreenHidesAndRestoresWhatWasShown) {
    MainFrameTestAccess& f = ShowFrame("bShowPlaylist=true\n");
    QWidget* playlist = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == "Playlist" && window->parentWidget() == &f.Window()) playlist = window;
    }
    ASSERT_NE(playlist, nullptr);
    // The playlist window opens with its corner at the frame's bottom-left,
    // at start-up as by the Playlist command.
    ASSERT_TRUE(QTest::qWaitFor([&] { return playlist->isVisible(); }, 2000));
    EXPECT_EQ(playlist->frameGeometry().topLeft(), f->frameGeometry().bottomLeft() + QPoint(0, 1));
    f.OnCommand(ID_VIEW_STATUSBAR);
    f.OnCommand(ID_VIEW_PLAYLIST);
    EXPECT_TRUE(playlist->isHidden());
    f.OnCommand(ID_VIEW_PLAYLIST);
    QTest::qWait(50);
    EXPECT_EQ(playlist->frameGeometry().topLeft(), f->frameGeometry().bottomLeft() + QPoint(0, 1));
    const QRect windowed = f->geometry();

    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);

    // Shown: toolbar, seek bar, status panel, menu, the view's edge; the pointer-hiding timer.
    auto shown = [&] {
        return std::vector<bool>{!f.GetToolBar()->isHidden(),     !f.GetSeekBar()->isHidden(),
                                 !f.GetStatusPanel()->isHidden(), !f->menuBar()->isHidden(),
                                 f.GetView()->HasClientEdge(),    f.IsHidingPointer()};
    };
    f.OnCommand(ID_VIEW_FULLSCREEN);
    EXPECT_TRUE(f.IsFullScreen());
    EXPECT_EQ(shown(), (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_TRUE(playlist->isHidden());
    // The keyboard focus rests on the view, where the menu key's request for
    // the context menu is handled.
    EXPECT_EQ(f->focusWidget(), f.GetView());
    QTest::qWait(100);
    // The pointer over the full-screen window is hidden on the timer's tick
    // and comes back when it moves.
    QCursor::setPos(f->frameGeometry().center());
    f.HidePointer();
    EXPECT_EQ(f->cursor().shape(), Qt::BlankCursor);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QCursor::pos(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.GetView(), &move);
    EXPECT_NE(f->cursor().shape(), Qt::BlankCursor);
    QCoreApplication::sendEvent(&f.Window(), &esc);
    EXPECT_FALSE(f.IsFullScreen());
    EXPECT_EQ(shown(), (std::vector<bool>{true, true, false, true, true, false}));
    EXPECT_FALSE(playlist->isHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->geometry() == windowed; }, 2000));
    // A bar shown while in full screen stays after leaving it.
    for (int id : {ID_VIEW_FULLSCREEN, ID_VIEW_STATUSBAR, ID_VIEW_FULLSCREEN}) f.OnCommand(id);
    EXPECT_FALSE(f.GetStatusPanel()->isHidden());
    // A maximized window is maximized again afterwards.
    f->showMaximized();
    for (int id : {ID_VIEW_FULLSCREEN, ID_VIEW_FULLSCREEN}) f.OnCommand(id);
    EXPECT_TRUE(f->isMaximized());
}

}  // namespace
}  // namespace taleno::test
