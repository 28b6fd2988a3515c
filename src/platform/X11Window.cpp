#include "platform/X11Window.h"

#include <QtGui/qguiapplication_platform.h>
#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace taleno {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

// Takes a reply and drops the error, if any, so that a window that has gone
// is a plain failure here and not an error event in Qt's queue.
template <typename T>
XcbReply<T> Take(T* reply, xcb_generic_error_t* error) {
    std::free(error);
    return XcbReply<T>(reply);
}

// Qt's own connection, so our requests are ordered after the ones Qt made
// to create the window.
xcb_connection_t* Connection() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app == nullptr) {
        return nullptr;
    }
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_generic_error_t* error = nullptr;
    auto reply = Take(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), &error),
        error);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

XcbReply<xcb_get_window_attributes_reply_t> Attributes(xcb_connection_t* c, xcb_window_t window) {
    xcb_generic_error_t* error = nullptr;
    auto reply = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), &error);
    return Take(reply, error);
}

// Adds or removes one atom in the window's _NET_WM_STATE list.
void EditStateProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t stateAtom, xcb_atom_t value, bool on) {
    std::vector<xcb_atom_t> atoms;
    xcb_generic_error_t* error = nullptr;
    auto reply = Take(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, stateAtom, XCB_ATOM_ATOM, 0, 1024), &error), error);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* data = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        atoms.assign(data, data + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t));
    }
    std::erase(atoms, value);
    if (on) {
        atoms.push_back(value);
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, stateAtom, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
}

}  // namespace

bool SetAlwaysOnTop(WId id, bool on) {
    xcb_connection_t* c = Connection();
    const auto window = static_cast<xcb_window_t>(id);
    if (c == nullptr || window == XCB_WINDOW_NONE) {
        return false;
    }
    xcb_generic_error_t* error = nullptr;
    auto geometry = Take(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), &error), error);
    auto attributes = Attributes(c, window);
    if (!geometry || !attributes) {
        return false;
    }
    const xcb_atom_t stateAtom = Atom(c, "_NET_WM_STATE");
    const xcb_atom_t aboveAtom = Atom(c, "_NET_WM_STATE_ABOVE");
    if (stateAtom == XCB_ATOM_NONE || aboveAtom == XCB_ATOM_NONE) {
        return false;
    }
    if (attributes->map_state == XCB_MAP_STATE_UNMAPPED) {
        EditStateProperty(c, window, stateAtom, aboveAtom, on);
    }

    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = stateAtom;
    event.data.data32[0] = on ? 1 : 0;  // _NET_WM_STATE_ADD / _NET_WM_STATE_REMOVE
    event.data.data32[1] = aboveAtom;
    event.data.data32[2] = 0;
    event.data.data32[3] = 1;  // the request comes from an application
    xcb_send_event(c, 0, geometry->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    return true;
}

bool SetWindowBackground(WId id, std::uint32_t rgb) {
    xcb_connection_t* c = Connection();
    const auto window = static_cast<xcb_window_t>(id);
    if (c == nullptr || window == XCB_WINDOW_NONE) {
        return false;
    }
    auto attributes = Attributes(c, window);
    if (!attributes) {
        return false;
    }
    // The pixel value of the colour in the window's own colour map; on a
    // true-colour visual that is the colour itself.
    std::uint32_t pixel = rgb;
    const auto red = static_cast<std::uint16_t>(((rgb >> 16) & 0xFF) * 257);
    const auto green = static_cast<std::uint16_t>(((rgb >> 8) & 0xFF) * 257);
    const auto blue = static_cast<std::uint16_t>((rgb & 0xFF) * 257);
    xcb_generic_error_t* error = nullptr;
    auto colour =
        Take(xcb_alloc_color_reply(c, xcb_alloc_color(c, attributes->colormap, red, green, blue), &error), error);
    if (colour) {
        pixel = colour->pixel;
    }
    // Forget gravity: when the window grows or shrinks, the X server clears
    // it to that colour instead of keeping an old picture in a corner.
    const std::uint32_t values[] = {pixel, XCB_GRAVITY_BIT_FORGET};
    xcb_change_window_attributes(c, window, XCB_CW_BACK_PIXEL | XCB_CW_BIT_GRAVITY, values);
    xcb_clear_area(c, 0, window, 0, 0, 0, 0);
    xcb_flush(c);
    return true;
}

}  // namespace taleno
