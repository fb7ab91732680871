// Which pump passes of the window ask the event loop, and which steps of the
// exchange the progress window shows: the number of passes and steps is the
// edition's, the system calls and repaints behind them are not.

#include "link/pump_pacer.h"

#include <gtest/gtest.h>

namespace tolvan {
namespace {

using std::chrono::microseconds;

TEST(PumpPacer, APassAsksAfterAWaitOrOnceAMillisecondHasGone)
{
    struct Step {
        bool wait;  // the exchange waits, else a pass runs
        int atMicroseconds;
        bool asks;
    } steps[] = {
        {false, 0, true},      // the first pass of a connection
        {false, 3, false},     // a burst of passes back to back
        {false, 999, false},
        {false, 1000, true},   // a long burst still looks every millisecond
        {false, 1500, false},
        {true, 1600, false},   // a pause of the exchange ...
        {false, 1700, true},   // ... and the next pass asks at once
        {false, 1701, false},
        {true, 1702, false},   // a message box answered
        {false, 1702, true},
        {false, 30000, true},  // after a block's read
    };
    PumpPacer pacer;
    const auto origin = PumpPacer::Clock::now();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.atMicroseconds);
        if (s.wait)
            pacer.waited();
        else
            EXPECT_EQ(pacer.passAsks(origin + microseconds(s.atMicroseconds)), s.asks);
    }
}

TEST(StepPacer, AStepShowsInAPauseOnceAFrameOrWhenTheExchangeStops)
{
    enum Event { Step, Pause, Pass, Stop };
    struct Row {
        Event event;
        int atMilliseconds;
        bool shows;  // for a pause, a pass or a stop
    } rows[] = {
        {Pass, 0, false},    // nothing to show yet
        {Step, 1, false},
        {Pass, 1, true},     // the first step shows at once
        {Step, 15, false},
        {Pause, 15, false},  // the next block's step waits for the frame
        {Step, 30, false},
        {Pass, 41, false},   // a pass leaves it to a pause ...
        {Pause, 41, true},   // ... which shows the latest step once a frame has gone
        {Step, 50, false},
        {Pass, 80, false},
        {Pass, 121, true},   // no pause for two frames: a pass shows it
        {Pause, 170, false}, // shown already
        {Step, 175, false},
        {Stop, 176, true},   // a message or the end shows it whatever the time
        {Stop, 177, false},
        {Step, 180, false},
        {Pause, 200, true},  // a stop does not hold the next frame back
    };
    StepPacer pacer(std::chrono::milliseconds(40));
    const auto origin = StepPacer::Clock::now();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.atMilliseconds);
        const auto at = origin + std::chrono::milliseconds(r.atMilliseconds);
        switch (r.event) {
        case Step:
            pacer.stepped();
            break;
        case Pause:
        case Pass:
            EXPECT_EQ(pacer.shows(at, r.event == Pause), r.shows);
            break;
        case Stop:
            EXPECT_EQ(pacer.showsNow(), r.shows);
            break;
        }
    }

    // Without frames (the widget tests' window) every step shows at its pass.
    StepPacer every(StepPacer::Clock::duration::zero());
    for (int i = 0; i < 3; ++i) {
        every.stepped();
        EXPECT_TRUE(every.shows(origin, false));
    }
}

} // namespace
} // namespace tolvan
