#include "link/pump_pacer.h"

namespace tolvan {

bool PumpPacer::passAsks(Clock::time_point now)
{
    if (!waited_ && now - lastAsked_ < kSlice)
        return false;
    waited_ = false;
    lastAsked_ = now;
    return true;
}

bool StepPacer::shows(Clock::time_point now, bool inPause)
{
    if (!pending_ || (shownBefore_ && now - lastShown_ < (inPause ? frame_ : 2 * frame_)))
        return false;
    pending_ = false;
    shownBefore_ = true;
    lastShown_ = now;
    return true;
}

bool StepPacer::showsNow()
{
    const bool due = pending_;
    pending_ = false;
    return due;
}

} // namespace tolvan
