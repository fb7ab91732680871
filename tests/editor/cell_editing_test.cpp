#include "editor/cell_editing.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>

using namespace tolvan;

namespace {

// The columns in the order of their enum.
Column columnNamed(const std::string& name)
{
    static const char* const names[] = {"Channel", "Receive", "Transmit", "RxTone", "TxTone", "Bandwidth", "Scan",
                                        "Power",   "Signal",  "PttId",    "Busy",   "Name",   "More"};
    const auto at = std::ranges::find(names, name);
    if (at == std::end(names))
        throw std::invalid_argument("no column " + name);
    return static_cast<Column>(at - std::begin(names));
}

} // namespace

// Entries as a user makes them, one scenario per line, and what each step
// leaves in the golden file: the row's cells, the notices (caption, "i" for the
// information icon), where the cursor is and what its open editor holds, where
// Enter went, and the count of changes. The steps:
//   type COL TEXT   a typed entry: its first key opens the editor, Enter commits
//   enter COL [TEXT] Enter opens the editor (on the cell's text), TEXT replaces it, Enter commits
//   leave COL [TEXT] as enter, but the cell is left instead of Enter
//   clear COL       the editor emptied and the cell left
//   key COL CHAR    a key typed on the cell, nothing more
//   at COL          the cursor put on the cell (a drop-down opens preloaded)
//   grid COL        Enter on the cell without an editor
//   open            Enter opens the editor where the cursor is
//   set COL TEXT    the cell set as a loaded image would
//   double          a double click on the row: does it open the Channel Edit dialog?
//   command         the edit-channel command
//   band            the form's band is 430-450 MHz
//   row N, undo, redo
TEST(CellEditing, EntriesMatchTheGoldenFile)
{
    std::vector<std::string> scenarios = {
        // Refused frequencies: the cell and its row's tone are emptied (and an
        // editor opened again shows the emptied cell).
        "cps-twotone en 2: set RxTone 88.5; leave Receive 446.003; open",
        "cps-twotone zh 2: set RxTone 88.5; leave Receive 446.003",
        "cps-twotone zh 2: set RxTone 88.5; type Receive 446.003",
        "cps-twotone en 2: set RxTone 88.5; type Receive 600",
        "cps-twotone zh 2: set RxTone 88.5; leave Receive 66",
        "cps-fleet en 2: set RxTone 88.5; type Receive 445.0025",
        "cps-cn2 zh 2: set RxTone 88.5; leave Receive 445.0025",
        "cps-keys en 2: set RxTone 88.5; type Receive 59.99375",
        "cps16-cn zh 2: set RxTone 88.5; type Receive 445.0025",
        // The band on the form limits entries, both ends included.
        "cps-cn2 zh 1: band; type Receive 440.000; row 2; type Receive 450.000; row 3; type Receive 450.00625",
        // A channel in use keeps its transmit frequency and lists when its
        // receive frequency changes; emptying both empties the row.
        "cps-twotone en 1: type Receive 446; set Power Low; type Receive 446.5; set Name A1; clear Receive; "
        "clear Transmit",
        // A tone stored on a channel without a receive frequency still shows in
        // the small radios; emptying the transmit frequency then keeps the lists.
        "cps-keys en 3: type Transmit 446; set RxTone 88.5; clear Transmit",
        "cps-keys-cn en 3: type Transmit 446; set RxTone D023N; clear Transmit",
        "cps-keys en 3: type Transmit 446; set RxTone ; clear Transmit",
        "cps16 en 3: type Transmit 446; set RxTone 88.5; clear Transmit",
        "cps-twotone en 3: type Transmit 446; set RxTone 88.5; clear Transmit",
        // A row gets the new channel's defaults only when its first five
        // columns are all empty: a tone or a band width already there stays,
        // and the transmit frequency is not copied.
        "cps-keys en 3: set RxTone 88.5; type Receive 446",
        "cps16 en 3: set TxTone D023N; type Transmit 446",
        "cps-twotone en 3: set Bandwidth Narrow; type Receive 446",
        // Keys that are not digits; names the radio cannot store.
        "cps-twotone en 3: key Name A; key More A; row 1; enter Name ab-1 x!yz",
        // Tone entries, and a tone without frequencies.
        "cps-twotone en 4: type Receive 145.5; enter RxTone 88.5; enter RxTone 88.4; enter RxTone d023n; "
        "leave RxTone 254.1; leave RxTone d023n; leave RxTone xyz; row 5; enter RxTone 88.5",
        // A row emptied by a refusal, by Undo or by emptying its frequencies
        // opens its lists on nothing: whatever they showed would not be stored.
        "cps-twotone en 6: type Receive 446.003; enter Transmit",
        "cps-keys en 6: type Receive 446; undo; at RxTone; at Scan",
        "cps16 en 6: type Receive 446; clear Transmit; clear Receive; at TxTone; at Busy",
        // A drop-down opens on the first item that begins with the cell.
        "cps-twotone en 1: type Receive 145.5; set RxTone d02; at RxTone; at Busy; set Busy zzz; at Busy",
        // Where Enter goes.
        "cps-twotone en 128: type Receive 145.5; enter Name last; enter Power Low",
        "cps-twotone en 5: enter Name abc",
        "cps-fleet en 3: type Receive 145.5; enter Busy",
        "cps-keys en 3: type Receive 145.5; enter Power Low",
        "cps-keys en 16: type Receive 145.5; enter Scan",
        "cps-twotone en 1: grid Scan; grid Transmit",
        // Only a channel with both frequencies opens the Channel Edit dialog, where the edition has one.
        "cps-twotone en 1: type Receive 145.5; double; row 2; type Transmit 145.5; double; command",
        "cps-ccir en 1: type Receive 145.5; double",
        // Undo and redo whole commits; a refused entry undoes to what it emptied;
        // a commit that changes nothing leaves no step.
        "cps-twotone en 9: type Receive 446; type Receive 446.5; undo; undo; undo; redo; type Receive 446.003; undo; "
        "leave Name; undo",
    };
    // A typed frequency makes a new channel in every edition and language; the row's name stays.
    for (const Edition* edition : allEditions()) {
        const bool named = std::ranges::count(edition->columns, Column::Name) > 0;
        for (const char* language : {" en 7: ", " zh 7: "})
            scenarios.push_back(edition->id + language + (named ? "set Name HOME; " : "") + "key Receive 4; type Receive 446");
    }
    std::ostringstream out;
    for (const std::string& scenario : scenarios) {
        std::istringstream steps(scenario);
        std::string id, language;
        int row = 0;
        steps >> id >> language >> row;
        steps.ignore();  // the colon
        // Not loaded: an unloaded table shows what a new document does.
        ChannelTable table(*findEdition(id), language == "en" ? Language::English : Language::Chinese);
        UndoStack undo;
        CellEditing editing(table, undo);
        out << id << " " << language << " row " << row << "\n";
        for (std::string step; std::getline(steps >> std::ws, step, ';');) {
            out << "  " << step << ":";
            std::istringstream words(step);
            std::string verb, column, text;
            words >> verb >> column;
            std::getline(words >> std::ws, text);
            EnterOutcome result;  // of Enter; the notices of any step
            if (verb == "row") {
                row = std::stoi(column);
            } else if (verb == "band") {
                editing.bandOfForm = [] { return Band{43000000, 45000000}; };
            } else if (verb == "undo" || verb == "redo") {
                for (int changed : verb == "undo" ? undo.undo(table) : undo.redo(table))
                    out << " row " << changed;
            } else if (verb == "double") {
                out << (editing.doubleClickOpensChannelEdit(row) ? " opens Channel Edit" : " opens no dialog");
            } else if (verb == "open") {
                editing.openEditor(OpenKey::Enter);
            } else if (verb == "command") {
                result.notices.push_back(editing.editChannelCommand());
            } else if (verb == "set") {
                table.setCell(row, columnNamed(column), text);
            } else {
                editing.enterCell(row, table.columnOf(columnNamed(column)));
                if (verb == "key" || verb == "type") {
                    if (auto n = editing.openEditor(OpenKey::Typed, text.at(0)))
                        result.notices.push_back(*n);
                } else if (verb != "at" && verb != "grid") {
                    editing.openEditor(OpenKey::Enter);
                }
                if (verb == "type" || ((verb == "enter" || verb == "leave") && !text.empty()) || verb == "clear")
                    editing.setEditorText(text);
                if (verb == "type" || verb == "enter" || verb == "grid")
                    result = editing.enterKey();
                else if (verb == "leave" || verb == "clear")
                    result.notices = editing.leaveCell();
            }
            for (int col = 1; col < table.columnCount(); ++col)
                out << " [" << table.cell(row, col) << "]";
            for (const Notice& n : result.notices)
                out << " ! " << n.text << (n.caption.empty() ? "" : " (" + n.caption + ")") << (n.information ? " i" : "");
            if (result.leaveTable)
                out << " leaves";
            if (result.moved)
                out << " moved";
            out << " @" << editing.row() << "," << editing.col();
            if (editing.editorOpen() || verb == "at")
                out << (editing.editorOpen() ? " editing [" : " shows [") << editing.editorText() << "]";
            out << " #" << undo.changeCount() << "\n";
        }
    }
    expectGolden("editor", "entries", out.str());
}

