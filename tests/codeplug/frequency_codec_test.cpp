#include "codeplug/frequency_codec.h"

#include <gtest/gtest.h>

#include <array>

using namespace tolvan;

namespace {

std::array<std::uint8_t, 4> bytesOf(TenHz n)
{
    std::array<std::uint8_t, 5> b{};  // the fifth byte is not the frequency's
    frequencyToBytes(n, std::span(b).first<4>());
    EXPECT_EQ(b[4], 0x00) << n;
    return {b[0], b[1], b[2], b[3]};
}

const FrequencyRule kThreeSteps{6700000, 52100000, {625, 500, 250}, false};
const FrequencyRule kTwoSteps{6700000, 52100000, {625, 500}, false};
const FrequencyRule kSmallRadio{6000000, 60000000, {625, 500}, true};

} // namespace

TEST(FrequencyBytes, LeastSignificantPairFirst)
{
    EXPECT_EQ(bytesOf(14512500), (std::array<std::uint8_t, 4>{0x00, 0x25, 0x51, 0x14}));
    EXPECT_EQ(bytesOf(0), (std::array<std::uint8_t, 4>{0xFF, 0xFF, 0xFF, 0xFF}));

    struct Case {
        std::array<std::uint8_t, 4> bytes;
        TenHz expected;
    };
    const Case cases[] = {
        {{0x00, 0x25, 0x51, 0x14}, 14512500},
        {{0x12, 0x34, 0x56, 0x00}, 0},          // top byte 0x00: no frequency
        {{0x00, 0x00, 0x00, 0xFF}, 0},          // top byte 0xFF: no frequency
        {{0x1A, 0x00, 0x00, 0x01}, 1000020},    // nibbles are not checked: 0x1A reads 20
        {{0x00, 0x00, 0x00, 0x06}, 6000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frequencyFromBytes(c.bytes), c.expected);
    EXPECT_EQ(frequencyText(14512500), "145.12500");
    EXPECT_EQ(frequencyText(6700000), "67.00000");
    EXPECT_EQ(frequencyText(5), "0.00005");
    EXPECT_EQ(frequencyText(0), "");
}

TEST(FrequencyText, ParsesExactDecimals)
{
    struct Case {
        const char* text;
        TenHz expected;
    };
    const Case cases[] = {
        {"145.125", 14512500},
        {"145.1234567", 14512345},          // truncated, not rounded
        {"145.1", 14510000},                // no binary-fraction error
        {"  145.125MHz", 14512500},         // leading blanks, trailing junk
        {"1.45125e2", 14512500},
        {"145.1234567890123456", 14512345}, // 15 significant digits first
        {"0.9999999999999999", 100000},     // rounds up at the 15th digit
        {"0", 0},
        {"", 0},
        {"abc", 0},
        {"-145.125", 0},                    // never a wrapped-around value
        {"1e30", 0},
        {"43094.67296", 0},                 // does not fit eight digits
    };
    for (const Case& c : cases)
        EXPECT_EQ(frequencyFromText(c.text), c.expected) << c.text;
}

TEST(FrequencyEntryCheck, RangeThenStepThenBand)
{
    const Band band{43000000, 45000000};
    struct Case {
        const char* text;
        const FrequencyRule* rule;
        FrequencyVerdict verdict;
        const char* cellText;
        const Band* band = nullptr;
    };
    const auto ok = FrequencyVerdict::Accepted;
    const auto range = FrequencyVerdict::OutOfRange;
    const auto step = FrequencyVerdict::OffStep;
    const Case cases[] = {
        {"145.1", &kThreeSteps, ok, "145.10000"},   {"446", &kThreeSteps, ok, "446.00000"},
        {"66.99375", &kThreeSteps, range, ""},      {"521.00001", &kThreeSteps, range, ""},
        {"521", &kThreeSteps, ok, "521.00000"},     {"67", &kThreeSteps, ok, "67.00000"},
        {"145.0025", &kThreeSteps, ok, "145.00250"}, {"145.0010", &kThreeSteps, step, ""},
        {"446.003", &kThreeSteps, step, ""},
        {"43094.67296", &kThreeSteps, range, ""},  // once wrapped into range
        {"-145", &kThreeSteps, range, ""},          {"abc", &kThreeSteps, range, ""},
        {"1e400", &kThreeSteps, range, ""},
        {"145.000009", &kThreeSteps, ok, "145.00000"},  // the cell holds what passed
        {"445.0025", &kTwoSteps, step, ""},         {"445.00625", &kTwoSteps, ok, "445.00625"},
        {"59.99375", &kSmallRadio, range, ""},      {"600.00625", &kSmallRadio, range, ""},
        {"600", &kSmallRadio, ok, "600.00000"},     {"445.00625", &kSmallRadio, ok, "445.00625"},
        {"445.0025", &kSmallRadio, step, ""},
        {"145.000009", &kSmallRadio, step, ""},  // rounded to 145.00001 first
        {"145.004996", &kSmallRadio, ok, "145.00500"},
        // The band includes both bounds; range and step come first.
        {"440.000", &kTwoSteps, ok, "440.00000", &band}, {"430", &kTwoSteps, ok, "430.00000", &band},
        {"450.000", &kTwoSteps, ok, "450.00000", &band},
        {"450.00625", &kTwoSteps, FrequencyVerdict::OutOfBand, "", &band},
        {"600", &kTwoSteps, range, "", &band},      {"449.0025", &kTwoSteps, step, "", &band},
    };
    for (const Case& c : cases) {
        const FrequencyEntry e = c.band ? checkFrequencyEntry(c.text, *c.rule, *c.band) : checkFrequencyEntry(c.text, *c.rule);
        EXPECT_EQ(e.verdict, c.verdict) << c.text;
        EXPECT_EQ(e.text, c.cellText) << c.text;
        EXPECT_EQ(e.value, frequencyFromText(c.cellText)) << c.text;
    }
}

TEST(FrequencyRoundTrip, EveryStepOfABandSurvivesBytesAndText)
{
    for (TenHz n = 14400000; n <= 14600000; n += 125) {
        const auto b = bytesOf(n);
        ASSERT_EQ(frequencyFromBytes(b), n);
        ASSERT_EQ(frequencyFromText(frequencyText(n)), n);
    }
}
