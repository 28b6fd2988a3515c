// CMainFrame: sizing the window to the video, the zooms, the size limits,
// full screen, Always on Top and the keys and pointer moves the window
// watches for.

#include "player/MainFrame.h"

#include "platform/X11Window.h"
#include "shell/PlaylistDlg.h"
#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/TALENOView.h"
#include "shell/VolumeToolBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

namespace taleno {

namespace {}  // namespace

void CMainFrame::AttachVideoWindow() {
    videoWindow = view->GetVideoWindow();
    session.SetVideoWindow(static_cast<unsigned long>(videoWindow));
    view->SetVideoMode(false);
}

// --- zoom and fit -----------------------------------------------------------------

void CMainFrame::SetZoom(ZoomMode zoom) {
    zoomMode = zoom;
    // The size applies to a clip with video that has begun to play; a zoom
    // chosen while stopped (or during an audio clip) waits for the next
    // video clip. The media record still describes the last clip then, so
    // its video flag alone would resize a stopped window.
    const EngineState state = session.State();
    if ((state != ENGINE_PLAYING && state != ENGINE_PAUSED) || !session.Info().hasVideo) {
        return;
    }
    const QSize size = ZoomedVideoSize(zoom, session.VideoWidth(), session.VideoHeight(), settings.nPresetZoom);
    FitWindowToVideo(true, size.width(), size.height());
}

void CMainFrame::ApplyZoomMode() { SetZoom(ZoomToApply(zoomMode)); }

void CMainFrame::FitWindowToVideo(bool show, int width, int height) {
    if (!fullScreen && !isMaximized() && show) {
        if (isMinimized()) {
            showNormal();
        }
        const int edge = view->HasClientEdge() ? view->ClientEdgeWidth() : 0;
        // The window's own rectangle excludes the window manager's frame; the
        // top is kept where that frame's title still lies on the screen.
        int topLimit = 0;
        if (QScreen* area = screen()) {
            topLimit = area->availableGeometry().top() + (geometry().top() - frameGeometry().top());
        }
        // The video's size is in device pixels; on a scaled screen a widget
        // pixel covers several of them.
        setGeometry(FitFrameToVideo(geometry(), ToWidgetPixels(width), ToWidgetPixels(height), HorizontalOverhead(),
                                    VerticalOverhead(), QSize(edge, edge), topLimit,
                                    ToWidgetPixels(kMinimumFrameWidth)));
    }
    view->SetVideoMode(show);
    view->SetAspectWidth(width);
    view->SetAspectHeight(height);
    view->PostLayout();
}

int CMainFrame::VerticalOverhead() const {
    // The window manager draws the caption and the border outside the
    // window's rectangle, so only the menu and the bars count.
    FrameDecorations decorations;
    decorations.menuHeight = menuBar()->sizeHint().height();
    if (!toolBar->isHidden()) {
        decorations.toolbarHeight = toolBar->sizeHint().height();
    }
    if (!statusPanel->isHidden()) {
        decorations.statusPanelHeight = statusPanel->sizeHint().height();
    }
    if (!seekBar->isHidden()) {
        decorations.seekBarHeight = seekBar->sizeHint().height();
    }
    return taleno::VerticalOverhead(decorations);
}

int CMainFrame::HorizontalOverhead() const { return taleno::HorizontalOverhead(FrameDecorations{}); }

void CMainFrame::RecalcLayout() {
    // In full screen the window keeps the desktop's rectangle.
    if (fullScreen) {
        return;
    }
    const int minimumHeight = VerticalOverhead();
    setMinimumSize(FrameLimits(false, desktopRect, minimumHeight, ToWidgetPixels(kMinimumFrameWidth)).minimumTrackSize);
    const QRect grown = GrowToMinimumHeight(geometry(), minimumHeight);
    if (grown != geometry()) {
        setGeometry(grown);
    }
}

int CMainFrame::ToWidgetPixels(int devicePixels) const { return qRound(devicePixels / devicePixelRatioF()); }

QRect CMainFrame::DesktopRect() const {
    QScreen* area = screen();
    return area != nullptr ? area->geometry() : geometry();
}

// --- full screen and Always on Top ------------------------------------------------------

void CMainFrame::ToggleFullScreen() {
    if (!fullScreen) {
        fullScreen = true;
        savedWindowRect = geometry();
        wasMaximized = isMaximized();
        toolbarWasVisible = !toolBar->isHidden();
        statusPanelWasVisible = !statusPanel->isHidden();
        seekBarWasVisible = !seekBar->isHidden();
        playlistWasVisible = playlistDlg != nullptr && playlistDlg->isVisible();
        if (playlistWasVisible) {
            playlistDlg->hide();
        }
        toolBar->hide();
        statusPanel->hide();
        seekBar->hide();
        desktopRect = DesktopRect();
        menuBar()->hide();
        view->SetClientEdge(false);
        // The rectangle first, for a session without a window manager; then
        // the window manager's full-screen state. Neither recreates the
        // window, so the engine's video window stays valid.
        setGeometry(desktopRect);
        setWindowState(windowState() | Qt::WindowFullScreen);
        SetAlwaysOnTop(winId(), true);
        activateWindow();
        view->setFocus();
        hidePointerTimer.start();
        return;
    }
    fullScreen = false;
    view->SetClientEdge(true);
    // Only the bars that were there come back; one shown while in full
    // screen stays.
    if (toolbarWasVisible) {
        toolBar->show();
    }
    if (statusPanelWasVisible) {
        statusPanel->show();
    }
    if (seekBarWasVisible) {
        seekBar->show();
    }
    if (playlistWasVisible && playlistDlg != nullptr) {
        playlistDlg->show();
    }
    menuBar()->show();
    // A maximized window is maximized again, so the next clip keeps its size.
    setWindowState((windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized)) |
                   (wasMaximized ? Qt::WindowMaximized : Qt::WindowNoState));
    if (!wasMaximized) {
        setGeometry(savedWindowRect);
    }
    SetAlwaysOnTop(winId(), alwaysOnTop);
    hidePointerTimer.stop();
    ShowPointer();
    RecalcLayout();
}

void CMainFrame::ToggleAlwaysOnTop() {
    alwaysOnTop = !alwaysOnTop;
    // Through the window manager: changing Qt's window flags would recreate
    // the window and the engine's video window inside it.
    SetAlwaysOnTop(winId(), alwaysOnTop);
}

// --- keys and pointer ------------------------------------------------------------------

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (showPlaylistOnExpose && event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        showPlaylistOnExpose = false;
        if (playlistDlg != nullptr) ShowPlaylistBelow();
    }
    if (watched == this && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        KeepPlaylistBelow();
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress && fullScreen && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        ToggleFullScreen();
        UpdateCommandUI();
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        ShowPointer();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace taleno
