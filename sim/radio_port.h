#pragma once

#include "link/port.h"
#include "sim/virtual_radio.h"

#include <deque>
#include <functional>

namespace tolvan {

// The virtual radio as a Port in the same process: what the radio sends is in
// the PC's input at once, a read never waits, and a gap the radio leaves ends
// a read early as the inter-byte time-out would.
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
    void collect();

    VirtualRadio& radio_;
    std::deque<RadioOutput> input_;
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
