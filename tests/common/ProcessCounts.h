#pragma once
// Counts of what the test process holds, for leak tests: open descriptors,
// threads, and whether an unreaped child is left.

#include <sys/wait.h>

#include <filesystem>
#include <iterator>

namespace taleno::testsupport {

inline int CountEntries(const char* folder) {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

inline int OpenDescriptorCount() { return CountEntries("/proc/self/fd"); }
inline int ThreadCount() { return CountEntries("/proc/self/task"); }

// True when the process has a child that ended and was never reaped.
inline bool HasUnreapedChild() {
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0;
}

}  // namespace taleno::testsupport
