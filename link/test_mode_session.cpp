#include "link/test_mode_session.h"

#include <initializer_list>
#include <span>

namespace tolvan {
namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kReady = 0x48;  // "H": the radio took the last frame
constexpr std::array<std::uint8_t, 7> kHandshake = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};

// Every write is preceded by a purge, so a reply is always read after the
// write that caused it. A device that fails a write fails the attempt.
bool send(Port& port, std::span<const std::uint8_t> bytes)
{
    port.purge(kPurgeAll);
    return port.write(bytes);
}

bool send(Port& port, std::initializer_list<std::uint8_t> bytes)
{
    return send(port, std::span<const std::uint8_t>(bytes.begin(), bytes.size()));
}

// One byte that must arrive and be `expected`.
bool expect(Port& port, std::uint8_t expected)
{
    port.purge(kPurgeAll);
    std::uint8_t byte = 0;
    const ReadResult r = port.read({&byte, 1});
    return r.ok && r.received == 1 && byte == expected;
}

} // namespace

TestModeOutcome TestModeSession::run(const std::string& portName, const TestModeRequest& request)
{
    PortOpenResult opened = opener_.open(portName, TimeoutProfile::test());
    if (!opened.port) {
        host_.askWithDetail(messages_.portOpenFail, opened.detail, Buttons::Ok);
        return TestModeOutcome::PortFailed;
    }
    Port& port = *opened.port;
    while (!attempt(port, request)) {
        if (host_.ask(messages_.failed, Buttons::RetryCancel) != Answer::Retry)
            return TestModeOutcome::Cancelled;  // the port closes with `opened`
    }
    opened.port.reset();
    host_.ask(messages_.finished, Buttons::Ok);
    return TestModeOutcome::Finished;
}

bool TestModeSession::attempt(Port& port, const TestModeRequest& request)
{
    host_.pause(700);
    for (std::uint8_t b : kHandshake) {
        if (!send(port, {b}))
            return false;
        host_.pause(1);
    }

    // The radio may put one stray byte before its acknowledgement.
    if (!expect(port, kAck) && !expect(port, kAck))
        return false;

    host_.pause(1);
    if (!send(port, {'M'}))
        return false;
    host_.pause(1);
    if (!send(port, {0x02}))
        return false;

    // The identification is read but not examined.
    port.purge(kPurgeAll);
    std::array<std::uint8_t, 8> ident{};
    if (!port.read(ident).ok)
        return false;

    host_.pause(1);
    if (!send(port, {kAck}) || !expect(port, kAck))
        return false;

    port.purge(kPurgeAll);
    host_.pause(1);
    if (!port.write(std::array<std::uint8_t, 1>{'x'}))
        return false;
    host_.pause(1);
    port.purge(kPurgeAll);

    // The item code goes out alone, then again with 0x08.
    if (!port.write(std::array<std::uint8_t, 1>{request.itemCode}))
        return false;
    host_.pause(1);
    if (!send(port, {request.itemCode, 0x08}) || !expect(port, kReady))
        return false;

    host_.pause(1);
    if (!send(port, request.frequencyFrame) || !expect(port, kReady))
        return false;
    host_.pause(1);
    return send(port, request.toneFrame) && expect(port, kReady);
}

} // namespace tolvan
