#include "dialogs/qt/signalling_features_dlg.h"

#include "dialogs/optional_features.h"
#include "dialogs/qt/qt_text.h"
#include "dialogs/qt/text_spin_box.h"
#include "dialogs/settings_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace tolvan {
namespace {

QComboBox* list(const std::vector<std::string>& items)
{
    auto* box = new QComboBox;
    addItems(box, items);
    return box;
}

// A code box that takes only the characters the radio stores.
QLineEdit* codeEdit(std::size_t maxLength, const char* allowed)
{
    auto* edit = new QLineEdit;
    edit->setMaxLength(static_cast<int>(maxLength));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), edit));
    keepUpperCase(edit);
    return edit;
}

void addRow(QGridLayout* grid, const std::string& label, QWidget* field)
{
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(qs(label)), row, 0);
    grid->addWidget(field, row, 1);
}

} // namespace

CSignallingFeaturesDlg::CSignallingFeaturesDlg(MemoryImage& image, const SignallingFeaturesLayout& layout,
                                               Language language, QWidget* parent)
    : QDialog(parent), image_(image), model_(layout)
{
    const SignallingFeaturesTexts t = signallingFeaturesTexts(language, layout);
    setWindowTitle(qs(t.caption));
    timeOutOff_ = t.timeOutOff;

    timeOut_ = new TextSpinBox(
        [this](const QString&, bool up) {
            timeOutPosition_ = std::clamp(timeOutPosition_ + (up ? 1 : -1), 0, SignallingFeatures::kTimeOutSteps);
            return qs(OptionalFeatures::timeOutText(timeOutPosition_, timeOutOff_));
        },
        10);
    // The box only shows the spin's position; OK stores the position.
    timeOut_->setTextReadOnly(true);
    squelch_ = new QComboBox;
    for (int i = 0; i < SignallingFeatures::kSquelchItems; ++i)
        squelch_->addItem(QString::number(i));
    language_ = list(t.languageItems);
    beep_ = new QCheckBox(qs(t.beep));
    batterySave_ = new QCheckBox(qs(t.batterySave));
    scrambler_ = new QCheckBox(qs(t.scrambler));

    auto* general = new QGroupBox;
    auto* g = new QGridLayout(general);
    addRow(g, t.timeOut, timeOut_);
    addRow(g, t.squelch, squelch_);
    addRow(g, t.language, language_);
    g->addWidget(beep_, g->rowCount(), 0, 1, 2);
    g->addWidget(batterySave_, g->rowCount(), 0, 1, 2);
    g->addWidget(scrambler_, g->rowCount(), 0, 1, 2);
    g->setRowStretch(g->rowCount(), 1);

    voxFunction_ = new QCheckBox(qs(t.voxFunction));
    voxGain_ = list(t.voxGainItems);
    voxDelay_ = list(t.voxDelayItems);
    voxInhibit_ = new QCheckBox(qs(t.voxInhibit));
    auto* vox = new QGroupBox(qs(t.voxGroup));
    auto* v = new QGridLayout(vox);
    v->addWidget(voxFunction_, 0, 0, 1, 2);
    addRow(v, t.voxGain, voxGain_);
    addRow(v, t.voxDelay, voxDelay_);
    v->addWidget(voxInhibit_, v->rowCount(), 0, 1, 2);
    v->setRowStretch(v->rowCount(), 1);

    pf1_ = list(t.keyItems);
    pf2_ = list(t.keyItems);
    auto* keys = new QGroupBox(qs(t.keyGroup));
    auto* k = new QGridLayout(keys);
    addRow(k, t.pf1, pf1_);
    addRow(k, t.pf2, pf2_);
    k->setRowStretch(k->rowCount(), 1);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(general);
    left->addWidget(keys);
    auto* right = new QVBoxLayout;
    right->addWidget(vox);

    // The smaller radio shows no PTT ID group at all.
    if (layout.pttId || layout.aniCode || layout.beginOfTx || layout.endOfTx) {
        auto* ptt = new QGroupBox(qs(t.pttGroup));
        auto* p = new QGridLayout(ptt);
        if (layout.pttId) {
            pttId_ = codeEdit(id_code::kDigitCodeLength, "[0-9]*");
            addRow(p, t.pttId, pttId_);
        }
        if (layout.aniCode) {
            aniCode_ = codeEdit(id_code::kBytes, "[0-9A-Za-z]*");
            addRow(p, t.aniCode, aniCode_);
        }
        const int row = p->rowCount();
        if (layout.beginOfTx) {
            beginOfTx_ = new QCheckBox(qs(t.beginOfTx));
            p->addWidget(beginOfTx_, row, 0);
        }
        if (layout.endOfTx) {
            endOfTx_ = new QCheckBox(qs(t.endOfTx));
            p->addWidget(endOfTx_, row, 1);
        }
        right->addWidget(ptt);
    }
    right->addStretch(1);
    columns->addLayout(left);
    columns->addLayout(right);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(qs(t.ok), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(qs(t.cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addWidget(buttons);

    showValues(model_.read(image_));
}

void CSignallingFeaturesDlg::showValues(const SignallingFeaturesValues& v)
{
    timeOutPosition_ = v.timeOut;
    timeOut_->setText(qs(OptionalFeatures::timeOutText(v.timeOut, timeOutOff_)));
    squelch_->setCurrentIndex(v.squelch);
    language_->setCurrentIndex(v.language);
    beep_->setChecked(v.beep);
    scrambler_->setChecked(v.scrambler);
    batterySave_->setChecked(v.batterySave);
    voxGain_->setCurrentIndex(v.voxGain);
    voxDelay_->setCurrentIndex(v.voxDelay);
    voxFunction_->setChecked(v.voxFunction);
    voxInhibit_->setChecked(v.voxInhibit);
    pf1_->setCurrentIndex(v.pf1);
    pf2_->setCurrentIndex(v.pf2);
    if (pttId_)
        pttId_->setText(qs(v.pttId));
    if (aniCode_)
        aniCode_->setText(qs(v.aniCode));
    if (beginOfTx_)
        beginOfTx_->setChecked(v.beginOfTx);
    if (endOfTx_)
        endOfTx_->setChecked(v.endOfTx);
}

SignallingFeaturesValues CSignallingFeaturesDlg::collect() const
{
    SignallingFeaturesValues v;
    v.timeOut = timeOutPosition_;
    v.squelch = squelch_->currentIndex();
    v.language = language_->currentIndex();
    v.beep = beep_->isChecked();
    v.scrambler = scrambler_->isChecked();
    v.batterySave = batterySave_->isChecked();
    v.voxGain = voxGain_->currentIndex();
    v.voxDelay = voxDelay_->currentIndex();
    v.voxFunction = voxFunction_->isChecked();
    v.voxInhibit = voxInhibit_->isChecked();
    v.pf1 = pf1_->currentIndex();
    v.pf2 = pf2_->currentIndex();
    if (pttId_)
        v.pttId = pttId_->text().toLatin1().toStdString();
    if (aniCode_)
        v.aniCode = aniCode_->text().toLatin1().toStdString();
    v.beginOfTx = beginOfTx_ && beginOfTx_->isChecked();
    v.endOfTx = endOfTx_ && endOfTx_->isChecked();
    return v;
}

void CSignallingFeaturesDlg::accept()
{
    const MemoryImage before = image_;
    model_.write(collect(), image_);
    changed_ = image_ != before;
    QDialog::accept();
}

} // namespace tolvan
