// CMainFrame: the command dispatch and what each command shows; the session
// decides what a command does in each playback state.

#include "player/MainFrame.h"

#include "platform/DisplayText.h"
#include "player/CommandIds.h"
#include "shell/AboutDlg.h"
#include "shell/ClipPropertiesSheet.h"
#include "shell/GoToDlg.h"
#include "shell/OpenURLDlg.h"
#include "shell/PlaylistDlg.h"
#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/TALENOView.h"
#include "shell/VolumeToolBar.h"
#include "system/PathUtils.h"

#include <QLocale>

#include <filesystem>

namespace taleno {

namespace {

constexpr int kStoppedViewWidth = 320;
constexpr int kStoppedViewHeight = 240;

}  // namespace

void CMainFrame::OnCommand(int id) {
    if (const CommandRow* row = FindCommand(id); row != nullptr && row->run != nullptr) {
        row->run(*this);
    }
    UpdateCommandUI();
    emit PlaybackChanged();
}

// --- commands -------------------------------------------------------------

void CMainFrame::OnOpen() {
    const std::string path = openFileDialog(this);
    if (!path.empty()) {
        OpenPath(path);
    }
}

void CMainFrame::OnOpenUrl() {
    COpenURLDlg dialog(this);
    // The text goes on as typed, an empty one included.
    if (dialogRunner(dialog) == QDialog::Accepted) {
        OpenPath(dialog.Url());
    }
}

void CMainFrame::OnRecentFile(int index) {
    const std::vector<std::string> recent = session.RecentFiles();
    if (index < 0 || static_cast<std::size_t>(index) >= recent.size()) {
        return;
    }
    const std::string path = recent[static_cast<std::size_t>(index)];
    std::error_code error;
    if (!PathIsUrl(path) && !std::filesystem::exists(std::filesystem::path(path), error) && !error) {
        session.ForgetRecentFile(path);
        messageBox(this, DisplayText(path) + tr("\n\nThis file is no longer there; it has been taken off the list."));
        return;
    }
    OpenPath(path);
}

void CMainFrame::OnGoTo() {
    CGoToDlg dialog(this);
    if (dialogRunner(dialog) != QDialog::Accepted || session.State() != ENGINE_PLAYING) {
        return;
    }
    session.SeekTo(3600 * dialog.GetHours() + 60 * dialog.GetMinutes() + dialog.GetSeconds());
}

void CMainFrame::OnAbout() {
    CAboutDlg dialog(this);
    dialogRunner(dialog);
}

void CMainFrame::OnProperties() {
    CClipPropertiesSheet sheet(MakeClipPropertiesTexts(session.Info(), session.VideoBitrate(), session.VideoWidth(),
                                                       session.VideoHeight(), session.Clip()),
                               this);
    dialogRunner(sheet);
}

void CMainFrame::OnPreferences() {
    SettingsRecord record = settings;
    if (preferencesSheet && preferencesSheet(record, this)) {
        ApplySettings(record);
        SaveSettings();
    }
}

void CMainFrame::OnClose() {
    session.Close();
    SetCaption("");
    view->SetCaptions(QString(), QString());
}

void CMainFrame::OnPlay() {
    if (session.State() == ENGINE_PAUSED) {
        TogglePause();
    } else {
        session.Play();
    }
}

void CMainFrame::OnStop() {
    if (session.IsRunning() && fullScreen) {
        ToggleFullScreen();
    }
    session.Stop();
}

void CMainFrame::OnSeekStep(int seconds) {
    if (session.SeekBy(seconds)) {
        seekHoldOff = kSeekHoldOffTicks;
    }
}

void CMainFrame::ToggleKeepAspectRatio() {
    keepAspectRatio = !keepAspectRatio;
    view->SetKeepAspect(keepAspectRatio);
    view->PostLayout();
}

void CMainFrame::OnToggleWindow(QWidget* window) {
    if (window != nullptr) {
        window->setVisible(window->isHidden());
    }
}

void CMainFrame::OnTogglePlaylist() {
    if (playlistDlg == nullptr) {
        return;
    }
    if (playlistDlg->isVisible()) {
        playlistDlg->hide();
        return;
    }
    ShowPlaylistBelow();
}

void CMainFrame::ShowPlaylistBelow() {
    PlacePlaylistBelow();
    playlistDlg->show();
}

void CMainFrame::PlacePlaylistBelow() {
    // Its top-left corner at the frame's bottom-left corner, its size kept.
    const QRect outer = frameGeometry();
    playlistPlacedAt = QPoint(outer.left(), outer.top() + outer.height());
    playlistDlg->move(playlistPlacedAt);
}

void CMainFrame::KeepPlaylistBelow() {
    // Until the user moves it, the playlist window stays below the frame
    // when the frame moves or is sized to a clip, rather than covering its
    // bars.
    if (playlistDlg != nullptr && playlistDlg->isVisible() && playlistDlg->pos() == playlistPlacedAt) {
        PlacePlaylistBelow();
    }
}

void CMainFrame::OnToggleBar(QWidget* bar) {
    bar->setVisible(bar->isHidden());
    RecalcLayout();
}

void CMainFrame::OnUserCommand(int index) {
    const std::string* commands[] = {&settings.strF1CMD, &settings.strF2CMD, &settings.strF3CMD, &settings.strF4CMD,
                                     &settings.strF5CMD, &settings.strF6CMD, &settings.strF7CMD, &settings.strF8CMD};
    session.SendUserCommand(*commands[index]);
}

// --- playback ---------------------------------------------------------------------

void CMainFrame::ResetAfterStop() {
    seekBar->SetMarks({});
    timeDisplayTimer.stop();
    seekBarTimer.stop();
    cacheFillTimer.stop();
    FitWindowToVideo(false, kStoppedViewWidth, kStoppedViewHeight);
    lastCacheFill = 0.0f;
    lastSeekBarPercent = -1;
    lastShownTime = -1;
    seekHoldOff = 0;
    statusPanel->ResetPanel();
    seekBar->SetSeekEnabled(false);
    SetStatusText(tr("Stopped"));
}

void CMainFrame::OnSpeed(int direction) {
    if (direction == 0) {
        session.ResetSpeed();
    } else {
        session.StepSpeed(direction);
    }
    ShowSpeed();
}

void CMainFrame::SetSpeed(double speed) {
    session.SetSpeed(speed);
    ShowSpeed();
    emit PlaybackChanged();
}

void CMainFrame::ShowSpeed() {
    const double speed = session.Speed();
    // Shown as the user's locale writes numbers ("1,5×" in German); the
    // engine is always sent a point.
    statusPanel->SetSpeedText(speed == 1.0 ? QString() : QLocale().toString(speed, 'g', 3) + QChar(0x00D7));  // "×"
}

void CMainFrame::OnSubtitleDelay(int ms) {
    if (ms == 0) {
        session.ResetSubtitleDelay();
    } else {
        session.DelaySubtitlesBy(ms);
    }
    statusPanel->ShowNote(tr("Subtitle delay: %1 ms").arg(session.SubtitleDelay()));
}

void CMainFrame::OnFrameStep() {
    if (session.State() == ENGINE_PLAYING) {
        TogglePause();
    } else {
        session.FrameStep();
    }
}

void CMainFrame::TogglePause() {
    const EngineState before = session.State();
    session.TogglePause();
    if (session.State() == before) {
        return;  // the engine did not take the command
    }
    if (before == ENGINE_PLAYING) {
        statusPanel->StopInfoRotation();
        SetStatusText(tr("Paused"));
    } else if (before == ENGINE_PAUSED) {
        SetStatusText(tr("Playing"));
        statusPanel->StartInfoRotation();
    }
}

}  // namespace taleno
