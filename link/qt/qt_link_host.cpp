#include "link/qt/qt_link_host.h"

#include "link/line_wait.h"
#include "link/qt/progress_dlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>

namespace tolvan {

QtLinkHost::QtLinkHost(CProgressDlg& dialog, bool pauses)
    : dialog_(dialog), pauses_(pauses), stepPacer_(pauses ? StepPacer::kFrame : StepPacer::Clock::duration::zero())
{
}

// A step is shown and painted at the start of a pause, in time the exchange
// waits anyway, rather than between a reply and the next command. A cancel the
// events bring is noticed at the next pass.
void QtLinkHost::pause(int milliseconds)
{
    if (pauses_) {
        const auto now = PumpPacer::Clock::now();
        if (stepPacer_.shows(now, true)) {
            showStep();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        sleepUntil(now + std::chrono::milliseconds(milliseconds));
    }
    pacer_.waited();
}

bool QtLinkHost::pump()
{
    const auto now = PumpPacer::Clock::now();
    if (stepPacer_.shows(now, false))
        showStep();
    if (pacer_.passAsks(now))
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return dialog_.cancelRequested();
}

Answer QtLinkHost::ask(const std::string& message, Buttons buttons)
{
    return askWithDetail(message, {}, buttons);
}

Answer QtLinkHost::askWithDetail(const std::string& message, const std::string& detail, Buttons buttons)
{
    if (stepPacer_.showsNow())
        showStep();
    QMessageBox box(QMessageBox::Warning, dialog_.messageCaption(), QString::fromStdString(message),
                    QMessageBox::NoButton, &dialog_);
    if (!detail.empty())
        box.setInformativeText(QString::fromStdString(detail));
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    const int answer = box.exec();
    pacer_.waited();
    switch (answer) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Retry:
        return Answer::Retry;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

void QtLinkHost::progressRange(int maximum)
{
    dialog_.progressBar()->setRange(0, maximum);
}

void QtLinkHost::progress(int position)
{
    position_ = position;
    stepPacer_.stepped();
}

void QtLinkHost::status(const std::string& text)
{
    status_ = text;
    stepPacer_.stepped();
}

void QtLinkHost::setBusy(bool busy)
{
    if (!busy && stepPacer_.showsNow())
        showStep();
    dialog_.setBusy(busy);
}

void QtLinkHost::showStep()
{
    if (position_)
        dialog_.progressBar()->setValue(*position_);
    if (status_)
        dialog_.statusLabel()->setText(QString::fromStdString(*status_));
    position_.reset();
    status_.reset();
}

} // namespace tolvan
