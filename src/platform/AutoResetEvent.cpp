#include "platform/AutoResetEvent.h"

#include <chrono>

namespace taleno {

void AutoResetEvent::Signal() {
    {
        std::lock_guard lock(mutex_);
        signalled_ = true;
    }
    changed_.notify_one();
}

bool AutoResetEvent::TryWait() {
    std::lock_guard lock(mutex_);
    bool was = signalled_;
    signalled_ = false;
    return was;
}

bool AutoResetEvent::Wait(int timeoutMs) {
    std::unique_lock lock(mutex_);
    auto isSet = [this] { return signalled_; };
    if (timeoutMs < 0) {
        changed_.wait(lock, isSet);
    } else if (!changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), isSet)) {
        return false;
    }
    signalled_ = false;
    return true;
}

}  // namespace taleno
