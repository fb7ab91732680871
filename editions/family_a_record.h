#pragma once

#include "editions/channel_fields.h"
#include "editions/edition.h"

namespace tolvan {

// Byte 13 of a family-A record (cps-twotone and its variants).
namespace family_a {
constexpr int kBusyCarrierBit = 1;
constexpr int kBusyQtBit = 2;
constexpr int kScanBit = 3;
constexpr int kWideBit = 4;
constexpr int kHighPowerBit = 5;

// Busy list indices.
constexpr int kBusyClose = 0;
constexpr int kBusyCarrier = 1;
constexpr int kBusyQtDqt = 2;

// Channel flags and name, shared by every family-A edition.
void readChannelFlags(const MemoryImage& image, std::size_t record, ChannelFields& fields);
void writeChannelFlags(MemoryImage& image, std::size_t record, const ChannelFields& fields);
void readName(const Edition& edition, const MemoryImage& image, int channel, ChannelFields& fields);
void writeName(const Edition& edition, MemoryImage& image, int channel, const ChannelFields& fields);
} // namespace family_a

} // namespace tolvan
