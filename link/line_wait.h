#pragma once

#include <chrono>
#include <cstddef>

namespace tolvan {

using LineClock = std::chrono::steady_clock;

// One byte on the line at 9600 baud: a start bit, eight data bits, a stop bit.
inline constexpr LineClock::duration kByteTime9600 = std::chrono::microseconds(1042);

// How a read waits before it next looks at the line. Until a reply starts
// nothing tells when it will, so the read waits for the line to have a byte.
// Once bytes flow, the missing ones cannot come sooner than the line carries
// them: the read sleeps that long and takes them in one go, rather than waking
// for each byte (a thousand times a second at 9600 baud). Bytes still missing
// after that sleep are on their way or late: the read waits for them to come
// rather than sleeping again. Neither wait goes past the read's deadline.
enum class LastLook {
    Nothing,          // the line had nothing (or the read has not looked yet)
    Bytes,            // bytes, after waiting for them to come
    BytesAfterSleep,  // bytes, after sleeping for the rest
};

struct LineWait {
    bool sleeps;              // sleep until `until`, else wait for a byte until then
    LineClock::time_point until;
};

LineWait nextLineWait(std::size_t missing, LastLook last, LineClock::time_point now, LineClock::time_point deadline,
                      LineClock::duration byteTime = kByteTime9600);

// Sleeps until `when` to within a few microseconds. A transfer sleeps thousands
// of times, and the 50 us by which a sleep may otherwise overrun would add up
// to seconds; the thread keeps the finer timing from its first such sleep on.
void sleepUntil(LineClock::time_point when);
void sleepFor(LineClock::duration span);

} // namespace tolvan
