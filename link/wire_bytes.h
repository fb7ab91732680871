#pragma once

#include <array>
#include <cstdint>

namespace tolvan {

// Bytes both radio exchanges (clone and Test Mode) share on the wire.
inline constexpr std::array<std::uint8_t, 7> kWakeUpBytes = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
inline constexpr std::uint8_t kIdentifyBytes[] = {'M', 0x02};  // each written by itself
inline constexpr std::uint8_t kAck = 0x06;

} // namespace tolvan
