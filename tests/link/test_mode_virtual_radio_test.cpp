// Test Mode from the dialog's state to the radio's memory of what it received:
// the state, the exchange and the virtual radio together.

#include "dialogs/test_mode_state.h"
#include "link/test_mode_session.h"
#include "recording_host.h"
#include "sim/radio_port.h"

#include <gtest/gtest.h>

using namespace tolvan;
using tolvan::testing::RecordingHost;

namespace {

const TestModeMessages kMessages{"port", "Finish successfully!", " Error had happen ,need try again"};

// The user picks the Low test frequency of band "136 - 174MHz", chooses the
// 6.25 kHz receive step, types 136.0125 into the receive box, then picks
// "Squelch Level" and moves the slider to 160.
TestModeRequest squelchAt160()
{
    const Edition& edition = *findEdition("cps-twotone");
    TestModeState state(TestModeState::baseFrequency(edition, "136 - 174MHz"));
    state.select(TestModeState::kLowFrequency);
    state.setStep(TestSide::Receive, 1);
    state.setBoxText(TestSide::Receive, "136.0125");
    state.normaliseBox(TestSide::Receive);
    state.select(TestModeState::kSquelchLevel);
    state.setValue(160);
    return state.prepareStart();
}

} // namespace

TEST(TestModeWithTheVirtualRadio, TheRadioReceivesTheFramesOfTheDialog)
{
    VirtualRadio radio(*findEdition("cps-twotone"));
    RadioPortOpener opener(radio);
    RecordingHost host;
    TestModeSession session(opener, host, kMessages);
    EXPECT_EQ(session.run("virtual", squelchAt160()), TestModeOutcome::Finished);
    ASSERT_EQ(radio.testModeFrames().size(), 1u);
    const TestModeFrames& frames = radio.testModeFrames().front();
    EXPECT_EQ(frames.item, 0x73);
    EXPECT_EQ(frames.frequencyFrame, (std::vector<std::uint8_t>{0x50, 0x12, 0x60, 0x13, 0x00, 0x00, 0x60, 0x13}));
    EXPECT_EQ(frames.toneFrame, (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0}));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].message, "Finish successfully!");
    EXPECT_EQ(opener.opens, 1);
}
