#include "common/ProcessCounts.h"
#include "platform/AutoResetEvent.h"
#include "platform/Clock.h"
#include "platform/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

namespace taleno {
namespace {

using Clock = std::chrono::steady_clock;

TEST(AutoResetEvent, OneSignalReleasesOneWaitAndWaitsHonourTheirLimit) {
    AutoResetEvent event;
    event.Signal();
    event.Signal();  // signals do not add up
    EXPECT_TRUE(event.TryWait());
    EXPECT_FALSE(event.TryWait());
    const auto start = Clock::now();
    EXPECT_FALSE(event.Wait(100));
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(100));

    WorkerThread signaller;
    ASSERT_TRUE(signaller.Start([&] {
        SleepMs(50);
        event.Signal();
    }));
    EXPECT_TRUE(event.Wait(-1));
    EXPECT_FALSE(event.TryWait());
}

TEST(WorkerThread, RunsOneAtATimeRestartsAndReleasesItsThread) {
    const int threads = testsupport::ThreadCount();
    std::atomic<int> runs{0};
    {
        AutoResetEvent release;
        WorkerThread worker;
        EXPECT_TRUE(worker.WaitForEnd(0)) << "nothing started counts as ended";
        ASSERT_TRUE(worker.Start([&] { release.Wait(-1); }));
        EXPECT_FALSE(worker.Start([] {})) << "one thread at a time";
        EXPECT_FALSE(worker.WaitForEnd(50));
        release.Signal();
        ASSERT_TRUE(worker.WaitForEnd(2000));
        EXPECT_EQ(testsupport::ThreadCount(), threads);
        ASSERT_TRUE(worker.Start([&] {
            SleepMs(100);
            ++runs;
        })) << "an ended worker starts again";
    }  // the destructor waits for the function
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(testsupport::ThreadCount(), threads);
}

}  // namespace
}  // namespace taleno
