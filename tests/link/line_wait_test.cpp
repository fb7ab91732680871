// How a read waits for a reply: one wait for the reply to start, one sleep for
// the rest at the line's pace, never past the read's deadline; and the real
// port taking a paced reply whole and ending at a hang-up.

#include "link/line_wait.h"
#include "link/serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace tolvan {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

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

TEST(LineWait, ASleepKeepsToItsTime)
{
    // Checked from below only: a busy machine may wake a thread late.
    const auto start = LineClock::now();
    sleepFor(milliseconds(2));
    EXPECT_GE(LineClock::now() - start, milliseconds(2));
}

// The far end of a pseudo-terminal, played by the test.
struct FarEnd {
    FarEnd()
    {
        fd = posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(fd, 0);
        grantpt(fd);
        unlockpt(fd);
        char name[128] = {};
        ptsname_r(fd, name, sizeof name);
        path = name;
        termios t{};
        tcgetattr(fd, &t);
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
    }
    ~FarEnd() { hangUp(); }
    void send(std::uint8_t byte) { ASSERT_EQ(::write(fd, &byte, 1), 1); }
    void hangUp()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    int fd = -1;
    std::string path;
};

TEST(LineWait, APacedReplyIsReadWhole)
{
    FarEnd radio;
    PortOpenResult opened = SerialPort::open(radio.path, TimeoutProfile::clone());
    ASSERT_TRUE(opened.port) << opened.detail;
    std::thread replies([&radio] {
        for (int i = 0; i < 12; ++i) {
            std::this_thread::sleep_for(microseconds(1042));
            radio.send(static_cast<std::uint8_t>(0xA0 + i));
        }
    });
    std::uint8_t buffer[12] = {};
    const ReadResult r = opened.port->read(buffer);
    replies.join();
    EXPECT_TRUE(r.ok);
    ASSERT_EQ(r.received, 12u);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(buffer[i], 0xA0 + i);
}

// A line that hangs up may still report bytes to read; the read that finds
// none ends at once as a failure rather than looking again until its time-out.
TEST(LineWait, AHangUpWhileBytesFlowEndsTheReadAtOnce)
{
    FarEnd radio;
    PortOpenResult opened = SerialPort::open(radio.path, TimeoutProfile::clone());
    ASSERT_TRUE(opened.port) << opened.detail;
    std::thread replies([&radio] {
        for (std::uint8_t b : {1, 2, 3})
            radio.send(b);
        std::this_thread::sleep_for(milliseconds(20));
        radio.hangUp();
    });
    std::uint8_t buffer[12] = {};
    const auto start = LineClock::now();
    const ReadResult r = opened.port->read(buffer);
    replies.join();
    EXPECT_FALSE(r.ok);
    EXPECT_LT(LineClock::now() - start, milliseconds(1000));  // the read's own time-out is 6 s
}

} // namespace
} // namespace tolvan
