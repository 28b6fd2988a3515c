#include "platform/QtPlatformChoice.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace taleno {

QtPlatformChoice ChooseQtPlatform(const std::string& qpaPlatform, bool xReachable) {
    // Qt reads a list ("wayland;xcb") and platform arguments after a colon
    // ("wayland:option"); any Wayland choice is one that would give no X11
    // video window.
    const bool askedForWayland = qpaPlatform.rfind("wayland", 0) == 0;
    if (!qpaPlatform.empty() && !askedForWayland) {
        return QtPlatformChoice::Keep;
    }
    return xReachable ? QtPlatformChoice::UseXcb : QtPlatformChoice::NoDisplay;
}

namespace {

xcb_connection_t* probe = nullptr;

}  // namespace

bool XDisplayReachable() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return false;
    }
    ReleaseDisplayProbe();
    probe = xcb_connect(display, nullptr);
    const bool reachable = xcb_connection_has_error(probe) == 0;
    if (!reachable) {
        ReleaseDisplayProbe();
    }
    return reachable;
}

void ReleaseDisplayProbe() {
    if (probe != nullptr) {
        xcb_disconnect(probe);
        probe = nullptr;
    }
}

bool SelectQtPlatform() {
    const char* asked = std::getenv("QT_QPA_PLATFORM");
    const std::string qpaPlatform = asked != nullptr ? asked : "";
    // An explicit non-Wayland choice needs no connection test.
    if (ChooseQtPlatform(qpaPlatform, true) == QtPlatformChoice::Keep) {
        return true;
    }
    switch (ChooseQtPlatform(qpaPlatform, XDisplayReachable())) {
    case QtPlatformChoice::UseXcb: return ::setenv("QT_QPA_PLATFORM", "xcb", 1) == 0;
    case QtPlatformChoice::NoDisplay: return false;
    case QtPlatformChoice::Keep: break;
    }
    return true;
}

}  // namespace taleno
