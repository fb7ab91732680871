#pragma once

#include "codeplug/memory_image.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvan {

// The six-digit data password some radios keep: ASCII digits, free positions 0xFF.
inline constexpr std::size_t kDataPasswordLength = 6;

// The digits found in the six bytes; any other byte is skipped wherever it stands.
std::string readDataPassword(const MemoryImage& image, std::size_t offset);
// Position i of the six gets the text's character i when that is a digit, else 0xFF.
void writeDataPassword(MemoryImage& image, std::size_t offset, std::string_view text);

} // namespace tolvan
