#include "codeplug/data_password.h"

namespace tolvan {
namespace {

bool isDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }

} // namespace

std::string readDataPassword(const MemoryImage& image, std::size_t offset)
{
    std::string digits;
    for (std::uint8_t b : image.bytes(offset, kDataPasswordLength))
        if (isDigit(b))
            digits += static_cast<char>(b);
    return digits;
}

void writeDataPassword(MemoryImage& image, std::size_t offset, std::string_view text)
{
    for (std::size_t i = 0; i < kDataPasswordLength; ++i) {
        const auto c = i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0xFF};
        image.set(offset + i, isDigit(c) ? c : std::uint8_t{0xFF});
    }
}

} // namespace tolvan
