#include "sim/radio_port.h"

namespace tolvan {

void RadioPort::arrive()
{
    input_.insert(input_.end(), onTheWire_.begin(), onTheWire_.end());
    onTheWire_.clear();
}

void RadioPort::purge(int)
{
    input_.clear();
    purgedSinceWrite_ = true;
}

bool RadioPort::write(std::span<const std::uint8_t> bytes)
{
    if (refuseWrite && refuseWrite(bytes))
        return false;
    // An earlier answer has arrived by now, and a purge since dropped it.
    if (purgedSinceWrite_)
        onTheWire_.clear();
    else
        arrive();
    purgedSinceWrite_ = false;
    for (std::uint8_t b : bytes)
        radio_.receive(b);
    while (radio_.hasOutput()) {
        const RadioOutput out = radio_.takeOutput();
        radio_.recordSent(out.byte);
        onTheWire_.push_back(out);
    }
    return true;
}

ReadResult RadioPort::read(std::span<std::uint8_t> buffer)
{
    if (readsFail)
        return {false, 0};
    arrive();
    ReadResult result{true, 0};
    while (result.received < buffer.size() && !input_.empty()) {
        if (input_.front().gapBefore) {
            if (result.received > 0)
                break;  // the inter-byte time-out ends this read
            input_.front().gapBefore = false;
        }
        buffer[result.received++] = input_.front().byte;
        input_.pop_front();
    }
    return result;
}

PortOpenResult RadioPortOpener::open(const std::string&, const TimeoutProfile&)
{
    ++opens;
    PortOpenResult result;
    if (failOpen) {
        result.detail = failDetail;
        return result;
    }
    auto port = std::make_unique<RadioPort>(radio_);
    port->refuseWrite = refuseWrite;
    port->readsFail = readsFail;
    result.port = std::move(port);
    return result;
}

} // namespace tolvan
