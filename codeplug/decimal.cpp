#include "codeplug/decimal.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace tolvan {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

} // namespace

Decimal parseLeadingDecimal(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    Decimal d;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        d.negative = text[i] == '-';
        ++i;
    }
    // The digits are read in place (the whole part, then the fraction), not
    // copied one by one: every frequency cell of a table store comes here.
    const std::size_t wholeStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const std::string_view whole = text.substr(wholeStart, i - wholeStart);
    std::string_view fraction;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        fraction = text.substr(i + 1, j - i - 1);
        if (!whole.empty() || !fraction.empty())
            i = j;
    }
    if (whole.empty() && fraction.empty())
        return {};

    long long exp10 = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                if (exp10 < 100000)
                    exp10 = exp10 * 10 + (text[j] - '0');
                ++j;
            }
            if (expNegative)
                exp10 = -exp10;
        }
    }

    // Leading zeros carry no value, nor do trailing ones; dropping the trailing
    // ones keeps the digit count honest.
    const std::size_t n = whole.size() + fraction.size();
    auto digit = [&](std::size_t k) { return k < whole.size() ? whole[k] : fraction[k - whole.size()]; };
    std::size_t first = 0;
    while (first < n && digit(first) == '0')
        ++first;
    if (first == n)
        return {};
    std::size_t last = n;
    while (digit(last - 1) == '0')
        --last;
    d.digits.reserve(last - first);
    if (first < whole.size())
        d.digits.append(whole.substr(first, std::min(last, whole.size()) - first));
    if (last > whole.size()) {
        const std::size_t from = std::max(first, whole.size()) - whole.size();
        d.digits.append(fraction.substr(from, last - whole.size() - from));
    }
    d.exponent = static_cast<int>(exp10 - static_cast<long long>(fraction.size()) + static_cast<long long>(n - last));
    return d;
}

Decimal roundSignificant(Decimal d, int significant)
{
    if (static_cast<int>(d.digits.size()) <= significant)
        return d;
    const bool up = d.digits[static_cast<std::size_t>(significant)] >= '5';
    d.exponent += static_cast<int>(d.digits.size()) - significant;
    d.digits.resize(static_cast<std::size_t>(significant));
    if (up) {
        int k = significant - 1;
        while (k >= 0 && d.digits[static_cast<std::size_t>(k)] == '9') {
            d.digits[static_cast<std::size_t>(k)] = '0';
            --k;
        }
        if (k < 0)
            d.digits.insert(d.digits.begin(), '1');
        else
            ++d.digits[static_cast<std::size_t>(k)];
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
        ++d.exponent;
    }
    return d;
}

std::int64_t scaleDecimal(const Decimal& d, int shift, Rounding rounding)
{
    if (d.isZero())
        return 0;
    const long long e = static_cast<long long>(d.exponent) + shift;
    const long long n = static_cast<long long>(d.digits.size());
    std::int64_t value = 0;
    bool saturated = false;
    // Integer part: digits followed by e zeros (e >= 0), or the first n + e digits.
    const long long integerDigits = n + e;
    for (long long k = 0; k < integerDigits && !saturated; ++k) {
        const int digit = k < n ? d.digits[static_cast<std::size_t>(k)] - '0' : 0;
        if (value > (kMax - digit) / 10)
            saturated = true;
        else
            value = value * 10 + digit;
    }
    if (saturated)
        return d.negative ? -kMax : kMax;
    if (rounding == Rounding::HalfAwayFromZero && integerDigits < n) {
        const long long firstDropped = integerDigits < 0 ? -1 : integerDigits;
        if (firstDropped >= 0 && d.digits[static_cast<std::size_t>(firstDropped)] >= '5' && value < kMax)
            ++value;
    }
    return d.negative ? -value : value;
}

std::int64_t parseLeadingDigits(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::int64_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (value > (kMax - digit) / 10)
            return kMax;
        value = value * 10 + digit;
    }
    return value;
}

std::int64_t parseLeadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !isDigit(text[i]))
        return 0;
    const std::int64_t v = parseLeadingDigits(text.substr(i));
    return negative ? -v : v;
}

} // namespace tolvan
