#pragma once

#include "link/clone_session.h"
#include "link/link_host.h"

#include <ostream>
#include <string>

namespace tolvan {

// Ctrl+C while one lives asks the running transfer to stop, the way Cancel does
// in the window: the next pump pass ends it and the port closes. A second
// Ctrl+C ends the program at once. The handling before it comes back after.
class InterruptCancels {
public:
    InterruptCancels();
    ~InterruptCancels();
    InterruptCancels(const InterruptCancels&) = delete;
    InterruptCancels& operator=(const InterruptCancels&) = delete;

    // Set from the signal handler; reading it costs no system call.
    static bool requested();
};

// The command line's host: real pauses, no events to pump (a pass only looks
// at the Ctrl+C flag), messages and one progress line on the error stream, and
// answers decided by the options.
class BatchLinkHost : public LinkHost {
public:
    struct Answers {
        int retries = 0;                  // communication errors answered Retry this often
        bool acceptTypeMismatch = false;  // the radio-type question answered OK
    };

    // `redraw`: the stream is a terminal, so one line is redrawn in place;
    // otherwise a line is added at every tenth of the way.
    BatchLinkHost(std::ostream& err, std::string title, Answers answers, bool redraw);
    ~BatchLinkHost() override;

    void pause(int milliseconds) override;
    bool pump() override { return InterruptCancels::requested(); }
    Answer ask(const std::string& message, Buttons buttons) override;
    Answer askWithDetail(const std::string& message, const std::string& detail, Buttons buttons) override;
    void progressRange(int maximum) override { maximum_ = maximum; }
    void progress(int position) override;
    void status(const std::string& text) override;
    void setBusy(bool) override {}

private:
    void showLine(const std::string& text);
    void endLine();

    std::ostream& err_;
    std::string title_;
    Answers answers_;
    bool redraw_;
    int maximum_ = 0;
    int shownPercent_ = -1;
    std::string shown_;
    bool lineOpen_ = false;
};

// The exit status of a finished session (see app/exit_status.h).
int exitStatusOf(const CloneOutcome& outcome);

} // namespace tolvan
