#pragma once

#include <chrono>
#include <cstddef>
#include <optional>

namespace tolvan {

using LineClock = std::chrono::steady_clock;

// One byte on the line at 9600 baud: a start bit, eight data bits, a stop bit.
inline constexpr LineClock::duration kByteTime9600 = std::chrono::microseconds(1042);

// How a read waits before it next looks at the line. A read that follows a
// command cannot have its whole reply before the command has crossed the line
// and the reply has come back over it: it sleeps until then and looks once.
// Otherwise, until a reply starts nothing tells when it will, so the read waits
// for the line to have a byte. Once bytes flow, the missing ones cannot come
// sooner than the line carries them: the read sleeps that long and takes them
// in one go, rather than waking for each byte (a thousand times a second at
// 9600 baud). Bytes still missing after a sleep are on their way or late: the
// read waits for them to come rather than sleeping again. Neither wait goes
// past the read's deadline.
enum class LastLook {
    NotYet,           // the read has not looked yet
    Nothing,          // the line had nothing
    Bytes,            // bytes, after waiting for them to come
    BytesAfterSleep,  // bytes, after sleeping for the rest
};

struct LineWait {
    bool sleeps;              // sleep until `until`, else wait for a byte until then
    LineClock::time_point until;
};

// `replyDue`: when the whole reply can be there at the soonest, for a read
// that follows a command.
LineWait nextLineWait(std::size_t missing, LastLook last, LineClock::time_point now, LineClock::time_point deadline,
                      std::optional<LineClock::time_point> replyDue = std::nullopt,
                      LineClock::duration byteTime = kByteTime9600);

// When `bytes` written at `now` have crossed the line, behind those still on
// it until `lineFree`.
LineClock::time_point lineFreeAfter(LineClock::time_point now, std::optional<LineClock::time_point> lineFree,
                                    std::size_t bytes, LineClock::duration byteTime = kByteTime9600);

// Sleeps until `when` to within a few microseconds. A transfer sleeps thousands
// of times, and the 50 us by which a sleep may otherwise overrun would add up
// to seconds; the thread keeps the finer timing from its first such sleep on.
void sleepUntil(LineClock::time_point when);
void sleepFor(LineClock::duration span);

} // namespace tolvan
