#pragma once

#include <string>

namespace tolvan {

enum class Buttons { Ok, OkCancel, RetryCancel };
enum class Answer { Ok, Cancel, Retry };

// What a radio exchange needs from its surroundings: the window (which pumps
// events and shows message boxes), the command line, or a test. The exchange
// never touches the clock or the user interface itself.
class LinkHost {
public:
    virtual ~LinkHost() = default;
    virtual void pause(int milliseconds) = 0;
    // One pump pass: handle at most one pending event. Returns true when the
    // user has asked to cancel.
    virtual bool pump() = 0;
    virtual Answer ask(const std::string& message, Buttons buttons) = 0;
    // A message with the system's reason for it (why a port would not open),
    // shown as the message's detail. Hosts that have no place for it ask plainly.
    virtual Answer askWithDetail(const std::string& message, const std::string& detail, Buttons buttons)
    {
        (void)detail;
        return ask(message, buttons);
    }
    virtual void progressRange(int maximum) = 0;
    virtual void progress(int position) = 0;
    virtual void status(const std::string& text) = 0;
    // While busy, leaving the progress window counts as cancelling; the exchange
    // clears it before each message it shows and sets it again when it resumes.
    virtual void setBusy(bool busy) = 0;
};

} // namespace tolvan
