#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace tolvan {

// Time-out profiles of a connection (milliseconds): a read of n bytes gives up
// after multiplier * n + constant in all, and as soon as more than `interval`
// passes between two received bytes.
struct TimeoutProfile {
    int readInterval;
    int readMultiplier;
    int readConstant;
    int writeMultiplier;
    int writeConstant;

    static constexpr TimeoutProfile clone() { return {30, 500, 90, 50, 50}; }
    static constexpr TimeoutProfile test() { return {10, 50, 50, 50, 50}; }
};

// Purge masks as the radio link uses them. Both drop only bytes that were
// received and not yet read: a write has already drained when it returns.
constexpr int kPurgeAll = 0x0F;
constexpr int kPurgeQueues = 0x0C;

struct ReadResult {
    bool ok = false;           // false only when the device itself failed
    std::size_t received = 0;  // a time-out is a short success
};

// One open connection to a radio: a real serial line, a pseudo-terminal, or the
// virtual radio in-process. Closing is destruction.
class Port {
public:
    virtual ~Port() = default;
    virtual void purge(int mask) = 0;
    // Returns once the bytes have left; false when the device failed.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    // Reads buffer.size() bytes under the port's time-out profile. Bytes of the
    // buffer beyond those received keep their old values.
    virtual ReadResult read(std::span<std::uint8_t> buffer) = 0;
};

struct PortOpenResult {
    std::unique_ptr<Port> port;  // null when the open failed
    std::string detail;          // the system's reason, for the message's detail text
};

// Opens ports by name ("COM1".."COM4", a device path, a named port such as "virtual").
class PortOpener {
public:
    virtual ~PortOpener() = default;
    virtual PortOpenResult open(const std::string& name, const TimeoutProfile& profile) = 0;
};

} // namespace tolvan
