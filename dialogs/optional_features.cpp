#include "dialogs/optional_features.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tolvan {
namespace {

bool isDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }
bool isLetter(std::uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A stored list index, or `fallback` when the list has no such item.
int listIndex(std::uint8_t stored, int items, int fallback = 0)
{
    return stored < items ? stored : fallback;
}

std::uint8_t indexByte(int index)
{
    return static_cast<std::uint8_t>(index);  // no selection (-1) is stored as 0xFF
}

bool readBit(const MemoryImage& image, const SettingsBit& b) { return image.bit(b.offset, b.bit); }
void writeBit(MemoryImage& image, const SettingsBit& b, bool on) { image.setBit(b.offset, b.bit, on); }

// Digits and letters of an identity field, letters in upper case; anything
// else (0xFF padding included) is skipped wherever it stands.
std::string readIdText(const MemoryImage& image, std::size_t offset)
{
    std::string text;
    for (std::uint8_t c : image.bytes(offset, OptionalFeatures::kIdLength))
        if (isDigit(c) || isLetter(c))
            text += static_cast<char>(std::toupper(c));
    return text;
}

std::string readGroupId(const MemoryImage& image, std::size_t offset)
{
    std::string text;
    for (std::uint8_t c : image.bytes(offset, OptionalFeatures::kGroupIdLength))
        if (isDigit(c))
            text += static_cast<char>(c);
    return text;
}

// Characters that are neither letters nor digits are stored as "0", not refused.
std::uint8_t digitByte(char c)
{
    const auto u = static_cast<std::uint8_t>(c);
    return isDigit(u) ? u : '0';
}

void writeIdText(MemoryImage& image, std::size_t offset, std::string_view text)
{
    for (std::size_t i = 0; i < OptionalFeatures::kIdLength; ++i) {
        std::uint8_t b = 0xFF;
        if (i < text.size()) {
            const auto c = static_cast<std::uint8_t>(text[i]);
            b = isLetter(c) ? static_cast<std::uint8_t>(std::toupper(c)) : digitByte(text[i]);
        }
        image.set(offset + i, b);
    }
}

// A four-digit Group ID lies between 0000 and 1999: a larger first digit is stored as 1.
void writeGroupId(MemoryImage& image, std::size_t offset, std::string_view text)
{
    const std::string_view kept = text.substr(0, OptionalFeatures::kGroupIdLength);
    for (std::size_t i = 0; i < OptionalFeatures::kIdLength; ++i) {
        std::uint8_t b = 0xFF;
        if (i < kept.size()) {
            b = digitByte(kept[i]);
            if (kept.size() == 4 && i == 0 && b > '1')
                b = '1';
        }
        image.set(offset + i, b);
    }
}

} // namespace

OptionalFeaturesValues OptionalFeatures::read(const MemoryImage& image) const
{
    const OptionalFeaturesLayout& l = layout_;
    OptionalFeaturesValues v;

    const std::uint8_t timeOut = image.at(l.timeOut);
    v.timeOut = timeOut <= kTimeOutSteps ? timeOut : 0;

    v.squelch = listIndex(image.at(l.squelch), kSquelchItems);
    if (l.pf2)
        v.pf2 = listIndex(image.at(*l.pf2), kKeyItems);
    if (l.pf1)
        v.pf1 = listIndex(image.at(*l.pf1), kKeyItems);
    const std::uint8_t priority = image.at(l.priorityChannel);
    v.priorityChannel = priority >= 1 && priority <= kPriorityItems ? priority - 1 : -1;
    v.voxGain = listIndex(image.at(l.voxGain), kVoxItems);
    v.signalMode = listIndex(image.at(l.signalMode), kSignalModeItems);

    v.beep = readBit(image, l.beep);
    v.scrambler = readBit(image, l.scrambler);
    v.batterySave = readBit(image, l.batterySave);
    // Code 1 is never written; it reads as the first item, like code 3.
    const int code = image.at(l.flags) & 0x03;
    const auto& codes = l.languageCodes;
    const auto found = std::find(codes.begin(), codes.end(), code);
    if (found != codes.end())
        v.language = static_cast<int>(found - codes.begin());
    else
        v.language = code == 1 ? 0 : -1;

    v.beginOfTx = readBit(image, l.beginOfTx);
    v.endOfTx = readBit(image, l.endOfTx);

    v.groupId = readGroupId(image, l.groupId);
    v.id = readIdText(image, l.id);
    v.killId = readIdText(image, l.killId);
    v.callId = readIdText(image, l.callId);
    v.checkId = readIdText(image, l.checkId);
    v.listenId = readIdText(image, l.listenId);
    return v;
}

void OptionalFeatures::write(const OptionalFeaturesValues& v, MemoryImage& image) const
{
    const OptionalFeaturesLayout& l = layout_;
    if (v.language >= 0 && v.language < languageItems())
        image.set(l.flags, l.languageCodes[static_cast<std::size_t>(v.language)]);
    writeBit(image, l.scrambler, v.scrambler);
    writeBit(image, l.beep, v.beep);
    writeBit(image, l.batterySave, v.batterySave);

    writeBit(image, l.beginOfTx, v.beginOfTx);
    writeBit(image, l.endOfTx, v.endOfTx);

    image.set(l.squelch, indexByte(v.squelch));
    image.set(l.timeOut, static_cast<std::uint8_t>(std::clamp(v.timeOut, 0, kTimeOutSteps)));
    image.set(l.voxGain, indexByte(v.voxGain));
    image.set(l.signalMode, indexByte(v.signalMode));
    for (const auto& [offset, value] : l.fixedOnOk)
        image.set(offset, value);

    if (l.pf1)
        image.set(*l.pf1, indexByte(v.pf1));
    if (l.pf2)
        image.set(*l.pf2, indexByte(v.pf2));
    image.set(l.priorityChannel, static_cast<std::uint8_t>(v.priorityChannel + 1));

    writeGroupId(image, l.groupId, v.groupId);
    writeIdText(image, l.id, v.id);
    writeIdText(image, l.killId, v.killId);
    writeIdText(image, l.callId, v.callId);
    writeIdText(image, l.checkId, v.checkId);
    writeIdText(image, l.listenId, v.listenId);
}

std::string OptionalFeatures::timeOutText(int position)
{
    return position == 0 ? "OFF" : std::to_string(position * 15);
}

bool OptionalFeatures::idBoxAcceptsKey(int virtualKey)
{
    return (virtualKey >= 0x30 && virtualKey <= 0x39) || (virtualKey >= 0x41 && virtualKey <= 0x5A)
           || (virtualKey >= 0x61 && virtualKey <= 0x7A) || virtualKey == 0x08;
}

} // namespace tolvan
