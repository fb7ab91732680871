#pragma once

#include "dialogs/dialog_texts.h"
#include "dialogs/test_mode_state.h"
#include "link/link_host.h"
#include "link/port.h"

#include <QDialog>

#include <array>
#include <memory>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTreeWidget;
class QTreeWidgetItem;

namespace tolvan {

// Test Mode: on-line alignment of a connected radio. Holds its values only
// while open; never touches the image. Enter never closes it.
class CDebugModeDlg : public QDialog {
    Q_OBJECT
public:
    // `bandText` is the text of the band chosen on the main form; `host` is
    // the exchange's host (a message-box host over this dialog when null);
    // `messageCaption` is the caption of its message boxes, the program's.
    CDebugModeDlg(const Edition& edition, Language language, std::string portName, const std::string& bandText,
                  PortOpener& opener, LinkHost* host = nullptr, QWidget* parent = nullptr,
                  const QString& messageCaption = {});
    ~CDebugModeDlg() override;

    const TestModeState& state() const { return state_; }
    TestModeOutcome lastOutcome() const { return lastOutcome_; }

    QTreeWidget* tree() const { return tree_; }
    QTreeWidgetItem* node(int number) const;
    QGroupBox* frequencyGroup() const { return frequencyGroup_; }
    QPushButton* defaultButton() const { return default_; }
    QPushButton* startButton() const { return start_; }
    QLineEdit* frequencyBox(TestSide side) const { return side_[index(side)].frequency; }
    QComboBox* toneBox(TestSide side) const { return side_[index(side)].tone; }
    QRadioButton* methodButton(TestSide side, int method) const { return side_[index(side)].method[method]; }
    QRadioButton* stepButton(TestSide side, int step) const { return side_[index(side)].step[step]; }
    QSlider* slider() const { return slider_; }
    QLabel* positionLabel() const { return position_; }
    QWidget* frequencyPage() const { return frequencyPage_; }
    QWidget* itemPage() const { return itemPage_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct SideControls {
        QLineEdit* frequency = nullptr;
        QComboBox* tone = nullptr;
        std::array<QRadioButton*, 2> method{};
        std::array<QRadioButton*, 2> step{};
    };
    static std::size_t index(TestSide side) { return side == TestSide::Receive ? 0 : 1; }

    QGroupBox* sideGroup(TestSide side, const std::string& caption);
    void buildTree();
    void onNodeSelected(QTreeWidgetItem* item);
    void showState();
    void showSide(TestSide side);
    void fillTones(TestSide side);
    void showPosition();
    void onDefault();
    void onStart();

    const Edition& edition_;
    Language language_;
    TestModeTexts texts_;
    std::string portName_;
    PortOpener& opener_;
    LinkHost* host_;
    QString messageCaption_;
    std::unique_ptr<LinkHost> ownHost_;
    TestModeState state_;
    TestModeOutcome lastOutcome_ = TestModeOutcome::Cancelled;

    QTreeWidget* tree_ = nullptr;
    QGroupBox* frequencyGroup_ = nullptr;
    QPushButton* default_ = nullptr;
    QWidget* frequencyPage_ = nullptr;
    QWidget* itemPage_ = nullptr;
    std::array<SideControls, 2> side_{};
    QSlider* slider_ = nullptr;
    QLabel* position_ = nullptr;
    QPushButton* start_ = nullptr;
};

} // namespace tolvan
