#include "sim/radio_port.h"

namespace tolvan {

void RadioPort::collect()
{
    while (radio_.hasOutput()) {
        const RadioOutput out = radio_.takeOutput();
        radio_.recordSent(out.byte);
        input_.push_back(out);
    }
}

void RadioPort::purge(int)
{
    collect();
    input_.clear();
}

bool RadioPort::write(std::span<const std::uint8_t> bytes)
{
    if (refuseWrite && refuseWrite(bytes))
        return false;
    for (std::uint8_t b : bytes)
        radio_.receive(b);
    collect();
    return true;
}

ReadResult RadioPort::read(std::span<std::uint8_t> buffer)
{
    if (readsFail)
        return {false, 0};
    collect();
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
