#pragma once
// Changes to X11 windows made directly on the X connection instead of through
// Qt's window flags. Qt destroys and recreates a top-level window (and with
// it every native child window inside) when its stays-on-top flag changes or
// when a window whose flag changed is shown again; the engine draws into a
// child window by its id, so that id must stay valid while the engine runs.

#include <QtGui/qwindowdefs.h>

#include <cstdint>

namespace taleno {

// Asks the window manager to keep the top-level window above other windows,
// or to stop doing so: the _NET_WM_STATE client message with
// _NET_WM_STATE_ABOVE. A window that is not mapped also gets the state
// written into its _NET_WM_STATE property, where the window manager looks
// when the window is mapped. Returns false without an X11 connection or when
// the window does not exist.
bool SetAlwaysOnTop(WId window, bool on);

// Lets the X server fill the window with the colour rgb (0xRRGGBB) whenever
// part of it is exposed or the window is resized (nothing of an old picture
// is kept), so no client has to paint it, and clears the window to that
// colour now. Returns false without an X11 connection or when the
// window does not exist.
bool SetWindowBackground(WId window, std::uint32_t rgb);

}  // namespace taleno
