#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace taleno {

void SleepMs(int ms) {
    if (ms <= 0) {
        std::this_thread::yield();
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

std::int64_t NowSeconds() {
    using namespace std::chrono;
    return duration_cast<seconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace taleno
