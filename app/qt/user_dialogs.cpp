#include "app/qt/user_dialogs.h"

#include <QFileDialog>

#include <iostream>

namespace tolvan {
namespace {

class StandardDialogs : public UserDialogs {
public:
    QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons) override
    {
        QMessageBox box(icon, title, text, buttons, parent);
        // A yes-or-no question that stops or replaces something takes No on Enter.
        if (buttons.testFlag(QMessageBox::No))
            box.setDefaultButton(QMessageBox::No);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    QString openFileName(QWidget* parent, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    }

    QString saveFileName(QWidget* parent, const QString& suggested, const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, QString(), suggested, filter);
    }
};

class StderrDialogs : public UserDialogs {
public:
    QMessageBox::StandardButton ask(QWidget*, QMessageBox::Icon, const QString&, const QString& text,
                                    QMessageBox::StandardButtons buttons) override
    {
        std::cerr << text.toStdString() << '\n';
        return buttons == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel;
    }
    QString openFileName(QWidget*, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
};

} // namespace

UserDialogs& stderrDialogs()
{
    static StderrDialogs dialogs;
    return dialogs;
}

UserDialogs& standardDialogs()
{
    static StandardDialogs dialogs;
    return dialogs;
}

} // namespace tolvan
