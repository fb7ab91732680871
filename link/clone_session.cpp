#include "link/clone_session.h"

#include "codeplug/text_util.h"
#include "link/wire_bytes.h"

namespace tolvan {
namespace {

constexpr std::uint8_t kReadCommand = 0x52;
constexpr std::uint8_t kWriteCommand = 0x57;
constexpr std::size_t kBlockBytes = 8;
constexpr std::size_t kReplyBytes = 12;         // 4 header bytes, then the block
constexpr std::size_t kShortestReply = 10;      // less is never worth a second read
constexpr int kAttempts = 15;
constexpr int kPassesBeforeAttempt = 7;
constexpr int kStartAckTries = 3;

} // namespace

std::string passwordDigits(const MemoryImage& image, std::size_t offset)
{
    std::string digits;
    for (std::size_t i = 0; i < 6; ++i) {
        const std::uint8_t b = image.at(offset + i);
        if (b >= '0' && b <= '9')
            digits += static_cast<char>(b);
    }
    return digits;
}

const std::string& cloneTitle(const Edition& edition, Language language, Direction direction)
{
    const LinkTexts& t = edition.texts(language).link;
    return direction == Direction::Read ? t.readTitle : t.writeTitle;
}

int progressMaximum(const Edition& edition)
{
    return edition.link.progressMax;
}

CloneSession::CloneSession(const Edition& edition, Language language, LinkHost& host)
    : edition_(edition), texts_(edition.texts(language).link), host_(host)
{
}

CloneOutcome CloneSession::run(PortOpener& opener, const std::string& portName, const CloneRequest& request)
{
    PortOpenResult opened = opener.open(portName, TimeoutProfile::clone());
    if (!opened.port) {
        host_.setBusy(false);
        host_.askWithDetail(texts_.portOpenFail, opened.detail, Buttons::Ok);
        return {CloneResult::Failed, texts_.portOpenFail, std::nullopt};
    }
    return run(*opened.port, request);  // the port closes when `opened` goes
}

CloneOutcome CloneSession::run(Port& port, const CloneRequest& request)
{
    port_ = &port;
    request_ = &request;
    staging_ = request.image;
    receive_.fill(0);
    typeCheck_ = true;
    cancelRequested_ = false;
    attempt_ = 1;
    position_ = 0;
    outcome_ = {};

    host_.progressRange(edition_.link.progressMax);
    host_.setBusy(true);
    host_.status(texts_.detecting);
    Step step = Step::Detect;
    while (step != Step::End) {
        switch (step) {
        case Step::Detect:
            step = detect();
            break;
        case Step::Identify:
            step = identify();
            break;
        case Step::StartAck:
            step = startAcknowledgement();
            break;
        case Step::CommError:
            step = communicationError();
            break;
        case Step::Transfer:
            step = request.direction == Direction::Read ? readBlocks() : writeBlocks();
            break;
        case Step::End:
            break;
        }
    }
    host_.setBusy(false);
    port_ = nullptr;
    request_ = nullptr;
    return std::move(outcome_);
}

bool CloneSession::pumpCancelled()
{
    cancelRequested_ = host_.pump();
    return cancelRequested_;
}

// Passes that end the connection when a pass brings a cancel; each is followed
// by a 1 ms pause.
bool CloneSession::pumpPasses(int passes)
{
    for (int i = 0; i < passes; ++i) {
        if (pumpCancelled())
            return false;
        host_.pause(1);
    }
    return true;
}

// The 4-byte block command: the letter, the address high byte first, the length.
void CloneSession::sendBlockCommand(std::uint8_t letter, std::size_t address)
{
    const std::uint8_t command[] = {letter, static_cast<std::uint8_t>(address >> 8),
                                    static_cast<std::uint8_t>(address & 0xFF), kBlockBytes};
    port_->purge(kPurgeQueues);
    port_->write(command);
}

bool CloneSession::writeByte(std::uint8_t byte)
{
    port_->purge(kPurgeQueues);
    return port_->write(std::span(&byte, 1));
}

// An acknowledgement counts only when its byte arrived in this read: a stale
// 0x06 left in the buffer by an earlier reply is no answer.
bool CloneSession::readAcknowledgement()
{
    const ReadResult r = port_->read(std::span(receive_.data(), 1));
    return r.ok && r.received == 1 && receive_[0] == kAck;
}

CloneSession::Step CloneSession::detect()
{
    for (int i = 0; i < kPassesBeforeAttempt; ++i) {
        if (pumpCancelled())
            return cancelled();
        host_.pause(1);
    }
    host_.status(texts_.waiting);
    port_->purge(kPurgeAll);
    for (std::uint8_t b : kWakeUpBytes) {
        host_.pause(1);
        writeByte(b);
    }
    // A stray byte before the 0x06 is allowed once.
    ReadResult r = port_->read(std::span(receive_.data(), 1));
    if (r.ok && r.received == 1 && receive_[0] == kAck)
        return Step::Identify;
    if (r.ok && readAcknowledgement())
        return Step::Identify;
    host_.pause(2);
    return ++attempt_ <= kAttempts ? Step::Detect : Step::CommError;
}

CloneSession::Step CloneSession::identify()
{
    for (std::uint8_t b : kIdentifyBytes) {
        host_.pause(1);
        writeByte(b);
    }
    // A short identification is used as it is: missing bytes keep earlier values.
    if (!port_->read(std::span(receive_.data(), 8)).ok)
        return Step::CommError;

    const auto& offset = edition_.link.typeCheckOffset;
    const std::uint8_t type = receive_[4];
    if (request_->direction == Direction::Write && typeCheck_ && offset && type != 0xFF &&
        type != staging_.at(*offset)) {
        host_.setBusy(false);
        if (host_.ask(texts_.typeMismatch, Buttons::OkCancel) != Answer::Ok)
            return fail(texts_.typeMismatch, CloneResult::Declined);
        typeCheck_ = false;
        host_.setBusy(true);
        if (!pumpPasses(edition_.link.typeMismatchPasses))
            return cancelled();
        attempt_ = 1;
        return Step::Detect;
    }
    return Step::StartAck;
}

CloneSession::Step CloneSession::startAcknowledgement()
{
    // A failing write is tried a few times, not forever.
    for (int tries = 1; !writeByte(kAck); ++tries) {
        if (tries == kStartAckTries)
            return Step::CommError;
        host_.setBusy(false);
        host_.ask(texts_.sendOrderError, Buttons::Ok);
    }
    const ReadResult r = port_->read(std::span(receive_.data(), 1));
    if (!r.ok)
        return Step::CommError;
    if (r.received == 1 && receive_[0] == kAck)
        return Step::Transfer;
    host_.setBusy(true);
    if (!pumpPasses(edition_.link.startAckFailPasses))
        return cancelled();
    return Step::CommError;
}

CloneSession::Step CloneSession::communicationError()
{
    host_.setBusy(false);
    if (host_.ask(texts_.commError, Buttons::RetryCancel) != Answer::Retry)
        return fail(texts_.commError);
    attempt_ = 1;
    host_.setBusy(true);
    return Step::Detect;
}

void CloneSession::progressStep(int stepBelow)
{
    if (position_ >= stepBelow)
        return;
    ++position_;
    host_.progress(position_);
    host_.status(std::to_string(position_));
}

CloneSession::Step CloneSession::readBlocks()
{
    const LinkFigures& f = edition_.link;
    for (int block = 0; block < f.readBlocks; ++block) {
        const std::size_t address = kBlockBytes * static_cast<std::size_t>(block);
        sendBlockCommand(kReadCommand, address);
        ReadResult r = port_->read(std::span(receive_.data(), kReplyBytes));
        std::size_t got = r.received;
        // A reply one or two bytes short gets one more read for its missing
        // bytes, rather than taking them from the previous reply.
        if (r.ok && got >= kShortestReply && got < kReplyBytes)
            got += port_->read(std::span(receive_.data() + got, kReplyBytes - got)).received;
        if (got < kReplyBytes) {
            host_.setBusy(false);
            host_.ask(texts_.shortReply, Buttons::Ok);
            return fail(texts_.shortReply);
        }
        port_->purge(kPurgeQueues);
        staging_.write(address, std::span(receive_.data() + 4, kBlockBytes));

        if (f.passwordCheck && block == 1 && edition_.passwordOffset &&
            passwordDigits(staging_, *edition_.passwordOffset) != trimRight(request_->password)) {
            host_.setBusy(false);
            host_.ask(texts_.passwordIncorrect, Buttons::Ok);
            return fail(texts_.passwordIncorrect, CloneResult::Declined);
        }
        progressStep(f.readStepBelow);

        if (f.readAckPauseMs > 0)
            host_.pause(f.readAckPauseMs);
        writeByte(kAck);
        if (!readAcknowledgement()) {
            host_.setBusy(false);
            host_.ask(texts_.readNoAck, Buttons::Ok);
            return fail(texts_.readNoAck);
        }
        host_.setBusy(true);
        for (int i = 0; i < f.readPumpPasses; ++i)
            if (pumpCancelled())
                return cancelled();
        if (f.readAfterPassesMs > 0)
            host_.pause(f.readAfterPassesMs);
    }
    host_.setBusy(false);
    host_.progress(f.readFinal);
    outcome_ = {CloneResult::Completed, {}, std::move(staging_)};
    return Step::End;
}

CloneSession::Step CloneSession::writeBlocks()
{
    const LinkFigures& f = edition_.link;
    for (int block = 0; block < f.writeBlocks; ++block) {
        const std::size_t address = kBlockBytes * static_cast<std::size_t>(block);
        sendBlockCommand(kWriteCommand, address);
        host_.pause(1);
        port_->purge(kPurgeQueues);
        port_->write(staging_.bytes(address, kBlockBytes));
        if (!readAcknowledgement()) {
            host_.setBusy(false);
            host_.ask(texts_.writeNoAck, Buttons::Ok);
            return fail(texts_.writeNoAck);
        }
        progressStep(f.writeStepBelow);
        host_.setBusy(true);
        // Each pass first honours a cancel from the pass before, then pumps.
        for (int i = 0; i < f.writePumpPasses; ++i) {
            if (cancelRequested_)
                return cancelled();
            cancelRequested_ = host_.pump();
        }
        host_.pause(1);
    }
    host_.progress(f.writeFinal);
    outcome_ = {CloneResult::Completed, {}, std::nullopt};
    return Step::End;
}

CloneSession::Step CloneSession::fail(const std::string& message, CloneResult result)
{
    outcome_ = {result, message, std::nullopt};
    return Step::End;
}

CloneSession::Step CloneSession::cancelled()
{
    outcome_ = {CloneResult::Cancelled, {}, std::nullopt};
    return Step::End;
}

} // namespace tolvan
