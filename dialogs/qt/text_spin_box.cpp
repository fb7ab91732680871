#include "dialogs/qt/text_spin_box.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

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

QSize TextSpinBox::sizeHint() const
{
    ensurePolished();
    // Digits are a font's widest characters in the texts these boxes hold; the
    // blank and the two pixels leave room for the cursor, as Qt's own boxes do.
    const QString longest = QString(lineEdit()->maxLength(), u'0') + u' ';
    const QSize text(fontMetrics().horizontalAdvance(longest) + 2, lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

void TextSpinBox::stepBy(int steps)
{
    for (int i = 0; i < std::abs(steps); ++i)
        lineEdit()->setText(step_(lineEdit()->text(), steps > 0));
    emit textStepped();
}

} // namespace tolvan
