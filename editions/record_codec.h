#pragma once

#include "editions/channel_fields.h"
#include "editions/edition.h"

namespace tolvan {

// Record bytes <-> channel fields, one implementation per family. `write` changes
// only the bytes the channel table owns; everything else in the record (and in
// the image) keeps its value.
class RecordCodec {
public:
    virtual ~RecordCodec() = default;
    virtual ChannelFields read(const Edition& edition, const MemoryImage& image, int channel) const = 0;
    virtual void write(const Edition& edition, MemoryImage& image, int channel, const ChannelFields& fields) const = 0;
};

const RecordCodec& twoToneRecordCodec();
const RecordCodec& familyARecordCodec();
const RecordCodec& keyAssignmentRecordCodec();
const RecordCodec& sixteenChannelRecordCodec();

// Pieces every family shares: frequencies in bytes 0-7, tones in bytes 8-11.
void readFrequenciesAndTones(const MemoryImage& image, std::size_t record, ChannelFields& fields);
void writeFrequenciesAndTones(MemoryImage& image, std::size_t record, const ChannelFields& fields);

} // namespace tolvan
