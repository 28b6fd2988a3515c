#pragma once
// Counts of what the test process holds, for leak tests: open descriptors,
// threads, and whether an unreaped child is left.

#include <sys/wait.h>

#include <cerrno>
#include <filesystem>

namespace taleno::testsupport {

inline int CountEntries(const char* folder) {
    int count = 0;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator(folder, error); !error && it != std::filesystem::directory_iterator();
         it.increment(error)) {
        ++count;
    }
    return count;
}

inline int OpenDescriptorCount() { return CountEntries("/proc/self/fd"); }
inline int ThreadCount() { return CountEntries("/proc/self/task"); }

// True when the process has a child that ended and was never reaped.
inline bool HasUnreapedChild() {
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0;
}

}  // namespace taleno::testsupport
