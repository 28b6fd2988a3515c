#pragma once
// A worker thread that runs one function and can be asked whether it is still
// running, waited for with a time limit, and joined. The thread's resources
// are released as soon as a wait sees it ended, so a stopped worker leaves
// nothing behind.
//
// The owner controls the thread from one thread; IsRunning may be asked from
// any. The function must end by itself (it is never interrupted): the
// destructor waits for it.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace taleno {

class WorkerThread {
public:
    WorkerThread() = default;
    ~WorkerThread();  // waits for the function to end; never throws
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts a thread running `body`. False when a thread of this object is
    // still running, or the system cannot create a thread. A thread that has
    // ended is joined first, so the object can be started again.
    bool Start(std::function<void()> body);

    // True from a successful Start until the function has returned.
    bool IsRunning() const;

    // Waits up to `timeoutMs` milliseconds (-1: no limit) for the function to
    // end. True when it has ended (the thread is then joined) or none was
    // started.
    bool WaitForEnd(int timeoutMs);

private:
    mutable std::mutex mutex;
    std::condition_variable ended;
    bool running = false;
    std::thread thread;
};

}  // namespace taleno
