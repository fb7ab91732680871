#include "codeplug/frequency_codec.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <array>

using namespace tolvan;

namespace {

const FrequencyRule kThreeSteps{6700000, 52100000, {625, 500, 250}, false};
const FrequencyRule kTwoSteps{6700000, 52100000, {625, 500}, false};
const FrequencyRule kSmallRadio{6000000, 60000000, {625, 500}, true};

} // namespace

// Stored bytes (least significant pair first), typed texts and the entry check
// (range, then step, then band), one case a line.
TEST(FrequencyCodec, BytesTextsAndEntriesMatchTheGoldenFile)
{
    std::string out;
    for (TenHz n : {14512500u, 6700000u, 5u, 0u, 99999999u, 100000000u}) {
        std::array<std::uint8_t, 5> b{};  // the fifth byte is not the frequency's
        frequencyToBytes(n, std::span(b).first<4>());
        out += std::to_string(n) + " [" + frequencyText(n) + "] is stored as " + hexBytes(b) + "\n";
    }
    const std::array<std::uint8_t, 4> stored[] = {
        {0x12, 0x34, 0x56, 0x00}, {0x00, 0x00, 0x00, 0xFF}, {0x1A, 0x00, 0x00, 0x01}, {0x00, 0x00, 0x00, 0x06},
    };
    for (const auto& b : stored)
        out += "stored " + hexBytes(b) + " reads " + std::to_string(frequencyFromBytes(b)) + "\n";
    for (const char* text : {"145.125", "145.1234567", "145.1", "  145.125MHz", "1.45125e2", "145.1234567890123456",
                             "0.9999999999999999", "0.00001", "0", "", "abc", "-145.125", "1e30", "43094.67296"})
        out += "typed [" + std::string(text) + "] reads " + std::to_string(frequencyFromText(text)) + "\n";

    const Band band{43000000, 45000000};
    const char* const verdicts[] = {"accepted", "out of range", "off step", "out of band"};
    const struct {
        const char* text;
        const FrequencyRule* rule;
        const Band* band = nullptr;
    } entries[] = {
        {"145.1", &kThreeSteps},     {"446", &kThreeSteps},        {"66.99375", &kThreeSteps},
        {"521.00001", &kThreeSteps}, {"521", &kThreeSteps},        {"67", &kThreeSteps},
        {"145.0025", &kThreeSteps},  {"145.0010", &kThreeSteps},   {"446.003", &kThreeSteps},
        {"43094.67296", &kThreeSteps}, {"-145", &kThreeSteps},     {"abc", &kThreeSteps},
        {"1e400", &kThreeSteps},     {"145.000009", &kThreeSteps}, {"445.0025", &kTwoSteps},
        {"445.00625", &kTwoSteps},   {"59.99375", &kSmallRadio},   {"600.00625", &kSmallRadio},
        {"600", &kSmallRadio},       {"445.00625", &kSmallRadio},  {"445.0025", &kSmallRadio},
        {"145.000009", &kSmallRadio}, {"145.004996", &kSmallRadio}, {"440.000", &kTwoSteps, &band},
        {"430", &kTwoSteps, &band},  {"450.000", &kTwoSteps, &band}, {"450.00625", &kTwoSteps, &band},
        {"600", &kTwoSteps, &band},  {"449.0025", &kTwoSteps, &band},
    };
    const std::pair<const FrequencyRule*, const char*> rules[] = {
        {&kThreeSteps, "2.5/5/6.25 kHz"}, {&kTwoSteps, "5/6.25 kHz"}, {&kSmallRadio, "small radio, 10 Hz rounding"}};
    for (const auto& c : entries) {
        const FrequencyEntry e = c.band ? checkFrequencyEntry(c.text, *c.rule, *c.band) : checkFrequencyEntry(c.text, *c.rule);
        EXPECT_EQ(e.value, frequencyFromText(e.text)) << c.text;
        const char* rule = std::find_if(std::begin(rules), std::end(rules), [&](auto& r) { return r.first == c.rule; })->second;
        out += "entry [" + std::string(c.text) + "], " + rule + (c.band ? ", band 430-450" : "") + ": "
               + verdicts[static_cast<int>(e.verdict)] + " [" + e.text + "]\n";
    }
    expectGolden("codeplug", "frequency_codec", out);
}

TEST(FrequencyRoundTrip, EveryStepOfABandSurvivesBytesAndText)
{
    for (TenHz n = 14400000; n <= 14600000; n += 125) {
        std::array<std::uint8_t, 4> b{};
        frequencyToBytes(n, b);
        ASSERT_EQ(frequencyFromBytes(b), n);
        ASSERT_EQ(frequencyFromText(frequencyText(n)), n);
    }
}
