#pragma once
// Stands in for the main window in tests: records every message delivered to
// the main message target, and pumps the event loop until a condition holds.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <thread>
#include <vector>

#include "platform/WindowMessages.h"

namespace taleno::test {

class MessageRecorder : public MessageTarget {
public:
    struct Entry {
        unsigned message;
        WPARAM wParam;
        LPARAM lParam;
    };

    MessageRecorder() { SetMainMessageTarget(this); }
    ~MessageRecorder() override { SetMainMessageTarget(nullptr); }

    void OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override {
        entries.push_back({message, wParam, lParam});
        if (onMessage) onMessage(message);
    }

    std::vector<unsigned> Messages() const {
        std::vector<unsigned> ids;
        for (const Entry& e : entries) ids.push_back(e.message);
        return ids;
    }
    bool Has(unsigned message) const { return Count(message) > 0; }
    int Count(unsigned message) const {
        return static_cast<int>(
            std::count_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.message == message; }));
    }

    std::vector<Entry> entries;
    std::function<void(unsigned)> onMessage;
};

// Runs the event loop until `done` is true or `timeoutMs` has passed; returns `done()`.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

inline void PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

}  // namespace taleno::test
