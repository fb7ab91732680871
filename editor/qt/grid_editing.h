#pragma once

#include "editor/cell_editing.h"
#include "editor/undo_stack.h"

#include <QObject>

#include <map>
#include <memory>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QMenu;

namespace tolvan {

class CMSFlexGrid;
class CTolView;

// The nine cell editors over the grid and the grid's row commands. The rules
// are CellEditing's, UndoStack's and the row clipboard's; this class places the
// editors, forwards what the user types and shows what the models decide.
class GridEditing : public QObject {
    Q_OBJECT
public:
    GridEditing(CTolView& view, ChannelTable& table, CMSFlexGrid& grid);
    ~GridEditing() override;

    const CellEditing& model() const { return editing_; }
    UndoStack& undoStack() { return undo_; }

    // The editor shown over the current cell, or nullptr.
    QWidget* shownEditor() const { return shown_; }
    QLineEdit* frequencyEdit() const { return frequency_; }
    QComboBox* toneList() const { return tone_; }
    QLineEdit* nameEdit() const { return name_; }
    QComboBox* wordList(int col) const;  // nullptr for a column without a word list

    // Commits the open editor as on leaving its cell (before a save, a
    // transfer, a row command).
    void commit();
    // After New, Open or a read: editors closed, nothing left to undo.
    void reset();
    // The grid scrolled: the open editor stays over its cell.
    void followScroll();

    void copyRows();
    void pasteRows();
    void clearRows();
    void undo();
    void redo();
    // The grid's context menu: the row commands with their keys.
    std::unique_ptr<QMenu> rowMenu();
    // After a change of the document: the table shown again, the document
    // marked changed, the current cell's editor preloaded from the table.
    void afterRowCommand();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* editorFor(int col) const;
    void showEditor(OpenKey key);
    void hideEditor();
    void place(QWidget* editor);
    void moveGridTo(int row, int col);
    void leaveTable(bool forward);
    void afterChange();
    void notify(const std::vector<Notice>& notices);

    void typed(int key);
    void enterKey();
    void cancel();
    void tabOut(bool forward);
    void doubleClick();
    void runChannelEdit(int row);
    bool gridKey(QKeyEvent* event);
    bool editorKey(QWidget* editor, QKeyEvent* event);

    CTolView& view_;
    ChannelTable& table_;
    CMSFlexGrid& grid_;
    UndoStack undo_;
    CellEditing editing_;
    unsigned long seenChanges_ = 0;
    int fieldList_ = -1;  // the form's "Field" list, for editions checking the band

    QLineEdit* frequency_ = nullptr;
    QComboBox* tone_ = nullptr;
    QLineEdit* name_ = nullptr;
    std::map<int, QComboBox*> words_;
    QWidget* shown_ = nullptr;
    bool filling_ = false;  // editors being set from the model
    bool moving_ = false;   // the grid's cursor following the model
};

} // namespace tolvan
