#pragma once
// Which Qt platform the player runs on. The engine draws into an X11 window
// whose id it is given, so the player must be an X11 client: on a Wayland
// desktop it runs through Xwayland. Decided before the application object
// exists, from the environment Qt would read.

#include <string>

namespace taleno {

enum class QtPlatformChoice {
    Keep,       // an explicit choice other than Wayland (xcb, offscreen, ...)
    UseXcb,     // run on "xcb": nothing chosen, or Wayland asked for
    NoDisplay,  // nothing to draw on: end with kNoDisplayMessage
};

inline constexpr const char* kNoDisplayMessage = "Taleno needs an X11 display (or Xwayland)";

// qpaPlatform: the value of QT_QPA_PLATFORM ("" when unset); xReachable:
// whether an X display answers.
QtPlatformChoice ChooseQtPlatform(const std::string& qpaPlatform, bool xReachable);

// Whether the X display named by $DISPLAY accepts a connection. The
// connection stays open until ReleaseDisplayProbe: an X server with no other
// client resets when its last one leaves (Xvfb and a bare Xorg do unless
// started with -noreset), and for a moment refuses the next, which would be
// Qt's own.
bool XDisplayReachable();

// Closes the connection XDisplayReachable left open, once Qt has its own.
void ReleaseDisplayProbe();

// Applies the choice to the environment of this process: sets
// QT_QPA_PLATFORM to "xcb" when it must. False when there is no display.
bool SelectQtPlatform();

}  // namespace taleno
