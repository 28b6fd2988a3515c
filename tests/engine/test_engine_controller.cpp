// The engine controller against the stand-in engine, for what a real engine
// will not do on demand: long lines, repeats, floods, stalls, ignoring "quit",
// dying early. The stand-in reads its behaviour from the media path (a
// ".standin" script) and records every command it receives.
#include <signal.h>
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "EngineControllerTestAccess.h"
#include "EngineEvents.h"
#include "common/EventLoop.h"
#include "common/ProcessCounts.h"
#include "common/StandInScript.h"
#include "engine/EngineController.h"

namespace taleno {
namespace {

using namespace test;

bool ProcessAlive(pid_t pid) { return pid > 0 && ::kill(pid, 0) == 0; }

class EngineControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        launch.enginePath = TALENO_STANDIN_ENGINE;
        settings.nVideoOutputDriver = 1;
        settings.nAudioOutputDriver = 1;
        engine.SetSettings(settings);
    }

    // Starts the stand-in on a script and waits until it has reached `state`.
    void StartScript(const std::string& script, EngineState until = ENGINE_PLAYING, const std::string& path = "") {
        UseScript(script, path);
        engine.Start(launch);
        ASSERT_TRUE(PumpUntil([&] { return engine.GetState() == until; }, 5000)) << "state " << engine.GetState();
    }

    void UseScript(const std::string& script, const std::string& path = "") {
        WriteWholeFile(path.empty() ? scratch.File("clip.standin") : path, script);
        launch.mediaPath = path.empty() ? scratch.File("clip.standin") : path;
    }

    // What the stand-in running clip.standin received, and where it records it.
    std::vector<std::string> RecordedCommands() const { return ReceivedBy(scratch.File("clip.standin")); }
    std::string recordFile() const { return scratch.File("clip.standin.rec"); }

    ScratchFolder scratch;
    void LogLines() {
        settings.bEnableLogging = true;
        engine.SetSettings(settings);
    }

    SettingsRecord settings;
    EngineLaunch launch;
    CEngineController engine;
    EngineEvents recorder{engine};
    EngineControllerTestAccess access{engine};
    std::vector<std::string>& logged = recorder.logged;
};

TEST_F(EngineControllerTest, LinesArriveInPiecesOfAtMost80AndRepeatsAreDroppedOnce) {
    LogLines();
    std::string longLine;
    for (int i = 0; i < 200; ++i) longLine.push_back(static_cast<char>('a' + i % 26));
    StartScript("print " + longLine +
                "\nprint same\nprint same\nprint other\nprint same\nprint ANS_TIME_POSITION=3.0\nstarting\n");
    // The lines are sent to the main window at once; "EnginePlaying" is posted.
    ASSERT_TRUE(PumpUntil([&] { return logged.size() >= 7 && recorder.Has("EnginePlaying"); }, 2000));
    // "same" twice in a row is one line; after "other" it counts again. Time
    // position answers never reach the log.
    EXPECT_EQ(logged, (std::vector<std::string>{longLine.substr(0, 80), longLine.substr(80, 80), longLine.substr(160),
                                                "same", "other", "same", "Starting playback..."}));
    EXPECT_EQ(recorder.names.front(), "EngineStarting");
}

TEST_F(EngineControllerTest, MediaPathEchoedByTheEngineIsNotTakenForEvents) {
    // A long folder name makes the echo arrive in several pieces.
    const std::string folder = scratch.File(std::string(70, 'd') + " Exiting");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/Title: Starting interrupted.standin";
    StartScript("print Playing " + path + ".\nprint ID_FILENAME=" + path + "\nprint-id\nstarting\n", ENGINE_PLAYING,
                path);
    EXPECT_EQ(engine.GetVideoWidth(), 176);  // the identification was read before playing
    EXPECT_EQ(engine.GetMediaInfo().title, "-");
    engine.Stop();
}

TEST_F(EngineControllerTest, CommandsReachTheEngineWithTheirTexts) {
    StartScript("record " + recordFile() + "\nanswer-time\nstarting\n");
    // One command is in flight at a time; let the writer finish each.
    const std::function<void()> commands[] = {[&] { engine.SeekAbsolute(30); },
                                              [&] { engine.SeekRelative(-10); },
                                              [&] { engine.Mute(); },
                                              [&] { engine.SetVolume(150); },
                                              [&] { engine.Pause(1); },
                                              [&] { engine.SetVolume(40); },     // kept for the resume
                                              [&] { engine.SeekRelative(10); },  // not while paused
                                              [&] { engine.Pause(0); },
                                              [&] { engine.SendCommand(""); },
                                              [&] { engine.SendCommand(std::string(60, 'c')); },
                                              [&] { engine.SendCommand("osd_show_text done"); }};
    for (const auto& command : commands) {
        command();
        PumpFor(60);
    }
    EXPECT_EQ(engine.GetState(), ENGINE_PLAYING);
    PumpUntil([&] { return !RecordedCommands().empty() && RecordedCommands().back() == "osd_show_text done"; }, 3000);
    EXPECT_EQ(RecordedCommands(),
              (std::vector<std::string>{"seek 30 2", "seek -10 0", "mute", "volume 100 1", "pause", "volume 40 1 pause",
                                        "", std::string(38, 'c'), "osd_show_text done"}));
    EXPECT_EQ(engine.GetVolume(), 40);
}

TEST_F(EngineControllerTest, AnEngineThatTakesNoInputRefusesCommandsAndPauseKeepsTheState) {
    StartScript("deaf\nprint-id\nstarting\n");
    int sent = 0;
    while (sent < 10000 && engine.SendCommand("get_time_pos")) ++sent;
    EXPECT_LT(sent, 10000);  // the pipe filled up and the writer is stuck
    engine.Pause(1);
    EXPECT_EQ(engine.GetState(), ENGINE_PLAYING);
}

TEST_F(EngineControllerTest, FloodingEngineIsStoppedByTheGuard) {
    StartScript("flood\n", ENGINE_STARTING);
    ASSERT_TRUE(PumpUntil([&] { return recorder.Has("EngineStopped"); }, 20000));
    EXPECT_EQ(engine.GetState(), ENGINE_STOPPED);
    EXPECT_FALSE(recorder.Has("EnginePlaying"));
}

TEST_F(EngineControllerTest, StopEndsWithTheEngineAndTerminatesOneIgnoringQuitAfter51TriesWithoutWaiting) {
    // An engine that quits at once ends Stop at once, not after a fixed 100 ms
    // (the quickest of three, so a busy machine does not decide it).
    UseScript("print-id\nstarting\n");
    auto quickest = std::chrono::steady_clock::duration::max();
    for (int i = 0; i < 3; ++i) {
        engine.Start(launch);
        ASSERT_TRUE(PumpUntil([&] { return engine.GetState() == ENGINE_PLAYING; }, 5000));
        const auto before = std::chrono::steady_clock::now();
        engine.Stop();
        quickest = std::min(quickest, std::chrono::steady_clock::now() - before);
    }
    EXPECT_LT(quickest, std::chrono::milliseconds(100));

    // An engine ignoring "quit" does not hold up the window: Stop returns,
    // the controller counts as stopped and takes no commands, and a start
    // meanwhile follows once the old engine has been terminated.
    StartScript("record " + recordFile() + "\nignore-quit\nprint-id\nstarting\n");
    const pid_t pid = access.EnginePid();
    recorder.Clear();
    engine.Stop();
    EXPECT_EQ(engine.GetState(), ENGINE_STOPPED);
    EXPECT_TRUE(ProcessAlive(pid));
    EXPECT_FALSE(engine.SendCommand("pause"));
    engine.Start(launch);
    EXPECT_EQ(engine.GetState(), ENGINE_STARTING);
    ASSERT_TRUE(PumpUntil([&] { return recorder.Has("EnginePlaying"); }, 10000));
    EXPECT_FALSE(ProcessAlive(pid));
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"EngineStopped", "EngineStarting", "EnginePlaying"}));
    int quits = 0;
    for (const std::string& line : RecordedCommands()) quits += line == "quit";
    EXPECT_GE(quits, 40);  // a try may be dropped while the previous one is written
    EXPECT_LE(quits, CEngineController::kQuitTries);
    EXPECT_EQ(RecordedCommands().back(), "quit");  // "pause" never reached it
}

TEST_F(EngineControllerTest, StalledEngineIsKilledByTheMonitorUnlessDisabled) {
    for (bool disabled : {false, true}) {
        SCOPED_TRACE(disabled ? "monitor disabled" : "monitor on");
        recorder.Clear();
        settings.bDisableMPlayerMonitor = disabled;
        engine.SetSettings(settings);
        access.SetMonitorLimit(1);
        StartScript("stall\n", ENGINE_STARTING);
        EXPECT_EQ(access.IsMonitorRunning(), !disabled);
        const pid_t pid = access.EnginePid();
        // The user-interface thread stops polling, as when it hangs.
        std::this_thread::sleep_for(std::chrono::milliseconds(3500));
        EXPECT_EQ(ProcessAlive(pid), disabled);
        if (!disabled) {
            ASSERT_TRUE(PumpUntil([&] { return recorder.Has("EngineFailed"); }, 2000));
        } else {
            engine.Stop();
        }
        EXPECT_EQ(engine.GetState(), ENGINE_STOPPED);
        EXPECT_FALSE(access.IsMonitorRunning());
    }
}

TEST_F(EngineControllerTest, EarlyEndsFailAndAnEndWhilePlayingFinishes) {
    // A missing engine and one that exits while starting both fail, and
    // leave the controller ready for the next start.
    launch.enginePath = scratch.File("no-such-engine");
    StartScript("starting\n", ENGINE_STOPPED);
    ASSERT_TRUE(PumpUntil([&] { return recorder.Has("EngineFailed"); }, 2000));
    EXPECT_FALSE(recorder.Has("EngineStarting"));
    EXPECT_FALSE(access.IsWriterRunning());

    recorder.Clear();
    launch.enginePath = TALENO_STANDIN_ENGINE;
    const auto started = std::chrono::steady_clock::now();
    StartScript("exit 1\n", ENGINE_STARTING);
    ASSERT_TRUE(PumpUntil([&] { return recorder.Has("EngineFailed"); }, 3000));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1500));

    recorder.Clear();
    StartScript("starting\nsleep 300\nexit 0\n");
    engine.Start(launch);  // ignored while playing
    ASSERT_TRUE(PumpUntil([&] { return recorder.Has("EngineFinished"); }, 3000));
    EXPECT_EQ(engine.GetState(), ENGINE_STOPPED);
    EXPECT_FALSE(recorder.Has("EngineFailed"));
    EXPECT_EQ(recorder.Count("EngineStarting"), 1);
}

TEST_F(EngineControllerTest, EngineDyingAtEveryStepOfAStartIsReportedAndLeavesNothingBehind) {
    // What a real engine prints while it starts a clip, one line a step.
    const std::vector<std::string> steps = {"MPlayer UNKNOWN-12 (C) 2000-2023 MPlayer Team",
                                            "Playing clip.avi.",
                                            "ID_VIDEO_WIDTH=176",
                                            "ID_LENGTH=2.04",
                                            "Starting playback...",
                                            "ANS_TIME_POSITION=0.1"};
    LogLines();  // the kills wait until the lines were read
    UseScript("starting\n");
    engine.Start(launch);
    engine.Stop();
    const int descriptors = testsupport::OpenDescriptorCount();
    const int threads = testsupport::ThreadCount();
    for (std::size_t dieAfter = 0; dieAfter <= steps.size(); ++dieAfter) {
        std::string lines;
        for (std::size_t i = 0; i < dieAfter; ++i) lines += "print " + steps[i] + "\n";
        const bool playing = dieAfter > 4;
        // It ends by itself, or is killed while the player writes commands to it.
        for (const bool killed : {false, true}) {
            recorder.Clear();
            // A killed engine first says it has printed its lines.
            const std::string ready = "ready " + std::to_string(dieAfter);
            UseScript(lines + (killed ? "print " + ready + "\nstall\n" : "exit 1\n"));
            engine.Start(launch);
            if (killed) {
                ASSERT_TRUE(PumpUntil([&] { return !logged.empty() && logged.back() == ready; }, 3000));
                ::kill(access.EnginePid(), SIGKILL);
                for (int i = 0; i < 100; ++i) engine.SendCommand("get_time_pos");
            }
            // Before "Starting" the start failed; after it the clip ended, or
            // failed when the engine was gone before its last lines were read.
            ASSERT_TRUE(PumpUntil(
                [&] { return recorder.Has("EngineFailed") || (playing && recorder.Has("EngineFinished")); }, 3000))
                << "no report after " << dieAfter << " lines" << (killed ? ", killed" : "");
            EXPECT_EQ(engine.GetState(), ENGINE_STOPPED);
            EXPECT_FALSE(engine.SendCommand("pause"));
            EXPECT_FALSE(access.IsWriterRunning());
            logged.clear();
        }
    }
    EXPECT_EQ(testsupport::OpenDescriptorCount(), descriptors);
    EXPECT_EQ(testsupport::ThreadCount(), threads);
    EXPECT_FALSE(testsupport::HasUnreapedChild());
    // And the next clip plays.
    StartScript("starting\n");
}

TEST_F(EngineControllerTest, DestructorAndStartStopCyclesLeaveNoEngineDescriptorsThreadsOrZombies) {
    pid_t pid = 0;
    {
        CEngineController other;
        const std::string path = scratch.File("other.standin");
        WriteWholeFile(path, "ignore-quit\nstall\n");
        other.Start({TALENO_STANDIN_ENGINE, 0, 0, path, {}});
        pid = EngineControllerTestAccess(other).EnginePid();
        ASSERT_TRUE(ProcessAlive(pid));
    }
    EXPECT_FALSE(ProcessAlive(pid));

    UseScript("starting\n");
    // One cycle first, so that lazily made resources of Qt and the C library exist.
    engine.Start(launch);
    engine.Stop();
    const int descriptors = testsupport::OpenDescriptorCount();
    const int threads = testsupport::ThreadCount();
    for (int i = 0; i < 200; ++i) {
        engine.Start(launch);
        ASSERT_EQ(engine.GetState(), ENGINE_STARTING);
        if (i % 2 == 0) access.PollOutput();
        engine.Stop();
        ASSERT_EQ(engine.GetState(), ENGINE_STOPPED);
    }
    EXPECT_EQ(testsupport::OpenDescriptorCount(), descriptors);
    EXPECT_EQ(testsupport::ThreadCount(), threads);
    EXPECT_FALSE(testsupport::HasUnreapedChild());
}

}  // namespace
}  // namespace taleno
