#pragma once

#include "link/link_host.h"

#include <QString>

class QWidget;

namespace tolvan {

// The host of a radio exchange started from a dialog: message boxes over the
// dialog with the program's caption, pauses that keep its window painted, and
// no progress bar.
class DialogLinkHost : public LinkHost {
public:
    DialogLinkHost(QWidget* parent, QString caption) : parent_(parent), caption_(std::move(caption)) {}

    void pause(int milliseconds) override;
    bool pump() override;
    Answer ask(const std::string& message, Buttons buttons) override;
    Answer askWithDetail(const std::string& message, const std::string& detail, Buttons buttons) override;
    void progressRange(int) override {}
    void progress(int) override {}
    void status(const std::string&) override {}
    void setBusy(bool) override {}

private:
    QWidget* parent_;
    QString caption_;
};

} // namespace tolvan
