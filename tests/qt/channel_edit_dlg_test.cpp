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

    // Double clicks a cell; `act` runs on the Channel Edit dialog while it is
    // open (Esc closes it afterwards if `act` did not). Whether one opened.
    bool doubleClick(int row, int col, const std::function<void(CChannelEditDlg&)>& act = {})
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CChannelEditDlg*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            opened = true;
            if (act)
                act(*dialog);
            if (dialog->isVisible())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        // The first click opens the cell's editor, the second press comes as a double click.
        const QPoint at = grid()->cellRect(row, col).center();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
        frame().activateWindow();  // the offscreen platform does not do it when a dialog closes
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
        return opened;
    }
};

} // namespace

TEST_F(ChannelEditTest, OpensOnAChannelWithBothFrequenciesThenTheCellEditor)
{
    openWithTwoChannels("cps-ccir");  // family A has no such dialog
    EXPECT_FALSE(doubleClick(1, 7));
    EXPECT_EQ(editing().shownEditor(), editing().wordList(7));
    openWithTwoChannels();
    EXPECT_FALSE(doubleClick(2, 7));
    EXPECT_EQ(editing().shownEditor(), editing().wordList(7));  // the power list instead

    std::string shown;
    ASSERT_TRUE(doubleClick(1, 7, [&](CChannelEditDlg& d) {
        shown = d.channelBox()->text().toStdString() + " " + d.signallingList()->currentText().toStdString();
        EXPECT_TRUE(d.signallingList()->isEnabled());
        EXPECT_FALSE(d.twoToneGroup()->isVisible());
    }));
    EXPECT_EQ(shown, "1 DTMF");
    EXPECT_EQ(cursor(), std::make_pair(1, 7));
    EXPECT_EQ(editing().shownEditor(), editing().wordList(7));
    EXPECT_FALSE(window->document().isModified());

    // A double click that lands on the editor the first click opened.
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(2, 2), editing().shownEditor()->mapToGlobal(QPointF(2, 2)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<CChannelEditDlg*>(QApplication::activeModalWidget())) {
            opened = true;
            d->reject();
        }
    });
    QApplication::sendEvent(editing().shownEditor(), &dbl);
    EXPECT_TRUE(opened);
}

TEST_F(ChannelEditTest, TwoToneCallAndDecoderFromTheKeyboard)
{
    openWithTwoChannels();
    ASSERT_TRUE(doubleClick(1, 1, [&](CChannelEditDlg& d) {
        QTest::keyClick(d.signallingList(), Qt::Key_Down);
        QTest::keyClick(d.signallingList(), Qt::Key_Down);
        EXPECT_EQ(d.signallingList()->currentText(), "2-Tone");
        EXPECT_TRUE(d.twoToneGroup()->isVisible());
        EXPECT_EQ(cell(1, Column::Signal), "2-Tone");  // the table shows it at once
        // Call 2 and decoder 8: how the spins step is the dialog rules' own; the record holds the result.
        QTest::keyClick(d.callBox(), Qt::Key_Up);
        QTest::keyClick(d.callBox(), Qt::Key_Up);
        QTest::keyClick(d.decodeBox(), Qt::Key_Down);
        QTest::keyClick(d.decodeBox(), Qt::Key_Return);  // Enter accepts
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_TRUE(window->document().isModified());
    EXPECT_EQ(savedRecord(1), "00 00 60 44 00 00 60 44 ff ff ff ff 78 f9 e1 00");
}

TEST_F(ChannelEditTest, EscKeepsTheKindTheCloseBoxStoresTheNumbers)
{
    openWithTwoChannels();
    ASSERT_TRUE(doubleClick(1, 1, [&](CChannelEditDlg& d) {
        QTest::keyClick(d.signallingList(), Qt::Key_Down);
        QTest::keyClick(d.signallingList(), Qt::Key_Down);
        QTest::keyClick(d.callBox(), Qt::Key_Up);
        QTest::keyClick(&d, Qt::Key_Escape);
    }));
    EXPECT_EQ(savedRecord(1).substr(36), "48 f9 00 00");
    ASSERT_TRUE(doubleClick(1, 1, [&](CChannelEditDlg& d) {
        EXPECT_EQ(d.callBox()->text(), "NO");
        QTest::keyClick(d.callBox(), Qt::Key_Down);
        EXPECT_EQ(d.callBox()->text(), "32");
        d.close();
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_EQ(savedRecord(1).substr(36), "58 f9 1f 00");
}

// A field without a channel number keeps the dialog open with a message.
TEST_F(ChannelEditTest, TheChannelFieldIsChecked)
{
    openWithTwoChannels();
    ASSERT_TRUE(doubleClick(1, 3, [&](CChannelEditDlg& d) {
        QTest::keyClick(d.channelBox(), Qt::Key_Down);
        EXPECT_EQ(d.channelBox()->text(), "128");
        EXPECT_FALSE(d.signallingList()->isEnabled());  // channel 128 has no kind
        QTest::keyClick(d.channelBox(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(d.channelBox(), "0");
        QTest::keyClick(d.channelBox(), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(messages().size(), 1u);
        QTest::keyClick(d.channelBox(), Qt::Key_Backspace);
        QTest::keyClicks(d.channelBox(), "2");
        QTest::keyClick(d.channelBox(), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_FALSE(window->document().isModified());
}
