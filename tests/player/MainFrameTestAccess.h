#pragma once
// The tests' way into CMainFrame: its commands, timers and input handlers,
// the components it owns, its playback fields, the menus and shortcuts it
// built, and the desktop seams (Open dialog, message boxes, the browser).
// `->` reaches the window itself.

#include "player/MainFrame.h"
#include "session/PlaybackSessionTestAccess.h"
#include "shell/StatusPanelTestAccess.h"
#include "shell/TALENOViewTestAccess.h"

#include <QAction>
#include <QMenu>

namespace taleno {

class MainFrameTestAccess {
public:
    explicit MainFrameTestAccess(CMainFrame& frame) : frame(frame) {}

    CMainFrame* operator->() const { return &frame; }
    CMainFrame& Window() const { return frame; }

    // Commands and input, as the window's own handlers receive them.
    void OnCommand(int id) { frame.OnCommand(id); }
    void UpdateSeekBar() { frame.UpdateSeekBar(); }
    void HidePointer() { frame.HidePointer(); }
    void OnMouseWheel(int delta) { frame.OnMouseWheel(delta); }
    void OnDropFiles(const std::vector<std::string>& paths) { frame.OnDropFiles(paths); }
    void OpenPath(const std::string& path) { frame.OpenPath(path); }
    void UpdateCommandUI() { frame.UpdateCommandUI(); }
    bool SaveSettings() { return frame.SaveSettings(); }

    // What the frame owns and holds.
    CPlaybackSession& GetSession() const { return frame.session; }
    std::string EngineArgumentLine() const { return PlaybackSessionTestAccess(frame.session).EngineArgumentLine(); }
    CStatusPanel* GetStatusPanel() const { return frame.statusPanel; }
    CVolumeToolBar* GetToolBar() const { return frame.toolBar; }
    CSeekBar* GetSeekBar() const { return frame.seekBar; }
    CTALENOView* GetView() const { return frame.view; }
    // What the status panel shows, and the view's mode and children.
    StatusPanelTestAccess Panel() const { return StatusPanelTestAccess(*frame.statusPanel); }
    TALENOViewTestAccess ViewParts() const { return TALENOViewTestAccess(*frame.view); }
    int GetZoomMode() const { return frame.zoomMode; }
    bool IsFullScreen() const { return frame.fullScreen; }
    int GetSeekHoldOff() const { return frame.seekHoldOff; }
    bool IsHidingPointer() const { return frame.hidePointerTimer.isActive(); }
    WId GetVideoWindowId() const { return frame.videoWindow; }
    int VerticalOverhead() const { return frame.VerticalOverhead(); }
    // Whether the screen saver and monitor power saving are kept off.
    bool ScreenSaverDisabled() const { return PlaybackSessionTestAccess(frame.session).ScreenSaverDisabled(); }

    // The menus and shortcuts as built.
    QAction* GetAction(int id) const { return frame.GetAction(id); }
    const std::vector<QMenu*>& Menus() const { return frame.menus; }
    QMenu* ContextMenu() const { return frame.contextMenu; }
    const std::vector<QAction*>& KeyActions() const { return frame.keyActions; }

    // Desktop seams and the status texts as they are set.
    void SetUrlOpener(CMainFrame::UrlOpener opener) { frame.SetUrlOpener(std::move(opener)); }
    void SetOpenFileDialog(CMainFrame::OpenFileDialog dialog) { frame.SetOpenFileDialog(std::move(dialog)); }
    void SetSubtitleFileDialog(CMainFrame::OpenFileDialog dialog) { frame.SetSubtitleFileDialog(std::move(dialog)); }
    void SetMessageBox(CMainFrame::MessageBox box) { frame.SetMessageBox(std::move(box)); }
    void SetDialogRunner(CMainFrame::DialogRunner runner) { frame.SetDialogRunner(std::move(runner)); }
    void SetPowerOff(CMainFrame::PowerOff request) { frame.SetPowerOff(std::move(request)); }
    void SetStatusObserver(std::function<void(const QString&)> observer) { frame.statusObserver = std::move(observer); }
    static QUrl HomePageUrl() { return CMainFrame::HomePageUrl(); }

private:
    CMainFrame& frame;
};

}  // namespace taleno
