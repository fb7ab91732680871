#pragma once

#include <QComboBox>
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

} // namespace tolvan
