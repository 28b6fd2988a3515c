#include "platform/ChildProcess.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

namespace taleno {

namespace {

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// Moves a descriptor to a number above 2, so that the child's dup2 calls onto
// 0, 1 and 2 can never overwrite one of its sources (this only happens when
// the player itself was started with a standard stream closed).
bool MoveAboveStdio(int& fd) {
    if (fd > 2) {
        return true;
    }
    int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    ::close(fd);
    fd = moved;
    return fd >= 0;
}

bool MakePipe(int ends[2]) {
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        ends[0] = ends[1] = -1;
        return false;
    }
    if (MoveAboveStdio(ends[0]) && MoveAboveStdio(ends[1])) {
        return true;
    }
    CloseFd(ends[0]);
    CloseFd(ends[1]);
    return false;
}

// Runs in the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecChild(char* const* argv, int niceness, int stdinFd, int outputFd, int reportFd, pid_t parent) {
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction deflt {};
    deflt.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &deflt, nullptr);  // the player ignores it; the engine must not inherit that

    ::setpgid(0, 0);
    // The engine ends with the player however the player ends (killed, its
    // display gone): otherwise it would play on, re-parented to init. The
    // signal comes when the thread that forked ends, so Start runs on the
    // user-interface thread, which lives as long as the player. A player
    // that died before this call is caught by the parent check.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) {
        ::_exit(127);
    }
    ::setpriority(PRIO_PROCESS, 0, niceness);  // refused raises leave the niceness as it was

    if (::dup2(stdinFd, 0) < 0 || ::dup2(outputFd, 1) < 0 || ::dup2(outputFd, 2) < 0) {
        int error = errno;
        (void)!::write(reportFd, &error, sizeof error);
        ::_exit(127);
    }
    // Descriptors opened elsewhere in the player without close-on-exec must
    // not reach the engine either.
    if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
        long last = ::sysconf(_SC_OPEN_MAX);
        for (int fd = 3; fd < std::min(last, 65536L); ++fd) {
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    ::execv(argv[0], argv);
    int error = errno;
    (void)!::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

}  // namespace

void IgnoreSigpipe() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, nullptr);
}

ChildProcess::ChildProcess() = default;

ChildProcess::~ChildProcess() {
    Terminate();
    CloseInput();
    CloseOutput();
}

bool ChildProcess::Start(const std::vector<std::string>& argv, int niceness) {
    if (argv.empty() || argv[0].empty() || !HasExited() || IsOutputOpen()) {
        return false;
    }
    {
        std::lock_guard lock(inputMutex);
        if (inputFd >= 0) {
            return false;
        }
    }
    IgnoreSigpipe();

    // Everything the child needs is prepared before fork: it may not allocate.
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    int input[2], output[2], report[2];
    if (!MakePipe(input)) {
        return false;
    }
    if (!MakePipe(output)) {
        CloseFd(input[0]);
        CloseFd(input[1]);
        return false;
    }
    if (!MakePipe(report)) {
        for (int* fd : {&input[0], &input[1], &output[0], &output[1]}) CloseFd(*fd);
        return false;
    }

    const pid_t parent = ::getpid();
    pid_t child = ::fork();
    if (child == 0) {
        ExecChild(args.data(), niceness, input[0], output[1], report[1], parent);
    }
    CloseFd(input[0]);
    CloseFd(output[1]);
    CloseFd(report[1]);

    bool started = child > 0;
    if (started) {
        // The report pipe closes on a successful exec; an error number arrives otherwise.
        int error = 0;
        ssize_t n;
        do {
            n = ::read(report[0], &error, sizeof error);
        } while (n < 0 && errno == EINTR);
        if (n > 0) {
            started = false;
            int status;
            while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
        }
    }
    CloseFd(report[0]);
    if (!started) {
        CloseFd(input[1]);
        CloseFd(output[0]);
        return false;
    }

    ::fcntl(output[0], F_SETFL, ::fcntl(output[0], F_GETFL) | O_NONBLOCK);
    {
        std::lock_guard lock(processMutex);
        pid.store(child);
        reaped = false;
        waitStatus = -1;
    }
    {
        std::lock_guard lock(inputMutex);
        inputFd = input[1];
        closeRequested = false;
    }
    outputFd = output[0];
    lookAhead.clear();
    return true;
}

int ChildProcess::Peek(char* buffer, int max) {
    if (max <= 0) {
        return 0;
    }
    auto wanted = static_cast<std::size_t>(max);
    if (outputFd >= 0 && lookAhead.size() < wanted) {
        char chunk[256];
        std::size_t room = std::min(wanted - lookAhead.size(), sizeof chunk);
        ssize_t n;
        do {
            n = ::read(outputFd, chunk, room);
        } while (n < 0 && errno == EINTR);
        if (n > 0) {
            lookAhead.insert(lookAhead.end(), chunk, chunk + n);
        }
    }
    std::size_t count = std::min(lookAhead.size(), wanted);
    if (buffer != nullptr) {
        std::copy_n(lookAhead.begin(), count, buffer);
    }
    return static_cast<int>(count);
}

int ChildProcess::ReadByte() {
    if (!lookAhead.empty()) {
        auto byte = static_cast<unsigned char>(lookAhead.front());
        lookAhead.erase(lookAhead.begin());
        return byte;
    }
    if (outputFd < 0) {
        return -1;
    }
    unsigned char byte;
    ssize_t n;
    do {
        n = ::read(outputFd, &byte, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1 ? byte : -1;
}

bool ChildProcess::Write(const char* data, std::size_t size) {
    int fd;
    {
        std::lock_guard lock(inputMutex);
        if (inputFd < 0 || closeRequested) {
            return false;
        }
        fd = inputFd;
        ++writersInside;
    }
    bool ok = true;
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    std::lock_guard lock(inputMutex);
    --writersInside;
    if (closeRequested && writersInside == 0) {
        CloseFd(inputFd);
        closeRequested = false;
    }
    return ok;
}

void ChildProcess::ReapLocked() {
    pid_t child = pid.load();
    int status = 0;
    pid_t r;
    do {
        r = ::waitpid(child, &status, 0);
    } while (r < 0 && errno == EINTR);
    // ECHILD: someone else reaped it; it has ended all the same.
    waitStatus = r == child ? status : -1;
    reaped = true;
}

bool ChildProcess::HasExited() {
    std::lock_guard lock(processMutex);
    if (reaped) {
        return true;
    }
    // Look without reaping, so the group id stays reserved while its
    // leftovers are killed.
    siginfo_t info{};
    pid_t child = pid.load();
    if (::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0) {
        if (info.si_pid == 0) {
            return false;
        }
        ::kill(-child, SIGKILL);
    } else if (errno != ECHILD) {
        // The request failed: count the child as ended, and make sure it is,
        // so that reaping cannot block.
        ::kill(-child, SIGKILL);
        ::kill(child, SIGKILL);
    }
    ReapLocked();
    return true;
}

bool ChildProcess::WaitForExit(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!HasExited()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void ChildProcess::Terminate() {
    std::lock_guard lock(processMutex);
    if (reaped) {
        return;
    }
    pid_t child = pid.load();
    if (::kill(-child, SIGKILL) != 0) {
        ::kill(child, SIGKILL);
    }
    ReapLocked();
}

int ChildProcess::ExitCode() {
    std::lock_guard lock(processMutex);
    if (!reaped || waitStatus < 0) {
        return -1;
    }
    if (WIFEXITED(waitStatus)) {
        return WEXITSTATUS(waitStatus);
    }
    return WIFSIGNALED(waitStatus) ? 128 + WTERMSIG(waitStatus) : -1;
}

void ChildProcess::CloseInput() {
    std::lock_guard lock(inputMutex);
    if (writersInside > 0) {
        closeRequested = inputFd >= 0;
    } else {
        CloseFd(inputFd);
    }
}

void ChildProcess::CloseOutput() {
    CloseFd(outputFd);
    lookAhead.clear();
}

bool ChildProcess::IsInputOpen() {
    std::lock_guard lock(inputMutex);
    return inputFd >= 0 && !closeRequested;
}

}  // namespace taleno
