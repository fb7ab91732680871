#pragma once

#include "dialogs/settings_lists.h"

#include <QDialog>

#include <vector>

class QComboBox;

namespace tolvan {

// Optional Features of the editions whose settings are lists only
// (Edition::settingsLists): reads the image when it opens; OK writes every
// list back in place, Cancel leaves the image alone.
class CSettingsListsDlg : public QDialog {
    Q_OBJECT
public:
    CSettingsListsDlg(MemoryImage& image, const Edition& edition, Language language, QWidget* parent = nullptr);

    bool imageChanged() const { return changed_; }
    void accept() override;

    // For tests and screenshots, in the layout's order.
    QComboBox* listBox(int i) const { return boxes_.at(static_cast<std::size_t>(i)); }

private:
    MemoryImage& image_;
    SettingsLists model_;
    bool changed_ = false;
    std::vector<QComboBox*> boxes_;
};

} // namespace tolvan
