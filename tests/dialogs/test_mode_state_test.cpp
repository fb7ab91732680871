#include "dialogs/test_mode_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvan {
namespace {

using Frame = std::array<std::uint8_t, 8>;

const Edition& twoTone() { return *findEdition("cps-twotone"); }

TestModeState openOnBand(const char* band = "136 - 174MHz")
{
    return TestModeState(TestModeState::baseFrequency(twoTone(), band));
}

TEST(TestModeState, TestFrequenciesStartFromTheBandOrTheEditionsBase)
{
    struct Case {
        const char* edition;
        const char* band;
        const char* high;
        const char* low;
    };
    for (const Case& c : std::vector<Case>{{"cps-twotone", "136 - 174MHz", "156.00000", "136.00000"},
                                           {"cps-twotone", " 67 -  72MHz", "87.00000", "67.00000"},
                                           {"cps16-cn", "150-174MHz", "170.00000", "150.00000"},
                                           {"cps-keys", "136 - 174MHz", "470.00000", "450.00000"},
                                           {"cps16", "150-174MHz", "470.00000", "450.00000"}}) {
        TestModeState s(TestModeState::baseFrequency(*findEdition(c.edition), c.band));
        s.select(TestModeState::kHighFrequency);
        EXPECT_EQ(s.boxText(TestSide::Receive), c.high) << c.edition;
        EXPECT_EQ(s.boxText(TestSide::Transmit), c.high) << c.edition;
        s.select(TestModeState::kLowFrequency);
        EXPECT_EQ(s.boxText(TestSide::Receive), c.low) << c.edition;
    }
    TestModeState s = openOnBand();
    s.select(TestModeState::kMiddleFrequency);
    EXPECT_EQ(s.boxText(TestSide::Transmit), "146.00000");
}

TEST(TestModeState, TreeSelectionDrivesPagesAndTheDefaultButton)
{
    TestModeState s = openOnBand();
    EXPECT_EQ(s.page(), TestPage::None);
    EXPECT_FALSE(s.defaultVisible());
    EXPECT_EQ(s.boxText(TestSide::Receive), "") << "boxes stay empty until a frequency is chosen";
    EXPECT_FALSE(s.select(TestModeState::kDebugItem));
    EXPECT_FALSE(s.defaultVisible()) << "a root shows nothing";
    s.select(TestModeState::kSquelchLevel);
    EXPECT_TRUE(s.defaultVisible());
    EXPECT_EQ(s.page(), TestPage::Item);
    EXPECT_EQ(s.currentItem(), TestItem::SquelchLevel);
    s.select(TestModeState::kLowFrequency);
    EXPECT_EQ(s.page(), TestPage::Frequency);
    EXPECT_EQ(s.currentFrequency(), TestFrequency::Low);
    s.select(TestModeState::kDebugFrequency);
    EXPECT_EQ(s.page(), TestPage::Frequency) << "a root leaves the page as it was";
    EXPECT_TRUE(s.select(TestModeState::kExitDebug));

    std::vector<int> numbers;
    for (const TestModeNode& n : TestModeState::tree())
        numbers.push_back(n.number);
    EXPECT_EQ(numbers, (std::vector<int>{5567, 5568, 5569, 5571, 5572, 5573, 5574, 5575, 5576, 5577}));
}

TEST(TestModeState, TypedFrequenciesAreClampedOrRoundedToTheStep)
{
    struct Case {
        int step;
        const char* typed;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {0, "170", "156.00000"},  // above the band's 20 MHz: its upper end, not rounded
        {0, "100", "136.00000"},
        {0, "-5", "136.00000"},
        {0, "abc", "136.00000"},
        {0, "1000", "156.00000"},
        {0, "99999999999999999999", "156.00000"},
        {0, "145.0125", "145.01000"},  // remainder 250 rounds down
        {0, "145.0126", "145.01500"},
        {1, "145.0031", "145.00000"},
        {1, "145.0032", "145.00625"},
        {1, "155.99999", "156.00000"},
        {0, "", ""},
    };
    for (const Case& c : cases) {
        TestModeState s = openOnBand();
        s.select(TestModeState::kHighFrequency);
        s.setStep(TestSide::Receive, c.step);
        s.setStep(TestSide::Transmit, 1 - c.step);
        EXPECT_EQ(s.normalised(TestSide::Receive, c.typed), c.shown) << c.typed;
    }
}

TEST(TestModeState, NormalisedTextIsNotStoredInTheRecord)
{
    TestModeState s = openOnBand();
    s.select(TestModeState::kHighFrequency);
    s.setBoxText(TestSide::Receive, "140");
    s.normaliseBox(TestSide::Receive);
    EXPECT_EQ(s.boxText(TestSide::Receive), "140.00000");
    s.select(TestModeState::kLowFrequency);
    s.select(TestModeState::kHighFrequency);
    EXPECT_EQ(s.boxText(TestSide::Receive), "156.00000");
}

TEST(TestModeState, ToneListsSplitAtEntry43)
{
    const auto qt = TestModeState::toneItems(0);
    const auto dqt = TestModeState::toneItems(1);
    ASSERT_EQ(qt.size(), 43u);
    ASSERT_EQ(dqt.size(), 168u);
    EXPECT_EQ(qt.front(), "OFF");
    EXPECT_EQ(qt.back(), "206.5");
    EXPECT_EQ(dqt.front(), "210.7");
    EXPECT_EQ(dqt[7], "254.1");
    EXPECT_EQ(dqt[8], "D023N");
    EXPECT_EQ(dqt.back(), "D325I");
}

TEST(TestModeState, FramesOfTheExamples)
{
    EXPECT_EQ(testFrequencyFrame("136.01250", "145.12500"), (Frame{0x50, 0x12, 0x60, 0x13, 0x00, 0x25, 0x51, 0x14}));
    EXPECT_EQ(testFrequencyFrame("", ""), Frame{});
    EXPECT_EQ(testToneFrame("88.5", "OFF", 7), (Frame{0x85, 0x08, 0x00, 0x00, 0xFB, 0x01, 0x01, 7}));
    EXPECT_EQ(testToneFrame("210.7", "D023N", 255), (Frame{0x07, 0x21, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xFF}));
}

TEST(TestModeState, StartBeforeChoosingAFrequencySendsZeros)
{
    TestModeState s = openOnBand();
    const TestModeRequest r = s.prepareStart();
    EXPECT_EQ(r.itemCode, 0x71);
    EXPECT_EQ(r.frequencyFrame, Frame{});
    EXPECT_EQ(r.toneFrame, (Frame{0x00, 0x00, 0x00, 0x00, 0xFB, 0x01, 0x01, 0x00}));
}

TEST(TestModeState, StartSendsTheItemTheBoxesAndTheTones)
{
    TestModeState s = openOnBand();
    s.select(TestModeState::kMiddleFrequency);
    s.setMethod(TestSide::Receive, 0);
    s.setTone(TestSide::Receive, 9);  // 88.5
    s.setMethod(TestSide::Transmit, 1);
    s.setTone(TestSide::Transmit, 0);  // 210.7
    s.setBoxText(TestSide::Transmit, "1000");  // never confirmed with Enter
    s.select(TestModeState::kSquelchLevel);
    s.setValue(160);
    const TestModeRequest r = s.prepareStart();
    EXPECT_EQ(r.itemCode, 0x73);
    EXPECT_EQ(r.frequencyFrame, (Frame{0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x60, 0x15}));
    EXPECT_EQ(r.toneFrame, (Frame{0x85, 0x08, 0x07, 0x21, 0xFB, 0x01, 0x01, 0xA0}));
}

TEST(TestModeState, ChangingTheToneKindRestartsItsList)
{
    TestModeState s = openOnBand();
    s.select(TestModeState::kHighFrequency);
    s.setTone(TestSide::Receive, 5);
    s.setMethod(TestSide::Receive, 0);
    EXPECT_EQ(s.current().rxTone, 5) << "the kind already chosen changes nothing";
    s.setMethod(TestSide::Receive, 1);
    EXPECT_EQ(s.current().rxTone, 0);
    EXPECT_EQ(s.current().rxMethod, 1);
}

TEST(TestModeState, DefaultRestoresWhatIsShown)
{
    TestModeState s = openOnBand();
    EXPECT_FALSE(s.applyDefault()) << "nothing is visible yet";

    for (TestItem item : {TestItem::TxFrequency, TestItem::LowPowerVoltage, TestItem::SquelchLevel, TestItem::TxPower}) {
        s.select(TestModeState::kTxFrequency + static_cast<int>(item));
        s.setValue(3);
        EXPECT_TRUE(s.applyDefault());
        EXPECT_EQ(s.value(item), TestModeState::itemDefault(item));
    }
    EXPECT_EQ(s.value(TestItem::TxFrequency), 91);
    EXPECT_EQ(s.value(TestItem::LowPowerVoltage), 38);
    EXPECT_EQ(s.value(TestItem::SquelchLevel), 160);
    EXPECT_EQ(s.value(TestItem::TxPower), 47);

    s.select(TestModeState::kMiddleFrequency);
    s.setStep(TestSide::Transmit, 1);
    s.setMethod(TestSide::Receive, 1);
    s.setTone(TestSide::Receive, 4);
    s.setBoxText(TestSide::Receive, "150");
    EXPECT_TRUE(s.applyDefault());
    EXPECT_EQ(s.current().txStep, 0);
    EXPECT_EQ(s.current().rxMethod, 0);
    EXPECT_EQ(s.current().rxTone, 0);
    EXPECT_EQ(s.boxText(TestSide::Receive), "146.00000");
}

} // namespace
} // namespace tolvan
