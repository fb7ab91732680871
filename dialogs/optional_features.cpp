#include "dialogs/optional_features.h"

#include "dialogs/settings_fields.h"

#include <algorithm>

namespace tolvan {

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

    v.groupId = id_code::readDigits(image, l.groupId);
    v.id = id_code::readText(image, l.id);
    v.killId = id_code::readText(image, l.killId);
    v.callId = id_code::readText(image, l.callId);
    v.checkId = id_code::readText(image, l.checkId);
    v.listenId = id_code::readText(image, l.listenId);
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

    id_code::writeDigits(image, l.groupId, v.groupId);
    id_code::writeText(image, l.id, v.id);
    id_code::writeText(image, l.killId, v.killId);
    id_code::writeText(image, l.callId, v.callId);
    id_code::writeText(image, l.checkId, v.checkId);
    id_code::writeText(image, l.listenId, v.listenId);
}

std::string OptionalFeatures::timeOutText(int position, const std::string& off)
{
    return position == 0 ? off : std::to_string(position * 15);
}

bool OptionalFeatures::idBoxAcceptsKey(int virtualKey)
{
    return (virtualKey >= 0x30 && virtualKey <= 0x39) || (virtualKey >= 0x41 && virtualKey <= 0x5A)
           || (virtualKey >= 0x61 && virtualKey <= 0x7A) || virtualKey == 0x08;
}

} // namespace tolvan
