#pragma once

#include "dialogs/dialog_texts.h"
#include "dialogs/qt/image_page.h"
#include "dialogs/two_tone_tables.h"


#include <functional>

class QCheckBox;
class QLineEdit;
class QTableWidget;

namespace tolvan {

class TextSpinBox;

// The "Encode" tab: the 32 tone pairs with the timing of the sequence. Read
// from the image each time it is shown, written back each time it is hidden.
class CEncodePage : public ImagePage {
    Q_OBJECT
public:
    CEncodePage(MemoryImage& image, const TwoToneTexts& texts, const QString& messageCaption = {},
                QWidget* parent = nullptr);

    void load() override;
    void store() override;

    // Where messages go; a message box unless a test replaces it.
    std::function<void(const QString&)> showMessage;

    QTableWidget* grid() const { return grid_; }
    QLineEdit* cellEditor() const { return editor_; }
    TextSpinBox* firstDelayBox() const { return delays_[0]; }
    TextSpinBox* intervalBox() const { return interval_; }
    TextSpinBox* txRiseBox() const { return txRise_; }
    QCheckBox* shortKillBox() const { return shortKill_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isToneColumn(int column) { return column == 1 || column == 2; }
    GridCell currentCell() const;
    void openEditor(GridCell cell, const QString& text, bool typed);
    void openEditorOnCurrent();
    void placeEditor();
    // Open even while the page itself is being hidden.
    bool editorOpen() const;
    std::optional<GridCell> commitEditor(CommitBy by);
    void moveTo(GridCell cell);
    void showRow(int row);
    void onCurrentCellChanged(int row, int column, int previousRow, int previousColumn);
    void checkMilliseconds(TextSpinBox* box, const MillisecondSpin& spin, int& accepted);
    int acceptedMilliseconds(TextSpinBox* box, const MillisecondSpin& spin, int accepted) const;

    MemoryImage& image_;
    TwoToneTexts texts_;
    EncodePageValues values_;
    GridCell editing_;
    bool moving_ = false;
    int intervalAccepted_ = 0;
    int txRiseAccepted_ = 0;

    QTableWidget* grid_ = nullptr;
    QLineEdit* editor_ = nullptr;
    TextSpinBox* delays_[3] = {};
    TextSpinBox* interval_ = nullptr;
    TextSpinBox* txRise_ = nullptr;
    QCheckBox* shortKill_ = nullptr;
};

} // namespace tolvan
