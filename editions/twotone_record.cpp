#include "editions/twotone_record.h"

#include "editions/family_a_record.h"
#include "editions/record_codec.h"

namespace tolvan {
namespace {

constexpr int kPttIdBit = 6;
constexpr int kCallOnBit = 4;
constexpr int kDecodeOnBit = 5;

} // namespace

int signallingIndex(std::uint8_t byte12)
{
    switch (byte12 & 0x0F) {
    case 0x1:
        return 0;
    case 0x2:
        return 1;
    case 0x4:
        return 2;
    case 0x8:
        return 3;
    default:
        return -1;
    }
}

namespace {

class TwoToneRecordCodec final : public RecordCodec {
public:
    ChannelFields read(const Edition& edition, const MemoryImage& image, int channel) const override
    {
        const std::size_t record = edition.recordOffset(channel);
        ChannelFields fields;
        readFrequenciesAndTones(image, record, fields);
        fields.signalling = signallingIndex(image.at(record + 12));
        fields.pttId = image.bit(record + 12, kPttIdBit);
        family_a::readChannelFlags(image, record, fields);
        family_a::readName(edition, image, channel, fields);
        return fields;
    }

    void write(const Edition& edition, MemoryImage& image, int channel, const ChannelFields& fields) const override
    {
        const std::size_t record = edition.recordOffset(channel);
        writeFrequenciesAndTones(image, record, fields);
        image.set(record + 12, withSignalling(image.at(record + 12), fields.signalling));
        family_a::writeChannelFlags(image, record, fields);
        image.setBit(record + 12, kPttIdBit, fields.pttId);
        family_a::writeName(edition, image, channel, fields);
    }
};

} // namespace

std::uint8_t withSignalling(std::uint8_t byte12, int index)
{
    switch (index) {
    case 0:
        return static_cast<std::uint8_t>((byte12 & 0xF1) | 0x01);
    case 1:
        return static_cast<std::uint8_t>((byte12 & 0xF2) | 0x02);
    case 2:
        return static_cast<std::uint8_t>((byte12 & 0xF4) | 0x04);
    case 3:
        return static_cast<std::uint8_t>((byte12 & 0xF8) | 0x08);
    default:
        return 0xF7;
    }
}

TwoToneSelection readTwoToneSelection(const Edition& edition, const MemoryImage& image, int channel)
{
    const std::size_t record = edition.recordOffset(channel);
    const std::uint8_t b12 = image.at(record + 12);
    const std::uint8_t b14 = image.at(record + 14);
    return {static_cast<bool>((b12 >> kCallOnBit) & 1), static_cast<bool>((b12 >> kDecodeOnBit) & 1), b14 & 0x1F,
            (b14 >> 5) & 0x07};
}

void writeTwoToneSelection(const Edition& edition, MemoryImage& image, int channel, const TwoToneSelection& selection)
{
    const std::size_t record = edition.recordOffset(channel);
    image.setBit(record + 12, kCallOnBit, selection.callOn);
    image.setBit(record + 12, kDecodeOnBit, selection.decodeOn);
    std::uint8_t b14 = image.at(record + 14);
    // An entry that is not in use keeps its stored number.
    if (selection.callOn)
        b14 = static_cast<std::uint8_t>((b14 & 0xE0) | (selection.callEntry & 0x1F));
    if (selection.decodeOn)
        b14 = static_cast<std::uint8_t>((b14 & 0x1F) | ((selection.decoder & 0x07) << 5));
    image.set(record + 14, b14);
}

const RecordCodec& twoToneRecordCodec()
{
    static const TwoToneRecordCodec codec;
    return codec;
}

} // namespace tolvan
