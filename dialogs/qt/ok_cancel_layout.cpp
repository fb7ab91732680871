#include "dialogs/qt/ok_cancel_layout.h"

#include "dialogs/qt/qt_text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvan {

void setOkCancelLayout(QDialog* dialog, QLayout* controls, const std::string& ok, const std::string& cancel)
{
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(qs(ok), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(qs(cancel), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* outer = new QVBoxLayout(dialog);
    outer->addLayout(controls);
    outer->addWidget(buttons);
}

} // namespace tolvan
