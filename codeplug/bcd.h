#pragma once

#include <cstdint>

namespace tolvan {

// Packed BCD: tens in the high nibble, units in the low nibble (37 is 0x37).
// Reading does not check the nibbles, as the radio's own firmware does not:
// 0x1A reads as 1 * 10 + 10 = 20.
constexpr int bcdValue(std::uint8_t b) { return (b >> 4) * 10 + (b & 0x0F); }

// v must lie in 0..99; callers reduce with % 100 first.
constexpr std::uint8_t toBcd(unsigned v) { return static_cast<std::uint8_t>(((v / 10) << 4) | (v % 10)); }

} // namespace tolvan
