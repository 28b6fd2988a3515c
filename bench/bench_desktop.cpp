// What a user sees on a desktop, for Taleno beside the bare engine and other
// players, run on the X display in $DISPLAY (bench/run.sh runs it once with
// a window manager, openbox, and once without):
//  - window shown: from the start of the process until the first top-level
//    window is mapped (with a window manager, the frame it puts around the
//    window; without one, the window itself);
//  - first frame: from the start until the clip's test picture is on the
//    screen inside one of the windows the process mapped: at least
//    kYellowPixels of the picture's yellow bar, pixels read every 10 ms;
//  - for Taleno alone, the timeline of one start (process start, first X
//    connection, top-level window created and mapped, engine started, its
//    first output, "Starting playback", first frame), the engine's side
//    read from an strace of the player that traces only execve, connect and
//    write (a seccomp filter, so the rest runs at full speed);
//  - the switch: a second instance of a single-instance Taleno hands
//    another clip over; done when that clip's green fills the first
//    player's window.
// Rounds are interleaved: each round starts every player once, in an order
// that turns from round to round.
//
// Usage: bench_desktop CLIP [--runs N] [--as UID] [--player NAME=ARGV...]...
//          [--window-only NAME=ARGV]... [--timeline TALENO-ARGV]
//          [--switch SINGLE-TALENO GREEN-CLIP]
// Each player's argument vector is given blank-separated, without the clip
// (it is appended). A --window-only program gets no clip and only its
// window is timed (the Qt floor). With --as, every process runs as that user
// (setpriv), as a desktop user's would.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BenchUtil.h"
#include "WindowBench.h"
#include "platform/ChildProcess.h"

namespace taleno::bench {
namespace {

// The test picture's yellow bar: a seventh of a 640x360 picture is 33,000
// pixels; 6,000 are there once the picture is, whatever a player's window
// around it holds.
constexpr long kYellowPixels = 6000;

double WallMs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

class Screen : public RootWindowWatch {
public:
    // Forgets what was seen before a start.
    void Reset() {
        Forget();
        mapped.clear();
        created = shown = -1;
    }

    // Reads the root window's events: top-level windows created and mapped.
    void Pump() {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && !event.xcreatewindow.override_redirect && created < 0) {
                created = WallMs();
            } else if (event.type == MapNotify && !event.xmap.override_redirect &&
                       event.xmap.event == DefaultRootWindow(display)) {
                if (shown < 0) shown = WallMs();
                mapped.push_back(event.xmap.window);
            }
        }
    }

    // Waits until a mapped window holds the colour (yellow: the test
    // picture; green: the switch clip over at least 40 % of the window),
    // draining `child`. The moment (WallMs), or -1 after timeoutMs.
    double WaitForPicture(ChildProcess& child, bool green, double timeoutMs, Window only = 0) {
        const double end = WallMs() + timeoutMs;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        double nextGrab = 0;
        while (WallMs() < end) {
            Pump();
            Drain(child);
            if (WallMs() >= nextGrab) {
                nextGrab = WallMs() + 10;
                const std::vector<Window> windows = only != 0 ? std::vector<Window>{only} : mapped;
                for (const Window window : windows) {
                    if (Shows(window, green)) return WallMs();
                }
            }
            poll(&fd, 1, 1);
        }
        return -1;
    }

    // Waits until a top-level window is mapped, draining `child`. The
    // moment (WallMs), or -1 after timeoutMs.
    double WaitForMap(ChildProcess& child, double timeoutMs) {
        const double end = WallMs() + timeoutMs;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        while (shown < 0 && WallMs() < end) {
            Pump();
            Drain(child);
            poll(&fd, 1, 1);
        }
        return shown;
    }

    double created = -1, shown = -1;
    std::vector<Window> mapped;

private:
    bool Shows(Window window, bool green) {
        XImage* image = GrabOnScreen(window);
        if (image == nullptr) return false;
        long matching = 0, all = 0;
        for (int y = 0; y < image->height; y += 2) {
            for (int x = 0; x < image->width; x += 2) {
                const unsigned long pixel = XGetPixel(image, x, y);
                const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
                matching += green ? r < 80 && g > 150 && b < 80 : r > 180 && g > 180 && b < 80;
                ++all;
            }
        }
        XDestroyImage(image);
        return green ? matching >= all * 4 / 10 : matching * 4 >= kYellowPixels;
    }
};

// Ends a player and whatever it started, and lets its windows go and the
// caches settle before the next start.
void End(ChildProcess& process) {
    EndProcessTree(process);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

struct Player {
    std::string name;
    std::vector<std::string> argv;
    bool windowOnly = false;  // shows no clip: only its window is timed
};

struct Options {
    std::string clip;
    std::vector<Player> players;
    std::vector<std::string> timeline;
    std::string single, green;
    std::string user;
    int runs = 5;
};

std::vector<std::string> AsUser(const Options& o, std::vector<std::string> argv) {
    if (o.user.empty()) return argv;
    std::vector<std::string> prefixed{"/usr/bin/setpriv", "--reuid=" + o.user, "--regid=" + o.user, "--clear-groups"};
    prefixed.insert(prefixed.end(), argv.begin(), argv.end());
    return prefixed;
}

// One start of a player: {window shown, first frame}, ms from the start; -1
// for what never came.
std::pair<double, double> TimeStart(Screen& screen, const Options& o, const Player& started) {
    std::vector<std::string> argv = started.argv;
    if (!started.windowOnly) argv.push_back(o.clip);
    ChildProcess player;
    screen.Reset();
    const double start = WallMs();
    if (!player.Start(AsUser(o, argv), 0)) return {-1, -1};
    const double frame = started.windowOnly ? -1 : screen.WaitForPicture(player, false, 15000);
    if (started.windowOnly) screen.WaitForMap(player, 15000);
    const double shown = screen.shown;
    End(player);
    return {shown < 0 ? -1 : shown - start, frame < 0 ? -1 : frame - start};
}

// The moments of one start of Taleno under strace, from its trace and the
// screen: name -> ms after the player's exec.
std::map<std::string, double> Timeline(Screen& screen, const Options& o, const std::string& trace) {
    std::vector<std::string> argv{
        "/usr/bin/strace", "--seccomp-bpf", "-f", "-ttt", "-e", "trace=execve,connect,write", "-s", "40", "-o", trace};
    for (const std::string& word : AsUser(o, o.timeline)) argv.push_back(word);
    argv.push_back(o.clip);
    ChildProcess player;
    screen.Reset();
    if (!player.Start(argv, 0)) return {};
    const double frame = screen.WaitForPicture(player, false, 15000);
    const double created = screen.created, shown = screen.shown;
    End(player);
    std::map<std::string, double> at;
    std::ifstream in(trace);
    const std::regex line(R"((\d+) +(\d+\.\d+) (.*))");  // strace pads the pid
    std::set<std::string> engines;
    std::string playerPid;
    double exec = -1;
    for (std::string text; std::getline(in, text);) {
        std::smatch m;
        if (!std::regex_match(text, m, line)) continue;
        const std::string pid = m[1], call = m[3];
        const double t = std::stod(m[2]) * 1000.0;
        const auto mark = [&](const char* name) {
            if (!at.count(name)) at[name] = t;
        };
        if (call.starts_with("execve(") && call.find("taleno") != std::string::npos && exec < 0) {
            exec = t, playerPid = pid;
        } else if (call.starts_with("execve(") && call.find("mplayer") != std::string::npos) {
            engines.insert(pid);
            mark("engine started");
        } else if (pid == playerPid && call.find("X11-unix") != std::string::npos) {
            mark("first X connection");
        } else if (engines.count(pid) && call.starts_with("write(1,")) {
            mark("engine's first output");
            if (call.find("Starting playback") != std::string::npos) mark("engine: \"Starting playback\"");
        }
    }
    if (exec < 0) return {};
    for (auto& [name, t] : at) t -= exec;
    if (created >= 0) at["top-level window created"] = created - exec;
    if (shown >= 0) at["window mapped"] = shown - exec;
    if (frame >= 0) at["first frame on the screen"] = frame - exec;
    return at;
}

// Where a switch's time goes: the first player runs under strace (execve,
// accept4, write and exit_group only); for each switch, the first of each
// mark after the second instance's start, ms after it, medians.
void SwitchTimeline(Screen& screen, const Options& o) {
    const std::string trace = "/tmp/taleno-bench-switch.trace";
    std::vector<std::string> argv{"/usr/bin/strace",
                                  "--seccomp-bpf",
                                  "-f",
                                  "-ttt",
                                  "-e",
                                  "trace=execve,accept4,write,exit_group",
                                  "-s",
                                  "40",
                                  "-o",
                                  trace};
    for (const std::string& word : AsUser(o, {o.single, o.clip})) argv.push_back(word);
    ChildProcess first;
    screen.Reset();
    if (!first.Start(argv, 0) || screen.WaitForPicture(first, false, 15000) < 0) return;
    const Window window = screen.mapped.front();
    std::vector<double> starts, done;
    for (int i = 0; i < o.runs; ++i) {
        const bool toGreen = i % 2 == 0;
        ChildProcess second;
        starts.push_back(WallMs());
        if (!second.Start(AsUser(o, {o.single, toGreen ? o.green : o.clip}), 0)) break;
        done.push_back(screen.WaitForPicture(first, toGreen, 10000, window));
        while (!second.HasExited()) Drain(second);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    End(first);
    std::vector<std::pair<double, std::string>> events;  // (ms, mark)
    std::set<std::string> engines;
    std::ifstream in(trace);
    const std::regex line(R"((\d+) +(\d+\.\d+) (.*))");
    for (std::string text; std::getline(in, text);) {
        std::smatch m;
        if (!std::regex_match(text, m, line)) continue;
        const std::string pid = m[1], call = m[3];
        const double t = std::stod(m[2]) * 1000.0;
        if (call.starts_with("execve(") && call.find("mplayer") != std::string::npos) {
            engines.insert(pid);
            events.emplace_back(t, "new engine started");
        } else if (engines.count(pid) && call.starts_with("write(1,") &&
                   call.find("Starting playback") != std::string::npos) {
            events.emplace_back(t, "new engine: \"Starting playback\"");
        } else if (engines.count(pid) && call.starts_with("exit_group(")) {
            events.emplace_back(t, "old engine ended");
        } else if (!engines.count(pid) && call.starts_with("accept4(") && call.find("= -1") == std::string::npos) {
            events.emplace_back(t, "hand-off accepted");
        } else if (!engines.count(pid) && call.starts_with("write(") && call.find("\"quit\\n\"") != std::string::npos) {
            events.emplace_back(t, "old engine told \"quit\"");
        }
    }
    std::map<std::string, std::vector<double>> marks;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const double end = i + 1 < starts.size() ? starts[i + 1] : 1e18;
        std::set<std::string> seen;
        for (const auto& [t, name] : events) {
            if (t >= starts[i] && t < end && seen.insert(name).second) marks[name].push_back(t - starts[i]);
        }
        if (done[i] >= 0) marks["new clip's first frame on the screen"].push_back(done[i] - starts[i]);
    }
    std::vector<std::pair<double, std::string>> order;
    for (const auto& [name, values] : marks) order.emplace_back(Summarize(values).median, name);
    std::sort(order.begin(), order.end());
    std::printf("\nthe switch, %zu runs with the first player under strace, median ms after the second's start\n",
                starts.size());
    for (const auto& [median, name] : order) std::printf("%8.1f  %s\n", median, name.c_str());
}

int Run(const Options& o) {
    Screen screen;
    if (!screen.Open()) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const std::size_t n = o.players.size();
    std::vector<std::vector<double>> shown(n), frames(n);
    for (int round = 0; round < o.runs + 1; ++round) {
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t i = (k + round) % n;
            const auto [s, f] = TimeStart(screen, o, o.players[i]);
            if (round == 0) continue;  // warms the page cache and the fonts
            if (s < 0 || (f < 0 && !o.players[i].windowOnly))
                std::fprintf(stderr, "%s, round %d: no %s\n", o.players[i].name.c_str(), round,
                             s < 0 ? "window" : "picture");
            if (s >= 0) shown[i].push_back(s);
            if (f >= 0) frames[i].push_back(f);
        }
    }
    std::printf("%d rounds, median (quartiles) in ms\n", o.runs);
    std::printf("%-14s %-26s %-26s\n", "player", "window shown", "first frame");
    for (std::size_t i = 0; i < n; ++i) {
        const auto cell = [](const std::vector<double>& v) {
            if (v.empty()) return std::string("-");
            const Summary s = Summarize(v);
            char text[64];
            std::snprintf(text, sizeof text, "%.0f (%.0f-%.0f)", s.median, s.q1, s.q3);
            return std::string(text);
        };
        std::printf("%-14s %-26s %-26s\n", o.players[i].name.c_str(), cell(shown[i]).c_str(), cell(frames[i]).c_str());
    }

    if (!o.timeline.empty()) {
        std::map<std::string, std::vector<double>> marks;
        for (int run = 0; run < o.runs; ++run) {
            for (const auto& [name, t] : Timeline(screen, o, "/tmp/taleno-bench-timeline.trace")) {
                marks[name].push_back(t);
            }
        }
        std::vector<std::pair<double, std::string>> order;
        for (const auto& [name, values] : marks) order.emplace_back(Summarize(values).median, name);
        std::sort(order.begin(), order.end());
        std::printf("\nTaleno's start, %d runs under strace (execve, connect, write only), median ms after exec\n",
                    o.runs);
        for (const auto& [median, name] : order) std::printf("%8.1f  %s\n", median, name.c_str());
    }

    if (!o.single.empty()) {
        ChildProcess first;
        screen.Reset();
        if (!first.Start(AsUser(o, {o.single, o.clip}), 0) || screen.WaitForPicture(first, false, 15000) < 0) {
            std::fprintf(stderr, "the single-instance player did not play\n");
            return 1;
        }
        const Window window = screen.mapped.front();
        std::vector<double> switches;
        for (int i = 0; i < o.runs; ++i) {
            const bool toGreen = i % 2 == 0;
            ChildProcess second;
            const double start = WallMs();
            if (!second.Start(AsUser(o, {o.single, toGreen ? o.green : o.clip}), 0)) return 1;
            const double done = toGreen ? screen.WaitForPicture(first, true, 10000, window)
                                        : screen.WaitForPicture(first, false, 10000, window);
            while (!second.HasExited()) Drain(second);
            if (done < 0) {
                std::fprintf(stderr, "switch %d: the other clip never showed\n", i);
                End(first);
                return 1;
            }
            switches.push_back(done - start);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        End(first);
        PrintSummary("\nswitch: second instance start to the new clip's first frame", Summarize(switches));
        if (!o.timeline.empty()) SwitchTimeline(screen, o);
    }
    return 0;
}

}  // namespace
}  // namespace taleno::bench

int main(int argc, char** argv) {
    taleno::bench::Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            o.runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--as" && i + 1 < argc) {
            o.user = argv[++i];
        } else if ((arg == "--player" || arg == "--window-only") && i + 1 < argc) {
            const std::string given = argv[++i];
            const std::size_t equals = given.find('=');
            o.players.push_back(
                {given.substr(0, equals), taleno::bench::Words(given.substr(equals + 1)), arg == "--window-only"});
        } else if (arg == "--timeline" && i + 1 < argc) {
            o.timeline = taleno::bench::Words(argv[++i]);
        } else if (arg == "--switch" && i + 2 < argc) {
            o.single = argv[++i];
            o.green = argv[++i];
        } else if (o.clip.empty()) {
            o.clip = arg;
        } else {
            o.clip.clear();
            break;
        }
    }
    if (o.clip.empty()) {
        std::fprintf(
            stderr,
            "usage: bench_desktop CLIP [--runs N] [--as UID] [--player NAME=ARGV]... [--window-only NAME=ARGV]... "
            "[--timeline TALENO-ARGV] [--switch SINGLE-TALENO GREEN-CLIP]\n");
        return 2;
    }
    return taleno::bench::Run(o);
}
