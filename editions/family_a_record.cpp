#include "editions/family_a_record.h"

#include "codeplug/name_codec.h"
#include "editions/record_codec.h"

#include <algorithm>

namespace tolvan {
namespace family_a {

void readChannelFlags(const MemoryImage& image, std::size_t record, ChannelFields& fields)
{
    const std::uint8_t flags = image.at(record + 13);
    switch (flags & 0x07) {
    case 2:
    case 3:
        fields.busy = kBusyCarrier;
        break;
    case 4:
    case 5:
        fields.busy = kBusyQtDqt;
        break;
    default:
        fields.busy = kBusyClose;
    }
    fields.scan = (flags >> kScanBit) & 1;
    fields.wide = (flags >> kWideBit) & 1;
    fields.highPower = (flags >> kHighPowerBit) & 1;
}

void writeChannelFlags(MemoryImage& image, std::size_t record, const ChannelFields& fields)
{
    const std::size_t at = record + 13;
    image.setBit(at, kHighPowerBit, fields.highPower);
    image.setBit(at, kScanBit, fields.scan);
    image.setBit(at, kWideBit, fields.wide);
    // Any busy text other than "Close" and "Carrier" (the empty one included) means QT/DQT.
    image.setBit(at, kBusyCarrierBit, fields.busy == kBusyCarrier);
    image.setBit(at, kBusyQtBit, fields.busy != kBusyClose && fields.busy != kBusyCarrier);
}

void readName(const Edition& edition, const MemoryImage& image, int channel, ChannelFields& fields)
{
    if (edition.nameBase)
        fields.name = decodeName(image.bytes(*edition.nameBase + 8 * static_cast<std::size_t>(channel - 1), 8));
}

void writeName(const Edition& edition, MemoryImage& image, int channel, const ChannelFields& fields)
{
    if (!edition.nameBase)
        return;
    const auto bytes = encodeName(fields.name);
    image.write(*edition.nameBase + 8 * static_cast<std::size_t>(channel - 1), bytes);
}

} // namespace family_a

namespace {

// Family-A variants: byte 12 holds the signalling as one whole value and byte 14
// bit 0 is PTT ID.
class FamilyARecordCodec final : public RecordCodec {
public:
    ChannelFields read(const Edition& edition, const MemoryImage& image, int channel) const override
    {
        const std::size_t record = edition.recordOffset(channel);
        ChannelFields fields;
        readFrequenciesAndTones(image, record, fields);
        const auto& values = edition.signallingValues;
        const auto it = std::find(values.begin(), values.end(), image.at(record + 12));
        fields.signalling = it == values.end() ? -1 : static_cast<int>(it - values.begin());
        family_a::readChannelFlags(image, record, fields);
        fields.pttId = image.bit(record + 14, 0);
        family_a::readName(edition, image, channel, fields);
        return fields;
    }

    void write(const Edition& edition, MemoryImage& image, int channel, const ChannelFields& fields) const override
    {
        const std::size_t record = edition.recordOffset(channel);
        writeFrequenciesAndTones(image, record, fields);
        const auto& values = edition.signallingValues;
        const bool known = fields.signalling >= 0 && fields.signalling < static_cast<int>(values.size());
        image.set(record + 12, known ? values[static_cast<std::size_t>(fields.signalling)] : edition.unknownSignallingValue);
        family_a::writeChannelFlags(image, record, fields);
        image.setBit(record + 14, 0, fields.pttId);
        family_a::writeName(edition, image, channel, fields);
    }
};

} // namespace

const RecordCodec& familyARecordCodec()
{
    static const FamilyARecordCodec codec;
    return codec;
}

} // namespace tolvan
