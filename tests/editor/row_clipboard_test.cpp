#include "editor/row_clipboard.h"

#include <gtest/gtest.h>

using namespace tolvan;

// The tables are not loaded: one not yet loaded shows what a new document does.

// A copied row pastes back as it was; other rows get the checks of typed cells.
TEST(RowClipboard, PastedRowsPassTheChecksOfTypedCells)
{
    ChannelTable table(*findEdition("cps-twotone"), Language::English);
    UndoStack undo;
    const std::string row = "145.50000\t146.00000\t88.5\tD023N\tNarrow\tNo\tLow\t2-Tone\tOFF\tCarrier\tHOME\t>>\n";
    const std::string text = row + "446.003\t145.5\td023n\tbogus\t宽\t是\t高\tDTMF\t开\t载波\tab\r\n"  // Chinese words, lower case
                                   "145.5\n"
                                   "1000\t\t88.5\r\n";
    EXPECT_EQ(pasteRows(table, 126, text, undo), (std::vector<int>{126, 127, 128}));  // the last line has no row
    // A refused receive frequency stays empty; the third row gets what a typed channel would.
    const std::string checked = "\t145.50000\tD023N\tOFF\tWide\tYes\tHigh\tDTMF\tON\tCarrier\tAB\t>>\n"
                                "145.50000\t\tOFF\tOFF\tWide\tYes\tHigh\tDTMF\tON\tClose\t\t>>\n";
    EXPECT_EQ(copyRows(table, {126, 127, 128}), row + checked);
    undo.undo(table);
    const std::string empty = std::string(11, '\t') + "\n";
    EXPECT_EQ(copyRows(table, {126, 127, 128}), empty + empty + empty);
}

TEST(RowClipboard, ClearingRowsKeepsTheirNumbers)
{
    ChannelTable table(*findEdition("cps-keys"), Language::English);
    UndoStack undo;
    pasteRows(table, 1, "145.5\t145.5\t\t\tYES\tHigh\tWide\tYes\n", undo);
    clearRows(table, {1}, undo);
    EXPECT_EQ(table.cell(1, 0), "1");
    EXPECT_EQ(copyRows(table, {1}), "\t\t\t\t\t\t\t\n");
    undo.undo(table);
    EXPECT_EQ(table.cell(1, Column::Busy), "YES");
}

// A row command run while another's step is open (a dialog's command that
// gives up a typed list first) is one step with it: one undo takes back both.
TEST(RowClipboard, ACommandWithinAnOpenStepIsPartOfIt)
{
    ChannelTable table(*findEdition("cps-keys"), Language::English);
    UndoStack undo;
    undo.begin(table, UndoStack::allRows(table), EditKind::Paste);
    pasteRows(table, 1, "145.5\n", undo);
    EXPECT_TRUE(undo.recording());
    clearRows(table, {1}, undo);
    pasteRows(table, 2, "146\n", undo);
    undo.finish(table);
    EXPECT_FALSE(undo.recording());
    undo.undo(table);
    EXPECT_EQ(table.cell(2, Column::Receive), "");
    EXPECT_FALSE(undo.canUndo());
}
