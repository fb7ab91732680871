#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"
#include "link/clone_session.h"

#include <optional>
#include <string>

class QWidget;

namespace tolvan {

class PortOpener;

struct CloneWindowOptions {
    std::string password;          // the "Data Password" field, where the edition has one
    PortOpener* opener = nullptr;  // default: the system's ports and the virtual radio
    bool pauses = true;            // false: the exchange's pauses return at once (tests)
    CloneOutcome* outcome = nullptr;  // when set, receives how the session ended
    bool startAtOnce = false;  // the transfer starts without waiting for Start (a read-back after a write)
    std::string title;         // the window's caption instead of the direction's
    std::string messageCaption;  // of the transfer's message boxes: the program's (default: the window's caption)
};

// Read From Radio / Write To Radio from the window: opens the progress window
// over `parent`, waits for Start, runs the exchange, and destroys the window at
// every end. Returns the staged image of a completed read; the caller puts it
// into the document. While it runs, closing `parent`'s window cancels the
// transfer first and closes the window afterwards.
std::optional<MemoryImage> runCloneWithProgress(QWidget* parent, const Edition& edition, Language language,
                                                Direction direction, const std::string& port,
                                                const MemoryImage& documentImage,
                                                const CloneWindowOptions& options = {});

// True while a transfer runs; the main window disables its commands meanwhile.
bool cloneTransferRunning();
// Asks the running transfer to stop, as its Cancel does (a window that closes
// while a transfer runs for it).
void cancelCloneTransfer();

} // namespace tolvan
