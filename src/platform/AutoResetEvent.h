#pragma once
// An event that resets itself: Signal sets it, and the one wait that sees it
// set also clears it. Signalling an event that is already set changes nothing
// (signals do not add up). Safe to use from any number of threads.

#include <condition_variable>
#include <mutex>

namespace taleno {

class AutoResetEvent {
public:
    void Signal();

    // Tests without waiting: true (and the event is reset) if it was set.
    bool TryWait();

    // Waits until the event is set, at most `timeoutMs` milliseconds (-1: no
    // limit). True (and the event is reset) if it was set in time.
    bool Wait(int timeoutMs);

private:
    std::mutex mutex;
    std::condition_variable changed;
    bool signalled = false;
};

}  // namespace taleno
