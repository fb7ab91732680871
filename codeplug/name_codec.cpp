#include "codeplug/name_codec.h"

namespace tolvan {

std::uint8_t nameCharCode(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'Z')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c == '-')
        return 36;
    if (c == ' ')
        return 37;
    return 0xFF;
}

std::string decodeName(std::span<const std::uint8_t> eight)
{
    std::string name;
    for (std::size_t i = 0; i < kNameBytes && i < eight.size(); ++i) {
        const std::uint8_t b = eight[i];
        if (b == 0xFF)
            break;
        if (b <= 9)
            name += static_cast<char>('0' + b);
        else if (b <= 35)
            name += static_cast<char>('A' + b - 10);
        else if (b == 37)
            name += ' ';
        else
            name += '-';
    }
    return name;
}

std::array<std::uint8_t, kNameBytes> encodeName(std::string_view text)
{
    std::array<std::uint8_t, kNameBytes> bytes;
    bytes.fill(0xFF);
    for (std::size_t i = 0; i < kNameBytes && i < text.size(); ++i)
        bytes[i] = nameCharCode(text[i]);
    return bytes;
}

} // namespace tolvan
