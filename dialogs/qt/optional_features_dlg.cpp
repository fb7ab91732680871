#include "dialogs/qt/optional_features_dlg.h"

#include "dialogs/qt/ok_cancel_layout.h"
#include "dialogs/qt/qt_text.h"
#include "dialogs/qt/text_spin_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <tuple>

namespace tolvan {
namespace {

// The ID box's filter was set on the system's key codes; this gives a key the
// code it has there (0 for keys it has none for, which are refused).
int systemKeyCode(const QKeyEvent* e)
{
    const int k = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return keypad ? 0x60 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return k;
    if (k == Qt::Key_Backspace)
        return 0x08;
    if (keypad) {
        switch (k) {
        case Qt::Key_Asterisk: return 0x6A;
        case Qt::Key_Plus: return 0x6B;
        case Qt::Key_Minus: return 0x6D;
        case Qt::Key_Period: return 0x6E;
        case Qt::Key_Slash: return 0x6F;
        default: break;
        }
    }
    if (k >= Qt::Key_F1 && k <= Qt::Key_F11)
        return 0x70 + (k - Qt::Key_F1);
    return 0;
}

QLineEdit* idEdit(int maxLength, bool upperCase)
{
    auto* edit = new QLineEdit;
    edit->setMaxLength(maxLength);
    if (upperCase)
        keepUpperCase(edit);
    return edit;
}

std::string latin(const QLineEdit* edit)
{
    return edit->text().toLatin1().toStdString();
}

int index(const QComboBox* box)
{
    return box->currentIndex();
}

} // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(MemoryImage& image, const OptionalFeaturesLayout& layout,
                                           const Edition& edition, Language language, QWidget* parent)
    : QDialog(parent), image_(image), model_(layout)
{
    const OptionalFeaturesTexts t = optionalFeaturesTexts(edition.uiLanguage(language));
    setWindowTitle(qs(t.caption));
    timeOutOff_ = t.timeOutOff;

    squelch_ = new QComboBox;
    for (int i = 0; i < OptionalFeatures::kSquelchItems; ++i)
        squelch_->addItem(QString::number(i));
    timeOut_ = new TextSpinBox(
        [this](const QString&, bool up) {
            timeOutPosition_ = std::clamp(timeOutPosition_ + (up ? 1 : -1), 0, OptionalFeatures::kTimeOutSteps);
            return qs(OptionalFeatures::timeOutText(timeOutPosition_, timeOutOff_));
        },
        10);
    // The box only shows the spin's position; OK stores the position.
    timeOut_->setTextReadOnly(true);
    voxGain_ = new QComboBox;
    addItems(voxGain_, t.voxItems);
    language_ = new QComboBox;
    addItems(language_, t.languageItems);
    beep_ = new QCheckBox(qs(t.beep));
    batterySave_ = new QCheckBox(qs(t.batterySave));
    scrambler_ = new QCheckBox(qs(t.scrambler));
    priority_ = new QComboBox;
    for (int i = 1; i <= OptionalFeatures::kPriorityItems; ++i)
        priority_->addItem(QString::number(i));
    priority_->setMaxVisibleItems(16);

    auto* functionSet = new QGroupBox(qs(t.functionSet));
    auto* f = new QGridLayout(functionSet);
    f->addWidget(new QLabel(qs(t.timeOut)), 0, 0);
    f->addWidget(timeOut_, 0, 1);
    f->addWidget(new QLabel(qs(t.squelch)), 1, 0);
    f->addWidget(squelch_, 1, 1);
    f->addWidget(new QLabel(qs(t.voxGain)), 2, 0);
    f->addWidget(voxGain_, 2, 1);
    f->addWidget(new QLabel(qs(t.language)), 3, 0);
    f->addWidget(language_, 3, 1);
    f->addWidget(beep_, 4, 0);
    f->addWidget(batterySave_, 4, 1);
    f->addWidget(scrambler_, 5, 0, 1, 2);
    f->addWidget(new QLabel(qs(t.priorityChannel)), 6, 0);
    f->addWidget(priority_, 6, 1);
    f->setRowStretch(7, 1);

    groupId_ = idEdit(OptionalFeatures::kGroupIdLength, false);
    groupId_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), groupId_));
    id_ = idEdit(OptionalFeatures::kIdLength, true);
    id_->installEventFilter(this);
    callId_ = idEdit(OptionalFeatures::kIdLength, true);
    checkId_ = idEdit(OptionalFeatures::kIdLength, false);
    killId_ = idEdit(OptionalFeatures::kIdLength, false);
    listenId_ = idEdit(OptionalFeatures::kIdLength, false);
    beginOfTx_ = new QCheckBox(qs(t.beginOfTx));
    endOfTx_ = new QCheckBox(qs(t.endOfTx));
    signalMode_ = new QComboBox;
    addItems(signalMode_, t.signalModeItems);

    auto* idGroup = new QGroupBox(qs(t.idGroup));
    auto* g = new QGridLayout(idGroup);
    const std::pair<const std::string*, QLineEdit*> ids[] = {{&t.groupId, groupId_}, {&t.id, id_},
                                                             {&t.callId, callId_}, {&t.checkId, checkId_},
                                                             {&t.killId, killId_}, {&t.listenId, listenId_}};
    int row = 0;
    for (const auto& [label, edit] : ids) {
        g->addWidget(new QLabel(qs(*label)), row, 0);
        g->addWidget(edit, row++, 1);
    }
    g->addWidget(beginOfTx_, row, 0);
    g->addWidget(endOfTx_, row++, 1);
    g->addWidget(new QLabel(qs(t.signalMode)), row, 0);
    g->addWidget(signalMode_, row++, 1);

    // The key lists exist in the dialog but are not shown.
    const OptionalFeaturesLayout& l = model_.layout();
    for (auto [present, box, text] : {std::tuple{l.pf1.has_value(), &pf1_, &t.pf1}, std::tuple{l.pf2.has_value(), &pf2_, &t.pf2}}) {
        if (!present)
            continue;
        *box = new QComboBox(this);
        addItems(*box, t.keyItems);
        (*box)->hide();
        auto* label = new QLabel(qs(*text), this);
        label->hide();
    }

    auto* columns = new QHBoxLayout;
    columns->addWidget(functionSet);
    columns->addWidget(idGroup);
    setOkCancelLayout(this, columns, t.ok, t.cancel);

    showValues(model_.read(image_));
}

void COptionalFeaturesDlg::showValues(const OptionalFeaturesValues& v)
{
    timeOutPosition_ = v.timeOut;
    timeOut_->setText(qs(OptionalFeatures::timeOutText(v.timeOut, timeOutOff_)));
    squelch_->setCurrentIndex(v.squelch);
    if (pf2_)
        pf2_->setCurrentIndex(v.pf2);
    if (pf1_)
        pf1_->setCurrentIndex(v.pf1);
    priority_->setCurrentIndex(v.priorityChannel);
    voxGain_->setCurrentIndex(v.voxGain);
    signalMode_->setCurrentIndex(v.signalMode);
    beep_->setChecked(v.beep);
    scrambler_->setChecked(v.scrambler);
    batterySave_->setChecked(v.batterySave);
    language_->setCurrentIndex(v.language);
    beginOfTx_->setChecked(v.beginOfTx);
    endOfTx_->setChecked(v.endOfTx);
    groupId_->setText(qs(v.groupId));
    id_->setText(qs(v.id));
    callId_->setText(qs(v.callId));
    checkId_->setText(qs(v.checkId));
    killId_->setText(qs(v.killId));
    listenId_->setText(qs(v.listenId));
}

OptionalFeaturesValues COptionalFeaturesDlg::collect() const
{
    OptionalFeaturesValues v;
    v.squelch = index(squelch_);
    v.timeOut = timeOutPosition_;
    v.voxGain = index(voxGain_);
    v.signalMode = index(signalMode_);
    v.language = index(language_);
    v.pf1 = pf1_ ? index(pf1_) : 0;
    v.pf2 = pf2_ ? index(pf2_) : 0;
    v.priorityChannel = index(priority_);
    v.beep = beep_->isChecked();
    v.batterySave = batterySave_->isChecked();
    v.scrambler = scrambler_->isChecked();
    v.beginOfTx = beginOfTx_->isChecked();
    v.endOfTx = endOfTx_->isChecked();
    v.groupId = latin(groupId_);
    v.id = latin(id_);
    v.callId = latin(callId_);
    v.checkId = latin(checkId_);
    v.killId = latin(killId_);
    v.listenId = latin(listenId_);
    return v;
}

void COptionalFeaturesDlg::accept()
{
    const MemoryImage before = image_;
    model_.write(collect(), image_);
    changed_ = image_ != before;
    QDialog::accept();
}

bool COptionalFeaturesDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == id_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab and Shift+Tab move the focus; they never reach the box.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        return !OptionalFeatures::idBoxAcceptsKey(systemKeyCode(key));
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tolvan
