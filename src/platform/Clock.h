#pragma once
// Sleeping and the time in whole seconds.

#include <cstdint>

namespace taleno {

// Sleeps `ms` milliseconds; 0 gives up the rest of the time slice.
void SleepMs(int ms);

// Seconds on a clock that only moves forward (it does not follow changes of
// the system date), for measuring how long ago something happened.
std::int64_t NowSeconds();

}  // namespace taleno
