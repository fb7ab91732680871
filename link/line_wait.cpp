#include "link/line_wait.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <sys/prctl.h>

namespace tolvan {

LineWait nextLineWait(std::size_t missing, LastLook last, LineClock::time_point now, LineClock::time_point deadline,
                      std::optional<LineClock::time_point> replyDue, LineClock::duration byteTime)
{
    if (last == LastLook::NotYet && replyDue && *replyDue > now)
        return {true, std::min(*replyDue, deadline)};
    if (last != LastLook::Bytes || missing == 0)
        return {false, deadline};
    const LineClock::time_point rest = now + byteTime * static_cast<LineClock::rep>(missing);
    return {true, std::min(rest, deadline)};
}

LineClock::time_point lineFreeAfter(LineClock::time_point now, std::optional<LineClock::time_point> lineFree,
                                    std::size_t bytes, LineClock::duration byteTime)
{
    return std::max(now, lineFree.value_or(now)) + byteTime * static_cast<LineClock::rep>(bytes);
}

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

void sleepFor(LineClock::duration span)
{
    sleepUntil(LineClock::now() + span);
}

} // namespace tolvan
