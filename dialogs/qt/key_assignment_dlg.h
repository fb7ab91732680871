#pragma once

#include "dialogs/key_assignment.h"
#include "editions/edition.h"

#include <QDialog>

#include <vector>

class QComboBox;

namespace tolvan {

// The side buttons' short and long press functions. Reads the image when it
// opens; OK writes both buttons' bytes back in place, Cancel leaves the image
// alone. For editions that describe it (Edition::keyAssignment).
class CKeyAssignmentDlg : public QDialog {
    Q_OBJECT
public:
    CKeyAssignmentDlg(MemoryImage& image, const Edition& edition, Language language, QWidget* parent = nullptr);

    bool imageChanged() const { return changed_; }
    void accept() override;

    // For tests and screenshots: button 0 is side button 2.
    QComboBox* shortPressBox(int button) const { return boxes_.at(static_cast<std::size_t>(button)).first; }
    QComboBox* longPressBox(int button) const { return boxes_.at(static_cast<std::size_t>(button)).second; }

private:
    MemoryImage& image_;
    KeyAssignment model_;
    bool changed_ = false;
    std::vector<std::pair<QComboBox*, QComboBox*>> boxes_;
};

} // namespace tolvan
