#include "editor/row_clipboard.h"

#include <gtest/gtest.h>

using namespace tolvan;

namespace {

struct Clipboard {
    explicit Clipboard(const char* id) : table(*findEdition(id), Language::English)
    {
        table.loadFromImage(newDocumentImage(table.edition()));
    }
    ChannelTable table;
    UndoStack undo;
};

} // namespace

TEST(RowClipboard, RowsTravelAsTabSeparatedText)
{
    Clipboard c("cps-twotone");
    const std::string row = "145.50000\t146.00000\t88.5\tD023N\tNarrow\tNo\tLow\t2-Tone\tOFF\tCarrier\tHOME\t>>";
    EXPECT_EQ(pasteRows(c.table, 2, row + "\n", c.undo), std::vector<int>{2});
    EXPECT_EQ(copyRows(c.table, {2}), row + "\n");
    EXPECT_EQ(copyRows(c.table, {3}), "\t\t\t\t\t\t\t\t\t\t\t\n");
}

TEST(RowClipboard, PastedRowsPassTheChecksOfTypedCells)
{
    Clipboard c("cps-twotone");
    const std::string text =
        "446.003\t145.5\td023n\tbogus\t宽\t是\t高\tDTMF\t开\t载波\tab\r\n"  // Chinese words, lower case
        "145.5\n"
        "1000\t\t88.5\r\n";
    EXPECT_EQ(pasteRows(c.table, 127, text, c.undo), (std::vector<int>{127, 128}));  // the third line has no row
    // A refused receive frequency stays empty; the second row gets what a typed channel would.
    EXPECT_EQ(copyRows(c.table, {127, 128}), "\t145.50000\tD023N\tOFF\tWide\tYes\tHigh\tDTMF\tON\tCarrier\tAB\t>>\n"
                                             "145.50000\t\tOFF\tOFF\tWide\tYes\tHigh\tDTMF\tON\tClose\t\t>>\n");
    c.undo.undo(c.table);
    EXPECT_EQ(copyRows(c.table, {127, 128}), "\t\t\t\t\t\t\t\t\t\t\t\n\t\t\t\t\t\t\t\t\t\t\t\n");
}

TEST(RowClipboard, ClearingRowsKeepsTheirNumbers)
{
    Clipboard c("cps-keys");
    pasteRows(c.table, 1, "145.5\t145.5\t\t\tYES\tHigh\tWide\tYes\n", c.undo);
    clearRows(c.table, {1}, c.undo);
    EXPECT_EQ(c.table.cell(1, 0), "1");
    EXPECT_EQ(copyRows(c.table, {1}), "\t\t\t\t\t\t\t\n");
    c.undo.undo(c.table);
    EXPECT_EQ(c.table.cell(1, Column::Busy), "YES");
}
