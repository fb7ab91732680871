#include "editor/cell_editing.h"

#include "golden.h"

#include <gtest/gtest.h>

using namespace tolvan;

namespace {

using Notices = std::vector<Notice>;

struct Editing {
    explicit Editing(const char* id, Language language = Language::English)
        : edition(*findEdition(id)), table(edition, language), editing(table, undo)
    {
        table.loadFromImage(newDocumentImage(edition));
    }

    // Types a whole entry into a cell as a user does: a digit opens the editor,
    // the rest goes into it.
    Notices type(int row, Column column, const std::string& text, bool enter = true)
    {
        editing.enterCell(row, table.columnOf(column));
        Notices notices;
        if (auto n = editing.openEditor(OpenKey::Typed, text.empty() ? '0' : text[0]))
            notices.push_back(*n);
        editing.setEditorText(text);
        auto more = enter ? editing.enterKey().notices : editing.leaveCell();
        notices.insert(notices.end(), more.begin(), more.end());
        return notices;
    }

    // Opens a cell's editor with Enter, puts `text` in it and commits with Enter.
    EnterOutcome enter(int row, Column column, const char* text = nullptr)
    {
        editing.enterCell(row, table.columnOf(column));
        editing.openEditor(OpenKey::Enter);
        if (text)
            editing.setEditorText(text);
        return editing.enterKey();
    }

    std::string cell(int row, Column column) const { return table.cell(row, column); }
    std::pair<int, int> at() const { return {editing.row(), editing.col()}; }

    const Edition& edition;
    ChannelTable table;
    UndoStack undo;
    CellEditing editing;
};

} // namespace

// Typing 446 into an empty row's receive cell in every edition and language:
// the row's new cells (the name kept) are in the golden file.
TEST(CellEditing, ATypedFrequencyMakesANewChannelInEveryEdition)
{
    std::string rows;
    for (const Edition* edition : allEditions()) {
        for (Language language : {Language::English, Language::Chinese}) {
            SCOPED_TRACE(edition->id);
            Editing e(edition->id.c_str(), language);
            if (e.table.columnOf(Column::Name) >= 0)
                e.table.setCell(7, Column::Name, "HOME");
            e.editing.enterCell(7, 1);
            EXPECT_FALSE(e.editing.openEditor(OpenKey::Typed, '4'));
            EXPECT_EQ(e.editing.editorText(), "4");
            e.editing.setEditorText("446");
            const EnterOutcome out = e.editing.enterKey();
            EXPECT_TRUE(out.notices.empty());
            // The cursor moved on and the transmit cell's editor is open on its text.
            EXPECT_TRUE(out.moved);
            EXPECT_EQ(e.editing.col(), 2);
            EXPECT_TRUE(e.editing.editorOpen());
            EXPECT_EQ(e.editing.editorText(), "446.00000");
            rows += edition->id + (language == Language::English ? " en:" : " zh:");
            for (int col = 1; col < e.table.columnCount(); ++col)
                rows += " [" + e.table.cell(7, col) + "]";
            rows += "\n";
        }
    }
    expectGolden("editor", "new_channel_rows", rows);
}

TEST(CellEditing, RefusedFrequenciesAndTheirMessages)
{
    struct Case {
        const char* id;
        Language language;
        const char* typed;
        bool enter;
        Notice notice;
    };
    const auto en = Language::English, zh = Language::Chinese;
    const Case cases[] = {
        {"cps-twotone", en, "446.003", false, {"Error data Value，Please input according the step value(6.25K/5k/2.5k)"}},
        {"cps-twotone", zh, "446.003", false, {"输入数据错误，请按6.25K/5k/2.5k的倍数重新输入"}},
        {"cps-twotone", zh, "446.003", true, {"输入数据错误，请按6.25K/5k/2.5K的倍数重新输入"}},
        {"cps-twotone", en, "600", true, {"Error Data Format，Please input again"}},
        {"cps-twotone", zh, "66", false, {"输入数据错误，请按正确的格式及大小重新输入"}},
        {"cps-fleet", en, "445.0025", true, {"Error data Value，Please input according the step value(6.25K/5k)"}},
        {"cps-cn2", zh, "445.0025", false, {"输入数据错误，请按6.25K或 5k的倍数重新输入"}},
        {"cps-keys", en, "59.99375", true, {"Error Data Format，Please input again"}},
        {"cps16-cn", zh, "445.0025", true, {"输入数据错误，请按6.25K或 5k的倍数重新输入"}},
    };
    for (const Case& c : cases) {
        Editing e(c.id, c.language);
        e.table.setCell(2, Column::RxTone, "88.5");
        EXPECT_EQ(e.type(2, Column::Receive, c.typed, c.enter), Notices{c.notice}) << c.id << " " << c.typed;
        EXPECT_EQ(e.cell(2, Column::Receive), "") << c.id;
        EXPECT_EQ(e.cell(2, Column::RxTone), "") << c.id;  // as if the user had erased it
    }
    // The band on the form limits entries, both ends included.
    Editing e("cps-cn2", Language::Chinese);
    e.editing.bandOfForm = [] { return Band{43000000, 45000000}; };
    EXPECT_TRUE(e.type(1, Column::Receive, "440.000").empty());
    EXPECT_TRUE(e.type(2, Column::Receive, "450.000").empty());
    EXPECT_EQ(e.type(3, Column::Receive, "450.00625"), (Notices{{"超出频率范围!", "温馨提示", true}}));
    EXPECT_EQ(e.cell(3, Column::Receive), "");
}

TEST(CellEditing, EmptyingFrequenciesEmptiesTheRowStepByStep)
{
    Editing e("cps-twotone");
    e.type(1, Column::Receive, "446");
    // A channel in use keeps its transmit frequency and lists when its receive frequency changes.
    e.table.setCell(1, Column::Power, "Low");
    e.type(1, Column::Receive, "446.5");
    EXPECT_EQ(e.cell(1, Column::Transmit), "446.00000");
    EXPECT_EQ(e.cell(1, Column::Power), "Low");
    e.table.setCell(1, Column::Name, "A1");
    e.type(1, Column::Receive, "", false);
    EXPECT_EQ(e.cell(1, Column::RxTone), "");
    EXPECT_EQ(e.cell(1, Column::TxTone), "OFF");
    EXPECT_EQ(e.cell(1, Column::Power), "Low");
    e.type(1, Column::Transmit, "", false);
    for (int col = 1; col < e.table.columnCount(); ++col)
        EXPECT_EQ(e.table.cell(1, col), "") << col;
}

TEST(CellEditing, ListsOfARowStayWhileAToneIsLeft)
{
    // A tone stored on a channel without a receive frequency still shows in the
    // small radios; emptying the transmit frequency then keeps the row's lists.
    struct Case {
        const char* id;
        const char* rxTone;
        bool listsKept;
    };
    const Case cases[] = {
        {"cps-keys", "88.5", true}, {"cps-keys-cn", "D023N", true}, {"cps-keys", "", false},
        {"cps-keys-cn", "", false}, {"cps16", "88.5", true},        {"cps-twotone", "88.5", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.id) + " / " + c.rxTone);
        Editing e(c.id);
        e.type(3, Column::Transmit, "446");
        e.table.setCell(3, Column::RxTone, c.rxTone);
        const std::string busy = e.cell(3, Column::Busy);
        ASSERT_FALSE(busy.empty());
        e.type(3, Column::Transmit, "", false);
        EXPECT_EQ(e.cell(3, Column::TxTone), "");
        EXPECT_EQ(e.cell(3, Column::Busy), c.listsKept ? busy : "");
        if (e.table.columnOf(Column::Power) >= 0) {
            EXPECT_EQ(e.cell(3, Column::Power).empty(), !c.listsKept);
        }
    }
}

TEST(CellEditing, KeysThatAreNotDigitsAndNamesTheRadioCannotStore)
{
    Editing e("cps-twotone");
    e.editing.enterCell(3, e.table.columnOf(Column::Name));
    EXPECT_EQ(e.editing.openEditor(OpenKey::Typed, 'A'), Notice{"Please input Number"});
    EXPECT_FALSE(e.editing.editorOpen());
    e.editing.enterCell(3, e.table.columnOf(Column::More));
    EXPECT_EQ(e.editing.openEditor(OpenKey::Typed, 'A'), std::nullopt);
    EXPECT_FALSE(e.editing.editorOpen());

    e.editing.enterCell(1, e.table.columnOf(Column::Name));
    e.editing.openEditor(OpenKey::Enter);
    e.editing.setEditorText("ab-1 x!yz");
    EXPECT_EQ(e.editing.editorText(), "AB-1 X");
}

TEST(CellEditing, ToneEntries)
{
    const struct {
        const char* typed;
        bool enter;
        const char* cell;
    } cases[] = {
        {"88.5", true, "88.5"},    {"88.4", true, "OFF"},     {"d023n", true, "D023N"},
        {"d023n", false, "D023N"}, {"254.1", false, "254.1"}, {"xyz", false, "OFF"},
    };
    for (const auto& c : cases) {
        Editing e("cps-twotone");
        e.type(4, Column::Receive, "145.5");
        e.editing.enterCell(4, e.table.columnOf(Column::RxTone));
        e.editing.openEditor(OpenKey::Enter);
        e.editing.setEditorText(c.typed);
        if (c.enter)
            e.editing.enterKey();
        else
            e.editing.leaveCell();
        EXPECT_EQ(e.cell(4, Column::RxTone), c.cell) << c.typed;
    }
    // Without frequencies a tone cell stays empty.
    Editing e("cps-twotone");
    e.enter(5, Column::RxTone, "88.5");
    EXPECT_EQ(e.cell(5, Column::RxTone), "");
}

TEST(CellEditing, PreloadPicksTheFirstItemThatBeginsWithTheCell)
{
    Editing e("cps-twotone");
    e.type(1, Column::Receive, "145.5");
    e.table.setCell(1, Column::RxTone, "d02");
    e.editing.enterCell(1, e.table.columnOf(Column::RxTone));
    EXPECT_EQ(e.editing.editorText(), "D023N");
    e.editing.enterCell(1, e.table.columnOf(Column::Busy));
    EXPECT_EQ(e.editing.editorText(), "Close");
    e.table.setCell(1, Column::Busy, "zzz");
    e.editing.enterCell(1, e.table.columnOf(Column::Busy));
    EXPECT_EQ(e.editing.editorText(), "Close");
}

TEST(CellEditing, WhereEnterGoes)
{
    struct Case {
        const char* what;
        const char* id;
        int row;  // a channel is typed into it first, unless 0
        Column column;
        const char* text;  // put into the editor; nullptr: left as it opened
        const char* cell;  // what the cell holds afterwards; nullptr: not checked
        bool leaves;
        std::pair<int, int> at;  // where the cursor is when it stays in the table
    };
    const Case cases[] = {
        {"a name in the last row leaves the table", "cps-twotone", 128, Column::Name, "last", "LAST", true, {}},
        {"a name is stored even without frequencies", "cps-twotone", 0, Column::Name, "abc", "ABC", false, {6, 1}},
        {"a list in the last row leaves the table", "cps-twotone", 128, Column::Power, "Low", "Low", true, {}},
        {"the last list of a table without names", "cps-fleet", 3, Column::Busy, nullptr, nullptr, false, {4, 1}},
        {"lists go on to the next row", "cps-keys", 3, Column::Power, "Low", "Low", false, {4, 1}},
        {"the last row of the small radios", "cps-keys", 16, Column::Scan, nullptr, nullptr, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editing e(c.id);
        const int row = c.row ? c.row : 5;
        if (c.row)
            e.type(row, Column::Receive, "145.5");
        const EnterOutcome out = e.enter(row, c.column, c.text);
        if (c.cell) {
            EXPECT_EQ(e.cell(row, c.column), c.cell);
        }
        EXPECT_EQ(out.leaveTable, c.leaves);
        if (!c.leaves) {
            EXPECT_TRUE(out.moved);
            EXPECT_EQ(e.at(), c.at);
            EXPECT_TRUE(e.editing.editorOpen());
        }
    }
    // Enter on the grid itself, without an editor.
    Editing e("cps-twotone");
    e.editing.enterCell(1, e.table.columnOf(Column::Scan));
    EXPECT_TRUE(e.editing.enterKey().leaveTable);
    e.editing.enterCell(1, 2);
    EXPECT_TRUE(e.editing.enterKey().moved);
    EXPECT_EQ(e.editing.col(), 3);
    EXPECT_FALSE(e.editing.editorOpen());
}

TEST(CellEditing, DoubleClickOpensChannelEditOnlyWithBothFrequencies)
{
    Editing e("cps-twotone");
    e.type(1, Column::Receive, "145.5");  // copied into transmit
    e.type(2, Column::Transmit, "145.5");
    EXPECT_TRUE(e.editing.doubleClickOpensChannelEdit(1));
    EXPECT_FALSE(e.editing.doubleClickOpensChannelEdit(2));
    Editing ccir("cps-ccir");
    ccir.type(1, Column::Receive, "145.5");
    EXPECT_FALSE(ccir.editing.doubleClickOpensChannelEdit(1));

    EXPECT_EQ(e.editing.editChannelCommand(), Notice{"Please directly double click inside the table"});
    EXPECT_EQ(e.at(), std::make_pair(1, 1));
}

TEST(CellEditing, UndoAndRedoWholeCommits)
{
    Editing e("cps-twotone");
    e.type(9, Column::Receive, "446");
    e.type(9, Column::Receive, "446.5");
    ASSERT_TRUE(e.undo.canUndo());
    EXPECT_EQ(e.undo.undo(e.table), std::vector<int>{9});
    EXPECT_EQ(e.cell(9, Column::Receive), "446.00000");
    e.undo.undo(e.table);
    for (int col = 1; col < e.table.columnCount(); ++col)
        EXPECT_EQ(e.table.cell(9, col), "");
    EXPECT_FALSE(e.undo.canUndo());
    e.undo.redo(e.table);
    EXPECT_EQ(e.cell(9, Column::Power), "High");
    // A refused frequency empties its cell; undo brings it back.
    e.type(9, Column::Receive, "446.003");
    EXPECT_EQ(e.cell(9, Column::Receive), "");
    e.undo.undo(e.table);
    EXPECT_EQ(e.cell(9, Column::Receive), "446.00000");
    // Commits that change nothing leave no step, and count as no change.
    const unsigned long changes = e.undo.changeCount();
    e.editing.enterCell(9, e.table.columnOf(Column::Name));
    e.editing.openEditor(OpenKey::Enter);
    e.editing.leaveCell();
    EXPECT_EQ(e.undo.changeCount(), changes);
    e.undo.undo(e.table);
    EXPECT_EQ(e.undo.changeCount(), changes + 1);
    EXPECT_EQ(e.cell(9, Column::Receive), "");
    EXPECT_EQ(e.cell(9, Column::Power), "");
}
