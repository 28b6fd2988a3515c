// CMainFrame: the command dispatch, what each command does in each playback
// state, and the open path from a file name to a running engine.

#include "player/MainFrame.h"

#include "engine/EngineLocation.h"
#include "player/CommandIds.h"
#include "settings/PlaybackPositions.h"
#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/VideoView.h"
#include "shell/VolumeBar.h"
#include "system/PathUtils.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace taleno {

namespace {

constexpr int kResumeLeadSeconds = 5;
constexpr int kStoppedViewWidth = 320;
constexpr int kStoppedViewHeight = 240;

// Extensions opened as playlist files, compared ignoring case.
constexpr std::array<const char*, 4> kPlaylistExtensions = {"txt", "pls", "m3u", "ram"};

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
    switch (id) {
    case ID_FILE_OPEN: OnOpen(); break;
    case ID_FILE_CLOSE: OnClose(); break;
    case ID_APP_EXIT: close(); break;

    case ID_VIEW_HALFSIZE: SetZoom(ZOOM_HALF); break;
    case ID_VIEW_ORIGINALSIZE: SetZoom(ZOOM_ORIGINAL); break;
    case ID_VIEW_DOUBLESIZE: SetZoom(ZOOM_DOUBLE); break;
    case ID_VIEW_PRESETSIZE: SetZoom(ZOOM_PRESET); break;
    case ID_VIEW_FULLSCREEN: ToggleFullScreen(); break;
    case ID_VIEW_KEEPASPECTRATIO:
        keepAspectRatio = !keepAspectRatio;
        view->SetKeepAspect(keepAspectRatio);
        view->PostLayout();
        break;
    case ID_VIEW_PROGRESSBAR: OnToggleBar(seekBar); break;
    case ID_VIEW_TOOLBAR_MENU:
    case ID_VIEW_TOOLBAR: OnToggleBar(toolBar); break;
    case ID_VIEW_STATUSBAR: OnToggleBar(statusPanel); break;
    case ID_VIEW_ALWAYSONTOP: ToggleAlwaysOnTop(); break;

    case ID_PLAY_PLAY: OnPlay(); break;
    case ID_PLAY_PAUSE: TogglePause(); break;
    case ID_PLAY_STOP: OnStop(); break;
    case ID_PLAY_PREVIOUS: OnStep(&CPlaylist::MovePrevious); break;
    case ID_PLAY_NEXT: OnStep(&CPlaylist::MoveNext); break;
    case ID_PLAY_FORWARD10SECONDS: OnSeekStep(10); break;
    case ID_PLAY_REWIND10SECONDS: OnSeekStep(-10); break;
    case ID_PLAY_FORWARD1MINUTE: OnSeekStep(60); break;
    case ID_PLAY_REWIND1MINUTE: OnSeekStep(-60); break;
    case ID_PLAY_FORWARD10MINUTES: OnSeekStep(600); break;
    case ID_PLAY_REWIND10MINUTES: OnSeekStep(-600); break;
    case ID_VOLUME_100: SetVolume(100); break;
    case ID_VOLUME_75: SetVolume(75); break;
    case ID_VOLUME_50: SetVolume(50); break;
    case ID_VOLUME_25: SetVolume(25); break;
    case ID_VOLUME_MUTE:
        if (engine.GetState() == ENGINE_PLAYING) {
            engine.Mute();
        }
        break;
    case ID_AFTERPLAYBACK_SHUTDOWN: afterPlaybackAction = AFTER_PLAYBACK_SHUTDOWN; break;
    case ID_AFTERPLAYBACK_DONOTHING: afterPlaybackAction = AFTER_PLAYBACK_NOTHING; break;
    case ID_PLAY_REPEAT: repeat = !repeat; break;

    case ID_HELP_HOMEPAGE: urlOpener(HomePageUrl()); break;

    default:
        if (id >= ID_USER_COMMAND_F1 && id <= ID_USER_COMMAND_F8) {
            OnUserCommand(id - ID_USER_COMMAND_F1);
        }
        // Open URL, Properties, Playlist, Log, Go To, Preferences and About
        // open windows of their own, which this player does not have yet.
        break;
    }
    UpdateCommandUI();
}

// --- commands -------------------------------------------------------------

void CMainFrame::OnOpen() {
    const std::string path = openFileDialog(this);
    if (!path.empty()) {
        OpenPath(path);
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
}

void CMainFrame::OnToggleBar(QWidget* bar) {
    bar->setVisible(bar->isHidden());
    RecalcLayout();
}

void CMainFrame::OnUserCommand(int index) {
    const std::string* commands[] = {&settings.strF1CMD, &settings.strF2CMD, &settings.strF3CMD,
                                     &settings.strF4CMD, &settings.strF5CMD, &settings.strF6CMD,
                                     &settings.strF7CMD, &settings.strF8CMD};
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
    // The playlist posts WM_PLAYLIST_PLAY; the clip starts when it arrives.
    playlist.PlayFirst();
}

void CMainFrame::PlayCurrentEntry() {
    currentClip = playlist.GetCurrentFile();
    engine.CommandLine().SetMediaPath(currentClip);
    StopPlayback();
    StartPlayback();
}

void CMainFrame::StartPlayback() {
    const EngineState state = engine.GetState();
    if (currentClip.empty()) {
        return;
    }
    if (!IsEngineExecutable(engine.CommandLine().GetEnginePath())) {
        SetStatusText(QStringLiteral("Engine not found!"));
        return;
    }
    if (state != ENGINE_STOPPED) {
        return;
    }
    if (settings.bRememberLastPlaybackPosition) {
        const int stored = ReadPosition(moduleFolder, currentClip);
        if (stored != -1 && stored - kResumeLeadSeconds > 0) {
            engine.CommandLine().SetStartOffset(stored - kResumeLeadSeconds);
        }
    }
    engine.Start();
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
    timers.KillTimer(TIMER_TIME_DISPLAY);
    timers.KillTimer(TIMER_SEEK_BAR);
    timers.KillTimer(TIMER_CACHE_FILL);
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
    default:
        break;
    }
}

}  // namespace taleno
