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
    // The first pass of a connection asks; a burst of passes back to back asks
    // every millisecond; after a pause of the exchange, or a message box
    // answered, the next pass asks at once; so does a pass after a block's read.
    struct Step {
        bool wait;  // the exchange waits, else a pass runs
        int atMicroseconds;
        bool asks;
    } steps[] = {
        {false, 0, true},     {false, 3, false},    {false, 999, false}, {false, 1000, true},
        {false, 1500, false}, {true, 1600, false},  {false, 1700, true}, {false, 1701, false},
        {true, 1702, false},  {false, 1702, true},  {false, 30000, true},
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
    // Nothing to show at first; the first step shows at once. The next block's
    // step waits for the frame: a pass leaves it to a pause, which shows the
    // latest step once a frame has gone; with no pause for two frames a pass
    // shows it. A message or the end (a stop) shows it whatever the time, and
    // does not hold the next frame back.
    enum Event { Step, Pause, Pass, Stop };
    struct Row {
        Event event;
        int atMilliseconds;
        bool shows;  // for a pause, a pass or a stop
    } rows[] = {
        {Pass, 0, false},   {Step, 1, false},   {Pass, 1, true},    {Step, 15, false},  {Pause, 15, false},
        {Step, 30, false},  {Pass, 41, false},  {Pause, 41, true},  {Step, 50, false},  {Pass, 80, false},
        {Pass, 121, true},  {Pause, 170, false}, {Step, 175, false}, {Stop, 176, true},  {Stop, 177, false},
        {Step, 180, false}, {Pause, 200, true},
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
