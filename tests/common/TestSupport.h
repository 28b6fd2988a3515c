#pragma once
// What every test program uses: GoogleTest and Qt's test helpers, a fresh
// scratch folder per test with whole-file reads and writes, an environment
// variable set for one scope, scripts for the stand-in engine, and counts of
// what the test process holds for leak tests.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace taleno::test {

// A temporary folder, removed with its contents when the object goes.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "taleno-test-XXXXXX").string();
        if (::mkdtemp(tmpl.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
        path_ = tmpl;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteWholeFile(const std::string& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
}

// Sets (or, with nullptr, clears) an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Writes folder/name, a stand-in engine script that records what the
// stand-in receives in "<script>.rec" and answers time requests, then body.
inline std::string RecordingScript(const ScratchFolder& folder, const std::string& name, const std::string& body) {
    const std::string path = folder.File(name);
    WriteWholeFile(path, "record " + path + ".rec\nanswer-time\n" + body);
    return path;
}

// The commands the stand-in running `script` received, without the time requests.
inline std::vector<std::string> ReceivedBy(const std::string& script) {
    std::vector<std::string> lines;
    std::istringstream all(ReadWholeFile(script + ".rec"));
    for (std::string line; std::getline(all, line);)
        if (line != "get_time_pos") lines.push_back(line);
    return lines;
}

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

}  // namespace taleno::test
