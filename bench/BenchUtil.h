#pragma once
// Small helpers shared by the benchmarks: a monotonic clock in microseconds,
// CPU times from getrusage and /proc, summaries of repeated timings, and a
// bare engine run read tightly from its output pipe.

#include <sys/resource.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/ChildProcess.h"

namespace taleno::bench {

inline double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

inline double ToMs(const timeval& tv) { return tv.tv_sec * 1000.0 + tv.tv_usec / 1000.0; }

// User plus system CPU time in milliseconds of this process (all threads) or
// of its reaped children.
inline double CpuMs(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return ToMs(usage.ru_utime) + ToMs(usage.ru_stime);
}

// User plus system CPU time in milliseconds of a running process, from
// /proc/<pid>/stat (fields 14 and 15, in clock ticks); -1 when unreadable.
inline double ProcessCpuMs(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    // Fields after the name start with field 3 (state); utime is field 14.
    for (int i = 3; i < 14 && fields >> field; ++i) {
    }
    long long utime = 0, stime = 0;
    if (!(fields >> utime >> stime)) return -1;
    return (utime + stime) * 1000.0 / sysconf(_SC_CLK_TCK);
}

// A "Key:   value kB" line of /proc/<pid>/status (or of another file of
// /proc/<pid>, such as smaps_rollup for "Pss") in kilobytes; -1 when absent.
inline long StatusKb(pid_t pid, const std::string& key, const char* file = "status") {
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            return std::stol(line.substr(key.size() + 1));
        }
    }
    return -1;
}

struct Summary {
    double median = 0, min = 0, max = 0, q1 = 0, q3 = 0;
    int count = 0;
};

inline double Quantile(const std::vector<double>& sorted, double q) {
    if (sorted.empty()) return 0;
    const double pos = q * (sorted.size() - 1);
    const std::size_t lo = static_cast<std::size_t>(pos);
    const std::size_t hi = std::min(lo + 1, sorted.size() - 1);
    return sorted[lo] + (sorted[hi] - sorted[lo]) * (pos - lo);
}

inline Summary Summarize(std::vector<double> values) {
    Summary s;
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    s.count = static_cast<int>(values.size());
    s.median = Quantile(values, 0.5);
    s.q1 = Quantile(values, 0.25);
    s.q3 = Quantile(values, 0.75);
    s.min = values.front();
    s.max = values.back();
    return s;
}

inline void PrintSummary(const char* label, const Summary& s) {
    std::printf("%-34s n=%2d  median %7.1f ms  IQR %7.1f..%7.1f  min %7.1f  max %7.1f\n", label, s.count, s.median,
                s.q1, s.q3, s.min, s.max);
}

// Starts the engine with `argv` and reads its output tightly (a peek every
// 0.1 ms) until a line holding `marker` has arrived. Returns the time from
// just before the start to that moment in milliseconds, -1 when the engine
// ended or `timeoutMs` passed first. The engine is killed afterwards.
inline double TimeBareEngineTo(const std::vector<std::string>& argv, int niceness, const std::string& marker,
                               double timeoutMs) {
    ChildProcess engine;
    const double start = NowMs();
    if (!engine.Start(argv, niceness)) return -1;
    std::string seen;
    char peek[80];
    double found = -1;
    while (found < 0 && NowMs() - start < timeoutMs) {
        const int waiting = engine.Peek(peek, sizeof peek);
        if (waiting == 0) {
            if (engine.HasExited() && engine.Peek(peek, sizeof peek) == 0) break;
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            continue;
        }
        for (int i = 0; i < waiting; ++i) seen.push_back(static_cast<char>(engine.ReadByte()));
        if (seen.find(marker) != std::string::npos) found = NowMs() - start;
        // Keep only a tail long enough to hold a marker split across reads.
        if (seen.size() > 4096) seen.erase(0, seen.size() - marker.size());
    }
    engine.Terminate();
    return found;
}

// Plays with a bare engine until it ends by itself, draining its output now
// and then as a reader would. Returns the wall time in milliseconds; the
// engine's CPU time is added to `engineCpuMs` (taken from the reaped child).
inline double PlayBareEngine(const std::vector<std::string>& argv, int niceness, double* engineCpuMs) {
    const double childrenBefore = CpuMs(RUSAGE_CHILDREN);
    ChildProcess engine;
    const double start = NowMs();
    if (!engine.Start(argv, niceness)) return -1;
    char peek[80];
    while (!engine.HasExited()) {
        while (engine.Peek(peek, sizeof peek) > 0) engine.ReadByte();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    const double wall = NowMs() - start;
    *engineCpuMs = CpuMs(RUSAGE_CHILDREN) - childrenBefore;
    return wall;
}

}  // namespace taleno::bench
