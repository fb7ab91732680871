#include "app/qt/user_dialogs.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

#include <iostream>

namespace tolvan {
namespace {

// The file dialog's sizes and dates as the default locale writes them: the
// file system model writes them in the system's language, whatever language
// the program speaks.
class FileTextsOfTheProgram : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        switch (index.column()) {
        case 1:
            return files->isDir(source) ? QString() : QLocale().formattedDataSize(files->size(source));
        case 3:
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }
};

// The system's chooser where it speaks the program's language. A Chinese
// program takes Qt's own (the system's speaks the desktop's language), whose
// texts it carries in Chinese.
QString chooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& suggested, const QString& filter)
{
    if (QLocale().language() != QLocale::Chinese)
        return mode == QFileDialog::AcceptOpen ? QFileDialog::getOpenFileName(parent, QString(), QString(), filter)
                                               : QFileDialog::getSaveFileName(parent, QString(), suggested, filter);
    QFileDialog dialog(parent, QString(), suggested, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setProxyModel(new FileTextsOfTheProgram(&dialog));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

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
        return chooseFile(parent, QFileDialog::AcceptOpen, QString(), filter);
    }

    QString saveFileName(QWidget* parent, const QString& suggested, const QString& filter) override
    {
        return chooseFile(parent, QFileDialog::AcceptSave, suggested, filter);
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
