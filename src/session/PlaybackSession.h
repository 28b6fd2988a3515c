#pragma once
// The playback session: what the player does with clips, without a window.
//
// It owns the engine controller, the playlist and the screen-saver guard,
// and keeps the rules of playback: what opening a file or a playlist file
// means, what Play, Stop, Pause, Next, Previous, the seeks, Mute and the F1
// to F8 commands do in each engine state, where a remembered position
// resumes a clip and when it is stored or forgotten, what follows the end
// of a clip (the next entry, Repeat, Auto Shuffle, the after-playback
// step), and when the screen saver is kept off. While a clip plays it
// switches its tracks and chapters, loads subtitle files, changes the speed,
// steps frames and has screenshots saved (PlaybackSessionTracks.cpp); it
// keeps the recent files and resolves web pages to their streams.
//
// It tells the main window what happened through signals, so the window
// keeps only what is shown: menus, bars, captions, sizes, full screen. The
// engine's and the playlist's signals are taken queued, so the session
// answers once the call that caused them has returned; after every such
// answer, Changed follows.
//
// Everything runs on the user-interface thread.

#include "engine/EngineController.h"
#include "platform/ScreenSaverGuard.h"
#include "playlist/Playlist.h"
#include "session/PageResolver.h"
#include "session/ScreenshotSaver.h"
#include "settings/Settings.h"

#include <QObject>

#include <map>
#include <string>
#include <vector>

namespace taleno {

class CPlaybackSession : public QObject {
    Q_OBJECT

public:
    // After Playback choices.
    enum AfterPlayback { AFTER_PLAYBACK_NOTHING = 0, AFTER_PLAYBACK_SHUTDOWN = 1 };

    // moduleFolder: the program's folder (the positions file, the bundled
    // engine). The screen-saver time-outs are captured here.
    explicit CPlaybackSession(const std::string& moduleFolder);
    // Stops a running engine and restores the screen-saver time-outs.
    ~CPlaybackSession() override;

    // The settings: the engine's options and path, and the rules that
    // depend on them (positions, Auto Shuffle, the screen-saver mode).
    void ApplySettings(const SettingsRecord& record);
    // The video window the engine draws into.
    void SetVideoWindow(unsigned long window) { videoWindow = window; }

    // --- opening ---------------------------------------------------------
    // A playlist file (txt, pls, m3u, m3u8, ram in any case) is loaded,
    // shuffled with Auto Shuffle; anything else becomes the only entry. The
    // first entry then plays. A web page's address (PageResolver.h) is
    // resolved first, without waiting (Resolving, then ResolveEnded, and
    // ResolveFailed when it could not be; Stop and Close cancel it); its
    // stream then opens as any address would, the page's title with it.
    void OpenPath(const std::string& path);
    // The player's command-line file, before its window is built: a clip
    // (not a playlist file) whose engine is there becomes the only entry
    // and starts at once, not on the next pass of the event loop as
    // OpenPath's first entry does. False, with nothing done, for anything
    // else, which is then opened with OpenPath.
    bool StartClipNow(const std::string& path);
    // Files dropped together: they replace the playlist and the first plays.
    void OpenFiles(const std::vector<std::string>& paths);
    // What the three above opened goes to the recent files, the first path
    // on top, once the event loop runs (never before a command-line clip's
    // engine starts). Reads and changes of the list:
    std::vector<std::string> RecentFiles() const;
    void ForgetRecentFile(const std::string& path);
    void ClearRecentFiles();

    // --- commands ----------------------------------------------------------
    // Play: starts the current clip while stopped, resumes while paused.
    void Play();
    // Stop while a clip runs: its position is remembered (when positions
    // are), the engine stops.
    void Stop();
    // Close: stops and forgets the current clip.
    void Close();
    void TogglePause();
    // Next and Previous, only while playing.
    void Next();
    void Previous();
    // Seeks by seconds from the position, only while playing; the target
    // goes out with Seeked. True when the seek went to the engine.
    bool SeekBy(int seconds);
    // Seeks to the second, only while playing and within the clip; true
    // when the seek went to the engine.
    bool SeekTo(int seconds);
    // Seeks to a percent of the clip's length, only while playing and when
    // it is not the percent sought last. True when the seek went out.
    bool SeekToPercent(int percent);
    void Mute();
    // 0 to 100; sent at once while playing, otherwise at the next start.
    void SetVolume(int volume);
    // Slower and faster in steps from 0.25 to 4 times (direction -1 or 1),
    // and back to normal; the speed holds for the clips that follow.
    void StepSpeed(int direction);
    void ResetSpeed();
    // Any speed within kMinSpeed..kMaxSpeed (the media controls' Rate);
    // beyond it, the nearer end.
    static constexpr double kMinSpeed = 0.25;
    static constexpr double kMaxSpeed = 4.0;
    void SetSpeed(double speed);
    // One frame forward while paused.
    void FrameStep();
    // The clip's tracks (ids as the engine numbers them), while playing or
    // paused: the audio track; a subtitle track of the clip, a subtitle file
    // loaded into it, or none. The Next ones go round the list, the
    // subtitles through "none" too.
    void SelectAudioTrack(int id);
    void NextAudioTrack();
    void SelectSubtitleTrack(int id);
    void SelectSubtitleFile(int id);
    void SubtitlesOff();
    void NextSubtitles();
    // Chapters, while playing: to the start of one (0 the first), the next,
    // or the previous (the start of the present one when more than
    // kChapterRestartSeconds of it have played). The jump goes out with
    // Seeked. CurrentChapter is the one the position lies in, -1 for none.
    static constexpr int kChapterRestartSeconds = 3;
    bool SeekChapter(int index);
    // Loads a subtitle file into the playing or paused clip and shows it: a
    // copy in the spool folder goes to the engine (its commands are short),
    // so the file may be anywhere and named anyhow. SubtitlesFailed says why
    // not (no clip, no such file, too large). SubtitleFileName gives back
    // the loaded file's own path for the engine's name of its copy.
    static constexpr qint64 kMaxSubtitleFileBytes = 16 * 1024 * 1024;
    void LoadSubtitles(const std::string& path);
    std::string SubtitleFileName(const std::string& engineName) const;
    // The subtitles' delay: by steps of milliseconds (later when positive),
    // or back to 0; from 0 at every clip.
    void DelaySubtitlesBy(int ms);
    void ResetSubtitleDelay();
    int SubtitleDelay() const { return engine.GetSubtitleDelay(); }
    // Saves the picture shown as a PNG file in the user's pictures folder
    // (ScreenshotSaver.h): ScreenshotSaved or ScreenshotFailed follows.
    // While playing or paused (a paused clip steps one frame to draw it).
    void TakeScreenshot();
    void NextChapter();
    void PreviousChapter();
    int CurrentChapter() const;
    // A slave command of the user's (F1 to F8), as typed.
    void SendUserCommand(const std::string& command);
    void SetRepeat(bool on) { repeat = on; }
    void SetAfterPlayback(AfterPlayback action) { afterPlayback = action; }

    // The player closes: the position of a clip that is playing or paused is
    // remembered, the engine stops and the screen saver comes back.
    void Shutdown();

    // --- state -------------------------------------------------------------
    EngineState State() const { return engine.GetState(); }
    bool IsRunning() const;
    const MediaInfo& Info() const { return engine.GetMediaInfo(); }
    // The clip played or last played; "" after Close.
    const std::string& Clip() const { return currentClip; }
    // The title of the web page the clip's stream came from; "" for others.
    const std::string& PageTitle() const { return pageTitle; }
    int Volume() const { return engine.GetVolume(); }
    double Speed() const { return engine.GetSpeed(); }
    const ClipTracks& Tracks() const { return engine.GetMediaInfo().tracks; }
    bool Repeat() const { return repeat; }
    AfterPlayback AfterPlaybackAction() const { return afterPlayback; }
    // The picture size (0..9999) and the video bit rate of the clip.
    int VideoWidth() const { return engine.GetVideoWidth(); }
    int VideoHeight() const { return engine.GetVideoHeight(); }
    int VideoBitrate() { return engine.GetVideoBitrate(); }
    CPlaylist& Playlist() { return playlist; }

signals:
    // The engine is starting for the clip.
    void ClipStarting();
    // The engine plays the clip: what is known of it can be shown.
    void ClipPlaying();
    // The engine could not start or gave up while starting.
    void ClipFailed();
    // The engine stopped (Stop, Close, a new clip) or ended by itself.
    void ClipStopped();
    // The engine program is missing: nothing was started.
    void EngineNotFound();
    // A playlist file could not be read ("unable to open file").
    void OpenFailed();
    // A seek went to the engine; the position jumps to the second.
    void Seeked(int seconds);
    // Nothing is left to play; shutDown: the after-playback step is Shutdown.
    void PlaybackEnded(bool shutDown);
    // A screenshot was saved at this path, or could not be (why).
    void ScreenshotSaved(const std::string& path);
    void ScreenshotFailed(const std::string& reason);
    // A web page is being resolved to its stream, and that has ended.
    void Resolving();
    void ResolveEnded();
    // The page could not be resolved: which program and why.
    void ResolveFailed(const std::string& message);
    // A subtitle file could not be loaded (why).
    void SubtitlesFailed(const std::string& reason);
    // One engine output line for the log (with logging on).
    void LogLine(const std::string& line);
    // After every answer to the engine or the playlist.
    void Changed();

private:
    // Tests read the engine's arguments and the screen-saver guard.
    friend class PlaybackSessionTestAccess;

    // Stops the engine and answers at once (the engine's own EngineStopped
    // follows later).
    void StopEngine();
    // The engine has stopped: the seek bar's last percent is forgotten,
    // ClipStopped goes out and the screen saver comes back.
    void TellStopped();
    void RememberOpened(std::vector<std::string> paths);
    // OpenPath after the address was resolved, if it was a page; the title
    // goes with the clip.
    void OpenResolved(const std::string& path, const std::string& title);
    // Ends a resolution under way; true when there was one.
    bool CancelResolution();
    // Stops any running engine and starts the file.
    void PlayEntry(const std::string& file);
    void StartPlayback();
    void Step(bool (CPlaylist::*step)());
    // After a clip ended or failed: the next entry, Repeat, Auto Shuffle,
    // end of playback.
    void AdvanceAfterClip();
    void OnEnginePlaying();
    void OnEngineFailed();
    void OnEngineFinished();
    void OnEngineStopped();
    // Remembers the clip's position, or forgets it; only with positions on.
    void StorePosition(int seconds);
    void ForgetPosition();

    std::string moduleFolder;
    std::string defaultEnginePath;
    std::string enginePath;  // as resolved from the settings
    unsigned long videoWindow = 0;
    SettingsRecord settings;

    CEngineController engine;
    CPlaylist playlist;
    CScreenSaverGuard screenSaverGuard;
    CPageResolver resolver;
    std::string pageTitle;
    CSpoolFolder spool;
    CScreenshotSaver screenshots{spool};
    // The subtitle files handed to the engine: its name of the copy, the
    // file's own path.
    std::map<std::string, std::string> subtitleCopies;

    std::string currentClip;
    // The engine was stopped here since it was last started: its reports
    // still under way are stale.
    bool stoppedHere = false;
    int lastSeekPercent = 0;
    bool repeat = false;
    AfterPlayback afterPlayback = AFTER_PLAYBACK_NOTHING;
};

}  // namespace taleno
