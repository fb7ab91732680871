// The cell editors over the channel grid, driven with real keys.
#include "editing_fixture.h"

using namespace tolvan;

// Enter and leaving the cell reach the two texts that differ by one letter;
// what the refusal empties is the cell rules' own.
TEST_F(EditingTest, RefusedFrequenciesShowTheirMessageAndEmptyTheCell)
{
    for (const auto& [byEnter, message] : {std::pair{true, "输入数据错误，请按6.25K/5k/2.5K的倍数重新输入"},
                                           std::pair{false, "输入数据错误，请按6.25K/5k/2.5k的倍数重新输入"}}) {
        open("cps-twotone", true);
        select(3, 1);
        enter("145");
        messages();
        select(3, 1);
        keys("446.003");
        key(byEnter ? Qt::Key_Return : Qt::Key_Down);
        EXPECT_EQ(messages(), std::vector<QString>{message});
        EXPECT_EQ(cell(3, Column::Receive), "");
        EXPECT_EQ(cell(3, Column::Transmit), "145.00000");
    }
}

TEST_F(EditingTest, EnterTabEscapeAndArrowsOnTheGrid)
{
    open();
    select(2, 1);
    keys("a");  // a letter asks for a number and opens nothing
    EXPECT_EQ(messages(), std::vector<QString>{"Please input Number"});
    EXPECT_EQ(focus(), grid());
    select(2, 4);
    key(Qt::Key_Return);  // the grid itself: one cell to the right
    EXPECT_EQ(cursor(), std::make_pair(2, 5));
    EXPECT_EQ(editing().shownEditor(), nullptr);
    select(2, 6);
    key(Qt::Key_Return);  // in the scan column Enter acts as Tab
    EXPECT_FALSE(grid()->isAncestorOf(focus()) || focus() == grid());

    select(2, 1);
    keys("145");
    key(Qt::Key_Escape);  // nothing committed
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(focus(), grid());
    EXPECT_FALSE(window->document().isModified());
    keys("145");
    key(Qt::Key_Down);  // the arrows leave the cell and commit
    EXPECT_EQ(cell(2, 1), "145.00000");
    EXPECT_EQ(cursor(), std::make_pair(3, 1));
    key(Qt::Key_Right);
    EXPECT_EQ(cursor(), std::make_pair(3, 2));
    keys("146");
    key(Qt::Key_Tab);  // Tab commits and leaves the table
    EXPECT_EQ(cell(3, 2), "146.00000");
    EXPECT_FALSE(grid()->isAncestorOf(focus()) || focus() == grid());
}

// A digit opens the frequency editor on a new channel; Enter commits and opens
// the next cell's editor on its text, all of it selected.
TEST_F(EditingTest, AWholeRowFromTheKeyboardAlone)
{
    open();
    QApplication::clipboard()->setText("what the user copied");
    select(1, 1);
    keys("1");
    EXPECT_EQ(focus(), editing().frequencyEdit());
    enter("45.5");          // receive; transmit gets the same
    EXPECT_EQ(editing().frequencyEdit()->selectedText(), "145.50000");
    enter("146.0125");      // transmit typed over its selected text
    enter("88.5");          // Rx Tone
    enter("d023n");         // Tx Tone
    // W/N Narrow, Scan No, Tx Power Low, Opt Signal 5-Tone, PTTID OFF, BusyLock Carrier.
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down}) {
        key(k);
        key(Qt::Key_Return);
    }
    enter("1home");
    EXPECT_TRUE(messages().empty());
    const std::vector<std::string> want = {"145.50000", "146.01250", "88.5", "D023N", "Narrow", "No",
                                           "Low",       "5-Tone",    "OFF",  "Carrier", "1HOME",  ">>"};
    EXPECT_EQ(row(1), want);
    EXPECT_EQ(cursor(), std::make_pair(2, 1));
    EXPECT_EQ(editing().shownEditor(), editing().frequencyEdit());
    EXPECT_TRUE(window->document().isModified());
    EXPECT_EQ(savedRecord(1), "00 00 55 14 50 12 60 14 85 08 23 80 04 c3 00 00");
    EXPECT_EQ(QApplication::clipboard()->text(), "what the user copied") << "an editor leaves the clipboard alone";
}

TEST_F(EditingTest, AnEntryStillBeingTypedIsAChangeToSaveOrDiscard)
{
    open();
    select(6, 1);
    keys("145");
    dialogs.answers.push_back(QMessageBox::Cancel);
    EXPECT_FALSE(frame().maybeSave());
    EXPECT_EQ(messages(), std::vector<QString>{"The channel data has changed.\nDo you want to save the changes?"});
    EXPECT_EQ(cell(6, 1), "145.00000");
}

// A row emptied while its tone cell's list is about to open (by a refused
// entry and Enter, by Delete, by Undo) opens that list on nothing: an "OFF"
// shown over an empty row would not be stored.
TEST_F(EditingTest, AnEmptiedRowOpensItsToneListOnNothing)
{
    const struct {
        const char* how;
        std::function<void(int toneCol)> empty;
    } paths[] = {
        {"a refused entry, Enter through the empty transmit cell",
         [this](int) {
             enter("9999");
             messages();
             key(Qt::Key_Return);
         }},
        {"Delete on the row, then F2 on its tone",
         [this](int toneCol) {
             enter("446");
             key(Qt::Key_Escape);
             select(6, toneCol);
             key(Qt::Key_Delete);
             key(Qt::Key_F2);
         }},
        {"Undo, then F2 on its tone",
         [this](int toneCol) {
             enter("446");
             key(Qt::Key_Escape);
             select(6, toneCol);
             key(Qt::Key_Z, Qt::ControlModifier);
             key(Qt::Key_F2);
         }},
    };
    for (const Edition* e : allEditions()) {
        for (const auto& path : paths) {
            SCOPED_TRACE(e->id + ": " + path.how);
            open(e->id.c_str());
            const int toneCol = view().table().columnOf(Column::RxTone);
            select(6, view().table().columnOf(Column::Receive));
            path.empty(toneCol);
            messages();
            EXPECT_EQ(row(6), std::vector<std::string>(row(6).size()));
            EXPECT_EQ(cursor(), std::make_pair(6, toneCol));
            EXPECT_EQ(editing().shownEditor(), editing().toneList());
            EXPECT_EQ(editing().toneList()->currentText(), "");
            window.reset();
        }
    }
}
