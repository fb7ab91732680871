#include "dialogs/test_mode_state.h"
#include "golden.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
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

// The dialog as it stands after each step of one visit.
std::string shownState(const S& s)
{
    const char* const pages[] = {"none", "frequency", "item"};
    const char* const frequencies[] = {"high", "middle", "low"};
    const char* const items[] = {"Tx frequency", "low power voltage", "squelch level", "Tx power"};
    const TestFrequencyRecord& r = s.current();
    std::ostringstream out;
    out << "  page " << pages[static_cast<int>(s.page())] << ", " << frequencies[static_cast<int>(s.currentFrequency())]
        << ", " << items[static_cast<int>(s.currentItem())] << (s.defaultVisible() ? ", Default shown" : "") << ", boxes ["
        << s.boxText(TestSide::Receive) << "] [" << s.boxText(TestSide::Transmit) << "], step/kind/tone Rx " << r.rxStep
        << "/" << r.rxMethod << "/" << r.rxTone << " Tx " << r.txStep << "/" << r.txMethod << "/" << r.txTone << ", values";
    for (TestItem item : {TestItem::TxFrequency, TestItem::LowPowerVoltage, TestItem::SquelchLevel, TestItem::TxPower})
        out << " " << s.value(item);
    return out.str() + "\n";
}

using Act = std::function<std::string(S&)>;
constexpr TestSide rx = TestSide::Receive;
constexpr TestSide tx = TestSide::Transmit;

Act pick(int node) { return [node](S& s) { return s.select(node) ? "closes" : ""; }; }

Act does(std::function<void(S&)> f)
{
    return [f](S& s) {
        f(s);
        return std::string();
    };
}

// Tree selection drives the pages and the Default button; a tone kind already
// chosen changes nothing; Default restores what is shown; Start sends what is
// shown (zeros before a frequency is chosen), and a typed frequency is not stored.
TEST(TestModeState, EveryStepOfAVisitMatchesTheGoldenFile)
{
    const Act byDefault = [](S& s) { return s.applyDefault() ? "restored" : "refused"; };
    const Act start = [](S& s) {
        const TestModeRequest r = s.prepareStart();
        return hexBytes(std::span(&r.itemCode, 1)) + " | " + hexBytes(r.frequencyFrame) + " | " + hexBytes(r.toneFrame);
    };
    const Act slider3 = does([](S& s) { s.setValue(3); });
    const std::pair<const char*, Act> steps[] = {
        {"Default", byDefault}, {"Start", start}, {"debug item root", pick(S::kDebugItem)},
        {"squelch level", pick(S::kSquelchLevel)}, {"low frequency", pick(S::kLowFrequency)},
        {"debug frequency root", pick(S::kDebugFrequency)}, {"middle frequency", pick(S::kMiddleFrequency)},
        {"Rx QT", does([](S& s) { s.setMethod(rx, 0); })},
        {"Rx tone 9", does([](S& s) { s.setTone(rx, 9); })},
        {"Tx DQT", does([](S& s) { s.setMethod(tx, 1); })},
        {"Tx tone 0", does([](S& s) { s.setTone(tx, 0); })},
        {"Tx typed 1000, no Enter", does([](S& s) { s.setBoxText(tx, "1000"); })},
        {"squelch level", pick(S::kSquelchLevel)},
        {"slider 160", does([](S& s) { s.setValue(160); })},
        {"Start", start}, {"high frequency", pick(S::kHighFrequency)},
        {"Rx tone 5", does([](S& s) { s.setTone(rx, 5); })},
        {"Rx QT again", does([](S& s) { s.setMethod(rx, 0); })},
        {"Rx DQT", does([](S& s) { s.setMethod(rx, 1); })},
        {"Tx frequency", pick(S::kTxFrequency)}, {"slider 3", slider3}, {"Default", byDefault},
        {"low power voltage", pick(S::kLowPowerVoltage)}, {"slider 3", slider3}, {"Default", byDefault},
        {"squelch level", pick(S::kSquelchLevel)}, {"slider 3", slider3}, {"Default", byDefault},
        {"Tx power", pick(S::kTxPower)}, {"slider 3", slider3}, {"Default", byDefault},
        {"middle frequency", pick(S::kMiddleFrequency)},
        {"Tx step 1", does([](S& s) { s.setStep(tx, 1); })},
        {"Rx DQT", does([](S& s) { s.setMethod(rx, 1); })},
        {"Rx tone 4", does([](S& s) { s.setTone(rx, 4); })},
        {"Rx typed 150", does([](S& s) { s.setBoxText(rx, "150"); })},
        {"Default", byDefault},
        {"high frequency", pick(S::kHighFrequency)},
        {"Rx typed 140", does([](S& s) { s.setBoxText(rx, "140"); })},
        {"Enter", does([](S& s) { s.normaliseBox(rx); })},
        {"low frequency", pick(S::kLowFrequency)},
        {"high frequency", pick(S::kHighFrequency)}, {"exit", pick(S::kExitDebug)},
    };
    S s = openOnBand();
    std::string out = "opened\n" + shownState(s);
    for (const auto& [what, act] : steps) {
        const std::string said = act(s);
        out += std::string(what) + (said.empty() ? "" : ": " + said) + "\n" + shownState(s);
    }
    expectGolden("dialogs", "test_mode_visit", out);
    // Two worked examples of the frames.
    EXPECT_EQ(testFrequencyFrame("136.01250", "145.12500"), (Frame{0x50, 0x12, 0x60, 0x13, 0x00, 0x25, 0x51, 0x14}));
    EXPECT_EQ(testToneFrame("88.5", "OFF", 7), (Frame{0x85, 0x08, 0x00, 0x00, 0xFB, 0x01, 0x01, 7}));
    EXPECT_EQ(testToneFrame("210.7", "D023N", 255), (Frame{0x07, 0x21, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xFF}));
}

} // namespace
} // namespace tolvan
