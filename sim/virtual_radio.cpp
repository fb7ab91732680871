#include "sim/virtual_radio.h"

#include "codeplug/data_password.h"
#include "link/wire_bytes.h"

#include <chrono>

namespace tolvan {

namespace {
constexpr std::uint8_t kTestAnswer = 'H';

std::int64_t steadyMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

VirtualRadio::VirtualRadio(MemoryImage memory) : clock(steadyMicroseconds), memory_(std::move(memory)) {}

VirtualRadio::VirtualRadio(const Edition& edition) : VirtualRadio(MemoryImage(edition.imageSize)) {}

void VirtualRadio::setPassword(const Edition& edition, const std::string& digits)
{
    if (edition.passwordOffset)
        writeDataPassword(memory_, *edition.passwordOffset, digits);
}

RadioOutput VirtualRadio::takeOutput()
{
    RadioOutput out = output_.front();
    output_.pop_front();
    return out;
}

void VirtualRadio::recordSent(std::uint8_t byte)
{
    transcript_.push_back({true, byte, clock()});
}

void VirtualRadio::send(std::uint8_t byte, bool gapBefore)
{
    output_.push_back({byte, gapBefore});
}

void VirtualRadio::receive(std::uint8_t byte)
{
    transcript_.push_back({false, byte, clock()});
    switch (state_) {
    case State::Idle:
        onIdle(byte);
        return;
    case State::AwaitM:
        if (byte == 'M')
            state_ = State::AwaitIdent;
        else
            onIdle(byte);
        return;
    case State::AwaitIdent:
        if (byte != 0x02) {
            onIdle(byte);
            return;
        }
        for (int i = 0; i < faults.identificationBytes && i < 8; ++i)
            send(identification_[static_cast<std::size_t>(i)]);
        state_ = State::AwaitStartAck;
        return;
    case State::AwaitStartAck:
        if (byte != kAck) {
            onIdle(byte);
            return;
        }
        send(faults.wrongStartAck.value_or(kAck));
        block_ = 0;
        state_ = faults.wrongStartAck ? State::Idle : State::Ready;
        return;
    case State::Ready:
        onCommand(byte);
        return;
    case State::ReadCommand:
        collected_.push_back(byte);
        if (collected_.size() == 4)
            answerRead();
        return;
    case State::AwaitReadAck:
        state_ = State::Ready;
        if (byte != kAck) {
            onCommand(byte);
            return;
        }
        if (block_ != faults.noAckBlock && !silent())
            send(kAck);
        return;
    case State::WriteCommand:
        collected_.push_back(byte);
        if (collected_.size() == 12)
            answerWrite();
        return;
    case State::TestItem:
        collected_ = {byte};
        state_ = State::TestItemAgain;
        return;
    case State::TestItemAgain:
        state_ = byte == collected_[0] ? State::TestItemEnd : State::Ready;
        return;
    case State::TestItemEnd:
        if (byte != 0x08) {
            state_ = State::Ready;
            return;
        }
        testFrames_.push_back({collected_[0], {}, {}});
        collected_.clear();
        state_ = State::TestFrequency;
        answerTestStep(10);
        return;
    case State::TestFrequency:
    case State::TestTone: {
        auto& frame = state_ == State::TestFrequency ? testFrames_.back().frequencyFrame : testFrames_.back().toneFrame;
        frame.push_back(byte);
        if (frame.size() < 8)
            return;
        const bool frequency = state_ == State::TestFrequency;
        state_ = frequency ? State::TestTone : State::Ready;
        answerTestStep(frequency ? 12 : 14);
        return;
    }
    }
}

void VirtualRadio::onIdle(std::uint8_t byte)
{
    state_ = State::Idle;
    if (byte == kWakeUpBytes[handshakeMatched_])
        ++handshakeMatched_;
    else
        handshakeMatched_ = byte == kWakeUpBytes[0] ? 1 : 0;
    if (handshakeMatched_ < kWakeUpBytes.size())
        return;
    handshakeMatched_ = 0;
    ++handshakes_;
    if (handshakes_ < faults.answerFromAttempt)
        return;
    if (faults.strayBeforeAck)
        send(*faults.strayBeforeAck);
    send(kAck);
    state_ = State::AwaitM;
}

void VirtualRadio::onCommand(std::uint8_t byte)
{
    collected_ = {byte};
    switch (byte) {
    case 'R':
        state_ = State::ReadCommand;
        return;
    case 'W':
        state_ = State::WriteCommand;
        return;
    case 'x':
        state_ = State::TestItem;
        return;
    default:
        onIdle(byte);  // a new handshake starts over
        return;
    }
}

void VirtualRadio::answerRead()
{
    ++block_;
    state_ = State::AwaitReadAck;
    if (silent())
        return;
    const std::size_t address = (std::size_t{collected_[1]} << 8) | collected_[2];
    const std::size_t length = collected_[3];
    std::vector<std::uint8_t> reply(collected_.begin(), collected_.end());
    for (std::size_t i = 0; i < length; ++i)
        reply.push_back(address + i < memory_.size() ? memory_.at(address + i) : MemoryImage::kErased);
    std::size_t cut = reply.size();
    if (block_ == faults.shortReplyBlock)
        cut = std::min(cut, static_cast<std::size_t>(faults.shortReplyBytes));
    for (std::size_t i = 0; i < cut; ++i)
        send(reply[i]);
    if (cut < reply.size() && faults.shortReplyRestFollows)
        for (std::size_t i = cut; i < reply.size(); ++i)
            send(reply[i], i == cut);
    ++blocksRead_;
}

void VirtualRadio::answerWrite()
{
    ++block_;
    state_ = State::Ready;
    if (silent())
        return;
    const std::size_t address = (std::size_t{collected_[1]} << 8) | collected_[2];
    for (std::size_t i = 0; i < 8 && address + i < memory_.size(); ++i)
        memory_.set(address + i, collected_[4 + i]);
    if (faults.wrongByte && faults.wrongByte->first >= address && faults.wrongByte->first < address + 8
        && faults.wrongByte->first < memory_.size())
        memory_.set(faults.wrongByte->first, faults.wrongByte->second);
    ++blocksWritten_;
    if (block_ != faults.noAckBlock)
        send(kAck);
}

void VirtualRadio::answerTestStep(int step)
{
    if (step != faults.testModeFailStep) {
        send(kTestAnswer);
        return;
    }
    state_ = State::Ready;
    if (faults.testModeWrongReply)
        send(*faults.testModeWrongReply);
}

} // namespace tolvan
