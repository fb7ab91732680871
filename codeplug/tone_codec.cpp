#include "codeplug/tone_codec.h"

#include "codeplug/bcd.h"
#include "codeplug/decimal.h"

#include <charconv>

namespace tolvan {

ToneCode toneFromBytes(std::span<const std::uint8_t> two)
{
    return {two[0], two[1]};
}

void toneToBytes(ToneCode tone, std::span<std::uint8_t> two)
{
    two[0] = tone.low;
    two[1] = tone.high;
}

std::string toneText(ToneCode tone, std::string_view offText)
{
    if (tone.isOff())
        return std::string(offText);
    const int h = tone.high;
    const int low = bcdValue(tone.low);
    // Written into one buffer: every tone cell of a table load comes here.
    char buf[32];
    char* p = buf;
    char* const end = buf + sizeof buf;
    if (h >= 0x80) {
        const bool inverted = h >= 0xC0;
        const int hundreds = h - (inverted ? 0xC0 : 0x80);
        *p++ = 'D';
        if (hundreds == 0)
            *p++ = '0';
        p = std::to_chars(p, end, hundreds * 100 + low).ptr;
        *p++ = inverted ? 'I' : 'N';
        return std::string(buf, p);
    }
    const int tenths = bcdValue(tone.high) * 100 + low;
    p = std::to_chars(p, end, tenths / 10).ptr;
    *p++ = '.';
    p = std::to_chars(p, end, tenths % 10).ptr;
    return std::string(buf, p);
}

ToneCode toneFromText(std::string_view text)
{
    if (text.find('D') != std::string_view::npos) {
        const std::string_view rest = text.substr(1);
        const auto k = static_cast<unsigned>(parseLeadingDigits(rest) % 100000);
        const unsigned base = rest.find('N') != std::string_view::npos ? 0x80 : 0xC0;
        return {toBcd(k % 100), static_cast<std::uint8_t>(k / 100 + base)};
    }
    const std::int64_t tenths = scaleDecimal(parseLeadingDecimal(text), 1, Rounding::TowardZero);
    if (tenths <= 0)
        return ToneCode::off();
    const auto t = static_cast<unsigned>(tenths % 10000);
    return {toBcd(t % 100), toBcd(t / 100)};
}

} // namespace tolvan
