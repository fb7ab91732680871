#include "dialogs/test_mode_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvan {
namespace {

using Frame = std::array<std::uint8_t, 8>;
using S = TestModeState;

S openOnBand(const char* edition = "cps-twotone", const char* band = "136 - 174MHz")
{
    return S(S::baseFrequency(*findEdition(edition), band));
}

TEST(TestModeState, TestFrequenciesStartFromTheBandOrTheEditionsBase)
{
    struct Case {
        const char *edition, *band, *high, *middle, *low;
    };
    const Case cases[] = {
        {"cps-twotone", "136 - 174MHz", "156.00000", "146.00000", "136.00000"},
        {"cps-twotone", " 67 -  72MHz", "87.00000", "77.00000", "67.00000"},
        {"cps16-cn", "150-174MHz", "170.00000", "160.00000", "150.00000"},
        {"cps-keys", "136 - 174MHz", "470.00000", "460.00000", "450.00000"},
        {"cps16", "150-174MHz", "470.00000", "460.00000", "450.00000"},
    };
    for (const Case& c : cases) {
        S s = openOnBand(c.edition, c.band);
        const std::pair<int, const char*> boxes[] = {
            {S::kHighFrequency, c.high}, {S::kMiddleFrequency, c.middle}, {S::kLowFrequency, c.low}};
        for (const auto& [node, text] : boxes) {
            s.select(node);
            EXPECT_EQ(s.boxText(TestSide::Receive), text) << c.edition << " " << c.band;
            EXPECT_EQ(s.boxText(TestSide::Transmit), text) << c.edition << " " << c.band;
        }
    }
}

TEST(TestModeState, TreeSelectionDrivesPagesAndTheDefaultButton)
{
    S s = openOnBand();
    EXPECT_EQ(s.page(), TestPage::None);
    EXPECT_FALSE(s.defaultVisible());
    EXPECT_FALSE(s.applyDefault()) << "nothing is visible yet";
    EXPECT_EQ(s.boxText(TestSide::Receive), "") << "boxes stay empty until a frequency is chosen";
    EXPECT_FALSE(s.select(S::kDebugItem));
    EXPECT_FALSE(s.defaultVisible()) << "a root shows nothing";
    s.select(S::kSquelchLevel);
    EXPECT_TRUE(s.defaultVisible());
    EXPECT_EQ(std::pair(s.page(), s.currentItem()), std::pair(TestPage::Item, TestItem::SquelchLevel));
    s.select(S::kLowFrequency);
    EXPECT_EQ(std::pair(s.page(), s.currentFrequency()), std::pair(TestPage::Frequency, TestFrequency::Low));
    s.select(S::kDebugFrequency);
    EXPECT_EQ(s.page(), TestPage::Frequency) << "a root leaves the page as it was";
    EXPECT_TRUE(s.select(S::kExitDebug));
}

TEST(TestModeState, TypedFrequenciesAreClampedOrRoundedToTheStepAndNotStored)
{
    struct Case {
        int step;
        const char *typed, *shown;
    };
    const Case cases[] = {
        {0, "170", "156.00000"},  // above the band's 20 MHz: its upper end, not rounded
        {0, "100", "136.00000"},      {0, "-5", "136.00000"},       {0, "abc", "136.00000"},
        {0, "1000", "156.00000"},     {0, "99999999999999999999", "156.00000"},
        {0, "145.0125", "145.01000"},  // remainder 250 rounds down
        {0, "145.0126", "145.01500"}, {1, "145.0031", "145.00000"}, {1, "145.0032", "145.00625"},
        {1, "155.99999", "156.00000"}, {0, "", ""},
    };
    for (const Case& c : cases) {
        S s = openOnBand();
        s.select(S::kHighFrequency);
        s.setStep(TestSide::Receive, c.step);
        s.setStep(TestSide::Transmit, 1 - c.step);
        EXPECT_EQ(s.normalised(TestSide::Receive, c.typed), c.shown) << c.typed;
    }
    S s = openOnBand();
    s.select(S::kHighFrequency);
    s.setBoxText(TestSide::Receive, "140");
    s.normaliseBox(TestSide::Receive);
    EXPECT_EQ(s.boxText(TestSide::Receive), "140.00000");
    s.select(S::kLowFrequency);
    s.select(S::kHighFrequency);
    EXPECT_EQ(s.boxText(TestSide::Receive), "156.00000");
}

TEST(TestModeState, FramesOfTheExamplesAndOfStart)
{
    EXPECT_EQ(testFrequencyFrame("136.01250", "145.12500"), (Frame{0x50, 0x12, 0x60, 0x13, 0x00, 0x25, 0x51, 0x14}));
    EXPECT_EQ(testFrequencyFrame("", ""), Frame{});
    EXPECT_EQ(testToneFrame("88.5", "OFF", 7), (Frame{0x85, 0x08, 0x00, 0x00, 0xFB, 0x01, 0x01, 7}));
    EXPECT_EQ(testToneFrame("210.7", "D023N", 255), (Frame{0x07, 0x21, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xFF}));

    // Start before choosing a frequency sends zeros.
    S s = openOnBand();
    TestModeRequest r = s.prepareStart();
    EXPECT_EQ(r.itemCode, 0x71);
    EXPECT_EQ(r.frequencyFrame, Frame{});
    EXPECT_EQ(r.toneFrame, (Frame{0x00, 0x00, 0x00, 0x00, 0xFB, 0x01, 0x01, 0x00}));

    // Then the item, the boxes and the tones.
    s.select(S::kMiddleFrequency);
    s.setMethod(TestSide::Receive, 0);
    s.setTone(TestSide::Receive, 9);  // 88.5
    s.setMethod(TestSide::Transmit, 1);
    s.setTone(TestSide::Transmit, 0);          // 210.7
    s.setBoxText(TestSide::Transmit, "1000");  // never confirmed with Enter
    s.select(S::kSquelchLevel);
    s.setValue(160);
    r = s.prepareStart();
    EXPECT_EQ(r.itemCode, 0x73);
    EXPECT_EQ(r.frequencyFrame, (Frame{0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x60, 0x15}));
    EXPECT_EQ(r.toneFrame, (Frame{0x85, 0x08, 0x07, 0x21, 0xFB, 0x01, 0x01, 0xA0}));
}

TEST(TestModeState, ToneKindAndDefaultRestoreWhatIsShown)
{
    S s = openOnBand();
    s.select(S::kHighFrequency);
    s.setTone(TestSide::Receive, 5);
    s.setMethod(TestSide::Receive, 0);
    EXPECT_EQ(s.current().rxTone, 5) << "the kind already chosen changes nothing";
    s.setMethod(TestSide::Receive, 1);
    EXPECT_EQ(std::pair(s.current().rxTone, s.current().rxMethod), std::pair(0, 1));

    std::vector<int> defaults;
    for (TestItem item : {TestItem::TxFrequency, TestItem::LowPowerVoltage, TestItem::SquelchLevel, TestItem::TxPower}) {
        s.select(S::kTxFrequency + static_cast<int>(item));
        s.setValue(3);
        EXPECT_TRUE(s.applyDefault());
        defaults.push_back(s.value(item));
    }
    EXPECT_EQ(defaults, (std::vector<int>{91, 38, 160, 47}));

    s.select(S::kMiddleFrequency);
    s.setStep(TestSide::Transmit, 1);
    s.setMethod(TestSide::Receive, 1);
    s.setTone(TestSide::Receive, 4);
    s.setBoxText(TestSide::Receive, "150");
    EXPECT_TRUE(s.applyDefault());
    EXPECT_EQ(std::vector({s.current().txStep, s.current().rxMethod, s.current().rxTone}), std::vector({0, 0, 0}));
    EXPECT_EQ(s.boxText(TestSide::Receive), "146.00000");
}

} // namespace
} // namespace tolvan
