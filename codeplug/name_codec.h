#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tolvan {

// Channel names: 8 bytes, one character per byte in the radio's own code:
// "0"-"9" = 0-9, "A"-"Z" = 10-35, "-" = 36, space = 37, anything else 0xFF.
constexpr std::size_t kNameBytes = 8;

std::uint8_t nameCharCode(char c);

// Reads up to the first 0xFF or 8 characters. Codes outside the table show as "-";
// a stored space shows as a space, so a name survives read-save-write unchanged.
std::string decodeName(std::span<const std::uint8_t> eight);

// The i-th character goes to byte i; positions past the text are 0xFF and
// characters after the eighth are dropped.
std::array<std::uint8_t, kNameBytes> encodeName(std::string_view text);

} // namespace tolvan
