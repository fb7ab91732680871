#pragma once

#include "editor/channel_table.h"
#include "editor/undo_stack.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tolvan {

// Which in-place editor serves a column.
enum class EditorKind {
    None,       // the channel number and "More": the grid itself
    Frequency,  // single-line edit
    Tone,       // editable drop-down of the tone list
    Words,      // drop-down list of cell words
    Name,       // single-line edit, capitals, at most 6 characters
};

// A message box the view shows.
struct Notice {
    std::string text;
    std::string caption;       // empty: the program's own caption
    bool information = false;  // the information icon instead of the warning one
    bool operator==(const Notice&) const = default;
};

// What the name editor keeps of a text: the characters a radio can store, in
// capitals, at most CellEditing::kNameLength of them.
std::string nameEntryText(std::string_view text);

// How an editor was opened: by a click (or double click), by the Enter key, or
// by a typed character.
enum class OpenKey { None, Enter, Typed };

// What Enter did besides committing.
struct EnterOutcome {
    std::vector<Notice> notices;
    bool leaveTable = false;  // the focus goes to the next control of the form
    bool moved = false;       // the current cell moved (see row(), col())
};

// The rules of editing the channel table in place, without any widget: which
// editor a cell gets, what it shows when it opens, how a committed text is
// checked and what else in the row changes with it, and where Enter goes next.
// The view forwards the grid's events here and shows the result.
class CellEditing {
public:
    CellEditing(ChannelTable& table, UndoStack& undo);

    // The band chosen on the form, for editions that check typed frequencies
    // against it; unset elsewhere.
    std::function<std::optional<Band>()> bandOfForm;

    EditorKind editorKind(int col) const;
    // The items of a drop-down editor (the tone list or the column's words).
    std::vector<std::string> editorItems(int col) const;
    static constexpr int kNameLength = 6;

    int row() const { return row_; }
    int col() const { return col_; }
    bool editorOpen() const { return open_; }
    // The editor's text: the edit's text, the tone list's edit field, or the
    // chosen word of a list.
    const std::string& editorText() const { return text_; }
    // The user typed or chose: the name edit keeps only what the radio can
    // store, in capitals, at most six characters.
    void setEditorText(std::string text);

    // The grid's events.
    void enterCell(int row, int col);
    // Opens the current cell's editor. A typed non-digit opens nothing and gives
    // the "Please input Number" notice; a typed digit starts a fresh entry.
    std::optional<Notice> openEditor(OpenKey key, char typed = 0);
    // Commits the open editor as on leaving the cell, and closes it.
    std::vector<Notice> leaveCell();
    // The Enter key: the open editor's rules, or the grid's own when none is open.
    EnterOutcome enterKey();
    // Closes the editor without committing (Esc).
    void cancelEditor() { open_ = false; }

    bool bothFrequenciesEmpty(int row) const;

    // A double click opens the Channel Edit dialog (where the edition has one)
    // on a channel with both frequencies; the view then opens the cell's editor.
    bool doubleClickOpensChannelEdit(int row) const;
    // The edit-channel command: a hint to double click, and the first cell.
    Notice editChannelCommand();

private:
    bool lastRow() const { return row_ == table_.rowCount() - 1; }
    std::vector<Notice> commit(bool byEnter);
    std::vector<Notice> commitFrequency(bool byEnter);
    void applyNewChannelDefaults(int row);
    void emptyFrequency(int row, Column side);
    void moveTo(int row, int col, bool openWithEnter);
    std::string toneCellText() const;

    ChannelTable& table_;
    UndoStack& undo_;
    int row_ = 1;
    int col_ = 1;
    bool open_ = false;
    std::string text_;
};

} // namespace tolvan
