#pragma once
// A private Xorg server for one test: the dummy video driver (no monitor, no
// GPU), on the first free display number, with its configuration, log and
// everything else in a scratch folder. It leaves the machine's devices alone:
// no input devices, no GPUs, no console (the dummy driver needs none), no TCP.
// Unlike Xvfb it can offer the DPMS extension: pass the folder holding the
// talenodpms module, which gives the dummy screen a DPMS hook.
//
//   PrivateXServer server(moduleDir);
//   if (!server.Started()) GTEST_SKIP() << server.SkipReason();
//
// Missing Xorg, dummy driver or module (or not running as root, which the
// server needs) is a reason to skip; a server that is there but does not come
// up fails the test.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>

#include "common/ScratchFolder.h"

namespace taleno::test {

class PrivateXServer {
public:
    explicit PrivateXServer(const std::string& dpmsModuleDir = {}) {
        namespace fs = std::filesystem;
        if (::geteuid() != 0) {
            skipReason_ = "the private Xorg server needs root";
        } else if (!fs::exists(kServer) || !fs::exists("/usr/lib/xorg/modules/drivers/dummy_drv.so")) {
            skipReason_ = "Xorg or its dummy video driver is not installed";
        } else if (!dpmsModuleDir.empty() && !fs::exists(dpmsModuleDir + "/talenodpms.so")) {
            skipReason_ = "the talenodpms module for Xorg was not built";
        } else {
            Start(dpmsModuleDir);
        }
    }

    ~PrivateXServer() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 500; ++i) {
            if (::waitpid(pid_, nullptr, WNOHANG) != 0) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }

    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    bool Started() const { return !display_.empty(); }
    std::string SkipReason() const { return skipReason_; }
    // ":0", ":1" and so on.
    std::string Display() const { return display_; }
    std::chrono::milliseconds StartupTime() const { return startupTime_; }

private:
    static constexpr const char* kServer = "/usr/lib/xorg/Xorg";
    static constexpr int kReadyFd = 3;

    // With -displayfd the server takes the first free display number and
    // writes it to the pipe once it accepts connections; the pipe closes
    // without a word if it gave up.
    void Start(const std::string& moduleDir) {
        const auto begin = std::chrono::steady_clock::now();
        std::string config =
            "Section \"ServerFlags\"\n  Option \"AutoAddDevices\" \"false\"\n  Option \"AutoAddGPU\" \"false\"\n"
            "  Option \"AutoBindGPU\" \"false\"\n  Option \"DontVTSwitch\" \"true\"\nEndSection\n"
            "Section \"Device\"\n  Identifier \"dummy\"\n  Driver \"dummy\"\nEndSection\n"
            "Section \"Monitor\"\n  Identifier \"monitor\"\nEndSection\n"
            "Section \"Screen\"\n  Identifier \"screen\"\n  Device \"dummy\"\n  Monitor \"monitor\"\n"
            "  DefaultDepth 24\n  SubSection \"Display\"\n    Depth 24\n    Virtual 1024 768\n"
            "  EndSubSection\nEndSection\n";
        if (!moduleDir.empty()) {
            config += "Section \"Files\"\n  ModulePath \"" + moduleDir +
                      ",/usr/lib/xorg/modules\"\nEndSection\n"
                      "Section \"Module\"\n  Load \"talenodpms\"\nEndSection\n";
        }
        WriteWholeFile(folder_.File("dummy.conf"), config);
        std::filesystem::create_directory(folder_.File("conf.d"));
        int ready[2];
        if (::pipe2(ready, O_CLOEXEC) != 0) {
            ADD_FAILURE() << "pipe2 failed";
            return;
        }
        const std::string files[] = {folder_.File("dummy.conf"), folder_.File("conf.d"), folder_.File("x.log"),
                                     folder_.File("x.out")};
        const char* argv[] = {kServer,          "-config",     files[0].c_str(), "-configdir",
                              files[1].c_str(), "-noreset",    "-nolisten",      "tcp",
                              "-sharevts",      "-novtswitch", "-logfile",       files[2].c_str(),
                              "-displayfd",     "3",           nullptr};
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // the server goes when the test process does
            ready[1] == kReadyFd ? ::fcntl(kReadyFd, F_SETFD, 0) : ::dup2(ready[1], kReadyFd);
            const int out = ::open(files[3].c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
            ::dup2(out, STDOUT_FILENO);
            ::dup2(out, STDERR_FILENO);
            ::execv(kServer, const_cast<char* const*>(argv));
            ::_exit(127);
        }
        ::close(ready[1]);
        std::string text;
        pollfd p{ready[0], POLLIN, 0};
        char buffer[32];
        ssize_t n = 0;
        while (pid_ > 0 && text.find('\n') == std::string::npos && ::poll(&p, 1, 10000) == 1 &&
               (n = ::read(ready[0], buffer, sizeof buffer)) > 0) {
            text.append(buffer, static_cast<size_t>(n));
        }
        ::close(ready[0]);
        if (text.find('\n') != std::string::npos) {
            display_ = ":" + std::to_string(std::stoi(text));
            startupTime_ =
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - begin);
        } else {
            ADD_FAILURE() << "the private Xorg server did not start; its log:\n"
                          << ReadWholeFile(files[3]) << ReadWholeFile(files[2]);
        }
    }

    ScratchFolder folder_;
    pid_t pid_ = -1;
    std::string display_;
    std::string skipReason_;
    std::chrono::milliseconds startupTime_{0};
};

// Runs `xset <arguments>` on `display` and returns what it printed.
inline std::string RunXset(const std::string& display, const std::string& arguments) {
    std::string text;
    if (FILE* xset = ::popen(("DISPLAY=" + display + " xset " + arguments + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, xset)) > 0;) text.append(buffer, n);
        ::pclose(xset);
    }
    return text;
}

// The screen-saver and DPMS lines of `xset q`, squeezed: for example
// "prefer blanking: no;timeout: 0 cycle: 123;Standby: 0 Suspend: 0 Off: 0;DPMS is Enabled;"
// (a server without DPMS has nothing between the last semicolons).
inline std::string XsetTimeOuts(const std::string& display) {
    const std::string report = RunXset(display, "q");
    std::string result;
    for (const char* pattern : {R"(prefer blanking:\s+\w+)", R"(timeout:\s+\d+\s+cycle:\s+\d+)",
                                R"(Standby:\s+\d+\s+Suspend:\s+\d+\s+Off:\s+\d+)", R"(DPMS is \w+)"}) {
        std::smatch match;
        if (std::regex_search(report, match, std::regex(pattern))) {
            result += std::regex_replace(match.str(), std::regex(R"(\s+)"), " ");
        }
        result += ";";
    }
    return result;
}

}  // namespace taleno::test
