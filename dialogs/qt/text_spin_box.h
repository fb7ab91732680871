#pragma once

#include <QAbstractSpinBox>

#include <functional>

namespace tolvan {

// An edit box with spin arrows whose text is the value: each arrow press asks
// the model what the text becomes, so the arrows' rules (ranges, wrapping,
// special values) live in plain C++ beside the codecs.
class TextSpinBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    using Step = std::function<QString(const QString& text, bool up)>;

    TextSpinBox(Step step, int maxLength, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    // The arrows still work; typing does not.
    void setTextReadOnly(bool readOnly);
    // The edit itself, for boxes whose typed text the model follows.
    using QAbstractSpinBox::lineEdit;
    void stepBy(int steps) override;
    // Wide enough for the longest text the box takes, in the box's own font:
    // a spin box without a number type would size itself for an empty text.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void textStepped();

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    Step step_;
};

} // namespace tolvan
