#include "dialogs/two_tone_tables.h"

#include "codeplug/decimal.h"
#include "codeplug/text_util.h"

#include <algorithm>

namespace tolvan {
namespace {

using namespace twotone;

constexpr std::int64_t kPerTenth = 10000;             // hundred-thousandths of a unit per tenth
constexpr std::int64_t kLowestTone = 2885 * kPerTenth;  // 288.5 Hz
constexpr std::int64_t kHighestTone = 31060 * kPerTenth;
constexpr std::int64_t kLargestStoredTone = 65535 * kPerTenth;  // what 16 bits hold

// Typed numbers are read exactly, to five decimals (more than a box can hold).
std::int64_t hundredThousandths(std::string_view text)
{
    return scaleDecimal(parseLeadingDecimal(text), 5, Rounding::TowardZero);
}

// "%<width>.1f" of a count of tenths.
std::string formatTenths(std::int64_t tenths, int width)
{
    const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
    std::string text;
    if (tenths < 0)
        text += '-';
    text += std::to_string(magnitude / 10);
    text += '.';
    text += std::to_string(magnitude % 10);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string formatRounded(std::int64_t n5, int width)
{
    const std::int64_t half = n5 < 0 ? -kPerTenth / 2 : kPerTenth / 2;
    return formatTenths((n5 + half) / kPerTenth, width);
}

std::uint16_t readBe16(const MemoryImage& image, std::size_t offset)
{
    return static_cast<std::uint16_t>(image.at(offset) << 8 | image.at(offset + 1));
}

// A 16-bit field keeps the low 16 bits of its value.
void writeBe16(MemoryImage& image, std::size_t offset, std::int64_t value)
{
    const auto v = static_cast<std::uint16_t>(value & 0xFFFF);
    image.set(offset, static_cast<std::uint8_t>(v >> 8));
    image.set(offset + 1, static_cast<std::uint8_t>(v & 0xFF));
}

void writeBothBe16(MemoryImage& image, std::size_t offset, std::int64_t value, std::int64_t count)
{
    writeBe16(image, offset, value);
    writeBe16(image, offset + kCountForm, count);
}

// dividend / f rounded half up, for f in hundred-thousandths (f > 0).
std::int64_t divisorCount(std::int64_t dividend, std::int64_t n5)
{
    return (2 * dividend * 100000 + n5) / (2 * n5);
}

// A time box as tenths (value form) and 50 ms ticks (count form), each truncated
// from the shown decimal and held within the spin's range so that no byte overflows.
void writeTime(MemoryImage& image, std::size_t offset, std::string_view text, const TimeSpin& spin)
{
    std::int64_t hundredths = scaleDecimal(parseLeadingDecimal(text), 2, Rounding::TowardZero);
    hundredths = std::clamp<std::int64_t>(hundredths, spin.lowestTenths() * 10, spin.highestTenths() * 10);
    image.set(offset, static_cast<std::uint8_t>(hundredths / 10));
    image.set(offset + kCountForm, static_cast<std::uint8_t>(hundredths / 5));
}

void writeMilliseconds(MemoryImage& image, std::size_t offset, int ms, const MillisecondSpin& spin)
{
    const int kept = std::clamp(ms, spin.minimum, spin.maximum);
    writeBothBe16(image, offset, kept, kept / 50);
}

std::size_t encodeOffset(int row, int tone)
{
    return kEncodeTones + 4 * static_cast<std::size_t>(row) + 2 * static_cast<std::size_t>(tone);
}

std::size_t decoderOffset(int decoder)
{
    return kDecoders + 8 * static_cast<std::size_t>(decoder);
}

void writeDecoderTone(MemoryImage& image, std::size_t offset, std::string_view text)
{
    const std::int64_t n5 = std::clamp<std::int64_t>(hundredThousandths(text), 0, kLargestStoredTone);
    const std::int64_t value = n5 / kPerTenth;
    if (value == 0)
        writeBothBe16(image, offset, 0, 0);
    else
        writeBothBe16(image, offset, value, divisorCount(kDecodeDividend, n5));
}

} // namespace

std::string TimeSpin::step(std::string_view text, bool up) const
{
    const std::int64_t tenths = scaleDecimal(parseLeadingDecimal(text), 1, Rounding::TowardZero);
    std::int64_t position = std::clamp<std::int64_t>(tenths - offset, minimum, maximum);
    position = std::clamp<std::int64_t>(position + (up ? 1 : -1), minimum, maximum);
    return formatTenths(position + offset, 2);
}

int MillisecondSpin::step(int value, bool up) const
{
    const int next = value + (up ? increment : -increment);
    if (next > maximum)
        return minimum;
    if (next < minimum)
        return maximum;
    return next;
}

const TimeSpin& TwoToneTables::encodeDelaySpin()
{
    static const TimeSpin spin{0, 95, 5};
    return spin;
}

const TimeSpin& TwoToneTables::encodeLongSpin()
{
    static const TimeSpin spin{0, 100, 0};
    return spin;
}

std::string MillisecondSpin::rangeMessage(std::string_view pattern) const
{
    return filledIn(pattern, {std::to_string(minimum), std::to_string(maximum)});
}

const MillisecondSpin& TwoToneTables::intervalSpin()
{
    static const MillisecondSpin spin{0, 2000, 100};
    return spin;
}

const MillisecondSpin& TwoToneTables::txRiseSpin()
{
    static const MillisecondSpin spin{100, 1000, 50};
    return spin;
}

const std::array<TimeSpin, 4>& TwoToneTables::decoderTimeSpins()
{
    static const std::array<TimeSpin, 4> spins = {TimeSpin{5, 100, 0}, TimeSpin{0, 100, 0}, TimeSpin{0, 20, 0},
                                                  TimeSpin{5, 100, 0}};
    return spins;
}

EncodePageValues TwoToneTables::readEncode(const MemoryImage& image, const EncodePageValues& shown)
{
    EncodePageValues v;
    for (int row = 0; row < kEncodeEntries; ++row)
        for (int tone = 0; tone < 2; ++tone) {
            const std::uint16_t stored = readBe16(image, encodeOffset(row, tone));
            v.tones[static_cast<std::size_t>(row)][static_cast<std::size_t>(tone)] =
                stored == 0 ? std::string() : formatTenths(stored, 4);
        }
    v.firstDelay = formatTenths(image.at(kFirstDelay), 2);
    v.secondDelay = formatTenths(image.at(kSecondDelay), 2);
    v.longDelay = formatTenths(image.at(kLongDelay), 2);
    v.interval = readBe16(image, kInterval);
    v.txRise = readBe16(image, kTxRise);
    const std::uint8_t kill = image.at(kShortKill);
    v.shortKill = kill <= 1 ? kill == 1 : shown.shortKill;
    return v;
}

void TwoToneTables::writeEncode(const EncodePageValues& v, MemoryImage& image)
{
    for (int row = 0; row < kEncodeEntries; ++row)
        for (int tone = 0; tone < 2; ++tone) {
            const std::string& text = v.tones[static_cast<std::size_t>(row)][static_cast<std::size_t>(tone)];
            const std::int64_t n5 = std::max<std::int64_t>(hundredThousandths(text), 0);
            if (n5 == 0)
                writeBothBe16(image, encodeOffset(row, tone), 0, 0);
            else
                writeBothBe16(image, encodeOffset(row, tone), n5 / kPerTenth, divisorCount(kEncodeDividend, n5));
        }
    writeTime(image, kFirstDelay, v.firstDelay, encodeDelaySpin());
    writeTime(image, kSecondDelay, v.secondDelay, encodeDelaySpin());
    writeTime(image, kLongDelay, v.longDelay, encodeLongSpin());
    writeMilliseconds(image, kInterval, v.interval, intervalSpin());
    writeMilliseconds(image, kTxRise, v.txRise, txRiseSpin());
    image.set(kShortKill, v.shortKill ? 1 : 0);
    image.set(kShortKill + kCountForm, v.shortKill ? 1 : 0);
}

DecoderPageValues TwoToneTables::readDecoder(const MemoryImage& image, int decoder)
{
    const std::size_t base = decoderOffset(decoder);
    DecoderPageValues v;
    v.aTone = formatTenths(readBe16(image, base), 0);
    v.bTone = formatTenths(readBe16(image, base + 2), 0);
    for (std::size_t t = 0; t < 4; ++t)
        v.times[t] = formatTenths(image.at(base + 4 + t), 2);
    return v;
}

void TwoToneTables::writeDecoder(const DecoderPageValues& v, int decoder, MemoryImage& image)
{
    const std::size_t base = decoderOffset(decoder);
    writeDecoderTone(image, base, v.aTone);
    writeDecoderTone(image, base + 2, v.bTone);
    for (std::size_t t = 0; t < 4; ++t)
        writeTime(image, base + 4 + t, v.times[t], decoderTimeSpins()[t]);
}

std::string TwoToneTables::commitToneText(std::string_view typed)
{
    if (typed.empty())
        return {};
    const std::int64_t n5 = std::clamp(hundredThousandths(typed), kLowestTone, kHighestTone);
    return formatRounded(n5, 4);
}

std::optional<std::string> TwoToneTables::editorStartText(char key)
{
    if (key >= '0' && key <= '9')
        return std::string(1, key);
    return std::nullopt;
}

std::optional<GridCell> TwoToneTables::commitCell(EncodePageValues& values, GridCell cell, std::string_view typed,
                                                  CommitBy by)
{
    auto& row = values.tones.at(static_cast<std::size_t>(cell.row));
    row.at(static_cast<std::size_t>(cell.tone)) = commitToneText(typed);
    if (cell.tone == 0) {
        if (row[1].empty())
            row[1] = row[0];
        return GridCell{cell.row, 1};
    }
    // A second tone needs a first one.
    if (by == CommitBy::Enter) {
        if (row[0].empty() && !row[1].empty()) {
            row[1].clear();
            return GridCell{cell.row, 0};
        }
        return GridCell{std::min(cell.row + 1, kEncodeEntries - 1), 0};
    }
    if (row[0].empty())
        row[1].clear();
    // Leaving moves the cursor on only from the rows shown as 1-15.
    const int shownRow = cell.row + 1;
    if (shownRow < 16)
        return GridCell{cell.row + 1, 0};
    return std::nullopt;
}

GridCell TwoToneTables::enterOnGrid(GridCell cell)
{
    if (cell.tone == 0)
        return {cell.row, 1};
    return {std::min(cell.row + 1, kEncodeEntries - 1), 0};
}

std::string TwoToneTables::stepDecoderTone(std::string_view text, bool up)
{
    const std::int64_t n5 = hundredThousandths(text);
    if (up) {
        if (n5 == kHighestTone)
            return "0.0";
        if (n5 == 0)
            return "288.5";
        return formatRounded(n5 + kPerTenth, 4);
    }
    if (n5 == kLowestTone)
        return "0.0";
    if (n5 == 0)
        return "3106.0";
    return formatRounded(n5 - kPerTenth, 4);
}

} // namespace tolvan
