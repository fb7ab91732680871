#include "dialogs/settings_fields.h"

#include <cctype>

namespace tolvan::id_code {
namespace {

bool isDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }
bool isLetter(std::uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Characters that are neither letters nor digits are stored as "0", not refused.
std::uint8_t digitByte(char c)
{
    const auto u = static_cast<std::uint8_t>(c);
    return isDigit(u) ? u : '0';
}

} // namespace

std::string readDigits(const MemoryImage& image, std::size_t offset)
{
    std::string text;
    for (std::uint8_t c : image.bytes(offset, kDigitCodeLength))
        if (isDigit(c))
            text += static_cast<char>(c);
    return text;
}

void writeDigits(MemoryImage& image, std::size_t offset, std::string_view text)
{
    const std::string_view kept = text.substr(0, kDigitCodeLength);
    for (std::size_t i = 0; i < kBytes; ++i) {
        std::uint8_t b = 0xFF;
        if (i < kept.size()) {
            b = digitByte(kept[i]);
            if (kept.size() == kDigitCodeLength && i == 0 && b > '1')
                b = '1';
        }
        image.set(offset + i, b);
    }
}

std::string readText(const MemoryImage& image, std::size_t offset)
{
    std::string text;
    for (std::uint8_t c : image.bytes(offset, kBytes))
        if (isDigit(c) || isLetter(c))
            text += static_cast<char>(std::toupper(c));
    return text;
}

void writeText(MemoryImage& image, std::size_t offset, std::string_view text)
{
    for (std::size_t i = 0; i < kBytes; ++i) {
        std::uint8_t b = 0xFF;
        if (i < text.size()) {
            const auto c = static_cast<std::uint8_t>(text[i]);
            b = isLetter(c) ? static_cast<std::uint8_t>(std::toupper(c)) : digitByte(text[i]);
        }
        image.set(offset + i, b);
    }
}

} // namespace tolvan::id_code
