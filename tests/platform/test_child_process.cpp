#include "common/TestSupport.h"
#include "platform/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

namespace taleno {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Reads what the child prints until `end` is in it or 3 seconds have passed.
// Peeks first, as the engine controller does.
std::string ReadUntil(ChildProcess& child, const std::string& end) {
    std::string text;
    for (auto deadline = Clock::now() + 3s; text.find(end) == std::string::npos && Clock::now() < deadline;) {
        char peeked[80];
        const int n = child.Peek(peeked, sizeof peeked);
        if (n == 0) std::this_thread::sleep_for(5ms);
        for (int i = 0; i < n; ++i) text += static_cast<char>(child.ReadByte());
    }
    return text;
}

bool WaitForExit(ChildProcess& child) {
    for (auto end = Clock::now() + 3s; !child.HasExited() && Clock::now() < end;) std::this_thread::sleep_for(5ms);
    return child.HasExited();
}

TEST(ChildProcess, ErrorsJoinTheOutputAndWritesToAnEndedChildFail) {
    ChildProcess child;
    ASSERT_TRUE(child.Start({"/bin/sh", "-c", "echo out; echo err >&2; exit 3"}, 0));
    EXPECT_EQ(ReadUntil(child, "err\n"), "out\nerr\n");
    ASSERT_TRUE(WaitForExit(child));
    EXPECT_EQ(child.ExitCode(), 3);
    EXPECT_FALSE(test::HasUnreapedChild());
    EXPECT_FALSE(child.Write("quit\n", 5)) << "EPIPE, and no SIGPIPE to end the test";
}

TEST(ChildProcess, ChildHasOnlyStandardDescriptorsItsOwnGroupAndTheNiceness) {
    const int leaky = ::open("/dev/null", O_RDONLY);  // deliberately without close-on-exec
    const int own = ::getpriority(PRIO_PROCESS, 0);
    ChildProcess idle;
    ASSERT_TRUE(idle.Start({"/bin/sleep", "30"}, 19));
    // The loader of the new program opens its libraries for a moment; an
    // inherited descriptor would stay.
    std::set<std::string> fds;
    for (auto end = Clock::now() + 2s; fds != std::set<std::string>{"0", "1", "2"} && Clock::now() < end;) {
        fds.clear();
        for (const auto& entry : std::filesystem::directory_iterator("/proc/" + std::to_string(idle.Pid()) + "/fd")) {
            fds.insert(entry.path().filename());
        }
    }
    EXPECT_EQ(fds, (std::set<std::string>{"0", "1", "2"}));
    EXPECT_EQ(::getpgid(idle.Pid()), idle.Pid());
    EXPECT_NE(::getpgid(idle.Pid()), ::getpgrp());
    EXPECT_EQ(::getpriority(PRIO_PROCESS, idle.Pid()), 19);
    EXPECT_EQ(::getpriority(PRIO_PROCESS, 0), own);
    ::close(leaky);
}

TEST(ChildProcess, TerminateKillsTheGroupAndReapsTheChild) {
    ChildProcess child;
    ASSERT_TRUE(child.Start({"/bin/sh", "-c", "sleep 30 & echo $!; wait"}, 0));
    const pid_t helper = std::stoi(ReadUntil(child, "\n"));
    child.Terminate();
    EXPECT_TRUE(child.HasExited());
    EXPECT_EQ(child.ExitCode(), 128 + SIGKILL);
    EXPECT_FALSE(std::filesystem::exists("/proc/" + std::to_string(child.Pid()))) << "no zombie left";
    EXPECT_FALSE(test::HasUnreapedChild());
    // The helper is gone, or a zombie waiting for a parent that is not us.
    bool gone = false;
    for (auto deadline = Clock::now() + 2s; !gone && Clock::now() < deadline; std::this_thread::sleep_for(10ms)) {
        std::ifstream stat("/proc/" + std::to_string(helper) + "/stat");
        std::string line;
        gone = !std::getline(stat, line) || line.find(") Z") != std::string::npos;
    }
    EXPECT_TRUE(gone) << "left in the group: " << helper;
}

}  // namespace
}  // namespace taleno
