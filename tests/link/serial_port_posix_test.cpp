// The real serial port on a pseudo-terminal pair: time-outs, short reads,
// exclusive open, purge, hang-up. Times are only checked from below, or far
// above, and the far end is silent exactly where a time-out is to end a read,
// so a busy machine cannot make these fail.

#include "program/ini_file.h"
#include "link/port_names.h"
#include "link/serial_port.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <linux/serial.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace tolvan {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The far end of a pseudo-terminal: the test plays the radio on it.
struct PtyPair {
    PtyPair()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master, 0);
        grantpt(master);
        unlockpt(master);
        char name[128];
        ptsname_r(master, name, sizeof name);
        path = name;
        termios t{};
        tcgetattr(master, &t);
        cfmakeraw(&t);
        tcsetattr(master, TCSANOW, &t);
        // Opened before the port takes the line for itself: it tells how many
        // bytes the port's side holds unread.
        portSide = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        EXPECT_GE(portSide, 0);
    }
    ~PtyPair()
    {
        for (int fd : {master, portSide})
            if (fd >= 0)
                close(fd);
    }
    void send(std::vector<std::uint8_t> bytes) { ASSERT_EQ(::write(master, bytes.data(), bytes.size()), ssize_t(bytes.size())); }
    std::vector<std::uint8_t> receive(std::size_t n)
    {
        std::vector<std::uint8_t> out(n);
        std::size_t got = 0;
        while (got < n) {
            const ssize_t r = ::read(master, out.data() + got, n - got);
            if (r <= 0)
                break;
            got += static_cast<std::size_t>(r);
        }
        out.resize(got);
        return out;
    }
    // Waits until the port's side holds `n` unread bytes: sent bytes cross a
    // pseudo-terminal on a kernel thread of their own, which may run late.
    void waitUntilUnread(int n) const
    {
        const auto limit = Clock::now() + std::chrono::seconds(20);
        int unread = -1;
        while ((ioctl(portSide, FIONREAD, &unread) != 0 || unread != n) && Clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        EXPECT_EQ(unread, n);
    }

    int master = -1;
    int portSide = -1;
    std::string path;
};

const TimeoutProfile kQuick{30, 10, 50, 50, 50};

// A port on a fresh pseudo-terminal, opened with the given time-outs.
struct SerialPortOnPty : ::testing::Test {
    std::unique_ptr<Port> open(const TimeoutProfile& profile = kQuick)
    {
        PortOpenResult r = SerialPort::open(pty.path, profile);
        EXPECT_TRUE(r.port) << r.detail;
        return std::move(r.port);
    }
    PtyPair pty;
};

// Raw bytes both ways: no translation, no flow control; a time-out is a short
// success that leaves the rest of the buffer as it was.
TEST_F(SerialPortOnPty, WritesArriveAndReadsReturnWhatCame)
{
    auto port = open();
    const std::vector<std::uint8_t> out = {0x02, 'P', 0x00, 0xFF, 0x0A, 0x0D, 0x11, 0x13};
    ASSERT_TRUE(port->write(out));
    EXPECT_EQ(pty.receive(out.size()), out);

    pty.send({0x06, 0x0D, 0x0A, 0x11});
    pty.waitUntilUnread(4);
    std::vector<std::uint8_t> in(6, 0xEE);
    const ReadResult r = port->read(in);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.received, 4u);
    EXPECT_EQ(in, (std::vector<std::uint8_t>{0x06, 0x0D, 0x0A, 0x11, 0xEE, 0xEE}));
}

TEST_F(SerialPortOnPty, NothingArrivesAfterTheTotalTimeOut)
{
    auto port = open(TimeoutProfile::clone());
    std::uint8_t b = 0x55;
    const auto start = Clock::now();
    const ReadResult r = port->read(std::span(&b, 1));
    EXPECT_GE(Clock::now() - start, milliseconds(590));  // 500 * 1 + 90
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.received, 0u);
    EXPECT_EQ(b, 0x55);
}

// The far end stays silent until the read is over, and the read's whole time
// is far longer than the gap: only the gap can end it.
TEST_F(SerialPortOnPty, AGapLongerThanTheIntervalEndsTheRead)
{
    auto port = open({30, 500, 20000, 50, 50});
    pty.send({1, 2});
    std::uint8_t buffer[4] = {};
    const auto start = Clock::now();
    const ReadResult r = port->read(buffer);
    EXPECT_GE(Clock::now() - start, milliseconds(30));
    EXPECT_LT(Clock::now() - start, milliseconds(11000));  // half the read's whole time
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.received, 2u);
    pty.send({3});  // a late byte waits for the next read
    std::uint8_t next = 0;
    EXPECT_EQ(port->read(std::span(&next, 1)).received, 1u);
    EXPECT_EQ(next, 3);
}

TEST_F(SerialPortOnPty, PurgeDropsUnreadInputOnly)
{
    auto port = open();
    pty.send({9, 9, 9});
    pty.waitUntilUnread(3);
    port->purge(kPurgeQueues);
    ASSERT_TRUE(port->write(std::vector<std::uint8_t>{0x57, 0x00}));
    port->purge(kPurgeAll);  // the write has drained: its bytes are on their way
    EXPECT_EQ(pty.receive(2), (std::vector<std::uint8_t>{0x57, 0x00}));
    std::uint8_t b = 0;
    EXPECT_EQ(port->read(std::span(&b, 1)).received, 0u);
}

TEST_F(SerialPortOnPty, OpenIsExclusiveThroughAnyPath)
{
    auto first = open();
    const auto link = std::filesystem::temp_directory_path() / ("tolvan-port-link-" + std::to_string(getpid()));
    std::filesystem::remove(link);
    std::filesystem::create_symlink(pty.path, link);
    for (const std::string& path : {pty.path, link.string()}) {
        const PortOpenResult second = SerialPort::open(path, kQuick);
        EXPECT_FALSE(second.port) << path;
        EXPECT_NE(second.detail.find("in use"), std::string::npos) << second.detail;
    }
    first.reset();
    EXPECT_TRUE(SerialPort::open(link.string(), kQuick).port);
    std::filesystem::remove(link);
}

// A reply paced at the line's rate is taken whole, woken for once it starts
// and once when the rest has had time to come. The gap a read allows is long
// here, so a far end that the machine runs late cannot end the read; that a
// gap does is the test above.
TEST_F(SerialPortOnPty, APacedReplyIsReadWhole)
{
    auto port = open({10000, 500, 60000, 50, 50});
    std::thread radio([this] {
        for (std::uint8_t i = 0; i < 12; ++i) {
            std::this_thread::sleep_for(std::chrono::microseconds(1042));
            pty.send({static_cast<std::uint8_t>(0xA0 + i)});
        }
    });
    std::uint8_t buffer[12] = {};
    const ReadResult r = port->read(buffer);
    radio.join();
    EXPECT_TRUE(r.ok);
    ASSERT_EQ(r.received, 12u);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(buffer[i], 0xA0 + i);
}

// A hang-up is a device failure at once: with nothing to read, and while bytes
// flow, when the line may still report bytes to read and the look that finds
// none ends the read, not its time-out. The read's time-outs are long, so only
// the hang-up can end it soon. The refusals of the open (in use, no such
// device, not a serial port) are held by the port permission and batch tests.
TEST(SerialPort, AHangUpEndsTheReadAtOnceAsAFailure)
{
    for (const bool bytesFirst : {false, true}) {
        SCOPED_TRACE(bytesFirst);
        PtyPair pty;
        PortOpenResult opened = SerialPort::open(pty.path, {10000, 500, 60000, 50, 50});
        ASSERT_TRUE(opened.port) << opened.detail;
        if (bytesFirst) {
            pty.send({1, 2, 3});
            pty.waitUntilUnread(3);
        }
        std::thread radio([&] {
            if (bytesFirst)
                pty.waitUntilUnread(0);  // the read has them
            close(pty.master);
            pty.master = -1;
        });
        std::uint8_t buffer[12] = {};
        const auto start = Clock::now();
        const ReadResult r = opened.port->read(buffer);
        radio.join();
        EXPECT_FALSE(r.ok);
        EXPECT_LT(Clock::now() - start, milliseconds(30000));  // the read's own time-out is 66 s
    }
}

TEST(SerialPort, LowLatencyIsAskedForAndGivenBackAlone)
{
    constexpr int kLow = ASYNC_LOW_LATENCY;
    constexpr int kOther = ASYNC_SKIP_TEST | ASYNC_SPD_HI;  // flags the driver keeps
    struct Case {
        int before;
        std::optional<int> onOpen;
        int driverNow, onClose;  // what the driver reports at close, and what goes back
    } cases[] = {
        {0, kLow, kLow, 0},
        {kOther, kOther | kLow, kOther | kLow, kOther},
        // The driver changed another flag meanwhile: that one stays.
        {kOther, kOther | kLow, ASYNC_SKIP_TEST | kLow, ASYNC_SKIP_TEST},
        // On already: nothing asked, and the close must leave it on.
        {kLow, std::nullopt, kLow, kLow},
        {kLow | kOther, std::nullopt, kLow | kOther, kLow | kOther},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(lowLatencyOnOpen(c.before), c.onOpen);
        // The close restores only what the open changed.
        const int closing = c.onOpen ? lowLatencyOnClose(c.driverNow) : c.driverNow;
        EXPECT_EQ(closing, c.onClose);
    }
}

// A pseudo-terminal has no driver of its own and no low latency to offer.
TEST_F(SerialPortOnPty, OpensWithoutLowLatency)
{
    PortOpenResult r = SerialPort::open(pty.path, kQuick);
    ASSERT_TRUE(r.port) << r.detail;
    EXPECT_EQ(static_cast<SerialPort&>(*r.port).lowLatency(), LowLatency::NotOffered);
    r.port.reset();

    EXPECT_EQ(lowLatencyOf(pty.path), LowLatency::NotOffered);
    EXPECT_EQ(lowLatencyOf("/dev/null"), LowLatency::NotOffered);
    EXPECT_EQ(lowLatencyOf("/dev/tolvan-no-such-port"), LowLatency::Unknown);
    EXPECT_EQ(serialDriverOf(pty.path), "");
    EXPECT_EQ(serialDriverOf("/dev/tolvan-no-such-port"), "");
    EXPECT_EQ(serialAdapterDescription(pty.path), "");  // the Port menu shows the path alone
}

// Needs a real line that offers the flag and may be opened (root, or the
// dialout group); TOLVAN_TEST_SERIAL names another than /dev/ttyS0.
TEST(SerialPort, ARealLineHasLowLatencyWhileOpenAndGetsItsSettingBack)
{
    const char* chosen = std::getenv("TOLVAN_TEST_SERIAL");
    const std::string device = chosen ? chosen : "/dev/ttyS0";
    if (lowLatencyOf(device) != LowLatency::Off)
        GTEST_SKIP() << device << " does not offer low latency, has it on already, or cannot be opened";
    PortOpenResult r = SerialPort::open(device, kQuick);
    if (!r.port)
        GTEST_SKIP() << r.detail;
    EXPECT_EQ(static_cast<SerialPort&>(*r.port).lowLatency(), LowLatency::On);
    EXPECT_EQ(lowLatencyOf(device), LowLatency::On);
    r.port.reset();
    EXPECT_EQ(lowLatencyOf(device), LowLatency::Off);
}

// Where the machine has a legacy line, its driver is named, not the generic
// port layer in front of it.
TEST(PortNames, TheDriverIsTheOneThatRunsTheLine)
{
    if (!std::filesystem::exists("/sys/class/tty/ttyS0/device/driver"))
        GTEST_SKIP() << "no legacy line here";
    const std::string driver = serialDriverOf("/dev/ttyS0");
    EXPECT_FALSE(driver.empty());
    EXPECT_NE(driver, "port");
    EXPECT_NE(driver, "ctrl");
}

TEST(PortNames, ComNamesResolveThroughTheIniFile)
{
    const auto path = std::filesystem::temp_directory_path() / ("tolvan-ports-" + std::to_string(getpid()) + ".ini");
    std::ofstream(path) << "[PORTS]\nCOM2 = /dev/ttyUSB0 // the cable\nCOM3 = COM1\n";
    CIniFile ini;
    ASSERT_TRUE(ini.load(path, true, false));
    const struct {
        const char* name;
        const CIniFile* ini;
        const char* device;
    } cases[] = {
        {"COM1", &ini, "/dev/ttyS0"},   {"COM2", &ini, "/dev/ttyUSB0"}, {"COM2", nullptr, "/dev/ttyS1"},
        {"COM4", nullptr, "/dev/ttyS3"}, {"/dev/ttyACM0", &ini, "/dev/ttyACM0"}, {"com1", nullptr, "com1"},
        {"COM3", &ini, "/dev/ttyS0"},  // mapped to another COM name: that name's device
    };
    for (const auto& c : cases)
        EXPECT_EQ(resolvePortName(c.name, c.ini), c.device) << c.name;
    std::filesystem::remove(path);
}

} // namespace
} // namespace tolvan
