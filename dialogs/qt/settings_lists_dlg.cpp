#include "dialogs/qt/settings_lists_dlg.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/qt/ok_cancel_layout.h"
#include "dialogs/qt/qt_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tolvan {

CSettingsListsDlg::CSettingsListsDlg(MemoryImage& image, const Edition& edition, Language language, QWidget* parent)
    : QDialog(parent), image_(image), model_(edition.settingsLists.value())
{
    const Language shown = edition.uiLanguage(language);
    const OptionalFeaturesTexts t = optionalFeaturesTexts(shown);
    setWindowTitle(qs(t.caption));

    const std::vector<int> selections = model_.read(image_);
    auto* grid = new QGridLayout;
    for (int i = 0; i < model_.count(); ++i) {
        auto* box = new QComboBox;
        addItems(box, model_.items(i, shown));
        const int selected = selections.at(static_cast<std::size_t>(i));
        box->setCurrentIndex(selected);
        // A list that snaps back when typed into has an edit field; the others are plain lists.
        if (model_.list(i).typingReset >= 0) {
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            if (selected < 0)
                box->setEditText(QString());
            connect(box->lineEdit(), &QLineEdit::textEdited, this,
                    [this, i, box] { box->setCurrentIndex(model_.typed(i, box->currentIndex())); });
        }
        auto* label = new QLabel(qs(model_.label(i, shown)));
        label->setBuddy(box);
        // Two columns of label and list, a gap between them.
        box->setMinimumWidth(90);
        grid->addWidget(label, i / 2, 3 * (i % 2));
        grid->addWidget(box, i / 2, 3 * (i % 2) + 1);
        boxes_.push_back(box);
    }
    grid->setColumnMinimumWidth(2, 24);

    setOkCancelLayout(this, grid, t.ok, t.cancel);
}

void CSettingsListsDlg::accept()
{
    const MemoryImage before = image_;
    std::vector<int> selections;
    for (const QComboBox* box : boxes_)
        selections.push_back(box->currentIndex());
    model_.write(selections, image_);
    changed_ = image_ != before;
    QDialog::accept();
}

} // namespace tolvan
