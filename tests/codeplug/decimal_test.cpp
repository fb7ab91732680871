#include "codeplug/decimal.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace tolvan;

// Decimal texts scaled exactly, truncated or rounded half away from zero, one
// case a line.
TEST(Decimal, ScaledTextsMatchTheGoldenFile)
{
    const std::pair<const char*, int> scaled[] = {
        {"88.5", 1}, {"69.3", 1}, {"-2.75", 1}, {"0.5", 0}, {"0.49", 0}, {"0.0000049", 5}, {".5", 1}, {"5.", 1},
        {"2E+2", 0}, {"1.5e12", 0}, {"+7x", 0}, {".", 0}, {"-", 0}, {"9e99", 0}, {"-9e99", 0}, {"1e", 0},
    };
    std::string out;
    for (const auto& [text, shift] : scaled) {
        const Decimal d = parseLeadingDecimal(text);
        char line[128];
        std::snprintf(line, sizeof line, "[%s] x 10^%d: truncated %lld, rounded %lld\n", text, shift,
                      static_cast<long long>(scaleDecimal(d, shift, Rounding::TowardZero)),
                      static_cast<long long>(scaleDecimal(d, shift, Rounding::HalfAwayFromZero)));
        out += line;
    }
    expectGolden("codeplug", "decimal", out);
}

TEST(Decimal, LeadingIntegers)
{
    const std::pair<const char*, int> integers[] = {
        {" 01", 1}, {"1 ", 1}, {"-3x", -3}, {"yes", 0}, {"", 0}, {"\t\n\v\f\r 9", 9}};
    for (const auto& [text, value] : integers)
        EXPECT_EQ(parseLeadingInteger(text), value) << text;
    EXPECT_EQ(parseLeadingDigits("023N"), 23);
    EXPECT_EQ(parseLeadingDigits("99999999999999999999999"), INT64_MAX);
}
