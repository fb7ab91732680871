#include "link/batch_host.h"

#include "link/line_wait.h"
#include "program/exit_status.h"

#include <chrono>

namespace tolvan {

BatchLinkHost::BatchLinkHost(std::ostream& err, std::string title, Answers answers, bool redraw)
    : err_(err), title_(std::move(title)), answers_(answers), redraw_(redraw)
{
}

BatchLinkHost::~BatchLinkHost()
{
    endLine();
}

void BatchLinkHost::pause(int milliseconds)
{
    sleepFor(std::chrono::milliseconds(milliseconds));
}

Answer BatchLinkHost::ask(const std::string& message, Buttons buttons)
{
    return askWithDetail(message, {}, buttons);
}

Answer BatchLinkHost::askWithDetail(const std::string& message, const std::string& detail, Buttons buttons)
{
    endLine();
    err_ << message << '\n';
    if (!detail.empty())
        err_ << detail << '\n';
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return answers_.acceptTypeMismatch ? Answer::Ok : Answer::Cancel;
    case Buttons::RetryCancel:
        if (answers_.retries > 0) {
            --answers_.retries;
            return Answer::Retry;
        }
        return Answer::Cancel;
    }
    return Answer::Cancel;
}

void BatchLinkHost::progress(int position)
{
    const int percent = (maximum_ > 0 ? position * 100 / maximum_ : 0) / (redraw_ ? 1 : 10);
    if (percent == shownPercent_)
        return;
    shownPercent_ = percent;
    showLine(std::to_string(position) + "/" + std::to_string(maximum_));
}

void BatchLinkHost::status(const std::string& text)
{
    // Block counts come through progress(); phase texts are shown as they are.
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos)
        return;
    showLine(text);
}

void BatchLinkHost::showLine(const std::string& text)
{
    if (text == shown_)
        return;
    if (!redraw_) {
        shown_ = text;
        err_ << title_ << ": " << text << '\n';
        return;
    }
    const std::size_t previous = shown_.size();
    shown_ = text;
    err_ << '\r' << title_ << ": " << text;
    if (previous > text.size())
        err_ << std::string(previous - text.size(), ' ');
    err_.flush();
    lineOpen_ = true;
}

void BatchLinkHost::endLine()
{
    if (lineOpen_)
        err_ << '\n';
    lineOpen_ = false;
    shown_.clear();
}

int exitStatusOf(const CloneOutcome& outcome)
{
    switch (outcome.result) {
    case CloneResult::Completed:
        return kExitDone;
    case CloneResult::Failed:
        return kExitLinkError;
    case CloneResult::Cancelled:
    case CloneResult::Declined:
        return kExitDeclined;
    }
    return kExitLinkError;
}

} // namespace tolvan
