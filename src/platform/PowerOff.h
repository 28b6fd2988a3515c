#pragma once
// The one place that asks the system to power the computer off: through
// systemd-logind on the system D-Bus (org.freedesktop.login1.Manager.PowerOff,
// not interactive). Only the program a user starts calls it; tests replace it
// with a recording stand-in.

namespace taleno {

// True when logind accepted the request; false when it is missing or refused.
bool RequestPowerOff();

}  // namespace taleno
