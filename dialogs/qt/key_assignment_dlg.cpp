#include "dialogs/qt/key_assignment_dlg.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/qt/ok_cancel_layout.h"
#include "dialogs/qt/qt_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace tolvan {

CKeyAssignmentDlg::CKeyAssignmentDlg(MemoryImage& image, const Edition& edition, Language language, QWidget* parent)
    : QDialog(parent), image_(image), model_(edition.keyAssignment.value())
{
    const KeyAssignmentTexts t = keyAssignmentTexts(edition.uiLanguage(language));
    setWindowTitle(qs(t.caption));

    auto* groups = new QHBoxLayout;
    const std::vector<SideButtonChoice> choices = model_.read(image_);
    for (int b = 0; b < model_.buttonCount(); ++b) {
        auto* group = new QGroupBox(b < static_cast<int>(t.buttons.size()) ? qs(t.buttons[static_cast<std::size_t>(b)])
                                                                           : QString());
        auto* g = new QGridLayout(group);
        auto list = [&](int row, const std::string& label, int selected) {
            auto* box = new QComboBox;
            addItems(box, t.functions);
            box->setCurrentIndex(selected);
            auto* caption = new QLabel(qs(label));
            caption->setBuddy(box);
            g->addWidget(caption, row, 0);
            g->addWidget(box, row, 1);
            return box;
        };
        const SideButtonChoice& c = choices.at(static_cast<std::size_t>(b));
        QComboBox* shortPress = list(0, t.shortPress, c.shortPress);
        QComboBox* longPress = list(1, t.longPress, c.longPress);
        boxes_.emplace_back(shortPress, longPress);
        groups->addWidget(group);
    }

    setOkCancelLayout(this, groups, t.ok, t.cancel);
}

void CKeyAssignmentDlg::accept()
{
    std::vector<SideButtonChoice> choices;
    for (const auto& [shortPress, longPress] : boxes_)
        choices.push_back({shortPress->currentIndex(), longPress->currentIndex()});
    const MemoryImage before = image_;
    model_.write(choices, image_);
    changed_ = image_ != before;
    QDialog::accept();
}

} // namespace tolvan
