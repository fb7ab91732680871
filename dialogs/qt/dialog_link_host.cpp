#include "dialogs/qt/dialog_link_host.h"

#include "link/line_wait.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace tolvan {

void DialogLinkHost::pause(int milliseconds)
{
    pump();
    sleepFor(std::chrono::milliseconds(milliseconds));
}

// Only painting and other non-input events: the user cannot start anything
// else while the exchange runs.
bool DialogLinkHost::pump()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return false;
}

Answer DialogLinkHost::ask(const std::string& message, Buttons buttons)
{
    const QString text = QString::fromStdString(message);
    switch (buttons) {
    case Buttons::Ok:
        QMessageBox::information(parent_, caption_, text);
        return Answer::Ok;
    case Buttons::OkCancel:
        return QMessageBox::question(parent_, caption_, text, QMessageBox::Ok | QMessageBox::Cancel)
                       == QMessageBox::Ok
                   ? Answer::Ok
                   : Answer::Cancel;
    case Buttons::RetryCancel:
        return QMessageBox::warning(parent_, caption_, text, QMessageBox::Retry | QMessageBox::Cancel)
                       == QMessageBox::Retry
                   ? Answer::Retry
                   : Answer::Cancel;
    }
    return Answer::Cancel;
}

// A notice with the system's reason beneath it (a port that would not open).
Answer DialogLinkHost::askWithDetail(const std::string& message, const std::string& detail, Buttons buttons)
{
    if (detail.empty() || buttons != Buttons::Ok)
        return ask(message, buttons);
    QMessageBox box(QMessageBox::Information, caption_, QString::fromStdString(message), QMessageBox::Ok, parent_);
    box.setInformativeText(QString::fromStdString(detail));
    box.exec();
    return Answer::Ok;
}

} // namespace tolvan
