#pragma once

#include "editions/edition.h"

namespace tolvan {

// Byte 12 of a key-assignment or sixteen-channel record.
namespace small_radio {
constexpr int kBusyOffBit = 0;  // set: busy-channel lock-out off ("NO")
constexpr int kNarrowBit = 2;
constexpr int kScanBit = 3;
constexpr int kHighPowerBit = 4;

// Busy list indices.
constexpr int kBusyYes = 0;
constexpr int kBusyNo = 1;

// The sixteen-channel radios have one band width for all channels: it is read
// from channel 1 and written into all 16 records.
bool sharedNarrowBand(const Edition& edition, const MemoryImage& image);
void setSharedNarrowBand(const Edition& edition, MemoryImage& image, bool narrow);
} // namespace small_radio

} // namespace tolvan
