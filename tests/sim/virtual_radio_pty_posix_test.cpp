// The virtual radio behind a pseudo-terminal: the clone exchange served to the
// real serial port, replies kept whole, and the byte-time and adapter models.

#include "link/clone_session.h"
#include "link/serial_port.h"
#include "link/wire_bytes.h"
#include "sim/pty_radio.h"
#include "sim/sample_codeplug.h"
#include "../link/recording_host.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace tolvan {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The real serial port against the radio thread: a whole read and write.
TEST(PtyRadio, ServesTheCloneExchangeToTheRealPort)
{
    const Edition& e = *findEdition("cps16-cn");
    auto owned = std::make_unique<VirtualRadio>(sampleCodeplug(e));
    PtyRadio pty(std::move(owned), false);
    testing::RecordingHost host;
    CloneSession session(e, Language::Chinese, host);

    PortOpenResult opened = SerialPort::open(pty.devicePath(), TimeoutProfile::clone());
    ASSERT_TRUE(opened.port) << opened.detail;
    const CloneOutcome read = session.run(*opened.port, {Direction::Read, MemoryImage(e.imageSize, 0), ""});
    ASSERT_EQ(read.result, CloneResult::Completed) << read.message;
    EXPECT_EQ(*read.image, pty.withRadio([](VirtualRadio& r) { return r.memory(); }));

    MemoryImage changed = *read.image;
    changed.set(0x20, 0x42);
    const CloneOutcome written = session.run(*opened.port, {Direction::Write, changed, ""});
    ASSERT_EQ(written.result, CloneResult::Completed) << written.message;
    EXPECT_EQ(pty.withRadio([](VirtualRadio& r) { return r.memory().at(0x20); }), 0x42);
}

// The machine may run the radio's thread late at any moment. Then a reply
// comes late as a whole, never with a gap inside it that the PC's 30 ms
// inter-byte time-out would take for a short reply: here the thread is held
// up for longer than that as soon as a read's reply has started to go out.
TEST(PtyRadio, ALateThreadNeverSplitsAReply)
{
    const Edition& e = *findEdition("cps16");
    for (const bool byteTime : {false, true}) {
        SCOPED_TRACE(byteTime);
        PtyRadio pty(std::make_unique<VirtualRadio>(sampleCodeplug(e)), byteTime);
        PortOpenResult opened = SerialPort::open(pty.devicePath(), TimeoutProfile::clone());
        ASSERT_TRUE(opened.port) << opened.detail;
        Port& port = *opened.port;
        const auto exchange = [&](const Bytes& out, std::size_t replyBytes) {
            EXPECT_TRUE(port.write(out));
            Bytes in(replyBytes);
            return port.read(in).received;
        };
        ASSERT_EQ(exchange(Bytes(kWakeUpBytes.begin(), kWakeUpBytes.end()), 1), 1u);
        ASSERT_EQ(exchange({'M'}, 0), 0u);
        ASSERT_EQ(exchange({0x02}, 8), 8u);
        ASSERT_EQ(exchange({kAck}, 1), 1u);

        pty.withRadio([](VirtualRadio& r) { r.clearTranscript(); });
        std::atomic<bool> done{false};
        std::thread stall([&] {
            // Looks under the radio's lock, so the hold-up starts before the
            // thread can send anything more.
            while (!done && !pty.withRadio([](VirtualRadio& r) {
                const auto& t = r.transcript();
                if (std::none_of(t.begin(), t.end(), [](const TranscriptEntry& x) { return x.fromRadio; }))
                    return false;
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                return true;
            }))
                std::this_thread::sleep_for(std::chrono::microseconds(100));
        });
        EXPECT_EQ(exchange({'R', 0x00, 0x10, 0x08}, 12), 12u);
        done = true;
        stall.join();
    }
}

// Bytes from the radio wait in a USB adapter until its timer next runs out.
TEST(PtyRadio, AnAdaptersTimerHoldsBytesUntilItRunsOut)
{
    // When a byte crossed, the adapter's timer period, when it is delivered: in
    // microseconds, the timer started at 500.
    const std::int64_t cases[][3] = {
        {1000, 0, 1000},        // no adapter: at once
        {1000, 16000, 16500},   // the default timer of some chips
        {16500, 16000, 16500},  // crossed as the timer runs out
        {16501, 16000, 32500},
        {40700, 1000, 41500},   // low latency: within a millisecond
        {400, 16000, 400},      // before the adapter was there
    };
    for (const auto& [crossed, period, delivered] : cases)
        EXPECT_EQ(PtyRadio::deliveredAt(crossed, 500, period), delivered) << crossed << " " << period;
}

// With the byte-time model each byte takes 10 bit times at 9600 baud: the 0x06
// cannot come before the seven wake-up bytes and itself have crossed, with or
// without an adapter's timer in the way.
TEST(PtyRadio, ByteTimeModelPacesEveryByte)
{
    for (int adapterMs : {0, 16}) {
        SCOPED_TRACE(adapterMs);
        PtyRadio pty(std::make_unique<VirtualRadio>(*findEdition("cps16")), true, adapterMs);
        PortOpenResult opened = SerialPort::open(pty.devicePath(), TimeoutProfile::clone());
        ASSERT_TRUE(opened.port) << opened.detail;
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(opened.port->write(Bytes{0x02, 'P', 'R', 'O', 'G', 'R', 'A'}));
        std::uint8_t ack = 0;
        ASSERT_EQ(opened.port->read(std::span(&ack, 1)).received, 1u);
        EXPECT_EQ(ack, 0x06);
        EXPECT_GE(std::chrono::steady_clock::now() - start,
                  std::chrono::microseconds(8 * PtyRadio::kByteMicroseconds9600));
        // The transcript has when each byte crossed the cable, before any adapter.
        const auto transcript = pty.withRadio([](VirtualRadio& r) { return r.transcript(); });
        ASSERT_EQ(transcript.size(), 8u);
        EXPECT_EQ(transcript[7].microseconds - transcript[0].microseconds, 7 * PtyRadio::kByteMicroseconds9600);
    }
}

} // namespace
} // namespace tolvan
