#include "platform/AutoResetEvent.h"

#include <chrono>

namespace taleno {

void AutoResetEvent::Signal() {
    {
        std::lock_guard lock(mutex);
        signalled = true;
    }
    changed.notify_one();
}

bool AutoResetEvent::TryWait() {
    std::lock_guard lock(mutex);
    bool was = signalled;
    signalled = false;
    return was;
}

bool AutoResetEvent::Wait(int timeoutMs) {
    std::unique_lock lock(mutex);
    auto isSet = [this] { return signalled; };
    if (timeoutMs < 0) {
        changed.wait(lock, isSet);
    } else if (!changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), isSet)) {
        return false;
    }
    signalled = false;
    return true;
}

}  // namespace taleno
