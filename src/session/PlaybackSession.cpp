#include "session/PlaybackSession.h"

#include "engine/EngineLocation.h"
#include "settings/PlaybackPositions.h"
#include "settings/RecentFiles.h"
#include "system/PathUtils.h"

#include <QTimer>

#include <algorithm>
#include <array>
#include <cctype>

namespace taleno {

namespace {

// A remembered clip resumes this many seconds before where it was left.
constexpr int kResumeLeadSeconds = 5;

// Extensions opened as playlist files, compared ignoring case; m3u8 is the
// UTF-8 form of m3u.
constexpr std::array<const char*, 5> kPlaylistExtensions = {"txt", "pls", "m3u", "m3u8", "ram"};

bool IsPlaylistFile(const std::string& path) {
    std::string ext = PathGetExtension(path);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(kPlaylistExtensions.begin(), kPlaylistExtensions.end(), ext) != kPlaylistExtensions.end();
}

}  // namespace

CPlaybackSession::CPlaybackSession(const std::string& folder)
    : moduleFolder(folder), defaultEnginePath(DefaultEnginePath(folder)) {
    // The guard reads the session's time-outs now and writes them back
    // unchanged, so a later Restore puts back exactly these.
    screenSaverGuard.Capture();
    screenSaverGuard.Restore();

    const auto answer = [this](auto signal, void (CPlaybackSession::*handler)()) {
        connect(
            &engine, signal, this,
            [this, handler] {
                (this->*handler)();
                emit Changed();
            },
            Qt::QueuedConnection);
    };
    answer(&CEngineController::EngineStarting, &CPlaybackSession::ClipStarting);
    connect(&resolver, &CPageResolver::Resolved, this,
            [this](const std::string&, const std::string& stream, const std::string& title) {
                emit ResolveEnded();
                OpenResolved(stream, title);
            });
    connect(&resolver, &CPageResolver::Failed, this, [this](const std::string&, const std::string& message) {
        emit ResolveEnded();
        emit ResolveFailed(message);
    });
    connect(
        &engine, &CEngineController::EngineScreenshot, this,
        [this] {
            const CScreenshotSaver::Result result =
                screenshots.SaveTaken(PathGetTitle(currentClip), std::max(0, Info().timePosition - 1));
            for (const std::string& path : result.saved) emit ScreenshotSaved(path);
            if (!result.failure.empty()) emit ScreenshotFailed(result.failure);
        },
        Qt::QueuedConnection);
    answer(&CEngineController::EnginePlaying, &CPlaybackSession::OnEnginePlaying);
    answer(&CEngineController::EngineFailed, &CPlaybackSession::OnEngineFailed);
    answer(&CEngineController::EngineFinished, &CPlaybackSession::OnEngineFinished);
    answer(&CEngineController::EngineStopped, &CPlaybackSession::OnEngineStopped);
    connect(&engine, &CEngineController::EngineLogLine, this, &CPlaybackSession::LogLine);
    connect(
        &playlist, &CPlaylist::PlaylistPlay, this,
        [this](const std::string& file) {
            PlayEntry(file);
            emit Changed();
        },
        Qt::QueuedConnection);
}

CPlaybackSession::~CPlaybackSession() {
    engine.Stop();
    screenSaverGuard.Restore();
}

void CPlaybackSession::ApplySettings(const SettingsRecord& record) {
    settings = record;
    engine.SetSettings(record);
    enginePath = ResolveEnginePath(record.bMPlayerPathName, record.strMPlayerPathName, moduleFolder, defaultEnginePath);
}

bool CPlaybackSession::IsRunning() const {
    const EngineState state = engine.GetState();
    return state == ENGINE_STARTING || state == ENGINE_PLAYING || state == ENGINE_PAUSED;
}

// --- opening ----------------------------------------------------------------------

void CPlaybackSession::OpenPath(const std::string& path) {
    RememberOpened({path});
    CancelResolution();
    if (CPageResolver::IsWebPage(path)) {
        emit Resolving();
        resolver.Resolve(path);
        return;
    }
    OpenResolved(path, {});
}

bool CPlaybackSession::CancelResolution() {
    if (!resolver.IsResolving()) {
        return false;
    }
    resolver.Cancel();
    emit ResolveEnded();
    return true;
}

void CPlaybackSession::OpenResolved(const std::string& path, const std::string& title) {
    pageTitle = title;
    if (IsPlaylistFile(path)) {
        StopEngine();
        if (!playlist.LoadPlaylist(path)) {
            emit OpenFailed();
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

bool CPlaybackSession::StartClipNow(const std::string& path) {
    if (path.empty() || IsPlaylistFile(path) || CPageResolver::IsWebPage(path) || !IsEngineExecutable(enginePath) ||
        IsRunning()) {
        return false;
    }
    playlist.RemoveAll();
    playlist.AddFile(path);
    playlist.MoveFirst();
    pageTitle.clear();
    PlayEntry(path);
    RememberOpened({path});
    return true;
}

void CPlaybackSession::OpenFiles(const std::vector<std::string>& paths) {
    if (paths.size() < 2) {
        if (!paths.empty()) OpenPath(paths.front());
        return;
    }
    CancelResolution();
    pageTitle.clear();
    playlist.RemoveAll();
    playlist.AddDroppedFiles(paths);
    playlist.PlayFirst();
    RememberOpened(paths);
}

void CPlaybackSession::RememberOpened(std::vector<std::string> paths) {
    // Writing the settings file waits for the event loop: it must not delay
    // an engine starting now, nor the window.
    QTimer::singleShot(0, this, [this, paths = std::move(paths)] { AddRecentFiles(moduleFolder, paths); });
}

std::vector<std::string> CPlaybackSession::RecentFiles() const { return ReadRecentFiles(moduleFolder); }

void CPlaybackSession::ForgetRecentFile(const std::string& path) { RemoveRecentFile(moduleFolder, path); }

void CPlaybackSession::ClearRecentFiles() { taleno::ClearRecentFiles(moduleFolder); }

void CPlaybackSession::PlayEntry(const std::string& file) {
    currentClip = file;
    StopEngine();
    StartPlayback();
}

void CPlaybackSession::StartPlayback() {
    if (currentClip.empty()) {
        return;
    }
    if (!IsEngineExecutable(enginePath)) {
        emit EngineNotFound();
        return;
    }
    if (engine.GetState() != ENGINE_STOPPED) {
        return;
    }
    EngineLaunch launch{enginePath, videoWindow, 0, currentClip, {}};
    launch.screenshotPrefix = screenshots.EnginePrefix();
    if (settings.bRememberLastPlaybackPosition) {
        const int stored = ReadPosition(moduleFolder, currentClip);
        // Compared before subtracting: a hand-edited position near the
        // integer minimum must not wrap around into a huge start offset.
        if (stored != -1 && stored > kResumeLeadSeconds) {
            launch.startOffset = stored - kResumeLeadSeconds;
        }
    }
    stoppedHere = false;
    engine.Start(launch);
}

void CPlaybackSession::StopEngine() {
    if (!IsRunning()) {
        return;
    }
    engine.Stop();
    stoppedHere = true;
    TellStopped();
}

void CPlaybackSession::TellStopped() {
    lastSeekPercent = 0;
    emit ClipStopped();
    screenSaverGuard.Restore();
}

// --- commands ---------------------------------------------------------------------

void CPlaybackSession::Play() {
    if (currentClip.empty()) {
        return;
    }
    switch (engine.GetState()) {
    case ENGINE_STOPPED: StartPlayback(); break;
    case ENGINE_PAUSED: TogglePause(); break;
    default: break;
    }
}

void CPlaybackSession::Stop() {
    CancelResolution();
    if (!IsRunning()) {
        return;
    }
    if (!currentClip.empty()) {
        StorePosition(engine.GetMediaInfo().timePosition);
    }
    StopEngine();
}

void CPlaybackSession::Close() {
    CancelResolution();
    StopEngine();
    currentClip.clear();
}

void CPlaybackSession::TogglePause() {
    switch (engine.GetState()) {
    case ENGINE_PLAYING: engine.Pause(1); break;
    case ENGINE_PAUSED: engine.Pause(0); break;
    default: break;
    }
}

void CPlaybackSession::Next() { Step(&CPlaylist::MoveNext); }

void CPlaybackSession::Previous() { Step(&CPlaylist::MovePrevious); }

void CPlaybackSession::Step(bool (CPlaylist::*step)()) {
    if (engine.GetState() == ENGINE_PLAYING && (playlist.*step)()) {
        PlayEntry(playlist.GetCurrentFile());
    }
}

bool CPlaybackSession::SeekBy(int seconds) {
    if (engine.GetState() != ENGINE_PLAYING) {
        return false;
    }
    engine.SeekRelative(seconds);
    emit Seeked(std::clamp(engine.GetMediaInfo().timePosition + seconds, 0, engine.GetMediaInfo().length));
    return true;
}

bool CPlaybackSession::SeekTo(int seconds) {
    if (engine.GetState() != ENGINE_PLAYING || seconds < 0 || seconds >= engine.GetMediaInfo().length) {
        return false;
    }
    engine.SeekAbsolute(static_cast<unsigned>(seconds));
    emit Seeked(seconds);
    return true;
}

bool CPlaybackSession::SeekToPercent(int percent) {
    if (engine.GetState() != ENGINE_PLAYING || percent == lastSeekPercent) {
        return false;
    }
    lastSeekPercent = percent;
    const auto length = static_cast<unsigned>(engine.GetMediaInfo().length);
    const unsigned target = length * static_cast<unsigned>(percent) / 100u;
    engine.SeekAbsolute(target);
    emit Seeked(static_cast<int>(target));
    return true;
}

void CPlaybackSession::Mute() {
    if (engine.GetState() == ENGINE_PLAYING) {
        engine.Mute();
    }
}

void CPlaybackSession::SetVolume(int volume) { engine.SetVolume(volume); }

void CPlaybackSession::SendUserCommand(const std::string& command) { engine.SendCommand(command); }

void CPlaybackSession::Shutdown() {
    if (engine.GetState() == ENGINE_PLAYING || engine.GetState() == ENGINE_PAUSED) {
        if (!currentClip.empty()) {
            StorePosition(engine.GetMediaInfo().timePosition);
        }
    }
    engine.Stop();
    stoppedHere = true;
    TellStopped();
}

// --- the engine's answers -----------------------------------------------------------

void CPlaybackSession::OnEnginePlaying() {
    // The engine's word arrives after the call that caused it: when the clip
    // was stopped here meanwhile, or the next clip's engine is starting, it
    // is stale, and taking it would show "Playing" and keep the screen saver
    // off with nothing playing.
    if (stoppedHere || engine.GetState() == ENGINE_STARTING) {
        return;
    }
    // The volume as it stands reaches the engine now.
    engine.SetVolume(engine.GetVolume());
    if (settings.nSSDisableMode == 1 || (settings.nSSDisableMode == 2 && engine.GetMediaInfo().hasVideo)) {
        screenSaverGuard.Disable();
    }
    emit ClipPlaying();
}

void CPlaybackSession::OnEngineFailed() {
    lastSeekPercent = 0;
    emit ClipFailed();
    AdvanceAfterClip();
}

void CPlaybackSession::OnEngineFinished() {
    // Only a clip the engine played to its end is forgotten; an engine that
    // died keeps the clip's entry, moved to where it was when it died.
    if (engine.ReachedEndOfClip()) {
        ForgetPosition();
    } else if (engine.GetMediaInfo().timePosition > 0) {
        StorePosition(engine.GetMediaInfo().timePosition);
    }
    TellStopped();
    AdvanceAfterClip();
}

void CPlaybackSession::OnEngineStopped() { TellStopped(); }

void CPlaybackSession::AdvanceAfterClip() {
    bool play = playlist.MoveNext();
    if (!play && repeat && playlist.MoveFirst()) {
        if (settings.bAutoShuffle) {
            playlist.Shuffle();
            playlist.MoveFirst();
        }
        play = true;
    }
    if (play) {
        PlayEntry(playlist.GetCurrentFile());
        return;
    }
    emit PlaybackEnded(afterPlayback == AFTER_PLAYBACK_SHUTDOWN);
}

// --- positions ----------------------------------------------------------------------

// A position that cannot be written costs only the place a clip resumes
// from, and the user would be told so at every stop; the settings file, which
// holds what the user chose, is the one whose failure is reported.
void CPlaybackSession::StorePosition(int seconds) {
    if (settings.bRememberLastPlaybackPosition) {
        taleno::StorePosition(moduleFolder, currentClip, seconds);
    }
}

void CPlaybackSession::ForgetPosition() {
    if (settings.bRememberLastPlaybackPosition) {
        taleno::ForgetPosition(moduleFolder, currentClip);
    }
}

}  // namespace taleno
