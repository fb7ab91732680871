// Which pump passes of the window ask the event loop: the number of passes is
// the edition's, the system calls behind them are not.

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

} // namespace
} // namespace tolvan
