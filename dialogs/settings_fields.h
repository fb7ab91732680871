#pragma once

#include "codeplug/memory_image.h"
#include "editions/settings_layout.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvan {

// How the settings dialogs read and write their fields in the image.

// A stored list index, or `fallback` when the list has no such item.
inline int listIndex(std::uint8_t stored, int items, int fallback = 0)
{
    return stored < items ? stored : fallback;
}

// A list index as stored: no selection (-1) becomes 0xFF.
inline std::uint8_t indexByte(int index)
{
    return static_cast<std::uint8_t>(index);
}

inline bool readBit(const MemoryImage& image, const SettingsBit& b) { return image.bit(b.offset, b.bit); }
inline void writeBit(MemoryImage& image, const SettingsBit& b, bool on) { image.setBit(b.offset, b.bit, on); }

// The identity codes of the settings blocks: 8 bytes each, one ASCII character
// per byte, free positions 0xFF.
namespace id_code {

constexpr std::size_t kBytes = 8;
constexpr std::size_t kDigitCodeLength = 4;

// A code of up to four digits (a group ID, a PTT ID): read from its first 4
// bytes, digits only. Written with every non-digit as "0", and a four-digit
// code keeps within 0000-1999 (a larger first digit is stored as 1).
std::string readDigits(const MemoryImage& image, std::size_t offset);
void writeDigits(MemoryImage& image, std::size_t offset, std::string_view text);

// A code of digits and letters: read as the digits and letters of its 8 bytes
// in upper case, anything else (the 0xFF padding included) skipped wherever it
// stands. Written with letters in upper case and any other character as its
// digit ("0" when it is none).
std::string readText(const MemoryImage& image, std::size_t offset);
void writeText(MemoryImage& image, std::size_t offset, std::string_view text);

} // namespace id_code
} // namespace tolvan
