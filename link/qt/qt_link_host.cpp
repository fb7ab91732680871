#include "link/qt/qt_link_host.h"

#include "link/qt/progress_dlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QThread>

namespace tolvan {

QtLinkHost::QtLinkHost(CProgressDlg& dialog, bool pauses) : dialog_(dialog), pauses_(pauses) {}

void QtLinkHost::pause(int milliseconds)
{
    if (pauses_)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    pacer_.waited();
}

bool QtLinkHost::pump()
{
    if (pacer_.passAsks(PumpPacer::Clock::now()))
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return dialog_.cancelRequested();
}

Answer QtLinkHost::ask(const std::string& message, Buttons buttons)
{
    return askWithDetail(message, {}, buttons);
}

Answer QtLinkHost::askWithDetail(const std::string& message, const std::string& detail, Buttons buttons)
{
    QMessageBox box(QMessageBox::Warning, dialog_.windowTitle(), QString::fromStdString(message),
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
    dialog_.progressBar()->setValue(position);
}

void QtLinkHost::status(const std::string& text)
{
    dialog_.statusLabel()->setText(QString::fromStdString(text));
}

void QtLinkHost::setBusy(bool busy)
{
    dialog_.setBusy(busy);
}

} // namespace tolvan
