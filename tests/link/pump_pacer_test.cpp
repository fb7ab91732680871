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

TEST(StepPacer, AStepShowsOnceAFrameOrWhenTheExchangeStops)
{
    enum Event { Step, Pass, Stop };
    struct Row {
        Event event;
        int atMilliseconds;
        bool shows;  // for a pass or a stop
    } rows[] = {
        {Pass, 0, false},   // nothing to show yet
        {Step, 1, false},
        {Pass, 1, true},    // the first step shows at its pass
        {Step, 15, false},
        {Pass, 15, false},  // the next block's step waits for the frame
        {Step, 30, false},
        {Pass, 40, false},
        {Pass, 41, true},   // a frame since the last shown: the latest step
        {Pass, 90, false},  // shown already
        {Step, 95, false},
        {Stop, 96, true},   // a message or the end shows it whatever the time
        {Stop, 97, false},
        {Step, 100, false},
        {Pass, 130, true},  // a stop does not hold the next frame back
    };
    StepPacer pacer;
    const auto origin = StepPacer::Clock::now();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.atMilliseconds);
        switch (r.event) {
        case Step:
            pacer.stepped();
            break;
        case Pass:
            EXPECT_EQ(pacer.shows(origin + std::chrono::milliseconds(r.atMilliseconds)), r.shows);
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
        EXPECT_TRUE(every.shows(origin));
    }
}

} // namespace
} // namespace tolvan
