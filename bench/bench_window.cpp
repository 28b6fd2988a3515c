// Window benchmark of the player program, run on an X display of its own
// (Xvfb), beside the bare engine playing the same clip:
//  - start-up: the time from starting the player process to its main window
//    being mapped, repeated and summarised; the bare engine's time from its
//    start to the map of its own video window beside it;
//  - resident memory (VmRSS) of the player when idle, and of the player and
//    its engine while playing, beside a bare engine playing the clip;
//  - CPU: the player's own CPU time per minute while a clip plays with all
//    its timers running, beside its engine's and a bare engine's.
//
// The map is seen as an X client would see it: the benchmark watches the
// root window's children (SubstructureNotify) and takes the first MapNotify
// of a top-level window that is not override-redirect (no window manager runs
// on Xvfb, so the player's own map request maps the window at once).
//
// Usage: bench_window PLAYER CLIP [--runs N] [--engine PATH] [--seconds S]
// PLAYER should be a copy of the program in a scratch folder, with its
// settings file ("Taleno .ini") beside it choosing the drivers; HOME and
// XDG_RUNTIME_DIR should point into scratch folders too.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>

#include <dirent.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "BenchUtil.h"
#include "WindowBench.h"
#include "platform/ChildProcess.h"

namespace taleno::bench {
namespace {

// Waits `ms` milliseconds while draining the child's output.
void WaitDraining(ChildProcess& child, double ms) {
    const double end = NowMs() + ms;
    while (NowMs() < end) {
        Drain(child);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// The argument vector of a running process, from /proc/<pid>/cmdline.
std::vector<std::string> CommandLineOf(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline");
    std::vector<std::string> args;
    std::string arg;
    while (std::getline(in, arg, '\0')) args.push_back(arg);
    return args;
}

// Watches the root window for top-level maps.
class MapWatcher : public RootWindowWatch {
public:
    // Waits for the next top-level map, draining `child` meanwhile. Returns
    // the moment of the map (NowMs), or -1 after `timeoutMs`.
    double WaitForMap(ChildProcess& child, double timeoutMs) {
        const double end = NowMs() + timeoutMs;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        while (NowMs() < end) {
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == MapNotify && !event.xmap.override_redirect &&
                    event.xmap.event == DefaultRootWindow(display)) {
                    lastMapped = event.xmap.window;
                    return NowMs();
                }
            }
            Drain(child);
            poll(&fd, 1, 1);
        }
        return -1;
    }

    // Waits until the window mapped last shows more than one colour (text,
    // a frame of video: something was drawn), draining `child` meanwhile.
    // Returns that moment (NowMs), or -1 after `timeoutMs`.
    double WaitForPaint(ChildProcess& child, double timeoutMs) {
        const double end = NowMs() + timeoutMs;
        while (NowMs() < end) {
            if (ShowsContent(lastMapped)) return NowMs();
            Drain(child);
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        return -1;
    }

    // A colour a clip is recognised by: the test picture's yellow bar, or the
    // switch clip's green.
    enum class Colour { Yellow, Green };

    // Waits until at least `share` of `window`'s pixels have the colour (the
    // clip's picture is drawn there), draining `child` meanwhile. Returns that
    // moment (NowMs), or -1 after `timeoutMs`.
    double WaitForColour(Window window, Colour colour, double share, ChildProcess& child, double timeoutMs) {
        const double end = NowMs() + timeoutMs;
        while (NowMs() < end) {
            if (ColourShare(window, colour) >= share) return NowMs();
            Drain(child);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return -1;
    }

    Window LastMapped() const { return lastMapped; }

    // Name and size of the window mapped last, as "\"name\" WxH".
    std::string DescribeLastMapped() {
        char* name = nullptr;
        XFetchName(display, lastMapped, &name);
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, lastMapped, &attributes);
        std::string text = "\"" + std::string(name != nullptr ? name : "") + "\" " + std::to_string(attributes.width) +
                           "x" + std::to_string(attributes.height);
        if (name != nullptr) XFree(name);
        return text;
    }

private:
    double ColourShare(Window window, Colour colour) {
        XImage* image = GrabOnScreen(window);
        if (image == nullptr) return 0;
        long matching = 0;
        for (int y = 0; y < image->height; y += 2) {
            for (int x = 0; x < image->width; x += 2) {
                const unsigned long pixel = XGetPixel(image, x, y);
                const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
                matching += colour == Colour::Yellow ? r > 180 && g > 180 && b < 80 : r < 80 && g > 150 && b < 80;
            }
        }
        const double share = static_cast<double>(matching) / (((image->width + 1) / 2) * ((image->height + 1) / 2));
        XDestroyImage(image);
        return share;
    }

    bool ShowsContent(Window window) {
        XImage* image = GrabOnScreen(window);
        if (image == nullptr) return false;
        const unsigned long first = XGetPixel(image, 0, 0);
        bool differs = false;
        for (int y = 0; y < image->height && !differs; ++y) {
            for (int x = 0; x < image->width; ++x) {
                if (XGetPixel(image, x, y) != first) {
                    differs = true;
                    break;
                }
            }
        }
        XDestroyImage(image);
        return differs;
    }

    Window lastMapped = 0;
};

struct Options {
    std::string player;
    std::string clip;
    // The switch: a player that keeps to one instance, and a second clip.
    std::string singlePlayer;
    std::string switchClip;
    std::string engine = "/usr/bin/mplayer";
    int runs = 20;
    double seconds = 40;
};

int Run(const Options& o) {
    MapWatcher watcher;
    if (!watcher.Open()) {
        std::fprintf(stderr, "no X display (run under xvfb-run)\n");
        return 1;
    }

    // --- The player's engine arguments, taken from a playing player -------
    // They drive the bare engine runs; "-wid N" is dropped so that the bare
    // engine makes a window of its own.
    std::vector<std::string> bareArgs;
    {
        ChildProcess player;
        watcher.Forget();
        if (!player.Start({o.player, o.clip}, 0) || watcher.WaitForMap(player, 10000) < 0) {
            std::fprintf(stderr, "the player did not show its window\n");
            return 1;
        }
        std::vector<pid_t> engines;
        const double end = NowMs() + 10000;
        while ((engines = ChildPids(player.Pid())).empty() && NowMs() < end) WaitDraining(player, 20);
        WaitDraining(player, 500);
        const std::vector<std::string> args =
            engines.empty() ? std::vector<std::string>{} : CommandLineOf(engines.front());
        EndProcessTree(player);
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i] == "-wid" && i + 1 < args.size()) {
                ++i;
            } else {
                bareArgs.push_back(args[i]);
            }
        }
        if (bareArgs.empty()) {
            std::fprintf(stderr, "the player started no engine for %s\n", o.clip.c_str());
            return 1;
        }
        bareArgs.front() = o.engine;
    }
    std::printf("bare engine arguments:");
    for (const std::string& arg : bareArgs) std::printf(" %s", arg.c_str());
    std::printf("\n\n");

    // --- Start-up to the window's map, alternating which goes first --------
    std::string playerWindow, bareWindow;
    std::vector<double> playerPaints, barePaints;
    const auto timePlayerMap = [&]() {
        ChildProcess player;
        watcher.Forget();
        const double start = NowMs();
        if (!player.Start({o.player}, 0)) return -1.0;
        const double mapped = watcher.WaitForMap(player, 10000);
        const double painted = mapped < 0 ? -1 : watcher.WaitForPaint(player, 10000);
        if (mapped >= 0 && playerWindow.empty()) playerWindow = watcher.DescribeLastMapped();
        EndProcessTree(player);
        if (painted >= 0) playerPaints.push_back(painted - start);
        return mapped < 0 ? -1.0 : mapped - start;
    };
    const auto timeBareMap = [&]() {
        ChildProcess engine;
        watcher.Forget();
        const double start = NowMs();
        if (!engine.Start(bareArgs, 0)) return -1.0;
        const double mapped = watcher.WaitForMap(engine, 10000);
        const double painted = mapped < 0 ? -1 : watcher.WaitForPaint(engine, 10000);
        if (mapped >= 0 && bareWindow.empty()) bareWindow = watcher.DescribeLastMapped();
        engine.Terminate();
        if (painted >= 0) barePaints.push_back(painted - start);
        return mapped < 0 ? -1.0 : mapped - start;
    };
    timePlayerMap();  // warm the page cache, fonts and caches
    timeBareMap();
    playerPaints.clear();
    barePaints.clear();
    std::vector<double> playerMaps, bareMaps;
    for (int i = 0; i < o.runs; ++i) {
        const double a = i % 2 == 0 ? timePlayerMap() : timeBareMap();
        const double b = i % 2 == 0 ? timeBareMap() : timePlayerMap();
        const double p = i % 2 == 0 ? a : b;
        const double e = i % 2 == 0 ? b : a;
        if (p < 0 || e < 0) {
            std::fprintf(stderr, "start-up run %d failed (player %.1f, bare %.1f)\n", i, p, e);
            return 1;
        }
        playerMaps.push_back(p);
        bareMaps.push_back(e);
    }
    const Summary playerMap = Summarize(playerMaps);
    std::printf("start-up, %d runs\n", o.runs);
    PrintSummary("player start to window mapped", playerMap);
    PrintSummary("bare engine start to its window", Summarize(bareMaps));
    PrintSummary("player start to window drawn", Summarize(playerPaints));
    PrintSummary("bare engine start to first frame", Summarize(barePaints));
    std::printf("windows mapped: player %s, bare engine %s\n", playerWindow.c_str(), bareWindow.c_str());
    std::printf("target: window shown within 300 ms: %s (median %.1f ms, max %.1f ms)\n\n",
                playerMap.max <= 300      ? "met"
                : playerMap.median <= 300 ? "met by the median"
                                          : "MISSED",
                playerMap.median, playerMap.max);

    // --- Start to the clip's first frame, and the switch to another clip ----
    // The first frame is there when the test picture's yellow bar covers a
    // part of the player's window; the bare engine's first frame (above) is
    // the comparison. The switch: a second instance of a single-instance
    // player hands the other clip over; it is there when that clip's green
    // covers most of the first player's window.
    {
        std::vector<double> firstFrames;
        for (int i = 0; i < o.runs; ++i) {
            ChildProcess player;
            watcher.Forget();
            const double start = NowMs();
            if (!player.Start({o.player, o.clip}, 0) || watcher.WaitForMap(player, 10000) < 0) return 1;
            const double shown =
                watcher.WaitForColour(watcher.LastMapped(), MapWatcher::Colour::Yellow, 0.03, player, 10000);
            EndProcessTree(player);
            if (shown < 0) {
                std::fprintf(stderr, "first-frame run %d: the picture never showed\n", i);
                return 1;
            }
            firstFrames.push_back(shown - start);
        }
        const Summary first = Summarize(firstFrames);
        const Summary bare = Summarize(barePaints);
        PrintSummary("player start to the clip's first frame", first);
        std::printf("target: at most 50 ms more than the bare engine's first frame (median %.1f ms): %s\n\n",
                    bare.median, first.median <= bare.median + 50 ? "met" : "MISSED");

        if (!o.singlePlayer.empty()) {
            ChildProcess player;
            watcher.Forget();
            if (!player.Start({o.singlePlayer, o.clip}, 0) || watcher.WaitForMap(player, 10000) < 0) return 1;
            const Window window = watcher.LastMapped();
            if (watcher.WaitForColour(window, MapWatcher::Colour::Yellow, 0.03, player, 10000) < 0) return 1;
            std::vector<double> switches;
            for (int i = 0; i < o.runs; ++i) {
                const bool toGreen = i % 2 == 0;
                ChildProcess second;
                const double start = NowMs();
                if (!second.Start({o.singlePlayer, toGreen ? o.switchClip : o.clip}, 0)) return 1;
                const double shown =
                    toGreen ? watcher.WaitForColour(window, MapWatcher::Colour::Green, 0.4, player, 10000)
                            : watcher.WaitForColour(window, MapWatcher::Colour::Yellow, 0.03, player, 10000);
                while (!second.HasExited()) WaitDraining(second, 5);
                if (shown < 0) {
                    std::fprintf(stderr, "switch %d: the other clip never showed\n", i);
                    EndProcessTree(player);
                    return 1;
                }
                switches.push_back(shown - start);
            }
            EndProcessTree(player);
            const Summary switched = Summarize(switches);
            PrintSummary("second instance start to the new clip's first frame", switched);
            std::printf("target: at most 100 ms more than the bare engine's first frame: %s\n\n",
                        switched.median <= bare.median + 100 ? "met" : "MISSED");
        }
    }

    // --- Idle memory ----------------------------------------------------------
    {
        ChildProcess player;
        watcher.Forget();
        if (!player.Start({o.player}, 0) || watcher.WaitForMap(player, 10000) < 0) return 1;
        WaitDraining(player, 3000);
        const long rss = StatusKb(player.Pid(), "VmRSS");
        const long pss = StatusKb(player.Pid(), "Pss", "smaps_rollup");
        const double cpuBefore = ProcessCpuMs(player.Pid());
        WaitDraining(player, 10000);
        const double idleCpu = ProcessCpuMs(player.Pid()) - cpuBefore;
        EndProcessTree(player);
        std::printf("idle player: VmRSS %.1f MB, PSS %.1f MiB; CPU %.1f ms in 10 s (%.3f %% of one core)\n",
                    rss / 1024.0, pss / 1024.0, idleCpu, idleCpu / 100.0);
        std::printf("target: idle resident memory under 60 MB: %s\n\n", rss < 60 * 1024 ? "met" : "MISSED");
    }

    // --- Playing: the player with its engine, then the bare engine ----------
    // Sampling starts 5 s into the clip (after start-up and the first sizing)
    // and lasts `seconds`; the clip must be longer than 5 + seconds.
    double playerCpu = 0, engineCpu = 0, wall = 0;
    long playerRss = 0, playerPss = 0, engineRss = 0;
    {
        ChildProcess player;
        watcher.Forget();
        if (!player.Start({o.player, o.clip}, 0) || watcher.WaitForMap(player, 10000) < 0) return 1;
        WaitDraining(player, 5000);
        const std::vector<pid_t> engines = ChildPids(player.Pid());
        if (engines.empty()) {
            std::fprintf(stderr, "the player is not playing\n");
            EndProcessTree(player);
            return 1;
        }
        const pid_t engine = engines.front();
        const double start = NowMs();
        const double playerBefore = ProcessCpuMs(player.Pid());
        const double engineBefore = ProcessCpuMs(engine);
        WaitDraining(player, o.seconds * 1000);
        wall = NowMs() - start;
        playerCpu = ProcessCpuMs(player.Pid()) - playerBefore;
        engineCpu = ProcessCpuMs(engine) - engineBefore;
        playerRss = StatusKb(player.Pid(), "VmRSS");
        playerPss = StatusKb(player.Pid(), "Pss", "smaps_rollup");
        engineRss = StatusKb(engine, "VmRSS");
        const bool stillPlaying = !ChildPids(player.Pid()).empty();
        EndProcessTree(player);
        if (!stillPlaying) {
            std::fprintf(stderr, "the clip ended before the measurement did\n");
            return 1;
        }
    }
    double bareCpu = 0, bareWall = 0;
    long bareRss = 0;
    {
        ChildProcess engine;
        if (!engine.Start(bareArgs, 0)) return 1;
        WaitDraining(engine, 5000);
        const double start = NowMs();
        const double before = ProcessCpuMs(engine.Pid());
        WaitDraining(engine, o.seconds * 1000);
        bareWall = NowMs() - start;
        bareCpu = ProcessCpuMs(engine.Pid()) - before;
        bareRss = StatusKb(engine.Pid(), "VmRSS");
        engine.Terminate();
    }
    const auto perMinute = [](double cpu, double ms) { return cpu * 60000.0 / ms; };
    std::printf("playing, sampled over %.1f s from 5 s into the clip\n", wall / 1000.0);
    std::printf(
        "player (all its timers)   VmRSS %6.1f MB  CPU %7.1f ms per minute = %6.3f %% of one core (PSS %.1f MiB)\n",
        playerRss / 1024.0, perMinute(playerCpu, wall), 100.0 * playerCpu / wall, playerPss / 1024.0);
    std::printf("its engine                VmRSS %6.1f MB  CPU %7.1f ms per minute = %6.3f %% of one core\n",
                engineRss / 1024.0, perMinute(engineCpu, wall), 100.0 * engineCpu / wall);
    std::printf("bare engine, same clip    VmRSS %6.1f MB  CPU %7.1f ms per minute = %6.3f %% of one core\n",
                bareRss / 1024.0, perMinute(bareCpu, bareWall), 100.0 * bareCpu / bareWall);
    std::printf("target: player under 1 %% of one core while playing: %s\n",
                100.0 * playerCpu / wall < 1.0 ? "met" : "MISSED");
    return 0;
}

}  // namespace
}  // namespace taleno::bench

int main(int argc, char** argv) {
    taleno::bench::Options o;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            o.runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--engine" && i + 1 < argc) {
            o.engine = argv[++i];
        } else if (arg == "--switch" && i + 2 < argc) {
            o.singlePlayer = argv[++i];
            o.switchClip = argv[++i];
        } else if (arg == "--seconds" && i + 1 < argc) {
            o.seconds = std::max(1.0, std::atof(argv[++i]));
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        std::fprintf(stderr,
                     "usage: bench_window PLAYER CLIP [--runs N] [--engine PATH] [--seconds S]"
                     " [--switch SINGLE-PLAYER CLIP2]\n");
        return 2;
    }
    o.player = positional[0];
    o.clip = positional[1];
    return taleno::bench::Run(o);
}
