#include "editions/record_codec.h"

namespace tolvan {

void readFrequenciesAndTones(const MemoryImage& image, std::size_t record, ChannelFields& fields)
{
    fields.rx = frequencyFromBytes(image.bytes(record, 4));
    fields.tx = frequencyFromBytes(image.bytes(record + 4, 4));
    fields.rxTone = toneFromBytes(image.bytes(record + 8, 2));
    fields.txTone = toneFromBytes(image.bytes(record + 10, 2));
}

void writeFrequenciesAndTones(MemoryImage& image, std::size_t record, const ChannelFields& fields)
{
    frequencyToBytes(fields.rx, image.bytes(record, 4));
    frequencyToBytes(fields.tx, image.bytes(record + 4, 4));
    toneToBytes(fields.rxTone, image.bytes(record + 8, 2));
    toneToBytes(fields.txTone, image.bytes(record + 10, 2));
}

const RecordCodec& Edition::records() const
{
    switch (family) {
    case Family::TwoTone:
        return twoToneRecordCodec();
    case Family::FamilyA:
        return familyARecordCodec();
    case Family::KeyAssignment:
        return keyAssignmentRecordCodec();
    case Family::SixteenChannel:
        return sixteenChannelRecordCodec();
    }
    return twoToneRecordCodec();
}

} // namespace tolvan
