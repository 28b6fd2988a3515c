#include "common/MessageRecorder.h"
#include "platform/WindowMessages.h"
#include "platform/WindowTimers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace taleno {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using test::PumpFor;
using test::PumpUntil;

struct Fired {
    unsigned id;
    Clock::duration at;
};

TEST(WindowTimers, SettingARunningIdRestartsItAndAHandlerMayKillAndSet) {
    const auto start = Clock::now();
    std::vector<Fired> fired;
    WindowTimers* self = nullptr;
    WindowTimers timers([&](unsigned id) {
        fired.push_back({id, Clock::now() - start});
        self->KillTimer(id);  // a handler may kill its own timer and start another
        if (id == 1) self->SetTimer(2, 20);
    });
    self = &timers;
    timers.SetTimer(1, 100);
    PumpFor(60);
    timers.SetTimer(1, 100);  // restarts: the next tick is 100 ms from here
    ASSERT_TRUE(PumpUntil([&] { return fired.size() == 2; }, 2000));
    EXPECT_EQ(fired[0].id, 1u);
    EXPECT_GE(fired[0].at, 155ms);
    EXPECT_EQ(fired[1].id, 2u);
    PumpFor(100);
    EXPECT_EQ(fired.size(), 2u);
}

TEST(WindowMessages, PostedInOrderSentAtOnce) {
    std::vector<unsigned> expected = {WM_USER + 205, WM_USER + 200};
    {
        test::MessageRecorder recorder;
        PostMainMessage(WM_USER + 200);
        std::thread other([] {
            for (WPARAM i = 0; i < 50; ++i) PostMainMessage(WM_USER + i);
        });
        other.join();
        PostMainMessage(WM_USER + 201);
        EXPECT_TRUE(recorder.entries.empty()) << "posting only queues";
        EXPECT_TRUE(SendMainMessage(WM_USER + 205, 7));
        ASSERT_EQ(recorder.Messages(), std::vector<unsigned>{WM_USER + 205});
        EXPECT_EQ(recorder.entries[0].wParam, 7u);
        for (unsigned i = 0; i < 50; ++i) expected.push_back(WM_USER + i);
        expected.push_back(WM_USER + 201);
        PumpUntil([&] { return recorder.entries.size() >= expected.size(); }, 2000);
        EXPECT_EQ(recorder.Messages(), expected);
    }
    PostMainMessage(WM_USER + 202);  // nobody listens when it is delivered: dropped
    EXPECT_FALSE(SendMainMessage(WM_USER + 205));
    PumpFor(20);
    test::MessageRecorder later;
    PumpFor(20);
    EXPECT_TRUE(later.entries.empty());
}

}  // namespace
}  // namespace taleno
