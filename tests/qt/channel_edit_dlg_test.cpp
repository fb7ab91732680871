// A double click on the channel grid and the Channel Edit dialog it opens.
#include "editing_fixture.h"

using namespace tolvan;

namespace {

class ChannelEditTest : public EditingTest {
protected:
    // Channel 1 with both frequencies (446 MHz, DTMF, PTT ID on), channel 2
    // with a receive frequency only.
    void openWithTwoChannels(const char* id = "cps-twotone")
    {
        open(id);
        select(1, 1);
        enter("446");
        select(2, 1);
        enter("145");
        key(Qt::Key_Backspace);
        key(Qt::Key_Return);
        ASSERT_EQ(cell(2, Column::Transmit), "");
        window->document().setModified(false);
    }

    // Double clicks the cell; `act` runs on the Channel Edit dialog while it
    // is open (Esc closes it afterwards if `act` did not). Whether one opened.
    bool opens(int row, int col, const std::function<void(CChannelEditDlg&)>& act = {})
    {
        WhenModal visit([&](QWidget& modal) {
            auto* dialog = qobject_cast<CChannelEditDlg*>(&modal);
            if (dialog && act)
                act(*dialog);
            if (modal.isVisible())
                QTest::keyClick(&modal, Qt::Key_Escape);
        });
        doubleClick(row, col);
        frame().activateWindow();  // the offscreen platform does not do it when a dialog closes
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
        return visit.done;
    }
};

} // namespace

TEST_F(ChannelEditTest, OpensOnAChannelWithBothFrequenciesThenTheCellEditor)
{
    openWithTwoChannels("cps-ccir");  // family A has no such dialog
    EXPECT_FALSE(opens(1, 7));
    EXPECT_EQ(editing().shownEditor(), editing().wordList(7));
    openWithTwoChannels();
    EXPECT_FALSE(opens(2, 7));
    EXPECT_EQ(editing().shownEditor(), editing().wordList(7));  // the power list instead

    ASSERT_TRUE(opens(1, 7));  // what it shows is in the snapshot of the case below
    EXPECT_EQ(cursor(), std::make_pair(1, 7));
    EXPECT_EQ(editing().shownEditor(), editing().wordList(7));
    EXPECT_FALSE(window->document().isModified());

    // A double click that lands on the editor the first click opened.
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(2, 2), editing().shownEditor()->mapToGlobal(QPointF(2, 2)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    WhenModal visit([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QApplication::sendEvent(editing().shownEditor(), &dbl);
    EXPECT_TRUE(visit.done);
}

// Each case double clicks a cell of channel 1 and acts on the dialog. What the
// dialog showed when it opened, whether the act closed it, its messages and the
// channel's saved record go to the snapshot.
TEST_F(ChannelEditTest, WhatIsChosenReachesTheRecord)
{
    using Dlg = CChannelEditDlg;
    const auto twoTone = [](Dlg& d) {
        QTest::keyClick(d.signallingList(), Qt::Key_Down);
        QTest::keyClick(d.signallingList(), Qt::Key_Down);
    };
    const struct {
        const char* what;
        int col;
        std::function<void(Dlg&)> act;
    } cases[] = {
        {"Esc keeps the kind and drops the numbers", 1,
         [&](Dlg& d) {
             twoTone(d);
             EXPECT_EQ(cell(1, Column::Signal), "2-Tone");  // the table shows it at once
             QTest::keyClick(d.callBox(), Qt::Key_Up);
             QTest::keyClick(&d, Qt::Key_Escape);
         }},
        {"the close box stores the numbers", 1,
         [&](Dlg& d) {
             twoTone(d);
             QTest::keyClick(d.callBox(), Qt::Key_Down);
             d.close();
         }},
        // A field without a channel number keeps the dialog open with a message.
        {"channel 128, then 0 refused, then 2", 3,
         [&](Dlg& d) {
             QTest::keyClick(d.channelBox(), Qt::Key_Down);
             EXPECT_FALSE(d.signallingList()->isEnabled());  // channel 128 has no kind
             QTest::keyClick(d.channelBox(), Qt::Key_A, Qt::ControlModifier);
             QTest::keyClicks(d.channelBox(), "0");
             QTest::keyClick(d.channelBox(), Qt::Key_Return);
             EXPECT_TRUE(d.isVisible());
             // The field shows again the channel the dialog works on, its kind with it.
             EXPECT_EQ(d.channelBox()->text(), "128");
             EXPECT_FALSE(d.signallingList()->isEnabled());
             QTest::keyClick(d.channelBox(), Qt::Key_A, Qt::ControlModifier);
             QTest::keyClicks(d.channelBox(), "2");
             QTest::keyClick(d.channelBox(), Qt::Key_Return);
         }},
    };
    std::string out;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        openWithTwoChannels();
        out += std::string("== ") + c.what + "\n";
        ASSERT_TRUE(opens(1, c.col, [&](Dlg& d) {
            out += shownState(d);
            c.act(d);
            out += d.isVisible() ? "-- stays open\n" : "-- closed\n";
        }));
        for (const QString& m : messages())
            out += "message: " + m.toStdString() + "\n";
        out += std::string(window->document().isModified() ? "modified\n" : "unchanged\n");
        out += "record 1: " + savedRecord(1) + "\n";
    }
    expectGolden("qt", "channel_edit", out);
}
