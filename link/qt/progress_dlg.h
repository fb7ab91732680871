#pragma once

#include "editions/edition.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tolvan {

// The progress window of a clone transfer (dialog 133). Before Start, Cancel
// closes it; while the transfer runs, Cancel, leaving the window or moving it
// only ask the transfer to stop, which notices at its next pump pass.
class CProgressDlg : public QDialog {
    Q_OBJECT
public:
    CProgressDlg(QWidget* parent, const LinkTexts& texts, const std::string& title, int progressMaximum);

    bool cancelRequested() const { return cancelRequested_; }
    void requestCancel() { cancelRequested_ = true; }
    bool isRunning() const { return running_; }
    bool wasStarted() const { return started_; }
    // The transfer has ended; the window is about to go.
    void finish() { running_ = false; }

    // While busy, leaving or moving the window counts as cancelling.
    void setBusy(bool busy) { busy_ = busy; }
    bool isBusy() const { return busy_; }

    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }
    QProgressBar* progressBar() const { return bar_; }
    QLabel* statusLabel() const { return status_; }

    // The caption of the transfer's message boxes: the program's (default:
    // this window's title).
    QString messageCaption() const { return messageCaption_.isEmpty() ? windowTitle() : messageCaption_; }
    void setMessageCaption(const QString& caption) { messageCaption_ = caption; }

signals:
    void started();

protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onStart();
    void onCancel();
    void interrupt();

    const LinkTexts& texts_;
    QPushButton* start_;
    QPushButton* cancel_;
    QProgressBar* bar_;
    QLabel* status_;
    QString messageCaption_;
    bool cancelRequested_ = false;
    bool busy_ = true;
    bool running_ = false;
    bool started_ = false;
};

} // namespace tolvan
