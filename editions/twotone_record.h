#pragma once

#include "editions/edition.h"

namespace tolvan {

// The two-tone choice of a cps-twotone channel: byte 12 bits 4 (call in use) and
// 5 (decoder in use), byte 14 bits 0-4 (encode entry - 1) and 5-7 (decoder - 1).
// Only the Channel Edit dialog writes it; the channel table never touches it.
struct TwoToneSelection {
    bool callOn = false;
    bool decodeOn = false;
    int callEntry = 0;  // 0..31, shown 1..32
    int decoder = 0;    // 0..7, shown 1..8

    bool operator==(const TwoToneSelection&) const = default;
};

TwoToneSelection readTwoToneSelection(const Edition& edition, const MemoryImage& image, int channel);
void writeTwoToneSelection(const Edition& edition, MemoryImage& image, int channel, const TwoToneSelection& selection);

// The signalling kind of byte 12's low bits: 0..3 for 0x1, 0x2, 0x4, 0x8; -1
// for any other value.
int signallingIndex(std::uint8_t byte12);

// Byte 12 after choosing signalling `index` (0..3; -1 for none): the chosen bit
// replaces the other kind bits, keeping bits 4-7; none makes the whole byte 0xF7.
std::uint8_t withSignalling(std::uint8_t byte12, int index);

} // namespace tolvan
