#include "link/line_wait.h"

#include <cerrno>
#include <ctime>
#include <sys/prctl.h>

namespace tolvan {

// The steady clock is the monotonic one: the sleep ends at `when` itself, not
// at a span from a moment already past.
void sleepUntil(LineClock::time_point when)
{
    thread_local const bool fine = prctl(PR_SET_TIMERSLACK, 1UL) == 0;
    (void)fine;
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch()).count();
    if (ns <= 0)
        return;
    const timespec at{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

} // namespace tolvan
