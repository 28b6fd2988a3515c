#pragma once
// The one place that asks the system to power the computer off: through
// systemd-logind on the system D-Bus (org.freedesktop.login1.Manager.PowerOff,
// not interactive). Only the program a user starts calls it; tests replace it
// with a recording stand-in.

#include <string>

namespace taleno {

struct PowerOffResult {
    bool accepted = false;
    // Why not, in words for the user, when it was not accepted.
    std::string reason;
};

// Accepted when logind took the request; otherwise the reason it was not:
// no system bus, nobody answering power-off requests, not allowed, no answer.
PowerOffResult RequestPowerOff();

}  // namespace taleno
