// The engine controller against the stand-in engine, for what a real engine
// will not do on demand: long lines, repeats, floods, stalls, ignoring "quit",
// dying early. The stand-in reads its behaviour from the media path (a
// ".standin" script) and records every command it receives.
#include <signal.h>
#include <sys/types.h>

#include "common/TestSupport.h"

#include "EngineControllerTestAccess.h"
#include "EngineEvents.h"
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
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine.GetState() == until; }, 5000)) << "state " << engine.GetState();
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

TEST_F(EngineControllerTest, LinesArriveInPiecesOfAtMost80RepeatsOnceAndTheEchoedPathIsNoEvent) {
    LogLines();
    // A long folder name makes the echo of the path arrive in several pieces.
    const std::string folder = scratch.File(std::string(70, 'd') + " Exiting");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/Title: Starting interrupted.standin";
    std::string longLine;
    for (int i = 0; i < 200; ++i) longLine.push_back(static_cast<char>('a' + i % 26));
    StartScript(
        "print Playing " + path + ".\nprint " + longLine +
            "\nprint same\nprint same\nprint other\nprint same\nprint ANS_TIME_POSITION=3.0\nprint-id\nstarting\n",
        ENGINE_PLAYING, path);
    EXPECT_EQ(engine.GetVideoWidth(), 176);  // the identification was read before playing
    EXPECT_EQ(engine.GetMediaInfo().title, "-");
    // "same" twice in a row is one line; after "other" it counts again. Time
    // position answers never reach the log.
    const auto first = std::find(logged.begin(), logged.end(), longLine.substr(0, 80));
    ASSERT_LE(first + 6, logged.end());
    EXPECT_EQ(std::vector<std::string>(first, first + 6),
              (std::vector<std::string>{longLine.substr(0, 80), longLine.substr(80, 80), longLine.substr(160), "same",
                                        "other", "same"}));
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"EngineStarting", "EnginePlaying"}));
}

TEST_F(EngineControllerTest, CommandsReachTheEngineWithTheirTextsUnlessItTakesNoInput) {
    StartScript("record " + recordFile() + "\nanswer-time\nstarting\n");
    // One command is in flight at a time; let the writer finish each.
    const std::function<void()> commands[] = {
        [&] { engine.SeekAbsolute(30); }, [&] { engine.SeekRelative(-10); },
        [&] { engine.Mute(); },           [&] { engine.SetVolume(150); },
        [&] { engine.Pause(1); },         [&] { engine.SetVolume(40); },  // kept for the resume
        [&] { engine.SeekRelative(10); },                   // not while paused
        [&] { engine.Pause(0); },         [&] { engine.SendCommand(std::string(60, 'c')); }};
    for (const auto& command : commands) {
        command();
        QTest::qWait(60);
    }
    EXPECT_EQ(engine.GetState(), ENGINE_PLAYING);
    EXPECT_TRUE(QTest::qWaitFor([&] { return RecordedCommands().size() == 7; }, 3000));
    EXPECT_EQ(RecordedCommands(), (std::vector<std::string>{"seek 30 2", "seek -10 0", "mute", "volume 100 1", "pause",
                                                            "volume 40 1 pause", std::string(38, 'c')}));
    EXPECT_EQ(engine.GetVolume(), 40);

    StartScript("deaf\nprint-id\nstarting\n");
    int sent = 0;
    while (sent < 10000 && engine.SendCommand("get_time_pos")) ++sent;
    EXPECT_LT(sent, 10000);  // the pipe filled up and the writer is stuck
    engine.Pause(1);
    EXPECT_EQ(engine.GetState(), ENGINE_PLAYING);
}

TEST_F(EngineControllerTest, AFloodingEngineIsStoppedAndAStalledOneKilledByTheMonitorUnlessDisabled) {
    StartScript("flood\n", ENGINE_STARTING);
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.Has("EngineStopped"); }, 20000));
    EXPECT_FALSE(recorder.Has("EnginePlaying"));
    for (bool disabled : {false, true}) {
        SCOPED_TRACE(disabled ? "monitor disabled" : "monitor on");
        recorder.Clear();
        settings.bDisableMPlayerMonitor = disabled;
        engine.SetSettings(settings);
        access.SetMonitorLimit(1);
        StartScript("stall\n", ENGINE_STARTING);
        const pid_t pid = access.EnginePid();
        // The user-interface thread stops polling, as when it hangs.
        std::this_thread::sleep_for(std::chrono::milliseconds(3500));
        EXPECT_EQ(ProcessAlive(pid), disabled);
        if (disabled) engine.Stop();
        ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.Has(disabled ? "EngineStopped" : "EngineFailed"); }, 2000));
        EXPECT_FALSE(access.IsMonitorRunning());
    }
}

TEST_F(EngineControllerTest, StopTerminatesAnEngineIgnoringQuitAfter51TriesWithoutWaiting) {
    // The controller counts as stopped at once and takes no commands; a
    // start meanwhile follows once the old engine has been terminated.
    StartScript("record " + recordFile() + "\nignore-quit\nprint-id\nstarting\n");
    const pid_t pid = access.EnginePid();
    recorder.Clear();
    engine.Stop();
    EXPECT_EQ(engine.GetState(), ENGINE_STOPPED);
    EXPECT_TRUE(ProcessAlive(pid));
    EXPECT_FALSE(engine.SendCommand("pause"));
    engine.Start(launch);
    EXPECT_EQ(engine.GetState(), ENGINE_STARTING);
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.Has("EnginePlaying"); }, 10000));
    EXPECT_FALSE(ProcessAlive(pid));
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"EngineStopped", "EngineStarting", "EnginePlaying"}));
    const std::vector<std::string> received = RecordedCommands();
    const auto quits = std::count(received.begin(), received.end(), "quit");
    EXPECT_GE(quits, 40);  // a try may be dropped while the previous one is written
    EXPECT_LE(quits, CEngineController::kQuitTries);
    EXPECT_EQ(received.back(), "quit");  // "pause" never reached it
}

TEST_F(EngineControllerTest, AMissingEngineFailsAndAnEndWhilePlayingFinishes) {
    launch.enginePath = scratch.File("no-such-engine");
    StartScript("starting\n", ENGINE_STOPPED);
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.Has("EngineFailed"); }, 2000));
    EXPECT_FALSE(recorder.Has("EngineStarting"));

    recorder.Clear();
    launch.enginePath = TALENO_STANDIN_ENGINE;
    StartScript("starting\nsleep 300\nexit 0\n");
    engine.Start(launch);  // ignored while playing
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.Has("EngineFinished"); }, 3000));
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"EngineStarting", "EnginePlaying", "EngineFinished"}));
}

TEST_F(EngineControllerTest, DyingAtEveryStepOfAStartAndStartStopCyclesLeaveNothingBehind) {
    // What a real engine prints while it starts a clip, one line a step.
    const std::vector<std::string> steps = {"MPlayer UNKNOWN-12 (C) 2000-2023 MPlayer Team",
                                            "Playing clip.avi.",
                                            "ID_VIDEO_WIDTH=176",
                                            "ID_LENGTH=2.04",
                                            "Starting playback...",
                                            "ANS_TIME_POSITION=0.1"};
    LogLines();  // the kills wait until the lines were read
    UseScript("starting\n");
    // One cycle first, so that lazily made resources of Qt and the C library exist.
    engine.Start(launch);
    engine.Stop();
    const int descriptors = test::OpenDescriptorCount();
    const int threads = test::ThreadCount();
    for (std::size_t dieAfter = 0; dieAfter <= steps.size(); ++dieAfter) {
        std::string lines;
        for (std::size_t i = 0; i < dieAfter; ++i) lines += "print " + steps[i] + "\n";
        // It ends by itself, or is killed while the player writes commands to it.
        for (const bool killed : {false, true}) {
            recorder.Clear();
            // A killed engine first says it has printed its lines.
            const std::string ready = "ready " + std::to_string(dieAfter);
            UseScript(lines + (killed ? "print " + ready + "\nstall\n" : "exit 1\n"));
            engine.Start(launch);
            if (killed) {
                ASSERT_TRUE(QTest::qWaitFor([&] { return !logged.empty() && logged.back() == ready; }, 3000));
                ::kill(access.EnginePid(), SIGKILL);
                for (int i = 0; i < 100; ++i) engine.SendCommand("get_time_pos");
            }
            // Before "Starting" the start failed; after it the clip ended, or
            // failed when the engine was gone before its last lines were read.
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return recorder.Has("EngineFailed") || (dieAfter > 4 && recorder.Has("EngineFinished")); }, 3000))
                << "no report after " << dieAfter << " lines" << (killed ? ", killed" : "");
            EXPECT_FALSE(engine.SendCommand("pause"));
            logged.clear();
        }
    }
    UseScript("starting\n");
    for (int i = 0; i < 200; ++i) {
        engine.Start(launch);
        ASSERT_EQ(engine.GetState(), ENGINE_STARTING);
        if (i % 2 == 0) access.PollOutput();
        engine.Stop();
    }
    EXPECT_EQ(test::OpenDescriptorCount(), descriptors);
    EXPECT_EQ(test::ThreadCount(), threads);
    EXPECT_FALSE(test::HasUnreapedChild());

    // A controller that goes takes its engine with it, even one ignoring "quit".
    pid_t pid = 0;
    {
        CEngineController other;
        WriteWholeFile(scratch.File("other.standin"), "ignore-quit\nstall\n");
        other.Start({TALENO_STANDIN_ENGINE, 0, 0, scratch.File("other.standin"), {}});
        pid = EngineControllerTestAccess(other).EnginePid();
        ASSERT_TRUE(ProcessAlive(pid));
    }
    EXPECT_FALSE(ProcessAlive(pid));
}

}  // namespace
}  // namespace taleno
