#include "dialogs/qt/text_spin_box.h"

#include <QLineEdit>

namespace tolvan {

TextSpinBox::TextSpinBox(Step step, int maxLength, QWidget* parent) : QAbstractSpinBox(parent), step_(std::move(step))
{
    lineEdit()->setMaxLength(maxLength);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

QString TextSpinBox::text() const
{
    return lineEdit()->text();
}

void TextSpinBox::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void TextSpinBox::setTextReadOnly(bool readOnly)
{
    lineEdit()->setReadOnly(readOnly);
}

void TextSpinBox::stepBy(int steps)
{
    for (int i = 0; i < std::abs(steps); ++i)
        lineEdit()->setText(step_(lineEdit()->text(), steps > 0));
    emit textStepped();
}

} // namespace tolvan
