#include "dialogs/test_mode_state.h"

#include "codeplug/bcd.h"
#include "codeplug/decimal.h"
#include "codeplug/tone_list.h"

#include <algorithm>

namespace tolvan {
namespace {

constexpr int kQtEntries = 43;   // "OFF" and 67.0 to 206.5
constexpr int kDqtEntries = 168;  // 210.7 to 254.1, the normal codes, then D023I to D325I
constexpr TenHz kTenMHz = 10 * kTenHzPerMHz;
constexpr std::int64_t kSteps[2] = {500, 625};  // 5.00 and 6.25 kHz in 10 Hz units

std::int64_t tenHzOf(std::string_view text)
{
    return scaleDecimal(parseLeadingDecimal(text), 5, Rounding::HalfAwayFromZero);
}

// Eight BCD digits, least significant pair first; zero stays zero.
void putBcd(std::uint8_t* out, std::int64_t value, int pairs)
{
    for (int i = 0; i < pairs; ++i) {
        out[i] = toBcd(static_cast<unsigned>(value % 100));
        value /= 100;
    }
}

} // namespace

const std::vector<TestModeNode>& TestModeState::tree()
{
    static const std::vector<TestModeNode> nodes = {
        {kDebugFrequency, 0, true},
        {kHighFrequency, kDebugFrequency},
        {kMiddleFrequency, kDebugFrequency},
        {kLowFrequency, kDebugFrequency},
        {kDebugItem, 0, false},
        {kTxFrequency, kDebugItem},
        {kLowPowerVoltage, kDebugItem},
        {kSquelchLevel, kDebugItem},
        {kTxPower, kDebugItem},
        {kExitDebug, 0},
    };
    return nodes;
}

TenHz TestModeState::baseFrequency(const Edition& edition, std::string_view bandText)
{
    if (edition.testModeBaseMHz)
        return static_cast<TenHz>(*edition.testModeBaseMHz) * kTenHzPerMHz;
    const std::int64_t n = scaleDecimal(parseLeadingDecimal(bandText), 5, Rounding::TowardZero);
    // A band edge above 979 MHz could not be sent in eight digits with its 20 MHz.
    return static_cast<TenHz>(std::clamp<std::int64_t>(n, 0, 97999999));
}

TestModeState::TestModeState(TenHz bandLow) : bandLow_(bandLow)
{
    for (TestFrequency f : {TestFrequency::High, TestFrequency::Middle, TestFrequency::Low})
        records_[static_cast<std::size_t>(f)] = defaultRecord(f);
}

TestFrequencyRecord TestModeState::defaultRecord(TestFrequency f) const
{
    const TenHz offset = f == TestFrequency::High ? 2 * kTenMHz : f == TestFrequency::Middle ? kTenMHz : 0;
    TestFrequencyRecord r;
    r.rx = r.tx = bandLow_ + offset;
    return r;
}

std::vector<std::string> TestModeState::toneItems(int method)
{
    const auto& texts = ToneList::instance().texts();
    const auto first = texts.begin() + (method == 0 ? 0 : kQtEntries);
    return {first, first + (method == 0 ? kQtEntries : kDqtEntries)};
}

std::uint8_t TestModeState::itemCode(TestItem item)
{
    return static_cast<std::uint8_t>(0x71 + static_cast<int>(item));
}

int TestModeState::itemDefault(TestItem item)
{
    static constexpr int defaults[4] = {91, 38, 160, 47};
    return defaults[static_cast<int>(item)];
}

bool TestModeState::select(int nodeNumber)
{
    const auto& nodes = tree();
    const auto node = std::find_if(nodes.begin(), nodes.end(), [&](const TestModeNode& n) { return n.number == nodeNumber; });
    if (node == nodes.end())
        return false;
    if (node->parent != 0) {
        defaultHidden_ = false;
        page_ = node->parent == kDebugFrequency ? TestPage::Frequency : TestPage::Item;
    }
    switch (nodeNumber) {
    case kHighFrequency:
    case kMiddleFrequency:
    case kLowFrequency:
        currentFreq_ = nodeNumber == kHighFrequency     ? TestFrequency::High
                       : nodeNumber == kMiddleFrequency ? TestFrequency::Middle
                                                        : TestFrequency::Low;
        frequencyChosen_ = true;
        showRecord();
        return false;
    case kTxFrequency:
    case kLowPowerVoltage:
    case kSquelchLevel:
    case kTxPower:
        currentItem_ = static_cast<TestItem>(nodeNumber - kTxFrequency);
        return false;
    case kExitDebug:
        return true;
    default:
        return false;
    }
}

void TestModeState::showRecord()
{
    rxText_ = formatMHz(current().rx);
    txText_ = formatMHz(current().tx);
}

void TestModeState::setBoxText(TestSide side, std::string text)
{
    (side == TestSide::Receive ? rxText_ : txText_) = std::move(text);
}

std::string TestModeState::normalised(TestSide side, std::string_view typed) const
{
    if (typed.empty())
        return {};
    const std::int64_t lower = bandLow_;
    const std::int64_t upper = bandLow_ + 2 * kTenMHz;
    std::int64_t n = tenHzOf(typed);
    if (n > upper) {
        n = upper;
    } else if (n < lower) {
        n = lower;
    } else {
        const int stepIndex = side == TestSide::Receive ? current().rxStep : current().txStep;
        const std::int64_t step = kSteps[stepIndex];
        const std::int64_t r = n % step;
        // 5.00 kHz rounds a remainder of exactly half down, 6.25 kHz rounds it up.
        const bool up = step == 500 ? r > 250 : 2 * r >= step;
        n = up ? n + step - r : n - r;
    }
    return formatMHz(static_cast<TenHz>(n));
}

void TestModeState::normaliseBox(TestSide side)
{
    setBoxText(side, normalised(side, boxText(side)));
}

void TestModeState::setMethod(TestSide side, int method)
{
    TestFrequencyRecord& r = shown();
    int& kind = side == TestSide::Receive ? r.rxMethod : r.txMethod;
    if (kind == method)
        return;
    kind = method;
    (side == TestSide::Receive ? r.rxTone : r.txTone) = 0;
}

void TestModeState::setStep(TestSide side, int step)
{
    (side == TestSide::Receive ? shown().rxStep : shown().txStep) = step;
}

void TestModeState::setTone(TestSide side, int index)
{
    (side == TestSide::Receive ? shown().rxTone : shown().txTone) = index;
}

void TestModeState::setValue(int value)
{
    values_[static_cast<std::size_t>(currentItem_)] = std::clamp(value, 0, 255);
}

bool TestModeState::applyDefault()
{
    switch (page_) {
    case TestPage::Item:
        values_[static_cast<std::size_t>(currentItem_)] = itemDefault(currentItem_);
        return true;
    case TestPage::Frequency:
        shown() = defaultRecord(currentFreq_);
        showRecord();
        return true;
    case TestPage::None:
        break;
    }
    return false;
}

TestModeRequest TestModeState::prepareStart()
{
    normaliseBox(TestSide::Receive);
    normaliseBox(TestSide::Transmit);
    const TestFrequencyRecord& r = shown();
    const std::vector<std::string> rxTones = toneItems(r.rxMethod);
    const std::vector<std::string> txTones = toneItems(r.txMethod);
    TestModeRequest request;
    request.itemCode = itemCode(currentItem_);
    request.frequencyFrame = testFrequencyFrame(rxText_, txText_);
    request.toneFrame = testToneFrame(rxTones.at(static_cast<std::size_t>(r.rxTone)),
                                      txTones.at(static_cast<std::size_t>(r.txTone)), value(currentItem_));
    return request;
}

std::array<std::uint8_t, 8> testFrequencyFrame(std::string_view rxText, std::string_view txText)
{
    std::array<std::uint8_t, 8> frame{};
    putBcd(frame.data(), std::clamp<std::int64_t>(tenHzOf(rxText), 0, 99999999), 4);
    putBcd(frame.data() + 4, std::clamp<std::int64_t>(tenHzOf(txText), 0, 99999999), 4);
    return frame;
}

std::array<std::uint8_t, 8> testToneFrame(std::string_view rxTone, std::string_view txTone, int value)
{
    const auto tenths = [](std::string_view text) {
        return std::clamp<std::int64_t>(scaleDecimal(parseLeadingDecimal(text), 1, Rounding::HalfAwayFromZero), 0,
                                         9999);
    };
    std::array<std::uint8_t, 8> frame{};
    putBcd(frame.data(), tenths(rxTone), 2);
    putBcd(frame.data() + 2, tenths(txTone), 2);
    frame[4] = 0xFB;
    frame[5] = 0x01;
    frame[6] = 0x01;
    frame[7] = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    return frame;
}

} // namespace tolvan
