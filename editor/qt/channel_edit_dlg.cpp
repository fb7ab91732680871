#include "editor/qt/channel_edit_dlg.h"

#include "dialogs/qt/qt_text.h"
#include "dialogs/qt/text_spin_box.h"
#include "editor/edit_texts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolvan {

CChannelEditDlg::CChannelEditDlg(ChannelEdit& edit, Language language, std::function<void(const QString&)> message,
                                 QWidget* parent)
    : QDialog(parent), edit_(edit), message_(std::move(message))
{
    const ChannelEditTexts texts = channelEditTexts(language);
    rangeMessage_ = qs(edit.rangeMessage());
    setWindowTitle(qs(texts.caption));

    channel_ = new TextSpinBox(
        [this](const QString&, bool up) {
            edit_.spinChannel(up ? +1 : -1);
            return qs(edit_.channelText());
        },
        3, this);
    connect(channel_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        edit_.setChannelText(text.toStdString());
        refresh();
    });
    connect(channel_, &TextSpinBox::textStepped, this, &CChannelEditDlg::refresh);

    signalling_ = new QComboBox(this);
    for (const std::string& item : texts.signalling)
        signalling_->addItem(qs(item));
    connect(signalling_, &QComboBox::activated, this, [this](int index) {
        edit_.chooseSignalling(index);
        refresh();
        emit tableChanged();
    });

    group_ = new QGroupBox(qs(texts.twoToneGroup), this);
    call_ = new TextSpinBox(
        [this](const QString&, bool up) {
            edit_.spinCall(up ? +1 : -1);
            return qs(edit_.callText());
        },
        2, group_);
    decode_ = new TextSpinBox(
        [this](const QString&, bool up) {
            edit_.spinDecode(up ? +1 : -1);
            return qs(edit_.decodeText());
        },
        2, group_);
    call_->setTextReadOnly(true);
    decode_->setTextReadOnly(true);
    auto* groupLayout = new QGridLayout(group_);
    groupLayout->addWidget(new QLabel(qs(texts.call), group_), 0, 0);
    groupLayout->addWidget(call_, 0, 1);
    groupLayout->addWidget(new QLabel(qs(texts.decode), group_), 1, 0);
    groupLayout->addWidget(decode_, 1, 1);

    ok_ = new QPushButton(qs(texts.ok), this);
    ok_->setDefault(true);
    ok_->hide();
    connect(ok_, &QPushButton::clicked, this, &CChannelEditDlg::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(qs(texts.channel), this), 0, 0);
    layout->addWidget(channel_, 0, 1);
    layout->addWidget(new QLabel(qs(texts.optSignal), this), 1, 0);
    layout->addWidget(signalling_, 1, 1);
    layout->addWidget(group_, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
}

void CChannelEditDlg::refresh()
{
    if (channel_->text() != qs(edit_.channelText()))
        channel_->setText(qs(edit_.channelText()));
    signalling_->setEnabled(edit_.signallingEnabled());
    signalling_->setCurrentIndex(edit_.signalling());
    group_->setVisible(edit_.twoToneShown());
    call_->setText(qs(edit_.callText()));
    decode_->setText(qs(edit_.decodeText()));
}

bool CChannelEditDlg::store()
{
    const bool changed = edit_.changedImage();
    if (!edit_.accept()) {
        if (message_)
            message_(rangeMessage_);
        refresh();
        return false;
    }
    if (edit_.changedImage() != changed || edit_.twoToneShown())
        emit tableChanged();
    return true;
}

void CChannelEditDlg::accept()
{
    if (store())
        QDialog::accept();
}

void CChannelEditDlg::keyPressEvent(QKeyEvent* event)
{
    // The OK button is hidden, so Enter has no default button to press.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CChannelEditDlg::closeEvent(QCloseEvent* event)
{
    // The close box stores like OK.
    if (!store()) {
        event->ignore();
        return;
    }
    QDialog::accept();
    event->accept();
}

} // namespace tolvan
