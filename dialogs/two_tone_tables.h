#pragma once

#include "codeplug/memory_image.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvan {

// The two-tone area of the image. Every tone and time is stored twice: the
// value the dialog reads back, and 0x100 bytes further on the count form only
// the radio uses (a divider count for tones, 50 ms ticks for times). Numbers of
// two bytes are binary, most significant byte first.
namespace twotone {
constexpr std::size_t kCountForm = 0x100;
constexpr std::size_t kEncodeTones = 0xE00;  // entry n (1-32): tone 1 at +4(n-1), tone 2 two bytes on
constexpr std::size_t kDecoders = 0xE80;     // decoder k (0-7) at +8k: A, B, four time bytes
constexpr std::size_t kFirstDelay = 0xEC0;
constexpr std::size_t kSecondDelay = 0xEC1;
constexpr std::size_t kLongDelay = 0xEC2;
constexpr std::size_t kInterval = 0xEC3;
constexpr std::size_t kTxRise = 0xEC5;
constexpr std::size_t kShortKill = 0xEC7;
constexpr int kEncodeEntries = 32;
constexpr int kDecoderCount = 8;
constexpr std::int64_t kEncodeDividend = 111957;
constexpr std::int64_t kDecodeDividend = 895658;
} // namespace twotone

// A time box with its spin: the box shows (position + offset) / 10 seconds.
struct TimeSpin {
    int minimum = 0;
    int maximum = 0;
    int offset = 0;

    int lowestTenths() const { return minimum + offset; }
    int highestTenths() const { return maximum + offset; }
    // What one arrow press makes of the box; the spin stops at its ends.
    std::string step(std::string_view text, bool up) const;
};

// A spin of whole milliseconds whose arrows wrap round at both ends.
struct MillisecondSpin {
    int minimum = 0;
    int maximum = 0;
    int increment = 0;

    int step(int value, bool up) const;
    bool accepts(std::int64_t value) const { return value >= minimum && value <= maximum; }
    // What a refused box tells the user: `pattern` with %1 and %2 made the limits.
    std::string rangeMessage(std::string_view pattern) const;
};

struct EncodePageValues {
    std::array<std::array<std::string, 2>, twotone::kEncodeEntries> tones;  // "" = empty
    std::string firstDelay;
    std::string secondDelay;
    std::string longDelay;
    int interval = 0;  // ms
    int txRise = 0;    // ms
    bool shortKill = false;
};

struct DecoderPageValues {
    std::string aTone;
    std::string bTone;
    std::array<std::string, 4> times;  // first delay, second delay, interval, long tone delay
};

enum class CommitBy { Enter, Leaving };

struct GridCell {
    int row = 0;   // 0-31
    int tone = 0;  // 0 = tone 1, 1 = tone 2
    bool operator==(const GridCell&) const = default;
};

// The encode table and the eight decoders: what their pages show, and how the
// shown texts go back into both forms of the image.
class TwoToneTables {
public:
    static const TimeSpin& encodeDelaySpin();   // first and second delay, 0.5-10.0 s
    static const TimeSpin& encodeLongSpin();    // 0.0-10.0 s
    static const MillisecondSpin& intervalSpin();  // 0-2000 ms by 100
    static const MillisecondSpin& txRiseSpin();    // 100-1000 ms by 50
    static const std::array<TimeSpin, 4>& decoderTimeSpins();

    // The encode page keeps its "Short kill tone" mark when the stored byte is
    // neither 0 nor 1, so reading starts from what the page showed before.
    static EncodePageValues readEncode(const MemoryImage& image, const EncodePageValues& shown = {});
    static void writeEncode(const EncodePageValues& values, MemoryImage& image);
    static DecoderPageValues readDecoder(const MemoryImage& image, int decoder);
    static void writeDecoder(const DecoderPageValues& values, int decoder, MemoryImage& image);

    // A committed tone cell: empty stays empty, anything else is read as hertz,
    // held within 288.5-3106.0 and shown with one decimal.
    static std::string commitToneText(std::string_view typed);
    // The first key on a tone cell: a digit opens the box with it; anything else
    // is refused (the caller shows the digit message and opens the box empty).
    static std::optional<std::string> editorStartText(char key);
    // Commits `typed` into `cell` and applies the row rules (the second tone
    // follows the first; a second tone without a first is erased). Returns the
    // cell the cursor moves to, or nothing when it stays where the user went.
    static std::optional<GridCell> commitCell(EncodePageValues& values, GridCell cell, std::string_view typed,
                                              CommitBy by);
    // Enter on the grid with no box open.
    static GridCell enterOnGrid(GridCell cell);

    // The decoder tone arrows run through off (0.0) and 288.5-3106.0 Hz.
    static std::string stepDecoderTone(std::string_view text, bool up);
};

} // namespace tolvan
