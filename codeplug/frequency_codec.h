#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// Frequencies are counts of 10 Hz units (145.125 MHz is 14 512 500); 0 means "no
// frequency". In a record they are 8 BCD digits, least significant pair first.
using TenHz = std::uint32_t;

constexpr TenHz kTenHzPerMHz = 100000;

// Bytes 0..3 of a frequency field. A top byte of 0x00 or 0xFF reads as no frequency.
TenHz frequencyFromBytes(std::span<const std::uint8_t> four);
// No frequency (0) is written as four 0xFF bytes. Values above 99 999 999 do not
// fit in eight digits and are never produced by the entry check.
void frequencyToBytes(TenHz n, std::span<std::uint8_t> four);

// "%3.5f" of n / 100000, computed on integers: 14512500 gives "145.12500".
std::string formatMHz(TenHz n);
// The table's text for a stored frequency: empty for none.
std::string frequencyText(TenHz n);

// Text to 10 Hz units for storing a cell: the leading decimal number, rounded to 15
// significant digits, times 100 000 exactly, truncated. Zero, negative and
// out-of-range values give 0 (no frequency), never a wrapped-around number.
TenHz frequencyFromText(std::string_view text);

// The frequency entry check of one edition: range, then step, then (in editions
// that have one) the band chosen on the form.
struct FrequencyRule {
    TenHz minimum = 0;
    TenHz maximum = 0;
    std::vector<TenHz> steps;  // in 10 Hz units, tested in this order: 625, 500, 250
    // Some editions reformat the text with five decimals (rounding) before they
    // convert; the others truncate to 10 Hz.
    bool roundToTenHz = false;
};

struct Band {
    TenHz low = 0;
    TenHz high = 0;  // both included
};

enum class FrequencyVerdict { Accepted, OutOfRange, OffStep, OutOfBand };

struct FrequencyEntry {
    FrequencyVerdict verdict = FrequencyVerdict::OutOfRange;
    TenHz value = 0;   // valid when accepted
    std::string text;  // the cell's new text when accepted ("%3.5f" of value)
};

// Checks a non-empty typed text. The range test sees the exact decimal value in 64
// bits, so no huge or negative input can wrap into range; the accepted text is
// written from the 10 Hz value that passed, so the cell never holds an off-step text.
FrequencyEntry checkFrequencyEntry(std::string_view text, const FrequencyRule& rule,
                                   const std::optional<Band>& band = std::nullopt);

} // namespace tolvan
