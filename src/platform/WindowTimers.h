#pragma once
// Window timers on Qt's event loop.
//
// A WindowTimers object owns a set of timers named by small ids, as a window
// owns its timers: SetTimer starts (or, for an id already running, restarts)
// the timer with a period; each time a period passes, the handler is called
// with the id on the thread that created the object (the user-interface
// thread), from its event loop. KillTimer stops an id; killing an id that is
// not running does nothing. The handler may set and kill timers, its own id
// included. Periods below 10 ms are raised to 10 ms.
//
// Use from the creating thread only. Destroying the object kills its timers.

#include <functional>
#include <memory>

namespace taleno {

class WindowTimers {
public:
    explicit WindowTimers(std::function<void(unsigned id)> onTimer);
    ~WindowTimers();
    WindowTimers(const WindowTimers&) = delete;
    WindowTimers& operator=(const WindowTimers&) = delete;

    // False when the event loop cannot make a timer (no application object).
    bool SetTimer(unsigned id, int periodMs);
    void KillTimer(unsigned id);
    bool IsTimerRunning(unsigned id) const;

private:
    class Clock;
    std::unique_ptr<Clock> clock_;
};

}  // namespace taleno
