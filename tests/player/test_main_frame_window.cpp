// The main window's size rules, zooms, full screen and the engine's video
// window, shown on the test display.

#include "FrameFixture.h"

#include "shell/ColorLabel.h"
#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/VideoView.h"
#include "shell/VolumeBar.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>

namespace taleno::test {
namespace {

// The X parent of an existing window; false when the window is gone.
bool XParentOf(WId window, WId& parent);

class FrameWindowTest : public FrameTest {
protected:
    CMainFrame& ShowFrame(const std::string& extraSettings = "") {
        CMainFrame& f = MakeFrame(extraSettings);
        f.show();
        EXPECT_TRUE(PumpUntil([&] { return f.GetVideoWindowId() != 0; }, 3000));
        return f;
    }
    // The view's size once the window has laid out the rectangle it asked for.
    QSize SettledViewSize(const QRect& asked) {
        PumpUntil([&] { return frame->geometry().size() == asked.size(); }, 2000);
        PumpFor(50);
        return frame->GetView()->size();
    }
    int Edge() const { return 2 * frame->GetView()->ClientEdgeWidth(); }
};

TEST_F(FrameWindowTest, TheWindowFitsTheVideoAtEachZoom) {
    CMainFrame& f = ShowFrame("nPresetZoom=150\n");
    const QRect before = f.geometry();
    f.OnCommand(ID_VIEW_DOUBLESIZE);  // stopped: remembered, no resize
    EXPECT_EQ(f.geometry(), before);
    EXPECT_EQ(f.GetZoomMode(), ZOOM_DOUBLE);
    f.OnCommand(ID_VIEW_ORIGINALSIZE);

    PlayUntilPlaying(PlayingScript("clip.standin"));
    // 176 x 144 at Original: the width is raised to 300 before the edge.
    EXPECT_EQ(f.geometry().size(), QSize(300 + Edge(), 144 + Edge() + f.VerticalOverhead()));
    EXPECT_EQ(SettledViewSize(f.geometry()), QSize(300 + Edge(), 144 + Edge()));
    EXPECT_TRUE(f.GetView()->VideoMode());
    EXPECT_EQ(f.GetView()->LowerCaption()->Text(), "clip");
    EXPECT_EQ(f.GetStatusPanel()->InfoText(0), "Now Playing: 347 Kbps");
    EXPECT_EQ(f.GetStatusPanel()->InfoText(1), "Clip: -");

    f.OnCommand(ID_VIEW_PRESETSIZE);
    EXPECT_EQ(SettledViewSize(f.geometry()), QSize(300 + Edge(), 216 + Edge()));
    f.OnCommand(ID_VIEW_DOUBLESIZE);
    EXPECT_EQ(SettledViewSize(f.geometry()), QSize(352 + Edge(), 288 + Edge()));

    // Stop shows the captions and keeps the size.
    const QRect playing = f.geometry();
    f.OnCommand(ID_PLAY_STOP);
    EXPECT_FALSE(f.GetView()->VideoMode());
    EXPECT_EQ(f.geometry(), playing);
}

TEST_F(FrameWindowTest, AudioKeepsTheSizeAndOnlyVideoLaunchesFullScreen) {
    CMainFrame& f = ShowFrame("bLaunchInFullscreen=true\n");
    const QRect before = f.geometry();
    PlayUntilPlaying(Script("song.standin", "print-id\nprint Video: no video\nstarting\n"));
    EXPECT_FALSE(f.IsFullScreen());
    EXPECT_EQ(f.geometry(), before);
    EXPECT_FALSE(f.GetView()->VideoMode());
    EXPECT_EQ(f.GetStatusPanel()->InfoText(1), "Album: -");
    EXPECT_EQ(f.GetStatusPanel()->InfoText(4), "Genre: -");

    // A video clip goes full screen; the end of the list leaves it.
    PlayUntilPlaying(Script("clip.standin", "print-id\nstarting\nsleep 800\nexit 0\n"));
    EXPECT_TRUE(f.IsFullScreen());
    statuses.clear();
    ASSERT_TRUE(WaitForStatus("Stopped"));
    EXPECT_FALSE(f.IsFullScreen());
}

TEST_F(FrameWindowTest, FullScreenHidesAndRestoresWhatWasShown) {
    CMainFrame& f = ShowFrame();
    f.OnCommand(ID_VIEW_STATUSBAR);
    PumpFor(50);
    const QRect windowed = f.geometry();

    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&f, &esc);  // not in full screen: passed on
    EXPECT_FALSE(f.IsFullScreen());

    f.OnCommand(ID_VIEW_FULLSCREEN);
    EXPECT_TRUE(f.IsFullScreen());
    EXPECT_TRUE(f.GetToolBar()->isHidden());
    EXPECT_TRUE(f.GetSeekBar()->isHidden());
    EXPECT_TRUE(f.menuBar()->isHidden());
    EXPECT_FALSE(f.GetView()->HasClientEdge());
    EXPECT_TRUE(f.IsTimerRunning(CMainFrame::TIMER_HIDE_POINTER));
    PumpFor(100);

    QCoreApplication::sendEvent(&f, &esc);
    EXPECT_FALSE(f.IsFullScreen());
    EXPECT_FALSE(f.GetToolBar()->isHidden());
    EXPECT_FALSE(f.GetSeekBar()->isHidden());
    EXPECT_TRUE(f.GetStatusPanel()->isHidden());
    EXPECT_FALSE(f.menuBar()->isHidden());
    EXPECT_TRUE(f.GetView()->HasClientEdge());
    EXPECT_FALSE(f.IsTimerRunning(CMainFrame::TIMER_HIDE_POINTER));
    EXPECT_TRUE(PumpUntil([&] { return f.geometry() == windowed; }, 2000));
}

TEST_F(FrameWindowTest, TheEnginesWindowSurvivesAlwaysOnTopAndFullScreen) {
    if (QGuiApplication::platformName() != "xcb") {
        GTEST_SKIP() << "needs an X display";
    }
    CMainFrame& f = ShowFrame();
    PlayUntilPlaying(PlayingScript("clip.standin"));
    const WId id = f.GetVideoWindowId();
    EXPECT_EQ(f.GetEngine().GetVideoWindow(), id);
    EXPECT_NE(f.GetEngine().GetCommandLine().find("-wid " + std::to_string(id) + " "), std::string::npos);
    const WId topLevel = f.winId();

    for (int command : {ID_VIEW_ALWAYSONTOP, ID_VIEW_FULLSCREEN, ID_VIEW_FULLSCREEN, ID_VIEW_ALWAYSONTOP}) {
        f.OnCommand(command);
        PumpFor(150);
    }
    EXPECT_EQ(f.GetView()->VideoWindow()->internalWinId(), id);
    EXPECT_EQ(f.winId(), topLevel);

    // The X window itself still exists, inside the same top-level window.
    WId parent = 0;
    EXPECT_TRUE(XParentOf(id, parent));
    EXPECT_EQ(parent, topLevel);
}

}  // namespace
}  // namespace taleno::test

// Xlib's macros clash with Qt's names, so it comes last.
#include <X11/Xlib.h>

namespace taleno::test {
namespace {

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

bool XParentOf(WId window, WId& parent) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    XErrorHandler old = XSetErrorHandler(IgnoreXErrors);
    Window root = 0, up = 0, *children = nullptr;
    unsigned count = 0;
    const Status found = XQueryTree(display, window, &root, &up, &children, &count);
    if (children != nullptr) XFree(children);
    XSetErrorHandler(old);
    XCloseDisplay(display);
    parent = up;
    return found != 0;
}

}  // namespace
}  // namespace taleno::test
