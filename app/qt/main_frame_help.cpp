// The main window's help page and About box.

#include "app/qt/main_frame.h"

#include "app/qt/help_window.h"
#include "app/qt/main_frame_parts.h"
#include "app/qt/program_window.h"
#include "app/qt/tool_icons.h"
#include "editions/help_page.h"
#include "program/read_backup.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tolvan {

using namespace frame_parts;

QString CMainFrame::helpFileName() const
{
    return QString::fromLatin1(tolvan::helpFileName(language_.language));
}

void CMainFrame::openHelp()
{
    const QString name = helpFileName();
    const QString path = findHelpFile(name, qs(doc_.edition().id), dataDirectories());
    if (!help_)
        help_ = new HelpWindow(this);
    if (path.isEmpty() || !help_->showFile(path)) {
        message(tr("Cannot find the help file %1.").arg(name));
        return;
    }
    help_->show();
    help_->raise();
}

void CMainFrame::showAbout()
{
    aboutDialog()->exec();
}

std::unique_ptr<QDialog> CMainFrame::aboutDialog()
{
    auto dialog = std::make_unique<QDialog>(this);
    QDialog& box = *dialog;
    auto* layout = new QGridLayout(&box);
    auto* icon = new QLabel;
    icon->setPixmap(toolIcon(ToolIcon::Application).pixmap(QSize(48, 48), devicePixelRatioF()));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    if (const auto& branding = language_.branding) {
        box.setWindowTitle(qs(branding->aboutCaption));
        auto* lines = new QVBoxLayout;
        for (const std::string* line : {&branding->company, &branding->version, &branding->company1})
            lines->addWidget(new QLabel(qs(*line)));
        layout->addLayout(lines, 0, 1, 2, 1);
    } else {
        box.setWindowTitle(tr("About Tolvan"));
        layout->addWidget(new QLabel(qs(doc_.edition().window(language_.language).aboutProgram)), 0, 1);
        layout->addWidget(new QLabel(tr("Copyright (C) Tolvan")), 1, 1);
    }
    auto* backups = new QLabel(tr("Every read from a radio is also kept in\n%1\n(the last %2 reads).")
                                   .arg(QString::fromStdString(readBackupDirectory().string()))
                                   .arg(kReadBackupsKept));
    backups->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(backups, 2, 1);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(ok, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(ok, 3, 0, 1, 2);
    return dialog;
}

} // namespace tolvan
