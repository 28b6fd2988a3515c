#include "platform/WorkerThread.h"

#include <chrono>
#include <system_error>

namespace taleno {

WorkerThread::~WorkerThread() { WaitForEnd(-1); }

bool WorkerThread::Start(std::function<void()> body) {
    if (!WaitForEnd(0)) {
        return false;
    }
    {
        std::lock_guard lock(mutex_);
        running_ = true;
    }
    try {
        thread_ = std::thread([this, body = std::move(body)] {
            body();
            {
                std::lock_guard lock(mutex_);
                running_ = false;
            }
            ended_.notify_all();
        });
    } catch (const std::system_error&) {
        std::lock_guard lock(mutex_);
        running_ = false;
        return false;
    }
    return true;
}

bool WorkerThread::IsRunning() const {
    std::lock_guard lock(mutex_);
    return running_;
}

bool WorkerThread::WaitForEnd(int timeoutMs) {
    {
        std::unique_lock lock(mutex_);
        auto hasEnded = [this] { return !running_; };
        if (timeoutMs < 0) {
            ended_.wait(lock, hasEnded);
        } else if (!ended_.wait_for(lock, std::chrono::milliseconds(timeoutMs), hasEnded)) {
            return false;
        }
    }
    // The function has returned; what is left of the thread ends at once.
    if (thread_.joinable()) {
        thread_.join();
    }
    return true;
}

}  // namespace taleno
