#include "app/qt/fleet_log_dlg.h"

#include "app/qt/user_dialogs.h"
#include "codeplug/safe_file.h"
#include "editor/table_csv.h"
#include "link/qt/clone_with_progress.h"
#include "program/qt/local_path.h"
#include "program/sin_status_text.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tolvan {

FleetLogDlg::FleetLogDlg(QWidget* parent, Texts texts, UserDialogs& dialogs, std::function<QString(bool&)> writeOne)
    : QDialog(parent), texts_(std::move(texts)), dialogs_(dialogs), writeOne_(std::move(writeOne))
{
    setWindowTitle(texts_.title);
    prompt_ = new QLabel(texts_.connectNext, this);
    log_ = new QTableWidget(0, 3, this);
    log_->setHorizontalHeaderLabels({texts_.number, texts_.time, texts_.result});
    log_->verticalHeader()->hide();
    log_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    log_->horizontalHeader()->setStretchLastSection(true);
    write_ = new QPushButton(texts_.writeNext, this);
    write_->setDefault(true);
    save_ = new QPushButton(texts_.saveLog, this);
    save_->setEnabled(false);
    auto* close = new QPushButton(texts_.close, this);
    connect(write_, &QPushButton::clicked, this, &FleetLogDlg::writeNext);
    connect(save_, &QPushButton::clicked, this, &FleetLogDlg::saveLog);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(write_);
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(log_);
    layout->addLayout(buttons);
    resize(560, 360);
}

void FleetLogDlg::writeNext()
{
    write_->setEnabled(false);
    bool ok = false;
    writing_ = true;
    const QString result = writeOne_(ok);
    writing_ = false;
    write_->setEnabled(true);
    const int row = log_->rowCount();
    log_->insertRow(row);
    log_->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
    log_->setItem(row, 1, new QTableWidgetItem(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss")));
    log_->setItem(row, 2, new QTableWidgetItem(ok ? result : texts_.failed + result.trimmed()));
    log_->resizeColumnToContents(0);
    log_->resizeColumnToContents(1);
    log_->scrollToBottom();
    save_->setEnabled(true);
    prompt_->setText(texts_.connectNext);
    write_->setFocus();
    if (closeWhenWritten_)
        QDialog::done(Accepted);
}

void FleetLogDlg::done(int result)
{
    if (!writing_) {
        QDialog::done(result);
        return;
    }
    if (closeWhenWritten_
        || dialogs_.ask(this, QMessageBox::Question, texts_.messageCaption, texts_.stopWriting,
                        QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    closeWhenWritten_ = true;
    cancelCloneTransfer();
}

QString FleetLogDlg::logCsv() const
{
    auto line = [](const QStringList& cells) {
        std::string out;
        for (int i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += ',';
            out += csvField(cells[i].toStdString());
        }
        return QString::fromStdString(out) + "\r\n";
    };
    QString csv = line({texts_.number, texts_.time, texts_.result});
    for (int r = 0; r < log_->rowCount(); ++r)
        csv += line({log_->item(r, 0)->text(), log_->item(r, 1)->text(), log_->item(r, 2)->text()});
    return csv;
}

bool FleetLogDlg::saveLog()
{
    const QString path = dialogs_.saveFileName(this, QStringLiteral("fleet-log.csv"), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return false;
    // The one safe writer, as every export: a failed save leaves an older log
    // whole, and a log never replaces a channel data file.
    const std::filesystem::path target = localPath(path);
    const FileResult written = writeFileSafely(target, logCsv().toStdString(), {.isExport = true});
    if (!written.ok()) {
        // The message is UTF-8 text, not a file name in the system's encoding.
        dialogs_.ask(this, QMessageBox::Warning, texts_.messageCaption,
                     QString::fromStdString(writeFaultText(written, target, texts_.language)), QMessageBox::Ok);
        return false;
    }
    return true;
}

} // namespace tolvan
