#pragma once

#include "link/link_host.h"
#include "link/pump_pacer.h"

#include <optional>
#include <string>

namespace tolvan {

class CProgressDlg;

// The window's host: pumps Qt events (paced: see PumpPacer), shows the
// exchange's questions as message boxes over the progress window, and mirrors
// progress (paced: see StepPacer) and busy into it.
class QtLinkHost : public LinkHost {
public:
    // `pauses` false makes every pause return at once and every step show at
    // once (widget tests, which run an exchange faster than frames go by).
    QtLinkHost(CProgressDlg& dialog, bool pauses);

    void pause(int milliseconds) override;
    bool pump() override;
    Answer ask(const std::string& message, Buttons buttons) override;
    Answer askWithDetail(const std::string& message, const std::string& detail, Buttons buttons) override;
    void progressRange(int maximum) override;
    void progress(int position) override;
    void status(const std::string& text) override;
    void setBusy(bool busy) override;

private:
    void showStep();

    CProgressDlg& dialog_;
    bool pauses_;
    PumpPacer pacer_;
    StepPacer stepPacer_;
    // The latest step not shown yet.
    std::optional<int> position_;
    std::optional<std::string> status_;
};

} // namespace tolvan
