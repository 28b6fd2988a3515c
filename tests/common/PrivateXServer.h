#pragma once
// A private Xorg server for one test: the dummy video driver (no monitor, no
// GPU), on the first free display from :90 up, with its configuration, log and
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
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "common/ScratchFolder.h"

namespace taleno::test {

class PrivateXServer {
public:
    explicit PrivateXServer(const std::string& dpmsModuleDir = {}) {
        namespace fs = std::filesystem;
        if (::geteuid() != 0) {
            skipReason_ = "the private Xorg server needs root";
        } else if (!fs::exists(kServer) || !fs::exists(kDummyDriver)) {
            skipReason_ = "Xorg or its dummy video driver is not installed";
        } else if (!dpmsModuleDir.empty() && !fs::exists(dpmsModuleDir + "/talenodpms.so")) {
            skipReason_ = "the talenodpms module for Xorg was not built";
        } else {
            WriteConfig(dpmsModuleDir);
            Start();
        }
    }

    ~PrivateXServer() {
        if (pid_ <= 0) {
            return;
        }
        ::kill(pid_, SIGTERM);
        if (!Reaped(std::chrono::seconds(5))) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    bool Started() const { return !display_.empty(); }
    std::string SkipReason() const { return skipReason_; }
    // ":90" and so on.
    std::string Display() const { return display_; }
    std::chrono::milliseconds StartupTime() const { return startupTime_; }

private:
    static constexpr const char* kServer = "/usr/lib/xorg/Xorg";
    static constexpr const char* kDummyDriver = "/usr/lib/xorg/modules/drivers/dummy_drv.so";
    static constexpr int kFirstDisplay = 90;
    static constexpr int kLastDisplay = 139;

    void WriteConfig(const std::string& moduleDir) {
        std::string config =
            "Section \"ServerFlags\"\n"
            "  Option \"AutoAddDevices\" \"false\"\n"
            "  Option \"AutoAddGPU\" \"false\"\n"
            "  Option \"AutoBindGPU\" \"false\"\n"
            "  Option \"DontVTSwitch\" \"true\"\n"
            "EndSection\n"
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
    }

    static bool DisplayInUse(int number) {
        const std::string n = std::to_string(number);
        return std::filesystem::exists("/tmp/.X11-unix/X" + n) || std::filesystem::exists("/tmp/.X" + n + "-lock");
    }

    // Starts the server on the first free display number. With -displayfd it
    // writes its number to the pipe once it accepts connections, and the pipe
    // closes without a word if it gave up; when another server took the
    // number meanwhile, the next one is tried.
    void Start() {
        const auto begin = std::chrono::steady_clock::now();
        for (int number = kFirstDisplay; number <= kLastDisplay && display_.empty(); ++number) {
            if (DisplayInUse(number)) {
                continue;
            }
            int ready[2];
            if (::pipe2(ready, O_CLOEXEC) != 0) {
                ADD_FAILURE() << "pipe2 failed";
                return;
            }
            const std::string display = ":" + std::to_string(number);
            const std::string readyFd = std::to_string(kReadyFd);
            const std::string config = folder_.File("dummy.conf");
            const std::string configDir = folder_.File("conf.d");
            const std::string log = folder_.File("x.log");
            const std::string output = folder_.File("x.out");
            std::vector<const char*> argv = {kServer, display.c_str(), "-config", config.c_str(),
                                             "-configdir", configDir.c_str(), "-noreset", "-nolisten", "tcp",
                                             "-logfile", log.c_str(), "-displayfd", readyFd.c_str(), nullptr};
            const pid_t pid = ::fork();
            if (pid == 0) {
                // The server goes when the test process does, however it ends.
                ::prctl(PR_SET_PDEATHSIG, SIGTERM);
                if (ready[1] == kReadyFd) {
                    ::fcntl(kReadyFd, F_SETFD, 0);
                } else {
                    ::dup2(ready[1], kReadyFd);
                }
                const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
                ::dup2(out, STDOUT_FILENO);
                ::dup2(out, STDERR_FILENO);
                ::execv(kServer, const_cast<char* const*>(argv.data()));
                ::_exit(127);
            }
            ::close(ready[1]);
            if (pid < 0) {
                ::close(ready[0]);
                ADD_FAILURE() << "fork failed";
                return;
            }
            pid_ = pid;
            if (ReadDisplayNumber(ready[0]) == number) {
                display_ = display;
                startupTime_ = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - begin);
            } else {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, nullptr, 0);
                pid_ = -1;
            }
            ::close(ready[0]);
            if (display_.empty() && !DisplayInUse(number)) {
                break;  // not a lost race for the number: trying others won't help
            }
        }
        if (display_.empty()) {
            ADD_FAILURE() << "the private Xorg server did not start; its log:\n"
                          << ReadWholeFile(folder_.File("x.out")) << ReadWholeFile(folder_.File("x.log"));
        }
    }

    // The number the server wrote, or -1 when it closed the pipe or took more
    // than 10 seconds.
    static int ReadDisplayNumber(int fd) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        std::string text;
        while (text.find('\n') == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd p{fd, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
                return -1;
            }
            char buffer[32];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0) {
                return -1;
            }
            text.append(buffer, static_cast<size_t>(n));
        }
        return std::atoi(text.c_str());
    }

    bool Reaped(std::chrono::milliseconds within) {
        const auto deadline = std::chrono::steady_clock::now() + within;
        while (::waitpid(pid_, nullptr, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    static constexpr int kReadyFd = 3;

    ScratchFolder folder_;
    pid_t pid_ = -1;
    std::string display_;
    std::string skipReason_;
    std::chrono::milliseconds startupTime_{0};
};

}  // namespace taleno::test
