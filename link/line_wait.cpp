#include "link/line_wait.h"

#include <algorithm>

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

void sleepFor(LineClock::duration span)
{
    sleepUntil(LineClock::now() + span);
}

} // namespace tolvan
