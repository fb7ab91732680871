#include "link/qt/clone_with_progress.h"

#include "link/port_names.h"
#include "link/qt/progress_dlg.h"
#include "link/qt/qt_link_host.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace tolvan {
namespace {

bool g_running = false;
CProgressDlg* g_dialog = nullptr;  // the running transfer's window

// Closing the main window during a transfer cancels the transfer; the window
// closes once the transfer has ended.
class CloseGuard : public QObject {
public:
    CloseGuard(QWidget* window, CProgressDlg& dialog) : window_(window), dialog_(dialog)
    {
        if (window_)
            window_->installEventFilter(this);
    }
    ~CloseGuard() override
    {
        if (!window_)
            return;
        window_->removeEventFilter(this);
        if (closeWanted_) {
            QPointer<QWidget> w = window_.data();
            QTimer::singleShot(0, w, [w] {
                if (w)
                    w->close();
            });
        }
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Close && dialog_.isRunning()) {
            dialog_.requestCancel();
            closeWanted_ = true;
            event->ignore();
            return true;
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    CProgressDlg& dialog_;
    bool closeWanted_ = false;
};

} // namespace

bool cloneTransferRunning()
{
    return g_running;
}

void cancelCloneTransfer()
{
    if (g_dialog)
        g_dialog->requestCancel();
}

std::optional<MemoryImage> runCloneWithProgress(QWidget* parent, const Edition& edition, Language language,
                                                Direction direction, const std::string& port,
                                                const MemoryImage& documentImage, const CloneWindowOptions& options)
{
    const LinkTexts& texts = edition.texts(language).link;
    CProgressDlg dialog(parent, texts, options.title.empty() ? cloneTitle(edition, language, direction) : options.title,
                        progressMaximum(edition));
    dialog.setModal(false);
    dialog.setMessageCaption(QString::fromStdString(options.messageCaption));
    if (parent)
        dialog.move(parent->window()->geometry().center() - dialog.rect().center());
    dialog.show();

    QEventLoop waitForStart;
    QObject::connect(&dialog, &CProgressDlg::started, &waitForStart, &QEventLoop::quit);
    QObject::connect(&dialog, &QDialog::finished, &waitForStart, &QEventLoop::quit);
    if (options.startAtOnce)
        QTimer::singleShot(0, dialog.startButton(), &QPushButton::click);
    waitForStart.exec();
    if (!dialog.wasStarted()) {
        if (options.outcome)
            *options.outcome = {CloneResult::Cancelled, {}, std::nullopt};
        return std::nullopt;
    }

    CloseGuard guard(parent ? parent->window() : nullptr, dialog);
    SystemPortOpener systemPorts(edition, &programIniFile(), language);
    PortOpener& opener = options.opener ? *options.opener : systemPorts;
    QtLinkHost host(dialog, options.pauses);
    CloneSession session(edition, language, host);

    g_running = true;
    g_dialog = &dialog;
    CloneOutcome outcome = session.run(opener, port, {direction, documentImage, options.password});
    g_dialog = nullptr;
    g_running = false;
    dialog.finish();
    dialog.hide();

    if (options.outcome)
        *options.outcome = outcome;
    if (outcome.result == CloneResult::Completed && direction == Direction::Read)
        return std::move(outcome.image);
    return std::nullopt;
}

} // namespace tolvan
