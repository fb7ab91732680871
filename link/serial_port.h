#pragma once

#include "editions/edition.h"
#include "link/port.h"

#include <chrono>
#include <string>

namespace tolvan {

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

private:
    SerialPort(int fd, const TimeoutProfile& profile) : fd_(fd), profile_(profile) {}

    int fd_;
    TimeoutProfile profile_;
};

// Why an open of `device` failed, from the system's error number, in words a
// user can act on (permission: the group that owns the device; busy; missing).
std::string describeOpenError(const std::string& device, int error, Language language = Language::English);

} // namespace tolvan
