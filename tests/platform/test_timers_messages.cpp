#include "platform/WindowMessages.h"
#include "platform/WindowTimers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <chrono>
#include <thread>
#include <utility>
#include <vector>

namespace taleno {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Runs the event loop until `done` holds, at most `limit`.
template <typename Done>
bool PumpUntil(Done done, std::chrono::milliseconds limit = 2000ms) {
    for (auto end = Clock::now() + limit; !done() && Clock::now() < end; std::this_thread::sleep_for(1ms)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return done();
}
void Pump(std::chrono::milliseconds time) { PumpUntil([] { return false; }, time); }

struct Fired {
    unsigned id;
    Clock::duration at;
};

TEST(WindowTimers, DeliverTheirIdsAtTheirPeriods) {
    auto start = Clock::now();
    std::vector<Fired> fired;
    WindowTimers timers([&](unsigned id) { fired.push_back({id, Clock::now() - start}); });
    ASSERT_TRUE(timers.SetTimer(4, 40));
    ASSERT_TRUE(timers.SetTimer(2, 100));
    auto count = [&](unsigned id) {
        int n = 0;
        for (const Fired& f : fired) n += f.id == id;
        return n;
    };
    ASSERT_TRUE(PumpUntil([&] { return count(2) == 3; }));
    // Three periods of 100 ms hold seven and a half of 40 ms; a busy machine
    // may lose a few ticks, but never gains any.
    EXPECT_GE(count(4), 4);
    EXPECT_LE(count(4), 8);
    EXPECT_GE(fired.back().at, 300ms);
}

TEST(WindowTimers, SettingARunningIdRestartsItAndKillingIsHarmless) {
    auto start = Clock::now();
    std::vector<Fired> fired;
    WindowTimers* self = nullptr;
    WindowTimers timers([&](unsigned id) {
        fired.push_back({id, Clock::now() - start});
        self->KillTimer(id);  // a handler may kill its own timer and start another
        if (id == 1) self->SetTimer(2, 20);
    });
    self = &timers;
    timers.KillTimer(9);  // never set
    timers.SetTimer(1, 100);
    Pump(60ms);
    timers.SetTimer(1, 100);  // restarts: the next tick is 100 ms from here
    ASSERT_TRUE(PumpUntil([&] { return fired.size() == 2; }));
    EXPECT_EQ(fired[0].id, 1u);
    EXPECT_GE(fired[0].at, 155ms);
    EXPECT_EQ(fired[1].id, 2u);
    EXPECT_FALSE(timers.IsTimerRunning(1));
    EXPECT_FALSE(timers.IsTimerRunning(2));
    Pump(100ms);
    EXPECT_EQ(fired.size(), 2u);
}

class Recorder : public MessageTarget {
public:
    void OnMessage(unsigned message, WPARAM wParam, LPARAM) override { got.emplace_back(message, wParam); }
    std::vector<std::pair<unsigned, WPARAM>> got;
};

TEST(WindowMessages, PostedInOrderSentAtOnce) {
    Recorder recorder;
    SetMainMessageTarget(&recorder);
    PostMainMessage(WM_USER + 200);
    std::thread other([] {
        for (WPARAM i = 0; i < 50; ++i) PostMainMessage(WM_USER + 1, i);
    });
    other.join();
    PostMainMessage(WM_USER + 201);
    EXPECT_TRUE(recorder.got.empty()) << "posting only queues";
    EXPECT_TRUE(SendMainMessage(WM_USER + 205, 7));
    ASSERT_EQ(recorder.got.size(), 1u);
    EXPECT_EQ(recorder.got[0].first, WM_USER + 205u);
    PumpUntil([&] { return recorder.got.size() >= 53; });
    ASSERT_EQ(recorder.got.size(), 53u);
    EXPECT_EQ(recorder.got[1].first, WM_USER + 200u);
    for (WPARAM i = 0; i < 50; ++i) EXPECT_EQ(recorder.got[2 + i].second, i);
    EXPECT_EQ(recorder.got[52].first, WM_USER + 201u);
    SetMainMessageTarget(nullptr);
    PostMainMessage(WM_USER + 202);
    Pump(20ms);
    EXPECT_FALSE(SendMainMessage(WM_USER + 205));
    EXPECT_EQ(recorder.got.size(), 53u);
}

}  // namespace
}  // namespace taleno
