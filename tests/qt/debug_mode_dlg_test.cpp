#include "link/recording_host.h"
#include "window_fixture.h"

namespace tolvan {
namespace {

const Edition& twoTone() { return *findEdition("cps-twotone"); }

struct OpenDialog {
    explicit OpenDialog(Language language = Language::English, const std::string& band = "136 - 174MHz")
        : dlg(twoTone(), language, "COM2", band, opener, &host)
    {
        dlg.show();
        QApplication::processEvents();
    }
    void select(int node) { dlg.tree()->setCurrentItem(dlg.node(node)); }

    VirtualRadio radio{twoTone()};
    RadioPortOpener opener{radio};
    testing::RecordingHost host;
    CDebugModeDlg dlg;
};

TEST(CDebugModeDlg, ChoosingATestFrequencyShowsItsRecord)
{
    OpenDialog open;
    EXPECT_FALSE(open.dlg.defaultButton()->isVisible() || open.dlg.frequencyPage()->isVisible());
    open.select(TestModeState::kLowFrequency);
    EXPECT_TRUE(open.dlg.defaultButton()->isVisible());
    EXPECT_TRUE(open.dlg.frequencyPage()->isVisible());
    EXPECT_EQ(open.dlg.frequencyBox(TestSide::Receive)->text(), "136.00000");
    open.select(TestModeState::kHighFrequency);

    // Enter in a box normalises it and never closes the dialog.
    QLineEdit* rx = open.dlg.frequencyBox(TestSide::Receive);
    rx->setFocus();
    rx->selectAll();
    QTest::keyClicks(rx, "170");
    QTest::keyClick(rx, Qt::Key_Return);
    EXPECT_EQ(rx->text(), "156.00000");
    QTest::keyClick(&open.dlg, Qt::Key_Return);
    EXPECT_TRUE(open.dlg.isVisible());
    open.dlg.methodButton(TestSide::Receive, 1)->click();
    EXPECT_EQ(open.dlg.toneBox(TestSide::Receive)->count(), 168);
    EXPECT_EQ(open.dlg.toneBox(TestSide::Receive)->currentText(), "210.7");
}

TEST(CDebugModeDlg, SliderDefaultAndStartSendWhatIsShown)
{
    OpenDialog open;
    open.select(TestModeState::kMiddleFrequency);
    QLineEdit* tx = open.dlg.frequencyBox(TestSide::Transmit);
    tx->selectAll();
    QTest::keyClicks(tx, "1000");  // never confirmed: Start normalises it
    open.dlg.node(TestModeState::kDebugItem)->setExpanded(true);
    open.select(TestModeState::kSquelchLevel);
    EXPECT_TRUE(open.dlg.itemPage()->isVisible());
    open.dlg.slider()->setValue(3);
    EXPECT_EQ(open.dlg.positionLabel()->text(), "Current Position:3");
    open.dlg.defaultButton()->click();
    EXPECT_EQ(open.dlg.slider()->value(), 160);
    EXPECT_EQ(open.dlg.positionLabel()->text(), "Current Position:160");

    open.dlg.startButton()->click();
    EXPECT_EQ(open.dlg.lastOutcome(), TestModeOutcome::Finished);
    EXPECT_EQ(open.opener.opens, 1);
    ASSERT_EQ(open.host.questions.size(), 1u);
    EXPECT_EQ(open.host.questions[0].message, "Finish successfully!");
    ASSERT_EQ(open.radio.testModeFrames().size(), 1u);
    const TestModeFrames& sent = open.radio.testModeFrames()[0];
    EXPECT_EQ(sent.item, 0x73);  // the squelch level item
    EXPECT_EQ(sent.frequencyFrame, (std::vector<std::uint8_t>{0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x60, 0x15}));
    EXPECT_EQ(sent.toneFrame, (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0}));
    EXPECT_EQ(tx->text(), "156.00000");
    open.select(TestModeState::kExitDebug);
    EXPECT_FALSE(open.dlg.isVisible()) << "Exit Debug closes";
}

TEST(CDebugModeDlg, APortThatWillNotOpenIsReportedInTheWindowsLanguage)
{
    for (Language language : {Language::English, Language::Chinese}) {
        OpenDialog open(language);
        open.opener.failOpen = true;
        open.dlg.node(TestModeState::kDebugItem)->setExpanded(true);
        open.select(TestModeState::kTxPower);
        open.dlg.startButton()->click();
        EXPECT_EQ(open.dlg.lastOutcome(), TestModeOutcome::PortFailed);
        ASSERT_EQ(open.host.questions.size(), 1u);
        EXPECT_EQ(open.host.questions[0].message, twoTone().texts(language).link.portOpenFail);
    }
}

} // namespace
} // namespace tolvan
