#pragma once

#include "link/port.h"
#include "sim/virtual_radio.h"

#include <deque>
#include <functional>

namespace tolvan {

// The virtual radio as a Port in the same process. A read never waits; a gap
// the radio leaves ends a read early as the inter-byte time-out would. The
// answer to a write is still on the wire until the PC reads, so a purge right
// after the write keeps it, as on a cable; the purge before the next write
// drops it, as it would have arrived by then.
class RadioPort : public Port {
public:
    explicit RadioPort(VirtualRadio& radio) : radio_(radio) {}

    void purge(int mask) override;
    bool write(std::span<const std::uint8_t> bytes) override;
    ReadResult read(std::span<std::uint8_t> buffer) override;

    // Device faults: a write the predicate refuses fails and sends nothing;
    // `readsFail` makes every read report a failed device.
    std::function<bool(std::span<const std::uint8_t>)> refuseWrite;
    bool readsFail = false;

private:
    void arrive();

    VirtualRadio& radio_;
    std::deque<RadioOutput> onTheWire_;  // the answer to the latest write
    std::deque<RadioOutput> input_;      // arrived, not yet read
    bool purgedSinceWrite_ = false;
};

// Opens an in-process port to one radio under any name.
class RadioPortOpener : public PortOpener {
public:
    explicit RadioPortOpener(VirtualRadio& radio) : radio_(radio) {}
    PortOpenResult open(const std::string& name, const TimeoutProfile& profile) override;

    bool failOpen = false;  // the open fails with this detail
    std::string failDetail;
    // Device faults handed to every port it opens (see RadioPort).
    std::function<bool(std::span<const std::uint8_t>)> refuseWrite;
    bool readsFail = false;
    int opens = 0;

private:
    VirtualRadio& radio_;
};

} // namespace tolvan
