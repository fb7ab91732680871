#pragma once

#include "dialogs/dialog_texts.h"
#include "dialogs/optional_features.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tolvan {

class TextSpinBox;

// The radio-wide settings of the settings block. Reads the image when it
// opens; OK writes the values back in place, Cancel leaves the image alone.
// It takes the layout itself, so only an edition that has one can open it
// (Edition::optionalFeatures).
class COptionalFeaturesDlg : public QDialog {
    Q_OBJECT
public:
    COptionalFeaturesDlg(MemoryImage& image, const OptionalFeaturesLayout& layout, const Edition& edition,
                         Language language, QWidget* parent = nullptr);

    // Whether OK changed any byte of the image (for the unsaved-changes prompt).
    bool imageChanged() const { return changed_; }

    void accept() override;

    // For tests and screenshots: the controls by role.
    QComboBox* squelchBox() const { return squelch_; }
    QComboBox* languageBox() const { return language_; }
    QComboBox* priorityBox() const { return priority_; }
    TextSpinBox* timeOutBox() const { return timeOut_; }
    QLineEdit* groupIdBox() const { return groupId_; }
    QLineEdit* idBox() const { return id_; }
    QLineEdit* checkIdBox() const { return checkId_; }
    QCheckBox* beepBox() const { return beep_; }
    QComboBox* pf1Box() const { return pf1_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showValues(const OptionalFeaturesValues& v);
    OptionalFeaturesValues collect() const;

    MemoryImage& image_;
    OptionalFeatures model_;
    int timeOutPosition_ = 0;
    std::string timeOutOff_;  // what the time-out box shows at 0
    bool changed_ = false;

    QComboBox* squelch_ = nullptr;
    TextSpinBox* timeOut_ = nullptr;
    QComboBox* voxGain_ = nullptr;
    QComboBox* language_ = nullptr;
    QCheckBox* beep_ = nullptr;
    QCheckBox* batterySave_ = nullptr;
    QCheckBox* scrambler_ = nullptr;
    QComboBox* priority_ = nullptr;
    QLineEdit* groupId_ = nullptr;
    QLineEdit* id_ = nullptr;
    QLineEdit* callId_ = nullptr;
    QLineEdit* checkId_ = nullptr;
    QLineEdit* killId_ = nullptr;
    QLineEdit* listenId_ = nullptr;
    QCheckBox* beginOfTx_ = nullptr;
    QCheckBox* endOfTx_ = nullptr;
    QComboBox* signalMode_ = nullptr;
    QComboBox* pf1_ = nullptr;
    QComboBox* pf2_ = nullptr;
};

} // namespace tolvan
