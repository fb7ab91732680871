#include "link/line_wait.h"

#include <windows.h>

namespace tolvan {

namespace {

// A high-resolution waitable timer (Windows 10 1803 and later) ends a wait to
// within a fraction of a millisecond; the ordinary timer rounds up to the
// system tick, which at 15.6 ms would stretch every wait of a transfer.
HANDLE lineTimer()
{
    constexpr DWORD kHighResolution = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, not in MinGW's headers
    thread_local const HANDLE timer = [] {
        HANDLE h = CreateWaitableTimerExW(nullptr, nullptr, kHighResolution, TIMER_ALL_ACCESS);
        return h ? h : CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }();
    return timer;
}

} // namespace

// The wait ends at `when` itself: what is left is measured on the steady clock
// after each wake, so an early wake sleeps again and the last microseconds
// pass in a yield loop.
void sleepUntil(LineClock::time_point when)
{
    using namespace std::chrono;
    for (;;) {
        const auto left = when - LineClock::now();
        if (left <= LineClock::duration::zero())
            return;
        if (left < microseconds(200)) {
            SwitchToThread();
            continue;
        }
        const HANDLE timer = lineTimer();
        // Relative due times are negative, in 100 ns units.
        LARGE_INTEGER due;
        due.QuadPart = -static_cast<LONGLONG>(duration_cast<nanoseconds>(left - microseconds(100)).count() / 100);
        if (timer && SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE))
            WaitForSingleObject(timer, INFINITE);
        else
            Sleep(static_cast<DWORD>(duration_cast<milliseconds>(left).count()));
    }
}

} // namespace tolvan
