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
} // namespace small_radio

} // namespace tolvan
