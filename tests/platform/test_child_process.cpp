#include "common/ProcessCounts.h"
#include "platform/ChildProcess.h"
#include "platform/WorkerThread.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

namespace taleno {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Reads everything the child prints until `done` holds for what was read, or
// the time is up. Peeks first, as the engine controller does.
template <typename Done>
std::string ReadUntil(ChildProcess& child, Done done, std::chrono::milliseconds limit = 3000ms) {
    std::string text;
    auto deadline = Clock::now() + limit;
    while (!done(text) && Clock::now() < deadline) {
        char peeked[80];
        int n = child.Peek(peeked, sizeof peeked);
        if (n == 0) {
            std::this_thread::sleep_for(5ms);
            continue;
        }
        for (int i = 0; i < n; ++i) text += static_cast<char>(child.ReadByte());
    }
    return text;
}

auto Contains(const std::string& what) {
    return [what](const std::string& text) { return text.find(what) != std::string::npos; };
}

bool WaitForExit(ChildProcess& child, std::chrono::milliseconds limit = 3000ms) {
    for (auto end = Clock::now() + limit; !child.HasExited() && Clock::now() < end;) std::this_thread::sleep_for(5ms);
    return child.HasExited();
}

// Waits until the process is gone, or a zombie waiting for a parent that is not us.
bool ProcessEnds(pid_t pid) {
    for (auto deadline = Clock::now() + 2s; Clock::now() < deadline; std::this_thread::sleep_for(10ms)) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (!std::getline(stat, line) || line.find(") Z") != std::string::npos) return true;
    }
    return false;
}

std::string TempDir() {
    char pattern[] = "/tmp/taleno-process-XXXXXX";
    return ::mkdtemp(pattern);
}

TEST(ChildProcess, PeekKeepsBytesUntilTheyAreRead) {
    ChildProcess child;
    ASSERT_TRUE(child.Start({"/bin/cat"}, 0));
    ASSERT_TRUE(child.Write("hello\n", 6));
    ReadUntil(child, [&](const std::string&) { return child.Peek(nullptr, 80) == 6; });
    char buffer[80];
    ASSERT_EQ(child.Peek(buffer, 80), 6);
    EXPECT_EQ(child.Peek(buffer, 80), 6);
    EXPECT_EQ(std::string(buffer, 6), "hello\n");
    EXPECT_EQ(child.Peek(buffer, 3), 3);
    EXPECT_EQ(child.ReadByte(), 'h');
    EXPECT_EQ(child.Peek(buffer, 80), 5);
    EXPECT_EQ(ReadUntil(child, [](const std::string& t) { return t.size() == 5; }), "ello\n");
    EXPECT_EQ(child.ReadByte(), -1);
    EXPECT_EQ(child.Peek(buffer, 80), 0);
    child.CloseInput();  // cat ends at the end of its input
    ASSERT_TRUE(WaitForExit(child));
    EXPECT_EQ(child.ExitCode(), 0);
}

TEST(ChildProcess, StandardErrorJoinsStandardOutput) {
    ChildProcess child;
    ASSERT_TRUE(child.Start({"/bin/sh", "-c", "echo out; echo err >&2; exit 3"}, 0));
    EXPECT_EQ(ReadUntil(child, Contains("err\n")), "out\nerr\n");
    ASSERT_TRUE(WaitForExit(child));
    EXPECT_EQ(child.ExitCode(), 3);
    EXPECT_FALSE(child.Write("quit\n", 5)) << "EPIPE, and no SIGPIPE to end the test";
}

TEST(ChildProcess, ChildHasOnlyStandardDescriptorsItsOwnGroupAndTheNiceness) {
    int leaky = ::open("/dev/null", O_RDONLY);  // deliberately without close-on-exec
    int own = ::getpriority(PRIO_PROCESS, 0);
    ChildProcess idle, realtime;
    ASSERT_TRUE(idle.Start({"/bin/sleep", "30"}, 19));
    ASSERT_TRUE(realtime.Start({"/bin/sleep", "30"}, -20));
    std::set<std::string> fds;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/" + std::to_string(idle.Pid()) + "/fd")) {
        fds.insert(entry.path().filename());
    }
    EXPECT_EQ(fds, (std::set<std::string>{"0", "1", "2"}));
    EXPECT_EQ(::getpgid(idle.Pid()), idle.Pid());
    EXPECT_NE(::getpgid(idle.Pid()), ::getpgrp());
    EXPECT_EQ(::getpriority(PRIO_PROCESS, idle.Pid()), 19);
    int raised = ::getpriority(PRIO_PROCESS, realtime.Pid());
    EXPECT_TRUE(raised == -20 || raised == own) << "a refused raise leaves it as it was, not " << raised;
    EXPECT_EQ(::getpriority(PRIO_PROCESS, 0), own);
    ::close(leaky);
}

TEST(ChildProcess, RefusesWhatCannotRunAndLeavesNothingOpen) {
    int fds = testsupport::OpenDescriptorCount();
    ChildProcess child;
    EXPECT_FALSE(child.Start({}, 0));
    EXPECT_FALSE(child.Start({"/nonexistent/engine"}, 0));
    EXPECT_FALSE(child.Start({"/etc/hostname"}, 0));  // not executable
    EXPECT_FALSE(child.IsOutputOpen());
    EXPECT_FALSE(child.IsInputOpen());
    EXPECT_TRUE(child.HasExited());
    EXPECT_EQ(testsupport::OpenDescriptorCount(), fds);
    EXPECT_FALSE(testsupport::HasUnreapedChild());
    ASSERT_TRUE(child.Start({"/bin/sleep", "30"}, 0));
    EXPECT_FALSE(child.Start({"/bin/sleep", "30"}, 0)) << "a running child is never replaced";
}

TEST(ChildProcess, KillingTheChildReleasesABlockedWrite) {
    int fds = testsupport::OpenDescriptorCount();
    ChildProcess child;
    ASSERT_TRUE(child.Start({"/bin/sleep", "30"}, 0));  // never reads its input
    std::string big(1 << 20, 'x');
    std::atomic<int> result{-1};
    WorkerThread writer;
    ASSERT_TRUE(writer.Start([&] { result = child.Write(big.data(), big.size()) ? 1 : 0; }));
    EXPECT_FALSE(writer.WaitForEnd(200)) << "the write should block on the full pipe";
    int open = testsupport::OpenDescriptorCount();
    child.CloseInput();
    EXPECT_FALSE(child.IsInputOpen());
    // The number stays taken while the write runs, so it cannot be reused for
    // another file that the writer would then write into.
    EXPECT_EQ(testsupport::OpenDescriptorCount(), open);
    child.Terminate();
    ASSERT_TRUE(writer.WaitForEnd(3000));
    EXPECT_EQ(result, 0);
    child.CloseOutput();
    EXPECT_EQ(testsupport::OpenDescriptorCount(), fds);
}

TEST(ChildProcess, GroupIsKilledAndChildReapedWhetherTerminatedOrEnded) {
    ChildProcess killed, ended;
    ASSERT_TRUE(killed.Start({"/bin/sh", "-c", "sleep 30 & echo $!; wait"}, 0));
    ASSERT_TRUE(ended.Start({"/bin/sh", "-c", "sleep 30 & echo $!; exit 4"}, 0));
    pid_t helpers[] = {std::stoi(ReadUntil(killed, Contains("\n"))), std::stoi(ReadUntil(ended, Contains("\n")))};
    ASSERT_TRUE(killed.IsRunning());
    killed.Terminate();
    EXPECT_TRUE(killed.HasExited());
    EXPECT_EQ(killed.ExitCode(), 128 + SIGKILL);
    EXPECT_FALSE(std::filesystem::exists("/proc/" + std::to_string(killed.Pid()))) << "no zombie left";
    ASSERT_TRUE(WaitForExit(ended));
    EXPECT_EQ(ended.ExitCode(), 4);
    EXPECT_FALSE(testsupport::HasUnreapedChild());
    for (pid_t helper : helpers) EXPECT_TRUE(ProcessEnds(helper)) << "left in the group: " << helper;
}

TEST(ChildProcess, TerminateRacesHasExitedSafely) {
    for (int round = 0; round < 20; ++round) {
        ChildProcess child;
        ASSERT_TRUE(child.Start({"/bin/sleep", "30"}, 0));
        std::atomic<bool> stop{false};
        std::thread poller([&] { while (!stop) child.HasExited(); });
        child.Terminate();
        stop = true;
        poller.join();
        EXPECT_TRUE(child.HasExited());
    }
    EXPECT_FALSE(testsupport::HasUnreapedChild());
}

TEST(ChildProcess, StartStopCyclesLeaveDescriptorsAndThreadsAsTheyWere) {
    int fds = testsupport::OpenDescriptorCount();
    int threads = testsupport::ThreadCount();
    for (int cycle = 0; cycle < 200; ++cycle) {
        ChildProcess child;
        ASSERT_TRUE(child.Start({TALENO_STANDIN_ENGINE, "-slave", "-quiet"}, 0));
        WorkerThread writer;
        ASSERT_TRUE(writer.Start([&] { child.Write("get_time_pos\n", 13); }));
        ASSERT_TRUE(writer.WaitForEnd(2000));
        child.Terminate();
        child.CloseInput();
        child.CloseOutput();
    }
    EXPECT_EQ(testsupport::OpenDescriptorCount(), fds);
    EXPECT_EQ(testsupport::ThreadCount(), threads);
    EXPECT_FALSE(testsupport::HasUnreapedChild());
}

TEST(StandinEngine, FollowsItsScriptAnswersAndRecordsCommands) {
    std::string dir = TempDir();
    std::ofstream(dir + "/clip.standin") << "record " << dir << "/commands\nanswer-time\nprint-id\nstarting\n";
    ChildProcess engine;
    ASSERT_TRUE(engine.Start({TALENO_STANDIN_ENGINE, "-slave", "-quiet", "-wid", "4711", dir + "/clip.standin"}, 0));
    std::string shown = ReadUntil(engine, Contains("Starting playback...\n"));
    EXPECT_NE(shown.find("ID_VIDEO_WIDTH=176\n"), std::string::npos);
    ASSERT_TRUE(engine.Write("get_time_pos\n", 13));
    EXPECT_NE(ReadUntil(engine, Contains("\n")).find("ANS_TIME_POSITION="), std::string::npos);
    ASSERT_TRUE(engine.Write("volume 40 1\nquit\n", 17));
    ASSERT_TRUE(WaitForExit(engine));
    EXPECT_EQ(engine.ExitCode(), 0);
    std::stringstream recorded;
    recorded << std::ifstream(dir + "/commands").rdbuf();
    EXPECT_EQ(recorded.str(), "get_time_pos\nvolume 40 1\nquit\n");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace taleno
