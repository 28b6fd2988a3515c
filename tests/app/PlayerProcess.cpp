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

std::pair<int, int> XDisplay::Size(unsigned long window) const {
    auto* x = static_cast<Display*>(display);
    XWindowAttributes attributes{};
    if (x == nullptr || window == 0 || XGetWindowAttributes(x, window, &attributes) == 0) return {0, 0};
    return {attributes.width, attributes.height};
}

std::map<std::string, std::array<int, 4>> XDisplay::ManagedFrames(pid_t pid) const {
    std::map<std::string, std::array<int, 4>> frames;
    auto* x = static_cast<Display*>(display);
    if (x == nullptr) return frames;
    const Window root = DefaultRootWindow(x);
    const std::string clients = Property(x, root, XInternAtom(x, "_NET_CLIENT_LIST", False), XA_WINDOW);
    const Atom pidAtom = XInternAtom(x, "_NET_WM_PID", False);
    const Atom extentsAtom = XInternAtom(x, "_NET_FRAME_EXTENTS", False);
    for (std::size_t at = 0; at + sizeof(long) <= clients.size(); at += sizeof(long)) {
        const Window window = static_cast<Window>(*reinterpret_cast<const long*>(clients.data() + at));
        const std::string owner = Property(x, window, pidAtom, XA_CARDINAL);
        const std::string extents = Property(x, window, extentsAtom, XA_CARDINAL);
        XWindowAttributes attributes{};
        int left = 0, top = 0;
        Window child = 0;
        if (owner.size() < sizeof(long) || *reinterpret_cast<const long*>(owner.data()) != pid ||
            extents.size() < 4 * sizeof(long) || XGetWindowAttributes(x, window, &attributes) == 0 ||
            attributes.map_state != IsViewable || !XTranslateCoordinates(x, window, root, 0, 0, &left, &top, &child)) {
            continue;
        }
        const long* edge = reinterpret_cast<const long*>(extents.data());  // left, right, top, bottom
        frames[Title(window)] = {left - int(edge[0]), top - int(edge[2]), attributes.width + int(edge[0] + edge[1]),
                                 attributes.height + int(edge[2] + edge[3])};
    }
    return frames;
}

}  // namespace taleno::test
