#include "PlayerProcess.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace taleno::test {

namespace {

std::string Property(Display* display, Window window, Atom property, Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType, &format, &items, &remaining,
                           &data) != Success ||
        data == nullptr) {
        return std::string();
    }
    // Xlib hands 32-bit items over as longs.
    const std::size_t unit = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
    std::string value(reinterpret_cast<const char*>(data), items * unit);
    XFree(data);
    return value;
}

}  // namespace

XDisplay::XDisplay() : display(XOpenDisplay(nullptr)) {}

XDisplay::~XDisplay() {
    if (display != nullptr) XCloseDisplay(static_cast<Display*>(display));
}

std::vector<unsigned long> XDisplay::WindowsOf(pid_t pid) const {
    std::vector<unsigned long> found;
    auto* x = static_cast<Display*>(display);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (x == nullptr || XQueryTree(x, DefaultRootWindow(x), &root, &parent, &children, &count) == 0) return found;
    const Atom pidAtom = XInternAtom(x, "_NET_WM_PID", False);
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(x, children[i], &attributes) == 0 || attributes.map_state != IsViewable) continue;
        const std::string value = Property(x, children[i], pidAtom, XA_CARDINAL);
        if (value.size() >= sizeof(long) && *reinterpret_cast<const long*>(value.data()) == pid) {
            found.push_back(children[i]);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

std::string XDisplay::Title(unsigned long window) const {
    auto* x = static_cast<Display*>(display);
    if (x == nullptr) return std::string();
    return Property(x, window, XInternAtom(x, "_NET_WM_NAME", False), XInternAtom(x, "UTF8_STRING", False));
}

bool XDisplay::Exists(unsigned long window) const {
    auto* x = static_cast<Display*>(display);
    XWindowAttributes attributes{};
    return x != nullptr && window != 0 && XGetWindowAttributes(x, window, &attributes) != 0;
}

}  // namespace taleno::test
