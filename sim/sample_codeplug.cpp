#include "sim/sample_codeplug.h"

#include "codeplug/tone_codec.h"
#include "editions/record_codec.h"

namespace tolvan {

MemoryImage sampleCodeplug(const Edition& edition)
{
    struct Sample {
        TenHz rx, tx;
        const char* rxTone;
        const char* txTone;
        const char* name;
    };
    // Frequencies every edition's limits and steps accept.
    const Sample samples[] = {
        {14552000, 14552000, "OFF", "OFF", "CALL"},
        {43500000, 43500000, "88.5", "88.5", "LOCAL"},
        {44600625, 44600625, "D023N", "D023N", "PMR 1"},
        {46256250, 46756250, "OFF", "151.4", "REPEAT"},
    };
    MemoryImage image = newDocumentImage(edition);
    const RecordCodec& codec = edition.records();
    int channel = 1;
    for (const Sample& s : samples) {
        if (channel > edition.channelCount)
            break;
        ChannelFields fields = codec.read(edition, image, channel);
        fields.rx = s.rx;
        fields.tx = s.tx;
        fields.rxTone = toneFromText(s.rxTone);
        fields.txTone = toneFromText(s.txTone);
        fields.wide = true;
        fields.highPower = true;
        fields.scan = true;
        fields.busy = 0;
        fields.name = s.name;
        codec.write(edition, image, channel++, fields);
    }
    return image;
}

} // namespace tolvan
