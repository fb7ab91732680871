#include "editions/small_radio_record.h"

#include "editions/record_codec.h"

namespace tolvan {
namespace {

// Key-assignment radios: busy, band width, scan and power in byte 12.
class KeyAssignmentRecordCodec final : public RecordCodec {
public:
    ChannelFields read(const Edition& edition, const MemoryImage& image, int channel) const override
    {
        const std::size_t record = edition.recordOffset(channel);
        ChannelFields fields;
        readFrequenciesAndTones(image, record, fields);
        const std::uint8_t flags = image.at(record + 12);
        fields.busy = (flags >> small_radio::kBusyOffBit) & 1 ? small_radio::kBusyNo : small_radio::kBusyYes;
        fields.wide = !((flags >> small_radio::kNarrowBit) & 1);
        fields.scan = (flags >> small_radio::kScanBit) & 1;
        fields.highPower = (flags >> small_radio::kHighPowerBit) & 1;
        return fields;
    }

    void write(const Edition& edition, MemoryImage& image, int channel, const ChannelFields& fields) const override
    {
        const std::size_t record = edition.recordOffset(channel);
        writeFrequenciesAndTones(image, record, fields);
        const std::size_t at = record + 12;
        image.setBit(at, small_radio::kBusyOffBit, fields.busy != small_radio::kBusyYes);
        image.setBit(at, small_radio::kHighPowerBit, fields.highPower);
        image.setBit(at, small_radio::kNarrowBit, !fields.wide);
        image.setBit(at, small_radio::kScanBit, fields.scan);
    }
};

// Sixteen-channel radios: only busy is per channel; the band width is one list
// of the form for all channels (editions.cpp) and bits 3-4 are not interpreted.
class SixteenChannelRecordCodec final : public RecordCodec {
public:
    ChannelFields read(const Edition& edition, const MemoryImage& image, int channel) const override
    {
        const std::size_t record = edition.recordOffset(channel);
        ChannelFields fields;
        readFrequenciesAndTones(image, record, fields);
        fields.busy = image.bit(record + 12, small_radio::kBusyOffBit) ? small_radio::kBusyNo : small_radio::kBusyYes;
        return fields;
    }

    void write(const Edition& edition, MemoryImage& image, int channel, const ChannelFields& fields) const override
    {
        const std::size_t record = edition.recordOffset(channel);
        writeFrequenciesAndTones(image, record, fields);
        image.setBit(record + 12, small_radio::kBusyOffBit, fields.busy != small_radio::kBusyYes);
    }
};

} // namespace

const RecordCodec& keyAssignmentRecordCodec()
{
    static const KeyAssignmentRecordCodec codec;
    return codec;
}

const RecordCodec& sixteenChannelRecordCodec()
{
    static const SixteenChannelRecordCodec codec;
    return codec;
}

} // namespace tolvan
