#include "link/qt/progress_dlg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvan {

CProgressDlg::CProgressDlg(QWidget* parent, const LinkTexts& texts, const std::string& title, int progressMaximum)
    : QDialog(parent), texts_(texts)
{
    setWindowTitle(QString::fromStdString(title));
    start_ = new QPushButton(QString::fromStdString(texts.startButton), this);
    cancel_ = new QPushButton(QString::fromStdString(texts.cancelButton), this);
    start_->setDefault(true);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, progressMaximum);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    auto* label = new QLabel(QString::fromStdString(texts.progressLabel), this);
    status_ = new QLabel(QString::fromStdString(texts.notStarted), this);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(status_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addLayout(row);
    layout->addLayout(buttons);

    connect(start_, &QPushButton::clicked, this, &CProgressDlg::onStart);
    connect(cancel_, &QPushButton::clicked, this, &CProgressDlg::onCancel);
}

void CProgressDlg::onStart()
{
    start_->setEnabled(false);
    running_ = true;
    started_ = true;
    emit started();
}

void CProgressDlg::onCancel()
{
    cancelRequested_ = true;
    if (!running_)
        reject();
}

void CProgressDlg::interrupt()
{
    cancelRequested_ = true;
    QMessageBox::information(this, messageCaption(), QString::fromStdString(texts_.interrupted), QMessageBox::Ok);
}

bool CProgressDlg::event(QEvent* e)
{
    // Turning to another window while the transfer runs stops it.
    if (e->type() == QEvent::WindowDeactivate && running_ && busy_ && !cancelRequested_)
        interrupt();
    return QDialog::event(e);
}

void CProgressDlg::moveEvent(QMoveEvent* e)
{
    if (running_ && busy_ && !cancelRequested_ && isVisible())
        interrupt();
    QDialog::moveEvent(e);
}

void CProgressDlg::keyPressEvent(QKeyEvent* e)
{
    // Dialog keys do nothing while the transfer runs; only the mouse cancels.
    if (running_) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CProgressDlg::closeEvent(QCloseEvent* e)
{
    if (running_) {
        cancelRequested_ = true;
        e->ignore();
        return;
    }
    cancelRequested_ = true;
    QDialog::closeEvent(e);
}

} // namespace tolvan
