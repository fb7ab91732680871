#pragma once

#include <cstdint>
#include <span>
#include <string>

// Bytes as the golden files show them: " 00 25 51 14", a blank before each.
inline std::string spacedHex(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}
