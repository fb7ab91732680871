#pragma once

#include "link/link_host.h"
#include "link/port.h"

#include <array>
#include <cstdint>
#include <string>

namespace tolvan {

// What one press of "Start" sends: the item's code, two frequencies and the
// tones with the item's value.
struct TestModeRequest {
    std::uint8_t itemCode = 0x71;
    std::array<std::uint8_t, 8> frequencyFrame{};
    std::array<std::uint8_t, 8> toneFrame{};
};

struct TestModeMessages {
    std::string portOpenFail;
    std::string finished;
    std::string failed;  // asked with Retry and Cancel
};

enum class TestModeOutcome { Finished, PortFailed, Cancelled };

// The on-line alignment exchange: handshake, identification, then the item,
// the frequency frame and the tone frame, each answered by the radio. A failed
// attempt asks Retry/Cancel and retries on the same open port; the port is
// closed on success, on Cancel and on every other way out.
class TestModeSession {
public:
    TestModeSession(PortOpener& opener, LinkHost& host, TestModeMessages messages)
        : opener_(opener), host_(host), messages_(std::move(messages)) {}

    TestModeOutcome run(const std::string& portName, const TestModeRequest& request);

private:
    bool attempt(Port& port, const TestModeRequest& request);

    PortOpener& opener_;
    LinkHost& host_;
    TestModeMessages messages_;
};

} // namespace tolvan
