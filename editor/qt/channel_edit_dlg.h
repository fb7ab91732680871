#pragma once

#include "editor/channel_edit.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QGroupBox;
class QPushButton;

namespace tolvan {

class TextSpinBox;

// The Channel Edit dialog: one channel's optional signalling and its two-tone
// call and decoder, edited through ChannelEdit. Enter and the close box accept
// (the OK button is hidden); Esc closes without storing the two-tone numbers.
class CChannelEditDlg : public QDialog {
    Q_OBJECT
public:
    // `message` shows the channel field's range message.
    CChannelEditDlg(ChannelEdit& edit, Language language, std::function<void(const QString&)> message,
                    QWidget* parent = nullptr);

    TextSpinBox* channelBox() const { return channel_; }
    QComboBox* signallingList() const { return signalling_; }
    QGroupBox* twoToneGroup() const { return group_; }
    TextSpinBox* callBox() const { return call_; }
    TextSpinBox* decodeBox() const { return decode_; }

    void accept() override;

signals:
    // The table was reloaded from the image: the grid shows it at once.
    void tableChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool store();
    void refresh();

    ChannelEdit& edit_;
    std::function<void(const QString&)> message_;
    QString rangeMessage_;
    TextSpinBox* channel_ = nullptr;
    QComboBox* signalling_ = nullptr;
    QGroupBox* group_ = nullptr;
    TextSpinBox* call_ = nullptr;
    TextSpinBox* decode_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace tolvan
