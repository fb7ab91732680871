// The cell editors over the channel grid, driven with real keys.
#include "editing_fixture.h"

#include <QClipboard>
#include <QScrollBar>

using namespace tolvan;

namespace {

const std::vector<std::string> kNewChannel446 = {"446.00000", "446.00000", "OFF", "OFF",   "Wide", "Yes",
                                                 "High",      "DTMF",      "ON",  "Close", "",     ">>"};

std::string hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toStdString();
}

} // namespace

TEST_F(EditingTest, TypingAFrequencyMakesANewChannelAndMovesOn)
{
    open();
    select(1, 1);
    keys("4");
    ASSERT_EQ(editing().shownEditor(), editing().frequencyEdit());
    EXPECT_EQ(editing().frequencyEdit()->text(), "4");
    EXPECT_EQ(focus(), editing().frequencyEdit());
    keys("46");
    key(Qt::Key_Return);
    EXPECT_EQ(row(1), kNewChannel446);
    EXPECT_TRUE(messages().empty());
    // The transmit cell's editor is open on its text, all of it selected.
    EXPECT_EQ(cursor(), std::make_pair(1, 2));
    ASSERT_EQ(editing().shownEditor(), editing().frequencyEdit());
    EXPECT_EQ(editing().frequencyEdit()->text(), "446.00000");
    EXPECT_EQ(editing().frequencyEdit()->selectedText(), "446.00000");
    EXPECT_TRUE(window->document().isModified());
    EXPECT_EQ(hex(record(save(), 1)), "00 00 60 44 00 00 60 44 ff ff ff ff 42 f9 00 00");
}

TEST_F(EditingTest, RefusedFrequenciesShowTheirMessageAndEmptyTheCell)
{
    struct Case {
        bool chinese;
        const char* typed;
        bool byEnter;  // else the cell is left with the Down arrow
        const char* message;
    };
    const Case cases[] = {
        {false, "446.003", true, "Error data Value，Please input according the step value(6.25K/5k/2.5k)"},
        {false, "446.003", false, "Error data Value，Please input according the step value(6.25K/5k/2.5k)"},
        {true, "446.003", true, "输入数据错误，请按6.25K/5k/2.5K的倍数重新输入"},
        {true, "446.003", false, "输入数据错误，请按6.25K/5k/2.5k的倍数重新输入"},
        {false, "600", true, "Error Data Format，Please input again"},
        {false, "99999999999", false, "Error Data Format，Please input again"},
    };
    for (const Case& c : cases) {
        open("cps-twotone", c.chinese);
        select(3, 1);
        enter("145");
        select(3, 3);
        enter("88.5");
        messages();
        select(3, 1);
        keys(c.typed);
        key(c.byEnter ? Qt::Key_Return : Qt::Key_Down);
        EXPECT_EQ(messages(), std::vector<QString>{c.message}) << c.typed;
        EXPECT_EQ(cell(3, Column::Receive), "") << c.typed;
        EXPECT_EQ(cell(3, Column::RxTone), "") << c.typed;
        EXPECT_EQ(cell(3, Column::Transmit), "145.00000") << c.typed;
        EXPECT_EQ(cell(3, Column::TxTone), "OFF") << c.typed;
    }
}

TEST_F(EditingTest, ALetterOnTheGridAsksForANumber)
{
    open();
    for (int col : {1, 3, 7, 11}) {
        select(2, col);
        keys("a");
        EXPECT_EQ(messages(), std::vector<QString>{"Please input Number"}) << col;
        EXPECT_EQ(editing().shownEditor(), nullptr) << col;
        EXPECT_EQ(focus(), grid());
    }
    select(2, 12);  // "More" has no editor and no message
    keys("a1");
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(editing().shownEditor(), nullptr);
}

TEST_F(EditingTest, EmptyingOneThenBothFrequencies)
{
    open();
    select(1, 1);
    enter("446");
    key(Qt::Key_Escape);
    select(1, 11);
    enter("1ab");
    // F2 opens the cell's own text selected; erasing it and Enter empties it.
    select(1, 1);
    key(Qt::Key_F2);
    EXPECT_EQ(editing().frequencyEdit()->selectedText(), "446.00000");
    key(Qt::Key_Backspace);
    key(Qt::Key_Return);
    std::vector<std::string> want = kNewChannel446;
    want[0] = want[2] = "";
    want[10] = "1AB";
    EXPECT_EQ(row(1), want);
    // Enter opened the transmit cell with its text selected.
    key(Qt::Key_Backspace);
    key(Qt::Key_Return);
    EXPECT_EQ(row(1), std::vector<std::string>(12, ""));
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(hex(record(save(), 1)), "ff ff ff ff ff ff ff ff ff ff ff ff b7 c5 00 00");
}

TEST_F(EditingTest, TonesTypedWithEnter)
{
    struct Case {
        const char* typed;
        const char* cell;
    };
    const Case cases[] = {{"88.5", "88.5"}, {"88.4", "OFF"}, {"023n", "OFF"}};
    open();
    select(4, 1);
    enter("145.5");
    for (const Case& c : cases) {
        select(4, 3);
        keys(c.typed);
        EXPECT_EQ(editing().toneList()->currentText(), c.typed);
        key(Qt::Key_Return);
        EXPECT_EQ(cell(4, Column::RxTone), c.cell) << c.typed;
        EXPECT_EQ(cursor(), std::make_pair(4, 4));
        EXPECT_EQ(editing().shownEditor(), editing().toneList());
    }
    // The open transmit tone takes a DCS code typed over its selected text.
    enter("d023n");
    EXPECT_EQ(cell(4, Column::TxTone), "D023N");
    EXPECT_EQ(editing().shownEditor(), editing().wordList(5));
}

TEST_F(EditingTest, EnterOnTheNameOfTheLastChannelLeavesTheGrid)
{
    open();
    select(128, 1);
    enter("145.5");
    select(128, 11);
    enter("7home");
    EXPECT_EQ(cell(128, Column::Name), "7HOME");
    EXPECT_EQ(editing().shownEditor(), nullptr);
    QWidget* now = focus();
    EXPECT_NE(now, grid());
    EXPECT_FALSE(grid()->isAncestorOf(now));
    // Elsewhere Enter goes on to the next channel's receive cell.
    select(7, 11);
    enter("1abcdefg");
    EXPECT_EQ(cell(7, Column::Name), "1ABCDE");
    EXPECT_EQ(cursor(), std::make_pair(8, 1));
    EXPECT_EQ(editing().shownEditor(), editing().frequencyEdit());
}

TEST_F(EditingTest, EnterTabEscapeAndArrowsOnTheGrid)
{
    open();
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

TEST_F(EditingTest, OpeningAnEditorLeavesTheClipboardAlone)
{
    open();
    QApplication::clipboard()->setText("what the user copied");
    select(5, 1);
    enter("145");
    select(5, 3);
    keys("6");
    select(5, 11);
    keys("9");
    key(Qt::Key_F2);
    EXPECT_EQ(QApplication::clipboard()->text(), "what the user copied");
}

TEST_F(EditingTest, TheOpenEditorFollowsItsCellWhenTheGridScrolls)
{
    open();
    select(3, 1);
    keys("146");
    const int top = editing().shownEditor()->y();
    grid()->verticalScrollBar()->setValue(2);
    QApplication::processEvents();
    EXPECT_EQ(editing().shownEditor()->geometry(), grid()->cellRect(3, 1));
    EXPECT_LT(editing().shownEditor()->y(), top);
    key(Qt::Key_Return);
    EXPECT_EQ(cell(3, 1), "146.00000");
}

TEST_F(EditingTest, AWholeRowFromTheKeyboardAlone)
{
    open();
    select(1, 1);
    enter("145.5");         // receive; transmit gets the same
    enter("146.0125");      // transmit typed over its selected text
    enter("88.5");          // Rx Tone
    enter("d023n");         // Tx Tone
    key(Qt::Key_Down);      // W/N: Narrow
    key(Qt::Key_Return);
    key(Qt::Key_Down);      // Scan: No
    key(Qt::Key_Return);
    key(Qt::Key_Up);        // Tx Power: Low
    key(Qt::Key_Return);
    key(Qt::Key_Down);      // Opt Signal: 5-Tone
    key(Qt::Key_Return);
    key(Qt::Key_Up);        // PTTID: OFF
    key(Qt::Key_Return);
    key(Qt::Key_Down);      // BusyLock: Carrier
    key(Qt::Key_Return);
    enter("1home");
    EXPECT_TRUE(messages().empty());
    const std::vector<std::string> want = {"145.50000", "146.01250", "88.5", "D023N", "Narrow", "No",
                                           "Low",       "5-Tone",    "OFF",  "Carrier", "1HOME",  ">>"};
    EXPECT_EQ(row(1), want);
    EXPECT_EQ(cursor(), std::make_pair(2, 1));
    EXPECT_EQ(editing().shownEditor(), editing().frequencyEdit());
    const QByteArray image = save();
    EXPECT_EQ(hex(record(image, 1)), "00 00 55 14 50 12 60 14 85 08 23 80 04 c3 00 00");
}

TEST_F(EditingTest, AnEntryStillBeingTypedIsAChangeToSaveOrDiscard)
{
    open();
    select(6, 1);
    keys("145");
    dialogs.answers.push_back(QMessageBox::Cancel);
    EXPECT_FALSE(frame().maybeSave());
    const std::vector<QString> asked = messages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].startsWith("The channel data has changed."));
    EXPECT_EQ(cell(6, 1), "145.00000");
}

TEST_F(EditingTest, TheFieldListOnTheFormLimitsTypedFrequencies)
{
    struct Case {
        int field;  // index in the "Field" list
        const char* typed;
        const char* cell;
    };
    const Case cases[] = {
        {5, "440", "440.00000"}, {5, "450", "450.00000"}, {5, "450.00625", ""}, {6, "450.00625", "450.00625"},
    };
    open("cps-cn2");
    int field = -1;
    for (int i = 0; i < view().form().count(); ++i)
        if (view().form().list(i).label == "Field")
            field = i;
    ASSERT_GE(field, 0);
    for (const Case& c : cases) {
        emit view().formList(field)->activated(c.field);
        const int r = static_cast<int>(&c - cases) + 1;
        select(r, 1);
        enter(c.typed);
        key(Qt::Key_Escape);
        EXPECT_EQ(cell(r, 1), c.cell) << c.typed;
        EXPECT_EQ(messages(), *c.cell ? std::vector<QString>{} : std::vector<QString>{"超出频率范围!"}) << c.typed;
    }
}
