#include "engine/EngineController.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include <QSocketNotifier>

#include "platform/Clock.h"
#include "system/FontLookup.h"

namespace taleno {

namespace {
bool IsTrailingBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

constexpr int kStartupPeriodMs = 200;
constexpr int kPositionPeriodMs = 500;
constexpr int kExitCheckPeriodMs = 1000;
// How long one quit try waits for the engine to end.
constexpr int kQuitWaitMs = 100;
}  // namespace

CEngineController::CEngineController() {
    // A write to an engine that has gone must fail, not end the player.
    IgnoreSigpipe();
    const auto every = [this](QTimer& timer, int periodMs, auto tick) {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(periodMs);
        connect(&timer, &QTimer::timeout, this, tick);
    };
    every(startupTimer, kStartupPeriodMs, [this] { PollOutput(); });
    every(positionTimer, kPositionPeriodMs, [this] {
        RequestTimePosition();
        PollOutput();
    });
    every(exitCheckTimer, kExitCheckPeriodMs, [this] { CheckExit(); });
    every(quitTimer, kQuitWaitMs, [this] { OnQuitTick(); });
}

CEngineController::~CEngineController() {
    // The player is ending: an engine that does not quit at once is not
    // waited for, and nobody is told.
    blockSignals(true);
    startWaiting = false;
    if (quitTries == 0) {
        Stop();
    }
    process.Terminate();
    ReleasePipes();
    StopWriterThread();
    StopMonitorThread();
}

// --- lifecycle -----------------------------------------------------------

void CEngineController::SetSettings(const SettingsRecord& record) {
    if (subtitleFace.empty() || record.strSubtitleFont != settings.strSubtitleFont) {
        subtitleFace = EngineFontName(record.strSubtitleFont);
    }
    settings = record;
}

void CEngineController::Start(const EngineLaunch& next) {
    if (state != ENGINE_STOPPED) {
        return;
    }
    // The pipes of an earlier engine must be gone before a new start, unless
    // that engine is being stopped: the start then waits for it.
    if (quitTries == 0 && (process.IsOutputOpen() || process.IsInputOpen())) {
        return;
    }
    ResetMediaInfo();
    endOfClip = false;
    launch = next;
    launch.subtitleFace = subtitleFace;
    launch.decodeThreads = DecodeThreads();
    launch.speed = speed;
    tempoFilter = speed != 1.0;
    showLoadedSubtitle = false;
    subtitleDelayMs = 0;
    arguments = EngineArguments(settings, launch);
    if (quitTries > 0) {
        // The last engine is still being stopped: this start follows once it
        // has gone.
        startWaiting = true;
        state = ENGINE_STARTING;
        return;
    }
    Launch();
}

void CEngineController::Launch() {
    if (!StartWriterThread()) {
        state = ENGINE_STOPPED;
        return;
    }
    if (!settings.bDisableMPlayerMonitor && !StartMonitorThread()) {
        // Give back what this start made, so that the next start works.
        StopWriterThread();
        state = ENGINE_STOPPED;
        return;
    }
    mediaPathEcho.clear();
    for (const std::string& echo : {"Playing " + arguments.back() + ".", "ID_FILENAME=" + arguments.back()}) {
        for (size_t at = 0; at < echo.size(); at += kPeekSize) {
            std::string piece = echo.substr(at, kPeekSize);
            while (!piece.empty() && IsTrailingBlank(piece.back())) piece.pop_back();
            mediaPathEcho.push_back(piece);
        }
    }
    if (process.Start(arguments, EngineNiceness(settings.nMPlayerPriority))) {
        state = ENGINE_STARTING;
        outputWatch = std::make_unique<QSocketNotifier>(process.OutputDescriptor(), QSocketNotifier::Read);
        connect(outputWatch.get(), &QSocketNotifier::activated, this, [this] { OnOutputReady(); });
        startupTimer.start();
        emit EngineStarting();
    } else {
        state = ENGINE_STOPPED;
        ReleasePipes();
        ReleaseEngine();
        emit EngineFailed();
    }
}

void CEngineController::Stop() {
    if (state != ENGINE_STARTING && state != ENGINE_PLAYING && state != ENGINE_PAUSED) {
        return;
    }
    state = ENGINE_STOPPED;
    if (quitTries > 0) {
        // A start that waited for the last stop is called off.
        startWaiting = false;
        ++stopsOwed;
        return;
    }
    // Nothing of the ending engine is read or asked any more.
    StopTimers();
    if (outputWatch) {
        outputWatch->setEnabled(false);
    }
    WaitCursor waitCursor;
    HandOver("quit", 0);
    quitTries = 1;
    ++stopsOwed;
    if (process.WaitForExit(kQuitWaitMs)) {
        FinishStop();
        return;
    }
    stopWaitCursor = std::make_unique<WaitCursor>();
    quitTimer.start();
}

void CEngineController::OnQuitTick() {
    if (!process.HasExited() && quitTries < kQuitTries) {
        ++quitTries;
        HandOver("quit", 0);
        if (!process.HasExited()) {
            return;
        }
    }
    FinishStop();
}

void CEngineController::FinishStop() {
    quitTimer.stop();
    stopWaitCursor.reset();
    quitTries = 0;
    process.Terminate();
    ReleasePipes();
    ReleaseEngine();
    for (; stopsOwed > 0; --stopsOwed) {
        emit EngineStopped();
    }
    if (startWaiting) {
        startWaiting = false;
        Launch();
    }
}

bool CEngineController::HasExited() { return process.HasExited(); }

void CEngineController::Kill() {
    if (state != ENGINE_PLAYING) {
        return;
    }
    process.Terminate();
    ReleasePipes();
    ReleaseEngine();
    state = ENGINE_STOPPED;
}

void CEngineController::CheckExit() {
    if (state == ENGINE_PLAYING && HasExited()) {
        ReadEndOfClipMark();
        Kill();
        emit EngineFinished();
    }
}

// The engine's last lines are still in the pipe when its end is found: only
// its end-of-file mark is looked for there, the rest is of no use any more.
void CEngineController::ReadEndOfClipMark() {
    std::string line;
    for (int byte = process.ReadByte(); !endOfClip; byte = process.ReadByte()) {
        if (byte < 0 || byte == '\r' || byte == '\n') {
            endOfClip = IsEndOfClipLine(line);
            line.clear();
            if (byte < 0) {
                break;
            }
        } else if (line.size() < kPeekSize) {
            line.push_back(static_cast<char>(byte));
        }
    }
}

void CEngineController::OnEngineEvent(int code) {
    switch (code) {
    case ENGINE_EVENT_STARTING:
        if (HasExited()) {
            return;
        }
        startupTimer.stop();
        positionTimer.start();
        exitCheckTimer.start();
        state = ENGINE_PLAYING;
        RequestCurrentTracks();
        emit EnginePlaying();
        break;
    case ENGINE_EVENT_SCREENSHOT: emit EngineScreenshot(); break;
    case ENGINE_EVENT_SUBTITLE_FILE:
        if (std::exchange(showLoadedSubtitle, false)) {
            SelectSubtitleFile(parser.Tracks().subtitleFiles.back().id);
        }
        break;
    case ENGINE_EVENT_EXITING:
    case ENGINE_EVENT_INTERRUPTED:
    case -5:  // the process ended while starting
        startupTimer.stop();
        // Kill acts only in the playing state; pass through it so that the
        // engine is terminated and everything is released.
        state = ENGINE_PLAYING;
        Kill();
        emit EngineFailed();
        break;
    default: break;
    }
}

// --- output --------------------------------------------------------------

void CEngineController::OnOutputReady() {
    // Readable with nothing to read: the engine has closed its output (it is
    // ending). The timers see to the rest; a watch left on would fire on and on.
    if (!PollOutput() && outputWatch) {
        outputWatch->setEnabled(false);
    }
}

bool CEngineController::PollOutput() {
    bool readAny = false;
    for (int lineCount = 0; lineCount < 100; ++lineCount) {
        if (!process.IsOutputOpen()) {
            return readAny;
        }
        if (HasExited()) {
            if (state == ENGINE_STARTING) {
                OnEngineEvent(-5);
            }
            return false;
        }
        char peekBuffer[kPeekSize];
        const int waiting = process.Peek(peekBuffer, kPeekSize);
        lastPollTime.store(NowSeconds());
        if (waiting == 0) {
            return readAny;
        }
        readAny = true;
        // Flood guard: an engine that keeps the pipe full for 500 peeks in a
        // row is stopped as if the user had pressed Stop.
        if (waiting == kPeekSize) {
            if (fullPeekSeen && ++fullPeekCount >= kFloodLimit) {
                Stop();
                return true;
            }
            fullPeekSeen = true;
        } else {
            fullPeekSeen = false;
            fullPeekCount = 0;
        }
        std::string line;
        for (int i = 0; i < waiting; ++i) {
            const int byte = process.ReadByte();
            if (byte < 0 || byte == '\r' || byte == '\n') {
                break;
            }
            line.push_back(static_cast<char>(byte));
        }
        while (!line.empty() && IsTrailingBlank(line.back())) {
            line.pop_back();
        }
        if (!line.empty() && line != lastLine) {
            lastLine = line;
            ParseLine(line);
            if (settings.bEnableLogging) {
                LogLine(line);
            }
        }
        SleepMs(0);
    }
    return readAny;
}

// A file named, say, "Exiting Starting.avi" must not end or begin playback
// when the engine names it, so the lines that repeat the media path are not
// read for information or events.
bool CEngineController::IsMediaPathEcho(const std::string& line) const {
    for (const std::string& piece : mediaPathEcho) {
        if (line == piece) return true;
    }
    return false;
}

void CEngineController::ParseLine(const std::string& line) {
    if (IsMediaPathEcho(line)) {
        return;
    }
    endOfClip = endOfClip || IsEndOfClipLine(line);
    const int code = parser.ParseLine(line, state);
    if (code != ENGINE_EVENT_NONE) {
        OnEngineEvent(code);
    }
}

void CEngineController::LogLine(const std::string& line) {
    if (line.empty() || line.find("ANS_TIME_POSITION") != std::string::npos) {
        return;
    }
    emit EngineLogLine(line);
}

void CEngineController::ResetMediaInfo() {
    parser.ResetMediaInfo();
    std::memset(commandBuffer, 0, sizeof commandBuffer);
    writerIdle = true;
    lastPollTime.store(NowSeconds());
    fullPeekSeen = false;
    fullPeekCount = 0;
}

// --- release -------------------------------------------------------------

void CEngineController::ReleasePipes() {
    // The watch may be the very one whose signal is running now.
    if (outputWatch) {
        outputWatch->setEnabled(false);
        outputWatch.release()->deleteLater();
    }
    process.CloseInput();
    process.CloseOutput();
}

void CEngineController::StopTimers() {
    startupTimer.stop();
    positionTimer.stop();
    exitCheckTimer.stop();
}

void CEngineController::ReleaseEngine() {
    StopTimers();
    StopWriterThread();
    StopMonitorThread();
}

// --- threads -------------------------------------------------------------

bool CEngineController::StartWriterThread() {
    if (writerThread.IsRunning()) {
        return false;
    }
    commandReady = std::make_unique<AutoResetEvent>();
    commandDone = std::make_unique<AutoResetEvent>();
    if (!writerThread.Start([this] { WriterLoop(); })) {
        commandReady.reset();
        commandDone.reset();
        return false;
    }
    return true;
}

void CEngineController::StopWriterThread() {
    if (!commandReady) {
        return;
    }
    // The pipes are released first, so the woken writer finds the input
    // closed and ends.
    do {
        commandReady->Signal();
    } while (!writerThread.WaitForEnd(100));
    commandReady.reset();
    commandDone.reset();
}

void CEngineController::WriterLoop() {
    AutoResetEvent& ready = *commandReady;
    AutoResetEvent& done = *commandDone;
    char command[kCommandBufferSize];
    for (;;) {
        ready.Wait(-1);
        if (!process.IsInputOpen()) {
            return;
        }
        std::memcpy(command, commandBuffer, sizeof command);
        command[kCommandBufferSize - 1] = '\0';
        // A failed write (the engine has gone) is noticed by the exit check.
        process.Write(command, std::strlen(command));
        done.Signal();
    }
}

bool CEngineController::StartMonitorThread() {
    if (monitorThread.IsRunning()) {
        return false;
    }
    monitorStop = std::make_unique<AutoResetEvent>();
    if (!monitorThread.Start([this] { MonitorLoop(); })) {
        monitorStop.reset();
        return false;
    }
    return true;
}

void CEngineController::StopMonitorThread() {
    if (!monitorStop) {
        return;
    }
    do {
        monitorStop->Signal();
    } while (!monitorThread.WaitForEnd(1000));
    monitorStop.reset();
}

void CEngineController::MonitorLoop() {
    AutoResetEvent& stop = *monitorStop;
    for (;;) {
        // Sleeps until the last poll is older than the limit, at the latest
        // a second after that, rather than waking every second to look: while
        // the user-interface thread polls twice a second the monitor wakes
        // about once a limit, and a stalled thread is caught as soon as
        // before.
        const std::int64_t due = lastPollTime.load() + monitorLimitSeconds.load() + 1 - NowSeconds();
        const int waitMs = due > 0 ? static_cast<int>(due) * 1000 : 1000;
        if (stop.Wait(waitMs)) {
            return;
        }
        // The user-interface thread has not polled for too long: end the
        // engine; the next poll or exit check notices it.
        if (NowSeconds() - lastPollTime.load() > monitorLimitSeconds.load()) {
            process.Terminate();
        }
    }
}

// --- slave commands --------------------------------------------------------

bool CEngineController::SendCommand(const std::string& text) {
    return quitTries == 0 && HandOver(text, kCommandWaitMs);
}

bool CEngineController::HandOver(const std::string& text, int waitMs) {
    if (!process.IsInputOpen() || !commandReady) {
        return false;
    }
    if (HasExited()) {
        return false;
    }
    // Cut to 38 characters so that the line feed always fits the buffer and
    // a long command can never run into the next one.
    std::string line = text.substr(0, kCommandBufferSize - 2);
    line.push_back('\n');
    // The writer is done with a command in microseconds unless the engine
    // has stopped taking its input; a command is not lost to that moment.
    if (commandDone->TryWait() || (!writerIdle && waitMs > 0 && commandDone->Wait(waitMs))) {
        writerIdle = true;
    }
    if (!writerIdle) {
        return false;
    }
    writerIdle = false;
    std::memcpy(commandBuffer, line.data(), line.size());
    commandBuffer[line.size()] = '\0';
    commandReady->Signal();
    return true;
}

void CEngineController::Pause(int pause) {
    if (state != ENGINE_PLAYING && state != ENGINE_PAUSED) {
        return;
    }
    if (pause == 1) {
        if (SendCommand("pause")) {
            state = ENGINE_PAUSED;
        }
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "volume %d 1 pause", volume);
    if (SendCommand(volumePending ? text : "pause")) {
        volumePending = false;
        state = ENGINE_PLAYING;
    }
}

bool CEngineController::SendKeepingPause(const std::string& text) {
    if (state != ENGINE_PLAYING && state != ENGINE_PAUSED) {
        return false;
    }
    // A command resumes a paused engine unless told otherwise; "pausing_keep"
    // would not do after a frame step, which it repeats.
    return SendCommand(state == ENGINE_PAUSED ? "pausing_keep_force " + text : text);
}

void CEngineController::RequestCurrentTracks() {
    ClipTracks& tracks = parser.Tracks();
    // A single audio track is the one playing; with more, or with subtitle
    // tracks, the engine says which it chose.
    if (tracks.audio.size() == 1) {
        tracks.audioId = tracks.audio.front().id;
    } else if (tracks.audio.size() > 1) {
        SendCommand("get_property switch_audio");
    }
    if (!tracks.subtitles.empty()) {
        SendCommand("get_property sub_demux");
    }
}

void CEngineController::SetSpeed(double newSpeed) {
    speed = newSpeed;
    if (state != ENGINE_PLAYING && state != ENGINE_PAUSED) {
        return;
    }
    if (!tempoFilter) {
        tempoFilter = SendKeepingPause("af_add scaletempo");
    }
    SendKeepingPause("speed_set " + SpeedText(speed));
}

bool CEngineController::SelectAudioTrack(int id) {
    if (!SendKeepingPause("switch_audio " + std::to_string(id))) return false;
    parser.Tracks().audioId = id;
    return true;
}

bool CEngineController::SelectSubtitleTrack(int id) {
    if (!SendKeepingPause("sub_demux " + std::to_string(id))) return false;
    parser.Tracks().subtitleId = id;
    parser.Tracks().subtitleFileId = -1;
    return true;
}

bool CEngineController::SelectSubtitleFile(int id) {
    if (!SendKeepingPause("sub_file " + std::to_string(id))) return false;
    parser.Tracks().subtitleFileId = id;
    parser.Tracks().subtitleId = -1;
    return true;
}

bool CEngineController::SubtitlesOff() {
    if (!SendKeepingPause("sub_select -1")) return false;
    parser.Tracks().subtitleId = -1;
    parser.Tracks().subtitleFileId = -1;
    return true;
}

bool CEngineController::TakeScreenshot() {
    if (launch.screenshotPrefix.empty() || !SendKeepingPause("screenshot 0")) {
        return false;
    }
    return state != ENGINE_PAUSED || SendCommand("frame_step");
}

bool CEngineController::LoadSubtitleFile(const std::string& path) {
    const std::string command = "sub_load " + path;
    if (command.size() > kCommandBufferSize - 2 || (state != ENGINE_PLAYING && state != ENGINE_PAUSED)) {
        return false;
    }
    // No room for "pausing_keep_force" before a path: a paused engine
    // resumes on the load, and a frame step pauses it again one frame on.
    if (!SendCommand(command) || (state == ENGINE_PAUSED && !SendCommand("frame_step"))) {
        return false;
    }
    showLoadedSubtitle = true;
    return true;
}

bool CEngineController::SetSubtitleDelay(int ms) {
    if (!SendKeepingPause("sub_delay " + DecimalText(ms / 1000.0, 1) + " 1")) {
        return false;
    }
    subtitleDelayMs = ms;
    return true;
}

bool CEngineController::SeekChapter(int index) {
    return state == ENGINE_PLAYING && SendCommand("seek_chapter " + std::to_string(index) + " 1");
}

void CEngineController::FrameStep() {
    if (state == ENGINE_PAUSED) {
        SendCommand("frame_step");
    }
}

void CEngineController::Mute() {
    if (state == ENGINE_PLAYING || state == ENGINE_PAUSED) {
        SendCommand("mute");
    }
}

void CEngineController::SetVolume(int newVolume) {
    if (newVolume < 0 || newVolume > 100) {
        newVolume = 100;
    }
    volume = newVolume;
    if (state == ENGINE_PLAYING) {
        char text[32];
        std::snprintf(text, sizeof text, "volume %d 1", volume);
        SendCommand(text);
    } else {
        volumePending = true;
    }
}

void CEngineController::SeekAbsolute(unsigned seconds) {
    if (state == ENGINE_PLAYING) {
        char text[32];
        std::snprintf(text, sizeof text, "seek %u 2", seconds);
        SendCommand(text);
    }
}

void CEngineController::SeekRelative(int seconds) {
    if (state == ENGINE_PLAYING) {
        char text[32];
        std::snprintf(text, sizeof text, "seek %d 0", seconds);
        SendCommand(text);
    }
}

void CEngineController::RequestTimePosition() {
    if (HasExited() || state == ENGINE_PAUSED) {
        return;
    }
    // Not waited for: a request lost now is made again at the next tick.
    HandOver("get_time_pos", 0);
}

}  // namespace taleno
