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

// What the dialog shows after each step, and the frames Start sent, are in the
// snapshot: the frequency page of a test frequency, Enter normalising a box
// (and never closing the dialog), a tone method's list, an item's slider and
// its Default, Start normalising a box never confirmed.
TEST(CDebugModeDlg, WhatIsChosenIsShownAndStartSendsIt)
{
    std::string out;
    {
        OpenDialog open;
        const auto note = [&](const char* what) { out += std::string("== ") + what + "\n" + shownState(open.dlg); };
        note("opened");
        EXPECT_FALSE(open.dlg.defaultButton()->isVisible());
        open.select(TestModeState::kLowFrequency);
        EXPECT_TRUE(open.dlg.defaultButton()->isVisible());
        note("low frequency");
        open.select(TestModeState::kHighFrequency);
        QLineEdit* rx = open.dlg.frequencyBox(TestSide::Receive);
        rx->setFocus();
        rx->selectAll();
        QTest::keyClicks(rx, "170");
        QTest::keyClick(rx, Qt::Key_Return);
        QTest::keyClick(&open.dlg, Qt::Key_Return);
        EXPECT_TRUE(open.dlg.isVisible());
        open.dlg.methodButton(TestSide::Receive, 1)->click();
        EXPECT_EQ(open.dlg.toneBox(TestSide::Receive)->count(), 168);
        note("high frequency, receive 170 and Enter, the second tone method");
    }
    OpenDialog open;
    open.select(TestModeState::kMiddleFrequency);
    QLineEdit* tx = open.dlg.frequencyBox(TestSide::Transmit);
    tx->selectAll();
    QTest::keyClicks(tx, "1000");  // never confirmed: Start normalises it
    open.dlg.node(TestModeState::kDebugItem)->setExpanded(true);
    open.select(TestModeState::kSquelchLevel);
    open.dlg.slider()->setValue(3);
    out += "== squelch level, slider at 3\n" + shownState(open.dlg);
    open.dlg.defaultButton()->click();
    out += "== Default\n" + shownState(open.dlg);
    open.dlg.startButton()->click();
    EXPECT_EQ(open.dlg.lastOutcome(), TestModeOutcome::Finished);
    EXPECT_EQ(open.opener.opens, 1);
    for (const auto& q : open.host.questions)
        out += "message: " + q.message + "\n";
    for (const TestModeFrames& sent : open.radio.testModeFrames())
        out += "sent: item " + hexBytes({&sent.item, 1}) + ", frequencies " + hexBytes(sent.frequencyFrame) + ", tones "
               + hexBytes(sent.toneFrame) + "\n";
    EXPECT_EQ(tx->text(), "156.00000");
    expectGolden("qt", "test_mode_dialog", out);
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
