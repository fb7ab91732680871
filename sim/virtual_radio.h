#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolvan {

// Faults a test can give the virtual radio. Blocks are counted from 1 in the
// order the radio sees their commands after each start acknowledgement.
struct RadioFaults {
    int answerFromAttempt = 1;                     // earlier handshakes go unanswered
    std::optional<std::uint8_t> strayBeforeAck;    // sent just before the handshake's 0x06
    int identificationBytes = 8;                   // fewer: a short identification
    std::optional<std::uint8_t> wrongStartAck;     // answered instead of the ready 0x06
    int shortReplyBlock = 0;                       // this block's read reply is cut ...
    int shortReplyBytes = 12;                      // ... to this many bytes,
    bool shortReplyRestFollows = false;            // ... the rest coming after a gap
    int noAckBlock = 0;                            // this block's acknowledgement never comes
    int silentFromBlock = 0;                       // from this block on, nothing is answered
    // A written block covering this address stores this value there instead,
    // and is acknowledged as usual: a radio that silently keeps a wrong byte.
    std::optional<std::pair<std::size_t, std::uint8_t>> wrongByte;
    int testModeFailStep = 0;                      // 10, 12 or 14: that 'H' is not sent ...
    std::optional<std::uint8_t> testModeWrongReply;  // ... or this byte instead
};

struct TranscriptEntry {
    bool fromRadio = false;
    std::uint8_t byte = 0;
    std::int64_t microseconds = 0;  // on the radio's clock
};

// One byte the radio sends; `gapBefore` marks a pause longer than any
// inter-byte time-out before it.
struct RadioOutput {
    std::uint8_t byte = 0;
    bool gapBefore = false;
};

// What a Test Mode exchange delivered to the radio.
struct TestModeFrames {
    std::uint8_t item = 0;
    std::vector<std::uint8_t> frequencyFrame;
    std::vector<std::uint8_t> toneFrame;
};

// The radio's double: answers the clone and Test Mode exchanges from its own
// memory, byte by byte, and records every byte both ways.
class VirtualRadio {
public:
    static constexpr int kIdentificationTypeByte = 4;

    explicit VirtualRadio(MemoryImage memory);
    // A radio of the edition's size, erased, reporting type 0xFF.
    explicit VirtualRadio(const Edition& edition);

    MemoryImage& memory() { return memory_; }
    const MemoryImage& memory() const { return memory_; }
    std::array<std::uint8_t, 8>& identification() { return identification_; }
    void setTypeByte(std::uint8_t type) { identification_[kIdentificationTypeByte] = type; }
    // Stores the data password as the radio keeps it: ASCII digits, 0xFF after.
    void setPassword(const Edition& edition, const std::string& digits);

    RadioFaults faults;
    // Time stamps for the transcript; by default a steady clock.
    std::function<std::int64_t()> clock;

    // The wire: a byte from the PC, and the bytes the radio sends in answer.
    void receive(std::uint8_t byte);
    bool hasOutput() const { return !output_.empty(); }
    RadioOutput takeOutput();
    // Records a sent byte; the carrier calls it when the byte goes on the wire.
    void recordSent(std::uint8_t byte);

    const std::vector<TranscriptEntry>& transcript() const { return transcript_; }
    void clearTranscript() { transcript_.clear(); }
    int handshakesSeen() const { return handshakes_; }
    int blocksRead() const { return blocksRead_; }
    int blocksWritten() const { return blocksWritten_; }
    const std::vector<TestModeFrames>& testModeFrames() const { return testFrames_; }

private:
    enum class State { Idle, AwaitM, AwaitIdent, AwaitStartAck, Ready, ReadCommand, AwaitReadAck,
                       WriteCommand, TestItem, TestItemAgain, TestItemEnd, TestFrequency, TestTone };

    void send(std::uint8_t byte, bool gapBefore = false);
    void onIdle(std::uint8_t byte);
    void onCommand(std::uint8_t byte);
    void answerRead();
    void answerWrite();
    void answerTestStep(int step);
    bool silent() const { return faults.silentFromBlock > 0 && block_ >= faults.silentFromBlock; }

    MemoryImage memory_;
    std::array<std::uint8_t, 8> identification_{0, 0, 0, 0, 0xFF, 0, 0, 0};
    State state_ = State::Idle;
    std::size_t handshakeMatched_ = 0;
    int handshakes_ = 0;
    int block_ = 0;
    int blocksRead_ = 0;
    int blocksWritten_ = 0;
    std::vector<std::uint8_t> collected_;
    std::deque<RadioOutput> output_;
    std::vector<TranscriptEntry> transcript_;
    std::vector<TestModeFrames> testFrames_;
};

} // namespace tolvan
