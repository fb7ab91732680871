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

// When the progress window shows the exchange's latest step. Each step shown
// repaints the bar and the count (about a third of a millisecond of the
// processor), and the quickest editions step seventy times a second where ten
// a second tell a user as much. A step shows in the first pause of
// the exchange once a frame has gone by since the last one shown, as the
// exchange waits then anyway; in a pump pass, which lies between a reply and
// the next command, only once two frames have gone by (an exchange without
// pauses). When the exchange stops (a message, the end) it shows at once.
class StepPacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kFrame = std::chrono::milliseconds(100);

    explicit StepPacer(Clock::duration frame = kFrame) : frame_(frame) {}

    // The exchange has a new step (a count, a bar position or a phase text).
    void stepped() { pending_ = true; }
    // Whether a step is waiting to be shown at `now`, in a pause of the
    // exchange or else in a pump pass; the pacer notes it shown.
    bool shows(Clock::time_point now, bool inPause);
    // Whether a step is waiting at all, frame or not (the exchange stops); the
    // pacer notes it shown.
    bool showsNow();

private:
    Clock::duration frame_;
    bool pending_ = false;
    bool shownBefore_ = false;
    Clock::time_point lastShown_{};
};

} // namespace tolvan
