// Copy, paste, clear, undo and redo of whole rows in the channel grid.
#include "editing_fixture.h"

using namespace tolvan;

namespace {

class RowCommandsTest : public EditingTest {
protected:
    void typeTwoChannels()
    {
        select(1, 1);
        enter("145.5");
        key(Qt::Key_Return);
        enter("88.5");
        select(1, 11);
        enter("1a");  // a name must start with a digit when typed on the grid...
        select(1, 11);
        key(Qt::Key_F2);  // ...or be typed over the open editor's selected text
        enter("a1");
        select(2, 1);
        enter("146");
        key(Qt::Key_Escape);
    }
};

} // namespace

TEST_F(RowCommandsTest, CopyPasteClearUndoAndRedoWithTheKeys)
{
    open();
    typeTwoChannels();
    select(1, 3);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_C, Qt::ControlModifier);  // the text on the clipboard is the row rules' own
    window->document().setModified(false);
    select(10, 5);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(row(10), row(1));
    EXPECT_EQ(row(11), row(2));
    EXPECT_TRUE(window->document().isModified());

    select(10, 1);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Delete);
    EXPECT_EQ(row(10), std::vector<std::string>(12, ""));
    EXPECT_EQ(row(11), std::vector<std::string>(12, ""));

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(11), row(2));
    key(Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(row(11)[0], "");
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);  // the paste
    EXPECT_EQ(row(10)[0], "");
    key(Qt::Key_Z, Qt::ControlModifier);  // the last typed commit: channel 2's receive frequency
    EXPECT_EQ(row(2), std::vector<std::string>(12, ""));
    EXPECT_EQ(row(1)[10], "A1");

    // After a save, an undo is a change again.
    save();
    EXPECT_FALSE(window->document().isModified());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(1)[10], "1A");
    EXPECT_TRUE(window->document().isModified());
}

TEST_F(RowCommandsTest, TheContextMenuOffersTheRowCommands)
{
    open();
    EXPECT_FALSE(editing().rowMenu()->actions().at(4)->isEnabled()) << "nothing to undo";
    typeTwoChannels();
    select(2, 4);
    editing().rowMenu()->actions().at(2)->trigger();  // Clear Rows
    EXPECT_EQ(row(2)[0], "");
    EXPECT_TRUE(editing().rowMenu()->actions().at(4)->isEnabled());
}
