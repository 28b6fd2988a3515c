#pragma once
// A number of seconds split into hours, minutes and seconds, as the time
// displays show it. Division and remainder truncate toward zero, so a
// negative input gives negative parts.

namespace taleno {

struct TimeParts {
    constexpr explicit TimeParts(int totalSecondsIn)
        : hours(totalSecondsIn / 3600),
          minutes((totalSecondsIn % 3600) / 60),
          seconds((totalSecondsIn % 3600) % 60),
          totalSeconds(totalSecondsIn) {}

    int hours;
    int minutes;
    int seconds;
    int totalSeconds;
};

}  // namespace taleno
