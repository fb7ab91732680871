#include "codeplug/decimal.h"

#include <gtest/gtest.h>

using namespace tolvan;

TEST(Decimal, ScalesExactly)
{
    struct Case {
        const char* text;
        int shift;
        Rounding rounding;
        std::int64_t expected;
    };
    const auto trunc = Rounding::TowardZero;
    const auto half = Rounding::HalfAwayFromZero;
    const Case cases[] = {
        {"88.5", 1, trunc, 885},  {"69.3", 1, trunc, 693},       {"-2.75", 1, trunc, -27}, {"-2.75", 1, half, -28},
        {"0.5", 0, half, 1},      {"0.49", 0, half, 0},          {"0.0000049", 5, half, 0}, {".5", 1, trunc, 5},
        {"5.", 1, trunc, 50},     {"2E+2", 0, trunc, 200},       {"+7x", 0, trunc, 7},     {".", 0, trunc, 0},
        {"-", 0, trunc, 0},       {"9e99", 0, trunc, INT64_MAX}, {"-9e99", 0, trunc, -INT64_MAX},
        {"1e", 0, trunc, 1},  // an exponent without digits is not read
    };
    for (const Case& c : cases)
        EXPECT_EQ(scaleDecimal(parseLeadingDecimal(c.text), c.shift, c.rounding), c.expected) << c.text;
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
