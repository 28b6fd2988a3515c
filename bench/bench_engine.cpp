// Engine controller benchmark, on one clip in one run:
//  (a) start-up: the time from CEngineController::Start to EnginePlaying,
//      beside the time a bare engine started with the same argument vector
//      takes to print "Starting playback", repeated and summarised;
//  (b) CPU: the player process's own CPU time (polling, parsing, commands)
//      over a whole playback of the clip, beside the engine's CPU time under
//      the controller and that of a bare engine playing the same clip.
//
// Usage: bench_engine CLIP [--runs N] [--engine PATH] [--no-playback]
// The clip should be long (a minute) for (b). Run it with HOME pointed at a
// scratch folder: the engine keeps its configuration there.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchUtil.h"
#include "engine/EngineController.h"
#include "engine/EngineLocation.h"

namespace taleno::bench {
namespace {

// Stands in for the main window: notes when the engine's signals come and
// ends the event loop on the one it waits for.
class Watcher {
public:
    enum Event { None, Playing, Finished };

    explicit Watcher(CEngineController& engine) {
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(&engine, &CEngineController::EnginePlaying, &loop, [this] { Came(Playing); });
        QObject::connect(&engine, &CEngineController::EngineFinished, &loop, [this] { Came(Finished); });
        QObject::connect(&engine, &CEngineController::EngineFailed, &loop, [this] {
            failed = true;
            loop.quit();
        });
    }

    // Runs the event loop until `event` (or a failure) comes or `timeoutMs`
    // passes; true when the event came.
    bool Await(Event event, int timeoutMs) {
        if ((event == Playing && playingAt > 0) || (event == Finished && finished)) return true;
        awaited = event;
        timeout.start(timeoutMs);
        loop.exec();
        timeout.stop();
        awaited = None;
        return (event == Playing && playingAt > 0) || (event == Finished && finished);
    }

    void Reset() {
        playingAt = -1;
        failed = finished = false;
    }

    double playingAt = -1;
    bool failed = false;
    bool finished = false;

private:
    void Came(Event event) {
        if (event == Playing) playingAt = NowMs();
        if (event == Finished) finished = true;
        if (event == awaited) loop.quit();
    }

    QEventLoop loop;
    QTimer timeout;
    Event awaited = None;
};

// The settings the engine is run with: -vo null and -ao null.
SettingsRecord NullOutputs() {
    SettingsRecord settings;
    settings.nVideoOutputDriver = 1;
    settings.nAudioOutputDriver = 1;
    return settings;
}

// One controller start: milliseconds from Start to EnginePlaying, -1 on failure.
double TimeControllerStart(CEngineController& engine, const EngineLaunch& launch, Watcher& watcher) {
    watcher.Reset();
    const double start = NowMs();
    engine.Start(launch);
    const bool playing = watcher.Await(Watcher::Playing, 10000);
    engine.Stop();
    QCoreApplication::processEvents();
    return playing ? watcher.playingAt - start : -1;
}

int Run(const std::string& clip, const std::string& enginePath, int runs, bool playback) {
    CEngineController engine;
    Watcher watcher(engine);
    const SettingsRecord settings = NullOutputs();
    const EngineLaunch launch{enginePath, 0, 0, clip, {}};
    engine.SetSettings(settings);
    const std::vector<std::string> argv = EngineArguments(settings, launch);
    const int niceness = EngineNiceness(settings.nMPlayerPriority);

    std::printf("engine arguments:");
    for (const std::string& arg : argv) std::printf(" %s", arg.c_str());
    std::printf("\n\n");

    // (a) Warm the page cache and the engine's configuration folder first;
    // then alternate which of the two goes first, so drift hits both.
    if (TimeBareEngineTo(argv, niceness, "Starting playback", 10000) < 0 ||
        TimeControllerStart(engine, launch, watcher) < 0) {
        std::fprintf(stderr, "the engine does not reach playback on %s\n", clip.c_str());
        return 1;
    }
    std::vector<double> bare, controller, difference;
    for (int i = 0; i < runs; ++i) {
        double b, c;
        if (i % 2 == 0) {
            b = TimeBareEngineTo(argv, niceness, "Starting playback", 10000);
            c = TimeControllerStart(engine, launch, watcher);
        } else {
            c = TimeControllerStart(engine, launch, watcher);
            b = TimeBareEngineTo(argv, niceness, "Starting playback", 10000);
        }
        if (b < 0 || c < 0) {
            std::fprintf(stderr, "run %d failed (bare %.1f, controller %.1f)\n", i, b, c);
            return 1;
        }
        bare.push_back(b);
        controller.push_back(c);
        difference.push_back(c - b);
    }
    std::printf("(a) start-up, %d runs\n", runs);
    PrintSummary("bare engine to \"Starting playback\"", Summarize(bare));
    PrintSummary("controller Start to PLAYING", Summarize(controller));
    PrintSummary("controller minus bare (same run)", Summarize(difference));
    // The pairs are two engine runs, so one slow engine start on a busy
    // machine shows as a large difference: judge by the median, and count.
    const Summary diff = Summarize(difference);
    const long within = std::count_if(difference.begin(), difference.end(), [](double d) { return d <= 200.0; });
    std::printf("target: controller within 200 ms of the bare engine: %s (median %.1f ms; %ld of %d runs within)\n\n",
                diff.median <= 200.0 ? "met" : "MISSED", diff.median, within, runs);

    if (!playback) return 0;

    // (b) One whole playback under the controller, on a real event loop.
    watcher.Reset();
    const double selfBefore = CpuMs(RUSAGE_SELF);
    const double childrenBefore = CpuMs(RUSAGE_CHILDREN);
    const double start = NowMs();
    engine.Start(launch);
    if (!watcher.Await(Watcher::Finished, 30 * 60 * 1000)) {
        std::fprintf(stderr, "the playback did not finish\n");
        return 1;
    }
    const double wall = NowMs() - start;
    const double selfCpu = CpuMs(RUSAGE_SELF) - selfBefore;
    const double engineCpu = CpuMs(RUSAGE_CHILDREN) - childrenBefore;

    double bareEngineCpu = 0;
    const double bareWall = PlayBareEngine(argv, niceness, &bareEngineCpu);

    const double minutes = wall / 60000.0;
    std::printf("(b) CPU over one playback (%.1f s under the controller, %.1f s bare)\n", wall / 1000.0,
                bareWall / 1000.0);
    std::printf("player process (controller)   %8.1f ms  = %7.1f ms per minute = %6.3f %% of one core\n", selfCpu,
                selfCpu / minutes, 100.0 * selfCpu / wall);
    std::printf("engine under the controller   %8.1f ms  = %7.1f ms per minute = %6.3f %% of one core\n", engineCpu,
                engineCpu / minutes, 100.0 * engineCpu / wall);
    std::printf("bare engine, same clip        %8.1f ms  = %7.1f ms per minute = %6.3f %% of one core\n", bareEngineCpu,
                bareEngineCpu / (bareWall / 60000.0), 100.0 * bareEngineCpu / bareWall);
    std::printf("target: player under 0.5 %% of one core: %s\n", 100.0 * selfCpu / wall < 0.5 ? "met" : "MISSED");
    return 0;
}

}  // namespace
}  // namespace taleno::bench

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::string clip, enginePath = "/usr/bin/mplayer";
    int runs = 20;
    bool playback = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--engine" && i + 1 < argc) {
            enginePath = argv[++i];
        } else if (arg == "--no-playback") {
            playback = false;
        } else {
            clip = arg;
        }
    }
    if (clip.empty() || !taleno::IsEngineExecutable(enginePath)) {
        std::fprintf(stderr, "usage: bench_engine CLIP [--runs N] [--engine PATH] [--no-playback]\n");
        return 2;
    }
    return taleno::bench::Run(clip, enginePath, runs, playback);
}
