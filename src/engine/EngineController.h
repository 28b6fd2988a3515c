#pragma once
// The engine controller: owns one running engine at a time.
//
// It starts the engine from the command line it holds (CEngineCommandLine,
// reached through CommandLine()), reads its output as soon as it arrives
// (and at every timer tick),
// polls its output on the user-interface thread with window timers, turns
// the output into MediaInfo and engine events (CEngineOutputParser), hands
// slave commands to a writer thread one at a time, and stops or kills the
// engine. A monitor thread terminates an engine whose output has not been
// polled for a long time (the user-interface thread hung). Everything it has
// to say to the main window goes out as posted WM_ENGINE_* messages;
// WM_ENGINE_LOGLINE is sent.
//
// Timers: 4 every 200 ms while starting (poll), 1 every 500 ms while playing
// or paused (position request, then poll), 2 every 1000 ms while playing or
// paused (exit check). Between the ticks, the same poll runs whenever the
// output pipe becomes readable, so a line is handled when it arrives.
//
// All operations belong to the user-interface thread.

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineCommandLine.h"
#include "engine/EngineOutputParser.h"
#include "engine/EngineState.h"
#include "engine/MediaInfo.h"
#include "platform/AutoResetEvent.h"
#include "platform/ChildProcess.h"
#include "platform/WindowTimers.h"
#include "platform/WorkerThread.h"

class QSocketNotifier;

namespace taleno {

class CEngineController {
public:
    // Timer ids of the controller.
    static constexpr unsigned TIMER_POSITION = 1;   // 500 ms
    static constexpr unsigned TIMER_EXITCHECK = 2;  // 1000 ms
    static constexpr unsigned TIMER_STARTUP = 4;    // 200 ms

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

    CEngineController();
    // Stops a running engine and leaves no process or thread behind.
    ~CEngineController();
    CEngineController(const CEngineController&) = delete;
    CEngineController& operator=(const CEngineController&) = delete;

    // --- lifecycle -------------------------------------------------------
    // Starts the engine for the media path; only while stopped. The caller
    // checks first that the engine program exists.
    void Start();
    // Quits the engine (terminating it if it will not quit) and posts
    // WM_ENGINE_STOPPED; only while starting, playing or paused.
    void Stop();
    EngineState GetState() const { return state; }

    void SetWindowsVersion(int majorVersion) { windowsMajorVersion = majorVersion; }
    void SetMonitorDisabled(bool disabled) { monitorDisabled = disabled; }
    bool GetMonitorDisabled() const { return monitorDisabled; }
    void SetLogging(bool enabled) { loggingEnabled = enabled; }
    bool GetLogging() const { return loggingEnabled; }

    // --- slave commands --------------------------------------------------
    // Hands one command (a line feed is appended) to the writer thread.
    // -1 when it cannot be handed over (no engine, engine gone, slave
    // commands disabled); 0 otherwise, also when it was dropped because the
    // previous command is still being written. A command longer than 38
    // characters is cut to 38, so its line feed is never lost.
    int SendCommand(const std::string& text);
    // 1 pauses, any other value resumes (sending a volume set meanwhile).
    void Pause(int pause);
    void Mute();
    // Outside 0..100 the volume becomes 100. Sent at once while playing,
    // otherwise kept for the next resume.
    void SetVolume(int volume);
    int GetVolume() const { return volume; }
    void SeekAbsolute(unsigned seconds);
    void SeekRelative(int seconds);

    // --- command line -------------------------------------------------------
    // The inputs of the next start: engine and media path, video window,
    // start offset and the engine's settings.
    CEngineCommandLine& CommandLine() { return commandLine; }
    const CEngineCommandLine& CommandLine() const { return commandLine; }

    // --- media information -----------------------------------------------
    // What the engine has announced about the current clip.
    const MediaInfo& GetMediaInfo() const { return parser.GetMediaInfo(); }
    // The picture size, limited to 0..9999.
    std::int32_t GetVideoWidth() const { return parser.GetVideoWidth(); }
    std::int32_t GetVideoHeight() const { return parser.GetVideoHeight(); }
    // The video bit rate, estimated from the file size when not reported.
    std::int32_t GetVideoBitrate() { return parser.GetVideoBitrate(commandLine.GetMediaPath()); }

    // Whether the engine of the current or last run said it played the clip
    // to its end before it ended; false for an engine that died or was
    // stopped. Read on WM_ENGINE_FINISHED.
    bool ReachedEndOfClip() const { return endOfClip; }

    // The line being handed to the log while WM_ENGINE_LOGLINE is sent.
    std::string GetLogLine() const { return logLine; }

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
    void OnTimer(unsigned id);
    void ResetMediaInfo();
    void ParseLine(const std::string& line);
    void ReadEndOfClipMark();
    bool IsMediaPathEcho(const std::string& line) const;
    void LogLine(const std::string& line);
    void ReleasePipes();
    void ReleaseEngine();
    bool StartWriterThread();
    void StopWriterThread();
    bool StartMonitorThread();
    void StopMonitorThread();
    void WriterLoop();
    void MonitorLoop();
    void Post(unsigned message);

    EngineState state = ENGINE_STOPPED;
    CEngineCommandLine commandLine;
    ChildProcess process;
    // Watches the output pipe of the running engine.
    std::unique_ptr<QSocketNotifier> outputWatch;
    WindowTimers timers;
    CEngineOutputParser parser;

    // Slave commands are enabled from major version 5 on; on Linux the
    // version handed over is never below 5.
    int windowsMajorVersion = 5;
    bool monitorDisabled = false;
    bool loggingEnabled = false;
    bool endOfClip = false;

    std::string lastLine;  // last distinct line, kept across engine runs
    // The lines in which the engine repeats the media path back ("Playing
    // <path>." and "ID_FILENAME=<path>"), as the pieces they arrive in.
    std::vector<std::string> mediaPathEcho;
    std::string logLine;
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
};

}  // namespace taleno
