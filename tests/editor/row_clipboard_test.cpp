#include "editor/row_clipboard.h"

#include <gtest/gtest.h>

using namespace tolvan;

TEST(RowClipboard, RowsTravelAsTabSeparatedText)
{
    const Edition& edition = *findEdition("cps-twotone");
    ChannelTable table(edition, Language::English);
    table.loadFromImage(newDocumentImage(edition));
    UndoStack undo;
    const std::string row = "145.50000\t146.00000\t88.5\tD023N\tNarrow\tNo\tLow\t2-Tone\tOFF\tCarrier\tHOME\t>>";
    EXPECT_EQ(pasteRows(table, 2, row + "\n", undo), std::vector<int>{2});
    EXPECT_EQ(copyRows(table, {2}), row + "\n");
    EXPECT_EQ(copyRows(table, {3}), "\t\t\t\t\t\t\t\t\t\t\t\n");
}

TEST(RowClipboard, PastedRowsPassTheChecksOfTypedCells)
{
    const Edition& edition = *findEdition("cps-twotone");
    ChannelTable table(edition, Language::English);
    table.loadFromImage(newDocumentImage(edition));
    UndoStack undo;
    const std::string text =
        "446.003\t145.5\td023n\tbogus\t宽\t是\t高\tDTMF\t开\t载波\tab\r\n"  // Chinese words, lower case
        "145.5\n"
        "1000\t\t88.5\r\n";
    EXPECT_EQ(pasteRows(table, 127, text, undo), (std::vector<int>{127, 128}));  // the third line has no row
    const std::vector<std::string> want = {"", "145.50000", "D023N", "OFF", "Wide", "Yes", "High", "DTMF", "ON",
                                           "Carrier", "AB", ">>"};
    for (int col = 1; col < table.columnCount(); ++col)
        EXPECT_EQ(table.cell(127, col), want[static_cast<std::size_t>(col - 1)]) << col;
    EXPECT_EQ(table.cell(128, Column::Receive), "145.50000");
    EXPECT_EQ(table.cell(128, Column::Busy), "Close");  // what a typed channel would get
    EXPECT_EQ(table.cell(128, Column::Signal), "DTMF");
    EXPECT_EQ(table.cell(128, Column::Transmit), "");

    undo.undo(table);
    EXPECT_EQ(table.cell(127, Column::Transmit), "");
    EXPECT_EQ(table.cell(128, Column::Receive), "");
}

TEST(RowClipboard, ClearingRowsKeepsTheirNumbers)
{
    const Edition& edition = *findEdition("cps-keys");
    ChannelTable table(edition, Language::English);
    table.loadFromImage(newDocumentImage(edition));
    UndoStack undo;
    pasteRows(table, 1, "145.5\t145.5\t\t\tYES\tHigh\tWide\tYes\n", undo);
    clearRows(table, {1}, undo);
    EXPECT_EQ(table.cell(1, 0), "1");
    for (int col = 1; col < table.columnCount(); ++col)
        EXPECT_EQ(table.cell(1, col), "");
    undo.undo(table);
    EXPECT_EQ(table.cell(1, Column::Busy), "YES");
}
