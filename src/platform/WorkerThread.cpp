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
        std::lock_guard lock(mutex);
        running = true;
    }
    try {
        thread = std::thread([this, body = std::move(body)] {
            body();
            {
                std::lock_guard lock(mutex);
                running = false;
            }
            ended.notify_all();
        });
    } catch (const std::system_error&) {
        std::lock_guard lock(mutex);
        running = false;
        return false;
    }
    return true;
}

bool WorkerThread::IsRunning() const {
    std::lock_guard lock(mutex);
    return running;
}

bool WorkerThread::WaitForEnd(int timeoutMs) {
    {
        std::unique_lock lock(mutex);
        auto hasEnded = [this] { return !running; };
        if (timeoutMs < 0) {
            ended.wait(lock, hasEnded);
        } else if (!ended.wait_for(lock, std::chrono::milliseconds(timeoutMs), hasEnded)) {
            return false;
        }
    }
    // The function has returned; what is left of the thread ends at once.
    if (thread.joinable()) {
        thread.join();
    }
    return true;
}

}  // namespace taleno
