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

} // namespace tolvan
