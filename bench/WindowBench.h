#pragma once
// What the window benchmarks share: an X client of the display in $DISPLAY
// that watches the root window's children (SubstructureNotify), so it sees
// the top-level windows the programs it starts create and map, and reads
// their pixels; the draining of a started program's output, so its pipe
// never fills; its child processes; and its end.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "BenchUtil.h"
#include "platform/ChildProcess.h"

namespace taleno::bench {

class RootWindowWatch {
public:
    bool Open() {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) return false;
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        XSync(display, False);
        return true;
    }
    ~RootWindowWatch() {
        if (display != nullptr) XCloseDisplay(display);
    }

    // Drops every event seen so far, so that the next wait sees only new ones.
    void Forget() {
        XSync(display, False);
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
    }

protected:
    // The part of the window that is on the screen (a window as wide as the
    // screen, with a window manager's frame around it, reaches past it);
    // nullptr when it is not viewable. Free with XDestroyImage.
    XImage* GrabOnScreen(Window window) {
        XErrorHandler previous = XSetErrorHandler(IgnoreError);
        XWindowAttributes attributes{};
        XImage* image = nullptr;
        int x = 0, y = 0;
        Window unused;
        if (XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable &&
            XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &unused) != 0) {
            const int left = std::max(0, -x), top = std::max(0, -y);
            const int width = std::min(attributes.width, DisplayWidth(display, DefaultScreen(display)) - x) - left;
            const int height = std::min(attributes.height, DisplayHeight(display, DefaultScreen(display)) - y) - top;
            if (width > 0 && height > 0) {
                image = XGetImage(display, window, left, top, width, height, AllPlanes, ZPixmap);
            }
        }
        XSync(display, False);
        XSetErrorHandler(previous);
        return image;
    }

    Display* display = nullptr;

private:
    // Errors (a window that went away meanwhile) are answered by the calls'
    // results; they must not end the benchmark.
    static int IgnoreError(Display*, XErrorEvent*) { return 0; }
};

// Reads and discards what a child has written.
inline void Drain(ChildProcess& child) {
    char peek[80];
    while (child.Peek(peek, sizeof peek) > 0) child.ReadByte();
}

// Process ids whose parent is `parent`, from /proc.
inline std::vector<pid_t> ChildPids(pid_t parent) {
    std::vector<pid_t> children;
    std::unique_ptr<DIR, int (*)(DIR*)> proc(opendir("/proc"), closedir);
    if (!proc) return children;
    while (const dirent* entry = readdir(proc.get())) {
        const pid_t pid = std::atoi(entry->d_name);
        if (pid <= 0) continue;
        std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::size_t close = text.rfind(')');
        if (close == std::string::npos || close + 4 >= text.size()) continue;
        // After ") " come the state and the parent's id.
        if (std::atoi(text.c_str() + close + 4) == parent) children.push_back(pid);
    }
    return children;
}

// Ends a player as a desktop session would (SIGTERM closes its main window
// and stops its engine), then kills it and whatever it started, should they
// still run.
inline void EndProcessTree(ChildProcess& process) {
    std::vector<pid_t> all{process.Pid()};
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (const pid_t child : ChildPids(all[i])) all.push_back(child);
    }
    kill(process.Pid(), SIGTERM);
    const double end = NowMs() + 10000;
    while (!process.HasExited() && NowMs() < end) {
        Drain(process);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    process.Terminate();
    for (const pid_t pid : all) kill(pid, SIGKILL);
}

}  // namespace taleno::bench
