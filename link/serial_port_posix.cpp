#include "link/serial_port.h"

#include "codeplug/text_util.h"
#include "link/line_wait.h"
#include "link/link_texts.h"
#include "link/port_permission.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace tolvan {
namespace {

using Clock = std::chrono::steady_clock;

// Waits for `events` on fd until `deadline`; returns the poll revents, 0 on
// time-out, -1 on error.
int waitFor(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return 0;
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
        pollfd p{fd, events, 0};
        const int r = ppoll(&p, 1, &ts, nullptr);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return r;
        return p.revents;
    }
}

bool configureLine(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    // Raw binary; the rest of the line state (flow control, modem lines) stays
    // as the driver reported it.
    cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    t.c_cflag |= CS8 | CREAD | CLOCAL;
    t.c_iflag &= ~static_cast<tcflag_t>(INPCK | IXON | IXOFF);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

LowLatency latencyOfFlags(int flags)
{
    return (flags & ASYNC_LOW_LATENCY) ? LowLatency::On : LowLatency::Off;
}

LowLatency queryLowLatency(int fd)
{
    serial_struct info{};
    if (ioctl(fd, TIOCGSERIAL, &info) != 0)
        return LowLatency::NotOffered;
    return latencyOfFlags(info.flags);
}

} // namespace

std::optional<int> lowLatencyOnOpen(int flags)
{
    if (flags & ASYNC_LOW_LATENCY)
        return std::nullopt;
    return flags | static_cast<int>(ASYNC_LOW_LATENCY);
}

int lowLatencyOnClose(int flags)
{
    return flags & ~static_cast<int>(ASYNC_LOW_LATENCY);
}

LowLatency lowLatencyOf(const std::string& device)
{
    const int fd = ::open(device.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return LowLatency::Unknown;
    const LowLatency state = isatty(fd) ? queryLowLatency(fd) : LowLatency::NotOffered;
    ::close(fd);
    return state;
}

std::string describeOpenError(const std::string& device, int error, Language language)
{
    const PortTexts& t = portTexts(language);
    switch (error) {
    case EACCES:
    case EPERM: {
        struct stat st{};
        return permissionHint(device, stat(device.c_str(), &st) == 0 ? &st : nullptr, language);
    }
    case EBUSY:
    case EWOULDBLOCK:
        return filledIn(t.inUse, {device});
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return filledIn(t.noDevice, {device});
    case ENOTTY:
        return filledIn(t.notSerial, {device});
    default:
        return filledIn(t.systemError, {device, std::strerror(error)});
    }
}

PortOpenResult SerialPort::open(const std::string& device, const TimeoutProfile& profile, Language language)
{
    PortOpenResult result;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.detail = describeOpenError(device, errno, language);
        return result;
    }
    int error = 0;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0)
        error = errno;
    else if (!isatty(fd))
        error = ENOTTY;
    else if (!configureLine(fd))
        error = errno ? errno : ENOTTY;
    if (error != 0) {
        ::close(fd);
        result.detail = describeOpenError(device, error, language);
        return result;
    }
    // Programs that do not lock still see the line as taken.
    ioctl(fd, TIOCEXCL);
    tcflush(fd, TCIOFLUSH);
    auto* port = new SerialPort(fd, profile);
    result.port.reset(port);
    port->requestLowLatency();
    return result;
}

SerialPort::~SerialPort()
{
    restoreLatency();
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
}

// The results are not examined beyond what they tell: a line that refuses
// the flag is used as it is.
void SerialPort::requestLowLatency()
{
    serial_struct info{};
    if (ioctl(fd_, TIOCGSERIAL, &info) != 0)
        return;  // no such driver service (a pseudo-terminal)
    lowLatency_ = latencyOfFlags(info.flags);
    const std::optional<int> wanted = lowLatencyOnOpen(info.flags);
    if (!wanted)
        return;
    info.flags = *wanted;
    if (ioctl(fd_, TIOCSSERIAL, &info) != 0)
        return;
    restoreLatency_ = true;
    lowLatency_ = queryLowLatency(fd_);
}

void SerialPort::restoreLatency()
{
    serial_struct info{};
    if (!restoreLatency_ || ioctl(fd_, TIOCGSERIAL, &info) != 0)
        return;
    info.flags = lowLatencyOnClose(info.flags);
    ioctl(fd_, TIOCSSERIAL, &info);
}

void SerialPort::purge(int)
{
    // Writes have drained already, so only unread input is left to drop.
    tcflush(fd_, TCIFLUSH);
}

bool SerialPort::write(std::span<const std::uint8_t> bytes)
{
    const auto began = Clock::now();
    const auto deadline = began + std::chrono::milliseconds(profile_.writeMultiplier * bytes.size() +
                                                            profile_.writeConstant);
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t r = ::write(fd_, bytes.data() + sent, bytes.size() - sent);
        if (r > 0) {
            sent += static_cast<std::size_t>(r);
            continue;
        }
        if (r < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        const int ev = waitFor(fd_, POLLOUT, deadline);
        if (ev <= 0 || (ev & (POLLERR | POLLHUP | POLLNVAL)))
            return false;
    }
    while (tcdrain(fd_) != 0)
        if (errno != EINTR)
            return false;
    lineFree_ = lineFreeAfter(began, lineFree_, bytes.size());
    return true;
}

ReadResult SerialPort::read(std::span<std::uint8_t> buffer)
{
    ReadResult result{true, 0};
    const auto start = Clock::now();
    const auto total = start + std::chrono::milliseconds(profile_.readMultiplier * buffer.size() +
                                                         profile_.readConstant);
    const auto interval = std::chrono::milliseconds(profile_.readInterval);
    Clock::time_point lastByte{};
    // A read mostly starts just after a command went out, when nothing can have
    // come yet: it sleeps or waits before it looks, and looks after each wait.
    bool look = false;
    bool slept = false;
    LastLook last = LastLook::NotYet;
    std::optional<Clock::time_point> replyDue;
    if (lineFree_)
        replyDue = *lineFree_ + kByteTime9600 * static_cast<Clock::rep>(buffer.size());
    lineFree_.reset();
    bool hungUp = false;  // the line reported a failure along with bytes
    while (result.received < buffer.size()) {
        auto now = start;
        if (look) {
            // With VMIN and VTIME 0 an empty line reads as 0 bytes; a hang-up
            // shows in poll.
            const ssize_t r = ::read(fd_, buffer.data() + result.received, buffer.size() - result.received);
            if (r < 0 && errno == EINTR)
                continue;
            if ((r < 0 && errno != EAGAIN) || (r <= 0 && hungUp)) {
                result.ok = false;  // the device failed or went away
                return result;
            }
            now = Clock::now();
            last = r <= 0 ? LastLook::Nothing : slept ? LastLook::BytesAfterSleep : LastLook::Bytes;
            if (r > 0) {
                result.received += static_cast<std::size_t>(r);
                lastByte = now;
                if (result.received == buffer.size())
                    break;
            }
        }
        auto deadline = total;
        if (result.received > 0 && lastByte + interval < deadline)
            deadline = lastByte + interval;
        const LineWait wait = nextLineWait(buffer.size() - result.received, last, now, deadline, replyDue);
        look = true;
        slept = wait.sleeps;
        if (wait.sleeps) {
            sleepUntil(wait.until);
            continue;
        }
        const int ev = waitFor(fd_, POLLIN, wait.until);
        if (ev == 0)
            return result;  // time-out: a short success
        // A line may report bytes along with a hang-up: they are looked for
        // once, and a look that finds none ends the read.
        hungUp = ev < 0 || (ev & (POLLERR | POLLHUP | POLLNVAL));
        if (ev < 0 || (hungUp && !(ev & POLLIN))) {
            result.ok = false;
            return result;
        }
    }
    return result;
}

} // namespace tolvan
