#pragma once

#include <chrono>

namespace tolvan {

// When a pump pass of the window asks the event loop for pending events.
// Asking costs the loop a system call even when nothing is pending, and some
// editions run 201 passes back to back after every block. A pass asks when it
// is the first since the exchange last waited (a pause or a message box), or
// when a millisecond has gone by since the loop was last asked; the passes in
// between return at once, as nothing can have reached the loop in the
// meantime that a user would notice later for it. Reading the clock is no
// system call.
class PumpPacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kSlice = std::chrono::milliseconds(1);

    // Whether the pass at `now` asks the loop; the pacer notes that it did.
    bool passAsks(Clock::time_point now);
    // The exchange waited: the next pass asks.
    void waited() { waited_ = true; }

private:
    bool waited_ = true;
    Clock::time_point lastAsked_{};
};

} // namespace tolvan
