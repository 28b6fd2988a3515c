#pragma once
// The engine controller: owns one running engine at a time.
//
// It starts the engine with the argument vector made from the settings it
// was handed and the inputs of the start (EngineArguments), reads its output as soon as it arrives
// (and at every timer tick), turns the output into MediaInfo and engine
// events (CEngineOutputParser), hands slave commands to a writer thread one
// at a time, and stops or kills the engine. A monitor thread terminates an
// engine whose output has not been polled for a long time (the
// user-interface thread hung). What it has to tell goes out as signals.
//
// Timers: startupTimer every 200 ms while starting (poll), positionTimer
// every 500 ms while playing or paused (position request, then poll),
// exitCheckTimer every 1000 ms while playing or paused. Between the ticks,
// the same poll runs whenever the output pipe becomes readable, so a line is
// handled when it arrives.
//
// Stop tells the engine "quit" and waits up to 100 ms for it to end. An
// engine that is still running then is told again every 100 ms from
// quitTimer, up to 51 times in all, and terminated after that; meanwhile
// the controller already counts as stopped: it takes no commands, and a
// Start is carried out once the old engine has gone (EngineStopped comes
// first, then EngineStarting). The window never waits for a hung engine.
//
// All operations belong to the user-interface thread.

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QObject>
#include <QTimer>

#include "engine/EngineArguments.h"
#include "engine/EngineOutputParser.h"
#include "engine/EngineState.h"
#include "engine/MediaInfo.h"
#include "platform/AutoResetEvent.h"
#include "platform/ChildProcess.h"
#include "platform/WaitCursor.h"
#include "platform/WorkerThread.h"

class QSocketNotifier;

namespace taleno {

class CEngineController : public QObject {
    Q_OBJECT

public:
    // One engine output read is at most this many bytes, and so is a line.
    static constexpr int kPeekSize = 80;
    // Consecutive full peeks after which a flooding engine is stopped.
    static constexpr int kFloodLimit = 500;
    // How often Stop repeats "quit", waiting up to 100 ms after each for the
    // engine to end, before it terminates it.
    static constexpr int kQuitTries = 51;
    // Seconds without a poll after which the monitor terminates the engine.
    static constexpr int kMonitorLimitSeconds = 20;
    // The command buffer: 39 bytes of text and the terminating zero.
    static constexpr int kCommandBufferSize = 40;
    // How long a command waits for the one before it to be written.
    static constexpr int kCommandWaitMs = 50;

    CEngineController();
    // Terminates a running engine and leaves no process or thread behind;
    // emits nothing.
    ~CEngineController() override;
    CEngineController(const CEngineController&) = delete;
    CEngineController& operator=(const CEngineController&) = delete;

    // --- lifecycle -------------------------------------------------------
    // Takes the settings the engine is started with (the record whole; the
    // engine-held keys are read) and looks up the subtitle face.
    void SetSettings(const SettingsRecord& record);

    // Starts the engine for the launch's media path; only while stopped.
    // The caller checks first that the engine program exists.
    void Start(const EngineLaunch& launch);
    // Quits the engine (terminating it if it will not quit); EngineStopped
    // follows once it has gone. Only while starting, playing or paused.
    void Stop();
    EngineState GetState() const { return state; }

    // --- slave commands --------------------------------------------------
    // Hands one command (a line feed is appended) to the writer thread:
    // true. False when it cannot be handed over (no engine, engine gone, engine
    // stopping), and when the previous command is still being written 50 ms
    // later (the engine does not take its input). A command longer than 38
    // characters is cut to 38, so its line feed is never lost.
    bool SendCommand(const std::string& text);
    // 1 pauses, any other value resumes (sending a volume set meanwhile).
    // The state changes only when the command was handed over.
    void Pause(int pause);
    void Mute();
    // Outside 0..100 the volume becomes 100. Sent at once while playing,
    // otherwise kept for the next resume.
    void SetVolume(int volume);
    int GetVolume() const { return volume; }
    void SeekAbsolute(unsigned seconds);
    void SeekRelative(int seconds);
    // The playback speed, kept for the next start like the volume. While a
    // clip plays or is paused it changes at once: the engine's tempo filter,
    // which keeps the pitch, is added the first time, and a paused clip
    // stays paused ("pausing_keep_force").
    void SetSpeed(double newSpeed);
    double GetSpeed() const { return speed; }
    // One frame forward, only while paused; the engine stays paused.
    void FrameStep();
    // The audio track, the clip's subtitle track or subtitle file shown
    // (ids as in MediaInfo's tracks), or no subtitles; while playing or
    // paused (a paused clip stays paused). True when the engine was told.
    bool SelectAudioTrack(int id);
    bool SelectSubtitleTrack(int id);
    bool SelectSubtitleFile(int id);
    bool SubtitlesOff();
    // To the start of the chapter (0 the first), only while playing.
    bool SeekChapter(int index);
    // Has the screenshot filter save the next picture (EngineScreenshot
    // follows); paused, the engine steps one frame to draw it and stays
    // paused. Only for an engine started with a screenshot prefix.
    bool TakeScreenshot();
    // Loads a subtitle file into the playing clip and shows it once the
    // engine has it; false when the command would be longer than the engine
    // takes (the path is given as it is), or in any state but playing or
    // paused. A paused clip stays paused, one frame on.
    bool LoadSubtitleFile(const std::string& path);
    // The subtitles' delay in milliseconds (later when positive), from 0 at
    // every start; while playing or paused.
    bool SetSubtitleDelay(int ms);
    int GetSubtitleDelay() const { return subtitleDelayMs; }

    // --- media information -----------------------------------------------
    // What the engine has announced about the current clip.
    const MediaInfo& GetMediaInfo() const { return parser.GetMediaInfo(); }
    // The picture size, limited to 0..9999.
    std::int32_t GetVideoWidth() const { return parser.GetVideoWidth(); }
    std::int32_t GetVideoHeight() const { return parser.GetVideoHeight(); }
    // The video bit rate, estimated from the file size when not reported.
    std::int32_t GetVideoBitrate() { return parser.GetVideoBitrate(launch.mediaPath); }

    // Whether the engine of the current or last run said it played the clip
    // to its end before it ended; false for an engine that died or was
    // stopped. Read on EngineFinished.
    bool ReachedEndOfClip() const { return endOfClip; }

signals:
    // The engine saved a screenshot (its "*** screenshot" line).
    void EngineScreenshot();
    // Each is emitted after the state has changed. The main window takes
    // them queued, so it answers once the call that caused them returned.
    void EngineStarting();  // engine process created
    void EnginePlaying();   // "Starting" seen, process alive
    void EngineFailed();    // could not start, or gave up while starting
    void EngineFinished();  // process ended during playback
    void EngineStopped();   // Stop has finished
    // One line of output for the log, without ANS_TIME_POSITION answers
    // (only while logging); taken directly, before the engine goes on.
    void EngineLogLine(const std::string& line);

private:
    // Tests poll the output and read the process and threads through it.
    friend class EngineControllerTestAccess;

    // True when no engine process is running.
    bool HasExited();
    // Asks the engine for its time position (not while paused).
    void RequestTimePosition();
    // Reads and handles what the engine has written; false when nothing was
    // waiting (or the engine has gone).
    bool PollOutput();
    // The output pipe became readable.
    void OnOutputReady();
    void OnEngineEvent(int code);
    void CheckExit();
    void Kill();
    // Starts the engine with the arguments Start made.
    void Launch();
    // One quitTimer tick of a stop the engine has not yet answered.
    void OnQuitTick();
    // Releases the stopped engine; EngineStopped, then a Start that waited.
    void FinishStop();
    void ResetMediaInfo();
    void ParseLine(const std::string& line);
    void ReadEndOfClipMark();
    bool IsMediaPathEcho(const std::string& line) const;
    void LogLine(const std::string& line);
    void ReleasePipes();
    void ReleaseEngine();
    void StopTimers();
    bool StartWriterThread();
    void StopWriterThread();
    bool StartMonitorThread();
    void StopMonitorThread();
    void WriterLoop();
    void MonitorLoop();
    // SendCommand's hand-over, also to an engine being stopped, waiting up
    // to waitMs for the writer to be done with the command before.
    bool HandOver(const std::string& text, int waitMs);
    // A command to a playing or paused engine that leaves a paused one
    // paused; false in any other state or when it was not handed over.
    bool SendKeepingPause(const std::string& text);
    // Asks which tracks play, where the clip offers a choice.
    void RequestCurrentTracks();

    EngineState state = ENGINE_STOPPED;
    SettingsRecord settings;
    std::string subtitleFace;  // the face of settings.strSubtitleFont
    EngineLaunch launch;       // of the current or last start
    std::vector<std::string> arguments;
    ChildProcess process;
    // Watches the output pipe of the running engine.
    std::unique_ptr<QSocketNotifier> outputWatch;
    QTimer startupTimer;
    QTimer positionTimer;
    QTimer exitCheckTimer;
    QTimer quitTimer;
    CEngineOutputParser parser;

    // A stop the engine has not yet answered: quit tries made so far, the
    // wait cursor shown meanwhile, and a Start's arguments that wait for it.
    int quitTries = 0;
    std::unique_ptr<WaitCursor> stopWaitCursor;
    bool startWaiting = false;
    int stopsOwed = 0;

    bool endOfClip = false;

    std::string lastLine;  // last distinct line, kept across engine runs
    // The lines in which the engine repeats the media path back ("Playing
    // <path>." and "ID_FILENAME=<path>"), as the pieces they arrive in.
    std::vector<std::string> mediaPathEcho;
    bool fullPeekSeen = false;
    int fullPeekCount = 0;
    std::atomic<std::int64_t> lastPollTime{0};
    std::atomic<int> monitorLimitSeconds{kMonitorLimitSeconds};

    // Command channel: one command in flight, handed over without a lock.
    char commandBuffer[kCommandBufferSize] = {};
    bool writerIdle = true;
    std::unique_ptr<AutoResetEvent> commandReady;
    std::unique_ptr<AutoResetEvent> commandDone;
    WorkerThread writerThread;

    std::unique_ptr<AutoResetEvent> monitorStop;
    WorkerThread monitorThread;

    int volume = 100;
    bool volumePending = false;
    double speed = 1.0;
    // The running engine has its tempo filter (started at a speed other
    // than 1, or added since).
    bool tempoFilter = false;
    // A subtitle file was loaded here and is shown once the engine names it.
    bool showLoadedSubtitle = false;
    int subtitleDelayMs = 0;
};

}  // namespace taleno
