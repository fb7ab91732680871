#pragma once

#include "dialogs/dialog_texts.h"
#include "dialogs/signalling_features.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tolvan {

class TextSpinBox;

// Optional Features of the DTMF/FleetSync radios (Edition::signallingFeatures).
// Reads the image when it opens; OK writes the values back in place, Cancel
// leaves the image alone. Controls the layout lacks are not shown.
class CSignallingFeaturesDlg : public QDialog {
    Q_OBJECT
public:
    // `language` is the language of the program's texts.
    CSignallingFeaturesDlg(MemoryImage& image, const SignallingFeaturesLayout& layout, Language language,
                           QWidget* parent = nullptr);

    // Whether OK changed any byte of the image (for the unsaved-changes prompt).
    bool imageChanged() const { return changed_; }

    void accept() override;

    // For tests and screenshots: the controls by role (nullptr when absent).
    TextSpinBox* timeOutBox() const { return timeOut_; }
    QComboBox* squelchBox() const { return squelch_; }
    QComboBox* languageBox() const { return language_; }
    QCheckBox* beepBox() const { return beep_; }
    QCheckBox* scramblerBox() const { return scrambler_; }
    QCheckBox* batterySaveBox() const { return batterySave_; }
    QComboBox* voxGainBox() const { return voxGain_; }
    QComboBox* voxDelayBox() const { return voxDelay_; }
    QCheckBox* voxFunctionBox() const { return voxFunction_; }
    QCheckBox* voxInhibitBox() const { return voxInhibit_; }
    QComboBox* pf1Box() const { return pf1_; }
    QComboBox* pf2Box() const { return pf2_; }
    QLineEdit* pttIdBox() const { return pttId_; }
    QLineEdit* aniCodeBox() const { return aniCode_; }
    QCheckBox* beginOfTxBox() const { return beginOfTx_; }
    QCheckBox* endOfTxBox() const { return endOfTx_; }

private:
    void showValues(const SignallingFeaturesValues& v);
    SignallingFeaturesValues collect() const;

    MemoryImage& image_;
    SignallingFeatures model_;
    int timeOutPosition_ = 0;
    std::string timeOutOff_;  // what the time-out box shows at 0
    bool changed_ = false;

    TextSpinBox* timeOut_ = nullptr;
    QComboBox* squelch_ = nullptr;
    QComboBox* language_ = nullptr;
    QCheckBox* beep_ = nullptr;
    QCheckBox* scrambler_ = nullptr;
    QCheckBox* batterySave_ = nullptr;
    QComboBox* voxGain_ = nullptr;
    QComboBox* voxDelay_ = nullptr;
    QCheckBox* voxFunction_ = nullptr;
    QCheckBox* voxInhibit_ = nullptr;
    QComboBox* pf1_ = nullptr;
    QComboBox* pf2_ = nullptr;
    QLineEdit* pttId_ = nullptr;
    QLineEdit* aniCode_ = nullptr;
    QCheckBox* beginOfTx_ = nullptr;
    QCheckBox* endOfTx_ = nullptr;
};

} // namespace tolvan
