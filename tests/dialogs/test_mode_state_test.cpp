#include "dialogs/test_mode_state.h"
#include "golden.h"

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

// The three test frequencies start from the band's lower end, or from the
// edition's own base; a typed frequency is held to 20 MHz above the start and
// rounded to the step, the other box's step not counting.
TEST(TestModeState, TestFrequenciesAndTypedOnesMatchTheGoldenFile)
{
    std::string out;
    const std::pair<const char*, const char*> bands[] = {
        {"cps-twotone", "136 - 174MHz"}, {"cps-twotone", " 67 -  72MHz"}, {"cps16-cn", "150-174MHz"},
        {"cps-keys", "136 - 174MHz"},    {"cps16", "150-174MHz"},
    };
    for (const auto& [edition, band] : bands) {
        S s = openOnBand(edition, band);
        out += std::string(edition) + " [" + band + "]:";
        for (int node : {S::kHighFrequency, S::kMiddleFrequency, S::kLowFrequency}) {
            s.select(node);
            out += " " + s.boxText(TestSide::Receive) + "/" + s.boxText(TestSide::Transmit);
        }
        out += "\n";
    }
    const std::pair<int, const char*> typed[] = {
        {0, "170"},      {0, "100"},      {0, "-5"},       {0, "abc"},      {0, "1000"},     {0, "99999999999999999999"},
        {0, "145.0125"}, {0, "145.0126"}, {1, "145.0031"}, {1, "145.0032"}, {1, "155.99999"}, {0, ""},
    };
    for (const auto& [step, text] : typed) {
        S s = openOnBand();
        s.select(S::kHighFrequency);
        s.setStep(TestSide::Receive, step);
        s.setStep(TestSide::Transmit, 1 - step);
        out += "step " + std::to_string(step) + " typed [" + text + "] shows [" + s.normalised(TestSide::Receive, text) + "]\n";
    }
    expectGolden("dialogs", "test_mode_frequencies", out);
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

TEST(TestModeState, ToneKindAndDefaultRestoreWhatIsShownAndTypedFrequenciesAreNotStored)
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

    // A typed frequency confirmed with Enter is not stored in the record.
    s.select(S::kHighFrequency);
    s.setBoxText(TestSide::Receive, "140");
    s.normaliseBox(TestSide::Receive);
    EXPECT_EQ(s.boxText(TestSide::Receive), "140.00000");
    s.select(S::kLowFrequency);
    s.select(S::kHighFrequency);
    EXPECT_EQ(s.boxText(TestSide::Receive), "156.00000");
}

} // namespace
} // namespace tolvan
