#pragma once

#include "codeplug/frequency_codec.h"
#include "editions/edition.h"
#include "link/test_mode_session.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

enum class TestSide { Receive, Transmit };
enum class TestPage { None, Frequency, Item };
enum class TestFrequency { High, Middle, Low };
enum class TestItem { TxFrequency, LowPowerVoltage, SquelchLevel, TxPower };

// One test frequency as the dialog keeps it while it is open.
struct TestFrequencyRecord {
    TenHz rx = 0;
    TenHz tx = 0;
    int rxStep = 0;    // 0 = 5.00 kHz, 1 = 6.25 kHz
    int txStep = 0;
    int rxMethod = 0;  // 0 = QT, 1 = DQT
    int txMethod = 0;
    int rxTone = 0;    // index in the list of its kind
    int txTone = 0;
};

// A node of the Test Mode tree; `parent` is 0 for a root.
struct TestModeNode {
    int number = 0;
    int parent = 0;
    bool expanded = false;
};

// Everything the Test Mode dialog holds: three test frequencies, the selected
// page, the values of the four adjustable items and the two frequency boxes.
// Nothing of it is stored in the image.
class TestModeState {
public:
    static constexpr int kDebugFrequency = 5567;
    static constexpr int kHighFrequency = 5568;
    static constexpr int kMiddleFrequency = 5569;
    static constexpr int kLowFrequency = 5571;
    static constexpr int kDebugItem = 5572;
    static constexpr int kTxFrequency = 5573;
    static constexpr int kLowPowerVoltage = 5574;
    static constexpr int kSquelchLevel = 5575;
    static constexpr int kTxPower = 5576;
    static constexpr int kExitDebug = 5577;

    static const std::vector<TestModeNode>& tree();

    // The test frequencies start from the lower edge of the chosen band (the
    // band text read as a number), or from the edition's fixed base.
    static TenHz baseFrequency(const Edition& edition, std::string_view bandText);
    explicit TestModeState(TenHz bandLow);

    // Tone texts offered for a kind: QT lists entries 0-42 of the tone list,
    // DQT entries 43-210. The split is at entry 43, not at the first DCS code.
    static std::vector<std::string> toneItems(int method);
    static std::uint8_t itemCode(TestItem item);
    static int itemDefault(TestItem item);

    // Selecting a node; true when the node closes the dialog.
    bool select(int nodeNumber);

    TestPage page() const { return page_; }
    bool defaultVisible() const { return !defaultHidden_; }
    bool frequencyChosen() const { return frequencyChosen_; }
    TestFrequency currentFrequency() const { return currentFreq_; }
    TestItem currentItem() const { return currentItem_; }
    const TestFrequencyRecord& record(TestFrequency f) const { return records_[static_cast<std::size_t>(f)]; }
    const TestFrequencyRecord& current() const { return record(currentFreq_); }
    int value(TestItem item) const { return values_[static_cast<std::size_t>(item)]; }

    const std::string& boxText(TestSide side) const { return side == TestSide::Receive ? rxText_ : txText_; }
    void setBoxText(TestSide side, std::string text);
    // The typed frequency clamped to the band's 20 MHz and rounded to the
    // side's step; an empty box stays empty.
    std::string normalised(TestSide side, std::string_view typed) const;
    void normaliseBox(TestSide side);

    void setMethod(TestSide side, int method);  // refills the list: entry 0
    void setStep(TestSide side, int step);
    void setTone(TestSide side, int index);
    void setValue(int value);  // of the current item, from the slider

    // False when no page is showing (the caller shows its message).
    bool applyDefault();

    // What "Start" sends: the boxes are normalised first, so a box the user
    // never confirmed cannot carry an out-of-band value to the radio.
    TestModeRequest prepareStart();

private:
    TestFrequencyRecord& shown() { return records_[static_cast<std::size_t>(currentFreq_)]; }
    TestFrequencyRecord defaultRecord(TestFrequency f) const;
    void showRecord();

    TenHz bandLow_;
    std::array<TestFrequencyRecord, 3> records_;
    std::array<int, 4> values_{};
    TestFrequency currentFreq_ = TestFrequency::High;
    TestItem currentItem_ = TestItem::TxFrequency;
    TestPage page_ = TestPage::None;
    bool defaultHidden_ = true;
    bool frequencyChosen_ = false;
    std::string rxText_;
    std::string txText_;
};

// The eight bytes of two frequencies, 10 Hz units as BCD, low pair first; an
// empty box is 0.
std::array<std::uint8_t, 8> testFrequencyFrame(std::string_view rxText, std::string_view txText);
// Two tones (tenths of a hertz as BCD, low pair first; a text that is not a
// number is 0), then 0xFB 0x01 0x01 and the item's value.
std::array<std::uint8_t, 8> testToneFrame(std::string_view rxTone, std::string_view txTone, int value);

} // namespace tolvan
