#pragma once

#include "editions/language.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tolvan {

class UserDialogs;

// Write To Several Radios: asks to connect the next radio, writes it when the
// user says so, and keeps a log (number, time, result) that can be saved as CSV.
class FleetLogDlg : public QDialog {
public:
    struct Texts {
        QString title, connectNext, writeNext, saveLog, close, number, time, result, failed, stopWriting;
        QString messageCaption;  // the program's
        Language language = Language::English;  // of the reasons a failed save gives
    };
    // `writeOne` writes (and verifies) the document to the radio now connected;
    // it returns the result line and sets whether it succeeded.
    FleetLogDlg(QWidget* parent, Texts texts, UserDialogs& dialogs, std::function<QString(bool& ok)> writeOne);

    QTableWidget* log() const { return log_; }
    QPushButton* writeNextButton() const { return write_; }
    QPushButton* saveLogButton() const { return save_; }
    // The log as CSV: a header line, then one line per radio.
    QString logCsv() const;
    void writeNext();
    bool saveLog();
    // Closing while a radio is written asks first; yes stops the write, logs
    // that radio as it ended and closes once it has.
    void done(int result) override;

private:
    Texts texts_;
    UserDialogs& dialogs_;
    std::function<QString(bool&)> writeOne_;
    QLabel* prompt_;
    QTableWidget* log_;
    QPushButton* write_;
    QPushButton* save_;
    bool writing_ = false;
    bool closeWhenWritten_ = false;
};

} // namespace tolvan
