#pragma once
// Keeps the screen saver and monitor power saving off while a clip plays.
//
// The time-outs live in the running X session: the X server's screen-saver
// time-out and its DPMS standby, suspend and power-off time-outs. Changing
// them there affects this session only; nothing is written to the user's
// profile. While disabled, the guard also holds an inhibition through the
// desktop's org.freedesktop.ScreenSaver D-Bus service when the session bus
// offers one, so a desktop's own idle daemon keeps the screen on as well.
// Without an X display or a session bus the corresponding part does nothing.

#include <cstdint>
#include <string>

namespace taleno {

class CScreenSaverGuard {
public:
    CScreenSaverGuard() = default;
    // Puts the captured values back if the guard is still disabled and
    // releases the inhibition.
    ~CScreenSaverGuard();

    CScreenSaverGuard(const CScreenSaverGuard&) = delete;
    CScreenSaverGuard& operator=(const CScreenSaverGuard&) = delete;

    // Reads the current time-outs. While disabled it keeps what it read
    // before, so the values put back are never the guard's own zeros.
    void Capture();
    // Sets every captured time-out to 0 (never) and takes the D-Bus
    // inhibition. Does nothing to values that could not be captured.
    void Disable();
    // Writes back exactly what Capture read and releases the inhibition.
    void Restore();

private:
    // Tests read whether the guard keeps the screen on.
    friend class ScreenSaverGuardTestAccess;

    void Inhibit();
    void Uninhibit();

    // DPMS time-outs, in seconds.
    int lowPowerTimeout = 0;  // standby
    int suspendTimeout = 0;
    int powerOffTimeout = 0;
    // X screen saver: time-out and the settings written back with it.
    int screenSaveTimeout = 0;
    int screenSaveInterval = 0;
    int preferBlanking = 0;
    int allowExposures = 0;

    bool screenSaverCaptured = false;
    bool dpmsCaptured = false;
    bool disabled = false;

    // The D-Bus inhibition, tied to our own bus connection: the desktop drops
    // it by itself should the player die.
    bool inhibited = false;
    std::string busConnectionName;
    std::string inhibitPath;
    std::uint32_t inhibitCookie = 0;
};

}  // namespace taleno
