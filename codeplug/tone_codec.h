#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tolvan {

// A CTCSS/DCS tone as stored: low byte first, high byte second. The bytes are kept
// as they are so that a record that is read and written back stays byte-exact.
struct ToneCode {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;

    static ToneCode off() { return {}; }
    bool isOff() const { return high == 0x00 || high == 0xFF; }
    bool operator==(const ToneCode&) const = default;
};

ToneCode toneFromBytes(std::span<const std::uint8_t> two);
void toneToBytes(ToneCode tone, std::span<std::uint8_t> two);

// "OFF" (or, where `offText` is empty, nothing) for no tone; "67.0" for CTCSS;
// "D023N" / "D023I" for DCS normal / inverted.
std::string toneText(ToneCode tone, std::string_view offText = "OFF");

// A text with a capital "D" is a DCS code ("D023N"; inverted unless it holds an
// "N"); any other text is a CTCSS frequency in hertz. Zero, "OFF" and the empty
// text give no tone.
ToneCode toneFromText(std::string_view text);

} // namespace tolvan
