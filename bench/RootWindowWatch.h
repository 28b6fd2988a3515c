#pragma once
// What the window benchmarks share: an X client of the display in $DISPLAY
// that watches the root window's children (SubstructureNotify), so it sees
// the top-level windows the programs it starts create and map, and the
// draining of a started program's output, so its pipe never fills.

#include <X11/Xlib.h>

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
    Display* display = nullptr;
};

// Reads and discards what a child has written.
inline void Drain(ChildProcess& child) {
    char peek[80];
    while (child.Peek(peek, sizeof peek) > 0) child.ReadByte();
}

}  // namespace taleno::bench
