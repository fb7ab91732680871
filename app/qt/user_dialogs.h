#pragma once

#include <QMessageBox>
#include <QString>

namespace tolvan {

// Every question and message box the window shows, and the file choosers, go
// through this interface so that tests can answer them.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons) = 0;
    // Empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& suggested, const QString& filter) = 0;
};

// The real boxes and choosers.
UserDialogs& standardDialogs();

// For runs without a user (pictures): messages go to stderr, questions are
// answered Cancel (OK where that is the only button), no file is chosen.
UserDialogs& stderrDialogs();

} // namespace tolvan
