#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <string>
#include <vector>

namespace tolvan {

inline QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

inline void addItems(QComboBox* box, const std::vector<std::string>& items)
{
    for (const std::string& item : items)
        box->addItem(qs(item));
}

// Letters typed into the box show in upper case, as they will be stored.
inline void keepUpperCase(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const int cursor = edit->cursorPosition();
        edit->setText(text.toUpper());
        edit->setCursorPosition(cursor);
    });
}

} // namespace tolvan
