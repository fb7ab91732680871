// How a read waits for a reply: one wait for the reply to start, one sleep for
// the rest at the line's pace, never past the read's deadline.

#include "link/line_wait.h"

#include <gtest/gtest.h>

namespace tolvan {
namespace {

using std::chrono::microseconds;

TEST(LineWait, WaitsForTheFirstByteThenSleepsForTheRest)
{
    const LineClock::time_point t0{};
    struct Case {
        const char* what;
        std::size_t missing;
        LastLook last;
        int deadlineUs;  // from t0, the read's deadline
        bool sleeps;
        int untilUs;     // from t0
    } cases[] = {
        {"not looked yet, no command before: wait for a byte", 12, LastLook::NotYet, 6090000, false, 6090000},
        {"nothing yet: wait for a byte until the deadline", 12, LastLook::Nothing, 6090000, false, 6090000},
        {"a byte came: the other eleven take eleven byte times", 11, LastLook::Bytes, 30000, true, 11 * 1042},
        {"the last byte", 1, LastLook::Bytes, 30000, true, 1042},
        {"a long rest stops at the gap the read allows", 40, LastLook::Bytes, 30000, true, 30000},
        {"or at the read's whole time", 12, LastLook::Bytes, 5000, true, 5000},
        {"a sleep that brought nothing: wait for a byte", 3, LastLook::Nothing, 30000, false, 30000},
        {"a sleep that brought some: wait for the late ones", 1, LastLook::BytesAfterSleep, 30000, false, 30000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LineWait w = nextLineWait(c.missing, c.last, t0, t0 + microseconds(c.deadlineUs));
        EXPECT_EQ(w.sleeps, c.sleeps);
        EXPECT_EQ(w.until, t0 + microseconds(c.untilUs));
    }
}

// After a command the read sleeps until its whole reply can be there, looks,
// and from then on goes by what it found.
TEST(LineWait, AfterACommandSleepsUntilTheReplyCanBeWhole)
{
    const LineClock::time_point t0{};
    struct Case {
        const char* what;
        LastLook last;
        int dueUs;       // from t0, when the reply can be whole
        int deadlineUs;
        bool sleeps;
        int untilUs;
    } cases[] = {
        {"before the first look", LastLook::NotYet, 16672, 6090000, true, 16672},
        {"never past the deadline", LastLook::NotYet, 16672, 10000, true, 10000},
        {"a reply due already: wait for a byte", LastLook::NotYet, 0, 6090000, false, 6090000},
        {"the look found nothing: wait", LastLook::Nothing, 16672, 6090000, false, 6090000},
        {"the look found some: wait for the late ones", LastLook::BytesAfterSleep, 16672, 30000, false, 30000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LineWait w = nextLineWait(2, c.last, t0, t0 + microseconds(c.deadlineUs), t0 + microseconds(c.dueUs));
        EXPECT_EQ(w.sleeps, c.sleeps);
        EXPECT_EQ(w.until, t0 + microseconds(c.untilUs));
    }
    // A command written while the one before is still on the line queues behind it.
    EXPECT_EQ(lineFreeAfter(t0, std::nullopt, 4), t0 + microseconds(4 * 1042));
    EXPECT_EQ(lineFreeAfter(t0 + microseconds(1000), t0 + microseconds(4168), 8), t0 + microseconds(12 * 1042));
    EXPECT_EQ(lineFreeAfter(t0 + microseconds(9000), t0 + microseconds(4168), 1), t0 + microseconds(10042));
}

} // namespace
} // namespace tolvan
