#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvan {

// A decimal number read from the start of a typed text, kept exactly as typed:
// value = (negative ? -1 : 1) * digits * 10^exponent. Typed megahertz and hertz go
// through this instead of a double, so "145.125" is exactly 145.125.
struct Decimal {
    bool negative = false;
    std::string digits;  // without leading zeros; empty means zero
    int exponent = 0;

    bool isZero() const { return digits.empty(); }
};

// The number at the start of the text: leading blanks skipped, an optional sign,
// digits with an optional point and an optional exponent; reading stops at the
// first character that cannot continue the number. No number gives zero.
Decimal parseLeadingDecimal(std::string_view text);

// Keeps at most `significant` digits, rounding half away from zero.
Decimal roundSignificant(Decimal d, int significant);

enum class Rounding { TowardZero, HalfAwayFromZero };

// value * 10^shift as an integer, saturated to the int64 range so that absurd
// inputs stay absurd instead of wrapping around.
std::int64_t scaleDecimal(const Decimal& d, int shift, Rounding rounding);

// The digits at the start of the text (after blanks) as a non-negative integer,
// saturated; no digits gives 0.
std::int64_t parseLeadingDigits(std::string_view text);

// The C library's leading-integer rule: blanks, an optional sign, then digits.
std::int64_t parseLeadingInteger(std::string_view text);

} // namespace tolvan
