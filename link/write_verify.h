#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"
#include "link/clone_session.h"
#include "link/image_regions.h"

#include <string>

namespace tolvan {

// The bytes a write sends: from address 0 up to (not including) this one.
std::size_t writtenBytes(const Edition& edition);

// What the radio holds compared with what was written. `difference` covers
// the written range only: bytes the program never writes are not compared.
struct VerifyOutcome {
    CloneOutcome readBack;       // how the read-back ended
    ImageDifference difference;  // meaningful when the read-back completed
    std::vector<NamedSetting> settings;  // what `difference.settings` points into
    bool verified = false;       // completed, and no written byte differs
    std::string message;         // the result as the user reads it, in the edition's language

    VerifyOutcome() = default;
    VerifyOutcome(const VerifyOutcome&) = delete;
    VerifyOutcome& operator=(const VerifyOutcome&) = delete;
    VerifyOutcome(VerifyOutcome&&) = default;
    VerifyOutcome& operator=(VerifyOutcome&&) = default;
};

// Compares a read-back with what was sent and says how it went.
VerifyOutcome judgeReadBack(const Edition& edition, Language language, const MemoryImage& sent,
                            CloneOutcome readBack);

// Reads the radio back (the same exchange as a read, with the edition's
// figures) right after a write of `sent`, and judges it. The read starts from
// `sent`, and a data password is the one just written.
VerifyOutcome verifyWritten(const Edition& edition, Language language, LinkHost& host, PortOpener& opener,
                            const std::string& port, const MemoryImage& sent);

// The read request of the read-back.
CloneRequest readBackRequest(const Edition& edition, const MemoryImage& sent);

// The progress title of the read-back phase.
const std::string& verifyTitle(const Edition& edition, Language language);
// What a completed write without verify says.
const std::string& writtenText(const Edition& edition, Language language);

} // namespace tolvan
