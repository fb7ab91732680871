#pragma once

#include "editions/edition.h"
#include "link/port.h"

#include <chrono>
#include <optional>
#include <string>

namespace tolvan {

// Low-latency delivery. Many USB serial adapters hold received bytes for a
// latency timer (16 ms on some chips) before passing them on, which would add
// that much to every reply of the radio; the driver's low-latency flag cuts
// the timer to 1 ms. A line that does not offer the flag (a pseudo-terminal)
// is used as it is.
enum class LowLatency { Unknown, NotOffered, Off, On };

// The driver flags to set on open: low latency on, every other flag as the
// driver reported it. Nothing when it is on already; then the close leaves it.
std::optional<int> lowLatencyOnOpen(int flags);
// The flags to set on close: low latency off again, every other flag as the
// driver reports it by then.
int lowLatencyOnClose(int flags);

// Whether the line at `device` delivers with low latency, asked without taking
// the port; Unknown when it cannot be opened.
LowLatency lowLatencyOf(const std::string& device);

// A serial line (or pseudo-terminal) over termios: 9600 baud, 8 data bits, no
// parity, one stop bit, raw binary. The open is exclusive even for root: an
// flock on the open file holds off every other opener, whatever path (or
// symlink) it came through.
class SerialPort : public Port {
public:
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // The reason, when the open fails, is a sentence for the message's detail,
    // in `language`.
    static PortOpenResult open(const std::string& device, const TimeoutProfile& profile,
                               Language language = Language::English);

    void purge(int mask) override;
    bool write(std::span<const std::uint8_t> bytes) override;
    ReadResult read(std::span<std::uint8_t> buffer) override;

    // The line's low-latency state while this connection holds it.
    LowLatency lowLatency() const { return lowLatency_; }

private:
    SerialPort(int fd, const TimeoutProfile& profile) : fd_(fd), profile_(profile) {}
    void requestLowLatency();
    void restoreLatency();

    int fd_;
    TimeoutProfile profile_;
    LowLatency lowLatency_ = LowLatency::NotOffered;
    bool restoreLatency_ = false;  // this open turned low latency on
    // When the bytes written last have crossed the line; kept until the next
    // read, which waits for a reply to them.
    std::optional<std::chrono::steady_clock::time_point> lineFree_;
};

// Why an open of `device` failed, from the system's error number, in words a
// user can act on (permission: the group that owns the device; busy; missing).
std::string describeOpenError(const std::string& device, int error, Language language = Language::English);

} // namespace tolvan
