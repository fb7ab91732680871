#include "link/line_wait.h"

#include <sys/prctl.h>
#include <thread>

namespace tolvan {

LineWait nextLineWait(std::size_t missing, LastLook last, LineClock::time_point now, LineClock::time_point deadline,
                      LineClock::duration byteTime)
{
    if (last != LastLook::Bytes || missing == 0)
        return {false, deadline};
    const LineClock::time_point rest = now + byteTime * static_cast<LineClock::rep>(missing);
    return {true, std::min(rest, deadline)};
}

void sleepUntil(LineClock::time_point when)
{
    thread_local const bool fine = prctl(PR_SET_TIMERSLACK, 1UL) == 0;
    (void)fine;
    std::this_thread::sleep_until(when);
}

void sleepFor(LineClock::duration span)
{
    sleepUntil(LineClock::now() + span);
}

} // namespace tolvan
