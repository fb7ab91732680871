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
// for each byte (a thousand times a second at 9600 baud). Neither wait goes
// past the read's deadline.
struct LineWait {
    bool sleeps;              // sleep until `until`, else wait for a byte until then
    LineClock::time_point until;
};

// `flowing`: the last look at the line found bytes.
LineWait nextLineWait(std::size_t missing, bool flowing, LineClock::time_point now,
                      LineClock::time_point deadline, LineClock::duration byteTime = kByteTime9600);

// Sleeps until `when` to within a few microseconds. A transfer sleeps thousands
// of times, and the 50 us by which a sleep may otherwise overrun would add up
// to seconds; the thread keeps the finer timing from its first such sleep on.
void sleepUntil(LineClock::time_point when);
void sleepFor(LineClock::duration span);

} // namespace tolvan
