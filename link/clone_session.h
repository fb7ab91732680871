#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"
#include "link/link_host.h"
#include "link/port.h"

#include <array>
#include <optional>
#include <string>

namespace tolvan {

enum class Direction { Read, Write };

enum class CloneResult {
    Completed,
    Cancelled,  // the user cancelled while the transfer ran
    Failed,     // a link failure; `message` says which
    Declined,   // the user declined a radio-type mismatch, or the data password differs
};

struct CloneOutcome {
    CloneResult result = CloneResult::Failed;
    std::string message;               // the message shown for a failure or a decline
    std::optional<MemoryImage> image;  // the staged image of a completed read
};

struct CloneRequest {
    Direction direction = Direction::Read;
    // Write: the image to send. Read: the image the staged read starts from, so
    // bytes the radio never sends keep their values.
    MemoryImage image;
    // Read, in editions with a data password: the text of the password field.
    std::string password;
};

// One connection of the clone exchange: wake-up handshake, identification,
// radio-type check, start acknowledgement and the 8-byte blocks, with every
// count, pause and message taken from the edition. A read fills a staging
// image; only a complete, accepted read is handed back.
class CloneSession {
public:
    CloneSession(const Edition& edition, Language language, LinkHost& host);

    // Opens the port by name, runs the exchange, and closes the port on every
    // way out.
    CloneOutcome run(PortOpener& opener, const std::string& portName, const CloneRequest& request);
    // Runs the exchange on a port that is already open.
    CloneOutcome run(Port& port, const CloneRequest& request);

private:
    enum class Step { Detect, Identify, StartAck, Transfer, CommError, End };

    Step detect();
    Step identify();
    Step startAcknowledgement();
    Step communicationError();
    Step readBlocks();
    Step writeBlocks();
    bool pumpCancelled();
    bool pumpPasses(int passes);
    void progressStep(int stepBelow);
    Step fail(const std::string& message, CloneResult result = CloneResult::Failed);
    Step cancelled();
    bool writeByte(std::uint8_t byte);
    void sendBlockCommand(std::uint8_t letter, std::size_t address);
    bool readAcknowledgement();

    const Edition& edition_;
    const LinkTexts& texts_;
    LinkHost& host_;
    Port* port_ = nullptr;
    const CloneRequest* request_ = nullptr;
    MemoryImage staging_;
    std::array<std::uint8_t, 20> receive_{};
    bool typeCheck_ = true;
    bool cancelRequested_ = false;
    int attempt_ = 1;
    int position_ = 0;
    CloneOutcome outcome_;
};

// The messages and progress-bar facts a window needs before a session runs.
const std::string& cloneTitle(const Edition& edition, Language language, Direction direction);
int progressMaximum(const Edition& edition);

// The digits of a data password as the image keeps it (six ASCII positions,
// anything else skipped): what a read compares with the password typed.
std::string passwordDigits(const MemoryImage& image, std::size_t offset);

} // namespace tolvan
