#include "dialogs/signalling_features.h"

#include "dialogs/settings_fields.h"

#include <algorithm>

namespace tolvan {

SignallingFeaturesValues SignallingFeatures::read(const MemoryImage& image) const
{
    const SignallingFeaturesLayout& l = layout_;
    SignallingFeaturesValues v;
    v.timeOut = listIndex(image.at(l.timeOut), kTimeOutSteps + 1);
    v.squelch = listIndex(image.at(l.squelch), kSquelchItems);

    const int code = image.at(l.flags) & 0x03;
    const auto found = std::find(l.languageCodes.begin(), l.languageCodes.end(), code);
    v.language = found == l.languageCodes.end() ? 0 : static_cast<int>(found - l.languageCodes.begin());
    v.beep = readBit(image, l.beep);
    v.scrambler = readBit(image, l.scrambler);
    v.batterySave = readBit(image, l.batterySave);

    v.voxGain = listIndex(image.at(l.voxGain), kVoxGainItems);
    v.voxDelay = listIndex(image.at(l.voxDelay), kVoxDelayItems);
    v.voxFunction = readBit(image, l.voxFunction);
    v.voxInhibit = readBit(image, l.voxInhibit);

    v.pf1 = listIndex(image.at(l.pf1), kKeyItems);
    v.pf2 = listIndex(image.at(l.pf2), kKeyItems);
    if (l.pttId)
        v.pttId = id_code::readDigits(image, *l.pttId);
    if (l.aniCode)
        v.aniCode = id_code::readText(image, *l.aniCode);
    if (l.beginOfTx)
        v.beginOfTx = readBit(image, *l.beginOfTx);
    if (l.endOfTx)
        v.endOfTx = readBit(image, *l.endOfTx);
    return v;
}

void SignallingFeatures::write(const SignallingFeaturesValues& v, MemoryImage& image) const
{
    const SignallingFeaturesLayout& l = layout_;
    if (v.language >= 0 && v.language < languageItems())
        image.set(l.flags, l.languageCodes[static_cast<std::size_t>(v.language)]);
    writeBit(image, l.beep, v.beep);
    writeBit(image, l.scrambler, v.scrambler);
    writeBit(image, l.batterySave, v.batterySave);
    writeBit(image, l.voxFunction, v.voxFunction);
    writeBit(image, l.voxInhibit, v.voxInhibit);
    if (l.beginOfTx)
        writeBit(image, *l.beginOfTx, v.beginOfTx);
    if (l.endOfTx)
        writeBit(image, *l.endOfTx, v.endOfTx);

    image.set(l.timeOut, static_cast<std::uint8_t>(std::clamp(v.timeOut, 0, kTimeOutSteps)));
    image.set(l.squelch, indexByte(v.squelch));
    image.set(l.voxGain, indexByte(v.voxGain));
    image.set(l.voxDelay, indexByte(v.voxDelay));
    image.set(l.pf1, indexByte(v.pf1));
    image.set(l.pf2, indexByte(v.pf2));
    for (const auto& [offset, value] : l.fixedOnOk)
        image.set(offset, value);

    if (l.pttId)
        id_code::writeDigits(image, *l.pttId, v.pttId);
    if (l.aniCode)
        id_code::writeText(image, *l.aniCode, v.aniCode);
}

} // namespace tolvan
