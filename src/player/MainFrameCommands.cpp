// CMainFrame: the command dispatch, what each command does in each playback
// state, and the open path from a file name to a running engine.

#include "player/MainFrame.h"

#include "engine/EngineLocation.h"
#include "player/CommandIds.h"
#include "settings/PlaybackPositions.h"
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

#include <algorithm>
#include <array>
#include <cctype>

namespace taleno {

namespace {

constexpr int kResumeLeadSeconds = 5;
constexpr int kStoppedViewWidth = 320;
constexpr int kStoppedViewHeight = 240;

// Extensions opened as playlist files, compared ignoring case; m3u8 is the
// UTF-8 form of m3u.
constexpr std::array<const char*, 5> kPlaylistExtensions = {"txt", "pls", "m3u", "m3u8", "ram"};

bool IsPlaylistFile(const std::string& path) {
    std::string ext = PathGetExtension(path);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(kPlaylistExtensions.begin(), kPlaylistExtensions.end(), ext) != kPlaylistExtensions.end();
}

bool IsRunning(EngineState state) {
    return state == ENGINE_STARTING || state == ENGINE_PLAYING || state == ENGINE_PAUSED;
}

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

void CMainFrame::OnGoTo() {
    CGoToDlg dialog(this);
    if (dialogRunner(dialog) != QDialog::Accepted || engine.GetState() != ENGINE_PLAYING) {
        return;
    }
    SeekTo(3600 * dialog.GetHours() + 60 * dialog.GetMinutes() + dialog.GetSeconds());
}

bool CMainFrame::SeekTo(int seconds) {
    if (engine.GetState() != ENGINE_PLAYING || seconds < 0 || seconds >= engine.GetMediaInfo().length) {
        return false;
    }
    engine.SeekAbsolute(static_cast<unsigned>(seconds));
    emit Seeked(seconds);
    return true;
}

void CMainFrame::OnAbout() {
    CAboutDlg dialog(this);
    dialogRunner(dialog);
}

void CMainFrame::OnProperties() {
    CClipPropertiesSheet sheet(MakeClipPropertiesTexts(engine.GetMediaInfo(), engine.GetVideoBitrate(),
                                                       engine.GetVideoWidth(), engine.GetVideoHeight(), currentClip),
                               this);
    dialogRunner(sheet);
}

void CMainFrame::OnPreferences() {
    SettingsRecord record = settings;
    if (preferencesSheet && preferencesSheet(record, this)) {
        ApplySettings(record);  // the frame's and the engine's, then the engine path
        SaveSettings();
    }
}

void CMainFrame::OnClose() {
    StopPlayback();
    currentClip.clear();
    SetCaption("");
    view->SetCaptions(QString(), QString());
}

void CMainFrame::OnPlay() {
    if (currentClip.empty()) {
        return;
    }
    switch (engine.GetState()) {
    case ENGINE_STOPPED: StartPlayback(); break;
    case ENGINE_PAUSED: TogglePause(); break;
    default: break;
    }
}

void CMainFrame::OnStop() {
    if (!IsRunning(engine.GetState())) {
        return;
    }
    if (fullScreen) {
        ToggleFullScreen();
    }
    if (settings.bRememberLastPlaybackPosition && !currentClip.empty()) {
        StorePosition(moduleFolder, currentClip, engine.GetMediaInfo().timePosition);
    }
    StopPlayback();
}

void CMainFrame::OnStep(int (CPlaylist::*step)()) {
    if (engine.GetState() == ENGINE_PLAYING && (playlist.*step)() == 1) {
        PlayCurrentEntry();
    }
}

void CMainFrame::OnSeekStep(int seconds) {
    if (engine.GetState() != ENGINE_PLAYING) {
        return;
    }
    engine.SeekRelative(seconds);
    seekHoldOff = kSeekHoldOffTicks;
    emit Seeked(std::clamp(engine.GetMediaInfo().timePosition + seconds, 0, engine.GetMediaInfo().length));
}

void CMainFrame::OnMute() {
    if (engine.GetState() == ENGINE_PLAYING) {
        engine.Mute();
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
    engine.SendCommand(*commands[index]);
}

// --- the open path ------------------------------------------------------------

void CMainFrame::OpenPath(const std::string& path) {
    if (IsPlaylistFile(path)) {
        StopPlayback();
        if (playlist.LoadPlaylist(path) == -1) {
            messageBox(this, QStringLiteral("unable to open file"));
        }
        if (settings.bAutoShuffle) {
            playlist.Shuffle();
        }
    } else {
        playlist.RemoveAll();
        playlist.AddFile(path);
    }
    // The playlist emits PlaylistPlay; the clip starts when it is taken.
    playlist.PlayFirst();
}

void CMainFrame::PlayCurrentEntry() { PlayEntry(playlist.GetCurrentFile()); }

void CMainFrame::PlayEntry(const std::string& file) {
    currentClip = file;
    StopPlayback();
    StartPlayback();
}

void CMainFrame::StartPlayback() {
    const EngineState state = engine.GetState();
    if (currentClip.empty()) {
        return;
    }
    if (!IsEngineExecutable(enginePath)) {
        SetStatusText(QStringLiteral("Engine not found!"));
        return;
    }
    if (state != ENGINE_STOPPED) {
        return;
    }
    EngineLaunch launch{enginePath, static_cast<unsigned long>(videoWindow), 0, currentClip, {}};
    if (settings.bRememberLastPlaybackPosition) {
        const int stored = ReadPosition(moduleFolder, currentClip);
        // Compared before subtracting: a hand-edited position near the
        // integer minimum must not wrap around into a huge start offset.
        if (stored != -1 && stored > kResumeLeadSeconds) {
            launch.startOffset = stored - kResumeLeadSeconds;
        }
    }
    engine.Start(launch);
}

void CMainFrame::StopPlayback() {
    if (!IsRunning(engine.GetState())) {
        return;
    }
    engine.Stop();
    ResetAfterStop();
    screenSaverGuard.Restore();
}

void CMainFrame::ResetAfterStop() {
    timeDisplayTimer.stop();
    seekBarTimer.stop();
    cacheFillTimer.stop();
    FitWindowToVideo(false, kStoppedViewWidth, kStoppedViewHeight);
    lastSeekPercent = 0;
    lastCacheFill = 0.0f;
    lastSeekBarPercent = -1;
    lastShownTime = -1;
    seekHoldOff = 0;
    statusPanel->ResetPanel();
    seekBar->SetSeekEnabled(false);
    SetStatusText(QStringLiteral("Stopped"));
}

void CMainFrame::TogglePause() {
    switch (engine.GetState()) {
    case ENGINE_PLAYING:
        engine.Pause(1);
        statusPanel->StopInfoRotation();
        SetStatusText(QStringLiteral("Paused"));
        break;
    case ENGINE_PAUSED:
        engine.Pause(0);
        SetStatusText(QStringLiteral("Playing"));
        statusPanel->StartInfoRotation();
        break;
    default: break;
    }
}

}  // namespace taleno
