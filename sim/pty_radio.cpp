#include "sim/pty_radio.h"

#include "sim/sample_codeplug.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace tolvan {
namespace {

using Clock = std::chrono::steady_clock;
using Micro = std::chrono::microseconds;

void makeRaw(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return;
    cfmakeraw(&t);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &t);
}

struct Timed {
    std::int64_t due;      // when the byte has crossed the cable
    std::uint8_t byte;
    std::int64_t deliver;  // when it reaches the other end's reader
};

} // namespace

std::int64_t PtyRadio::nowMicroseconds()
{
    return std::chrono::duration_cast<Micro>(Clock::now().time_since_epoch()).count();
}

std::int64_t PtyRadio::deliveredAt(std::int64_t crossed, std::int64_t origin, std::int64_t period)
{
    if (period <= 0 || crossed <= origin)
        return crossed;
    const std::int64_t ticks = (crossed - origin + period - 1) / period;
    return origin + ticks * period;
}

PtyRadio::PtyRadio(std::unique_ptr<VirtualRadio> radio, bool byteTimeModel, int latencyTimerMilliseconds)
    : radio_(std::move(radio)),
      byteMicroseconds_(byteTimeModel ? kByteMicroseconds9600 : 0),
      latencyTimerMicroseconds_(std::int64_t{latencyTimerMilliseconds} * 1000),
      timerOrigin_(nowMicroseconds())
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error(std::string("no pseudo-terminal: ") + std::strerror(errno));
    char name[128] = {};
    if (ptsname_r(master_, name, sizeof name) != 0)
        throw std::runtime_error("no pseudo-terminal name");
    path_ = name;
    heldSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (heldSlave_ < 0 || pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error(std::string("pseudo-terminal: ") + std::strerror(errno));
    makeRaw(master_);
    makeRaw(heldSlave_);
    // Transcript times are when a byte has crossed the line, not when the
    // thread got round to it.
    radio_->clock = [this] { return stamp_.load(); };
    thread_ = std::thread([this] { serve(); });
}

PtyRadio::~PtyRadio()
{
    stop_ = true;
    if (wake_[1] >= 0)
        (void)!::write(wake_[1], "x", 1);
    if (thread_.joinable())
        thread_.join();
    for (int fd : {master_, heldSlave_, wake_[0], wake_[1]})
        if (fd >= 0)
            ::close(fd);
}

bool PtyRadio::answerAtOnce()
{
    const sched_param lowestRealTime{sched_get_priority_min(SCHED_FIFO)};
    return pthread_setschedparam(thread_.native_handle(), SCHED_FIFO, &lowestRealTime) == 0;
}

void PtyRadio::serve()
{
    // The modelled line keeps its own time to the microsecond, not to the
    // 50 us a thread's sleeps may otherwise overrun by.
    prctl(PR_SET_TIMERSLACK, 1UL);
    std::deque<Timed> inbound;   // bytes from the PC, due when fully on the line
    std::deque<Timed> outbound;  // bytes to the PC, due when they have crossed it
    std::int64_t lastInDue = 0;
    std::int64_t lastOutDue = 0;
    std::uint8_t buffer[256];

    while (!stop_) {
        std::int64_t now = nowMicroseconds();
        while (!inbound.empty() && inbound.front().due <= now) {
            const Timed in = inbound.front();
            inbound.pop_front();
            std::lock_guard lock(mutex_);
            stamp_ = in.due;
            radio_->receive(in.byte);
            while (radio_->hasOutput()) {
                const RadioOutput out = radio_->takeOutput();
                std::int64_t start = std::max(in.due, lastOutDue);
                if (out.gapBefore)
                    start += kGapMilliseconds * 1000;
                lastOutDue = start + byteMicroseconds_;
                outbound.push_back(
                    {lastOutDue, out.byte, deliveredAt(lastOutDue, timerOrigin_, latencyTimerMicroseconds_)});
            }
        }
        now = nowMicroseconds();
        while (!outbound.empty() && outbound.front().deliver <= now) {
            const Timed out = outbound.front();
            // Written under the lock: whoever has read the byte and then asks
            // for the transcript finds it there.
            std::lock_guard lock(mutex_);
            if (::write(master_, &out.byte, 1) != 1)
                break;  // the line is full: try again after the next wait
            outbound.pop_front();
            if (noteLateness_)
                lateness_.sentLate.push_back(nowMicroseconds() - out.deliver);
            stamp_ = out.due;
            radio_->recordSent(out.byte);
        }

        std::int64_t next = -1;
        if (!inbound.empty())
            next = inbound.front().due;
        if (!outbound.empty() && (next < 0 || outbound.front().deliver < next))
            next = outbound.front().deliver;
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        timespec ts{};
        timespec* timeout = nullptr;
        if (next >= 0) {
            const std::int64_t wait = std::max<std::int64_t>(0, next - nowMicroseconds());
            ts = {static_cast<time_t>(wait / 1000000), static_cast<long>(wait % 1000000) * 1000};
            timeout = &ts;
        }
        if (ppoll(fds, 2, timeout, nullptr) < 0 && errno != EINTR)
            return;
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            const std::int64_t arrived = nowMicroseconds();
            if (n > 0 && noteLateness_) {
                std::lock_guard lock(mutex_);
                lateness_.arrivals.push_back(arrived);
            }
            for (ssize_t i = 0; i < n; ++i) {
                lastInDue = std::max(arrived, lastInDue) + byteMicroseconds_;
                inbound.push_back({lastInDue, buffer[i], lastInDue});
            }
        }
    }
}

std::string sharedVirtualRadioDevice(const Edition& edition, const std::string& password)
{
    static std::mutex guard;
    static std::unique_ptr<PtyRadio> radio;
    std::lock_guard lock(guard);
    if (!radio) {
        try {
            radio = std::make_unique<PtyRadio>(std::make_unique<VirtualRadio>(sampleCodeplug(edition)), true);
        } catch (const std::exception&) {
            return {};
        }
    }
    if (!password.empty())
        radio->withRadio([&](VirtualRadio& r) { r.setPassword(edition, password); });
    return radio->devicePath();
}

} // namespace tolvan
