#include "codeplug/frequency_codec.h"

#include "codeplug/bcd.h"
#include "codeplug/decimal.h"


namespace tolvan {
namespace {

constexpr TenHz kLargestStorable = 99999999;

std::int64_t textToTenHz(std::string_view text, bool roundToTenHz)
{
    const Decimal v = roundSignificant(parseLeadingDecimal(text), 15);
    return scaleDecimal(v, 5, roundToTenHz ? Rounding::HalfAwayFromZero : Rounding::TowardZero);
}

} // namespace

TenHz frequencyFromBytes(std::span<const std::uint8_t> four)
{
    if (four[3] == 0x00 || four[3] == 0xFF)
        return 0;
    TenHz n = 0;
    for (int i = 3; i >= 0; --i)
        n = n * 100 + static_cast<TenHz>(bcdValue(four[static_cast<std::size_t>(i)]));
    return n;
}

void frequencyToBytes(TenHz n, std::span<std::uint8_t> four)
{
    if (n == 0 || n > kLargestStorable) {
        for (int i = 0; i < 4; ++i)
            four[static_cast<std::size_t>(i)] = 0xFF;
        return;
    }
    for (int i = 0; i < 4; ++i) {
        four[static_cast<std::size_t>(i)] = toBcd(n % 100);
        n /= 100;
    }
}

std::string formatMHz(TenHz n)
{
    // "%u.%05u" by hand: every cell of a table load goes through here.
    char buf[16];
    char* p = buf + sizeof buf;
    unsigned fraction = n % kTenHzPerMHz;
    for (int i = 0; i < 5; ++i, fraction /= 10)
        *--p = static_cast<char>('0' + fraction % 10);
    *--p = '.';
    unsigned whole = n / kTenHzPerMHz;
    do
        *--p = static_cast<char>('0' + whole % 10);
    while ((whole /= 10) != 0);
    return std::string(p, buf + sizeof buf);
}

std::string frequencyText(TenHz n)
{
    return n == 0 ? std::string() : formatMHz(n);
}

TenHz frequencyFromText(std::string_view text)
{
    const std::int64_t n = textToTenHz(text, false);
    if (n <= 0 || n > kLargestStorable)
        return 0;
    return static_cast<TenHz>(n);
}

FrequencyEntry checkFrequencyEntry(std::string_view text, const FrequencyRule& rule,
                                   const std::optional<Band>& band)
{
    FrequencyEntry entry;
    const std::int64_t n = textToTenHz(text, rule.roundToTenHz);
    if (n < static_cast<std::int64_t>(rule.minimum) || n > static_cast<std::int64_t>(rule.maximum)) {
        entry.verdict = FrequencyVerdict::OutOfRange;
        return entry;
    }
    const auto value = static_cast<TenHz>(n);
    bool onStep = false;
    for (TenHz step : rule.steps)
        onStep = onStep || value % step == 0;
    if (!onStep) {
        entry.verdict = FrequencyVerdict::OffStep;
        return entry;
    }
    if (band && (value < band->low || value > band->high)) {
        entry.verdict = FrequencyVerdict::OutOfBand;
        return entry;
    }
    entry.verdict = FrequencyVerdict::Accepted;
    entry.value = value;
    entry.text = formatMHz(value);
    return entry;
}

} // namespace tolvan
