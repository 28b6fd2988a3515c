#include "platform/WindowTimers.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimerEvent>

#include <algorithm>
#include <map>

namespace taleno {

// The QObject that receives the event loop's timer events and maps Qt's
// timer numbers back to the owner's ids.
class WindowTimers::Clock : public QObject {
public:
    explicit Clock(std::function<void(unsigned)> onTimer) : onTimer_(std::move(onTimer)) {}

    ~Clock() override {
        for (const auto& [id, qtId] : running_) {
            killTimer(qtId);
        }
    }

    bool Set(unsigned id, int periodMs) {
        Kill(id);
        if (QCoreApplication::instance() == nullptr) {
            return false;
        }
        int qtId = startTimer(std::max(periodMs, 10), Qt::PreciseTimer);
        if (qtId == 0) {
            return false;
        }
        running_[id] = qtId;
        return true;
    }

    void Kill(unsigned id) {
        auto it = running_.find(id);
        if (it != running_.end()) {
            killTimer(it->second);
            running_.erase(it);
        }
    }

    bool IsRunning(unsigned id) const { return running_.count(id) != 0; }

protected:
    void timerEvent(QTimerEvent* event) override {
        for (const auto& [id, qtId] : running_) {
            if (qtId == event->timerId()) {
                unsigned fired = id;  // the handler may change running_
                onTimer_(fired);
                return;
            }
        }
    }

private:
    std::function<void(unsigned)> onTimer_;
    std::map<unsigned, int> running_;  // our id -> Qt's timer id
};

WindowTimers::WindowTimers(std::function<void(unsigned id)> onTimer)
    : clock_(std::make_unique<Clock>(std::move(onTimer))) {}

WindowTimers::~WindowTimers() = default;

bool WindowTimers::SetTimer(unsigned id, int periodMs) { return clock_->Set(id, periodMs); }

void WindowTimers::KillTimer(unsigned id) { clock_->Kill(id); }

bool WindowTimers::IsTimerRunning(unsigned id) const { return clock_->IsRunning(id); }

}  // namespace taleno
