#include "sim/pty_radio.h"

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
#include <vector>

namespace tolvan {
namespace {

using Clock = std::chrono::steady_clock;
using Micro = std::chrono::microseconds;

// How often a line the PC does not read from is tried again once it is full.
constexpr std::int64_t kFullLineRetryMicroseconds = 10000;
constexpr std::int64_t kLastStretchMicroseconds = 1000;

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

// A run of bytes to the PC that reaches it in one piece: a reply, or the part
// of one before or after a gap the radio was told to leave.
struct Piece {
    std::vector<std::uint8_t> bytes;
    std::vector<std::int64_t> crossed;  // when each byte has crossed the cable
    std::int64_t deliver = 0;           // when the last one reaches the PC's reader
    std::size_t written = 0;
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
    std::deque<Piece> outbound;
    std::int64_t lastInDue = 0;
    std::int64_t lastOutDue = 0;
    std::uint8_t buffer[256];

    while (!stop_) {
        // A reply goes to the PC in one write once its last byte has crossed
        // the cable: a thread that wakes late delays a reply as a whole but
        // never opens a gap inside it, as a radio's line buffer would not.
        bool lineFull = false;
        while (!outbound.empty() && outbound.front().deliver <= nowMicroseconds()) {
            Piece& piece = outbound.front();
            // Written under the lock: whoever has read the bytes and then asks
            // for the transcript finds them there.
            std::lock_guard lock(mutex_);
            const ssize_t n = ::write(master_, piece.bytes.data() + piece.written, piece.bytes.size() - piece.written);
            if (n <= 0) {
                lineFull = true;  // the PC's side holds all it can: wait for room
                break;
            }
            if (noteLateness_ && piece.written == 0)
                lateness_.sentLate.push_back(nowMicroseconds() - piece.deliver);
            for (std::size_t i = piece.written; i < piece.written + static_cast<std::size_t>(n); ++i) {
                stamp_ = piece.crossed[i];
                radio_->recordSent(piece.bytes[i]);
            }
            piece.written += static_cast<std::size_t>(n);
            if (piece.written < piece.bytes.size()) {
                lineFull = true;
                break;
            }
            outbound.pop_front();
        }

        pollfd fds[2] = {{master_, static_cast<short>(POLLIN | (lineFull ? POLLOUT : 0)), 0}, {wake_[0], POLLIN, 0}};
        timespec ts{};
        timespec* timeout = nullptr;
        if (!outbound.empty()) {
            // A full line is looked at again now and then, whether or not it
            // reports room.
            std::int64_t wait = lineFull ? kFullLineRetryMicroseconds
                                         : std::max<std::int64_t>(0, outbound.front().deliver - nowMicroseconds());
            // A thread woken from a long sleep starts later than one woken
            // from a short one (the processor has gone idle deeper): the last
            // stretch before a reply is due is slept on its own.
            if (!lineFull && wait > 2 * kLastStretchMicroseconds)
                wait -= kLastStretchMicroseconds;
            ts = {static_cast<time_t>(wait / 1000000), static_cast<long>(wait % 1000000) * 1000};
            timeout = &ts;
        }
        if (ppoll(fds, 2, timeout, nullptr) < 0 && errno != EINTR)
            return;
        if (!(fds[0].revents & POLLIN))
            continue;
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        const std::int64_t arrived = nowMicroseconds();
        std::lock_guard lock(mutex_);
        if (n > 0 && noteLateness_)
            lateness_.arrivals.push_back(arrived);
        // Each byte is taken in at once, stamped with when it has fully crossed
        // the cable; what the radio answers is timed from there.
        for (ssize_t i = 0; i < n; ++i) {
            lastInDue = std::max(arrived, lastInDue) + byteMicroseconds_;
            stamp_ = lastInDue;
            radio_->receive(buffer[i]);
            Piece* piece = nullptr;
            while (radio_->hasOutput()) {
                const RadioOutput out = radio_->takeOutput();
                std::int64_t start = std::max(lastInDue, lastOutDue);
                if (out.gapBefore)
                    start += kGapMilliseconds * 1000;
                if (!piece || out.gapBefore)
                    piece = &outbound.emplace_back();
                lastOutDue = start + byteMicroseconds_;
                piece->bytes.push_back(out.byte);
                piece->crossed.push_back(lastOutDue);
                piece->deliver = deliveredAt(lastOutDue, timerOrigin_, latencyTimerMicroseconds_);
            }
        }
    }
}

} // namespace tolvan
