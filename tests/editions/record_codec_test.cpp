#include "editions/record_codec.h"
#include "editions/small_radio_record.h"
#include "editions/twotone_record.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace tolvan;

namespace {

const Edition& edition(const char* id) { return *findEdition(id); }

ChannelFields sampleChannel(const Edition& e, int variant)
{
    ChannelFields f;
    f.rx = 14512500 + 625 * static_cast<TenHz>(variant);
    f.tx = variant % 3 == 0 ? 0 : 44600000;
    f.rxTone = toneFromText(variant % 2 ? "88.5" : "D023N");
    f.txTone = toneFromText(variant % 2 ? "D754I" : "OFF");
    f.signalling = e.signallingValues.empty() ? -1 : variant % static_cast<int>(e.signallingValues.size());
    f.busy = variant % static_cast<int>(e.english.busy.items.empty() ? e.chinese.busy.items.size() : e.english.busy.items.size());
    f.wide = variant % 2;
    f.scan = variant % 3 == 1;
    f.highPower = variant % 4 < 2;
    f.pttId = variant % 5 == 0;
    f.name = e.nameBase ? std::string("CH-") + static_cast<char>('A' + variant % 26) : std::string();
    return f;
}

// What a family keeps of the sample: the sixteen-channel records have no per-channel
// power, scan or band width, and only family A has names and PTT ID.
ChannelFields keptBy(const Edition& e, ChannelFields f)
{
    if (e.family == Family::SixteenChannel) {
        f.wide = f.scan = f.highPower = false;
    }
    if (e.family == Family::KeyAssignment || e.family == Family::SixteenChannel)
        f.pttId = false;
    return f;
}

} // namespace

TEST(RecordCodec, EveryEditionRoundTripsItsChannels)
{
    for (const Edition* e : allEditions()) {
        MemoryImage image = newDocumentImage(*e);
        const RecordCodec& codec = e->records();
        for (int ch = 1; ch <= e->channelCount; ++ch)
            codec.write(*e, image, ch, sampleChannel(*e, ch));
        for (int ch = 1; ch <= e->channelCount; ++ch) {
            ASSERT_EQ(codec.read(*e, image, ch), keptBy(*e, sampleChannel(*e, ch))) << e->id << " channel " << ch;
        }
        // Nothing outside the records and names was touched.
        const MemoryImage fresh = newDocumentImage(*e);
        const std::size_t recordsEnd = e->recordOffset(e->channelCount) + 16;
        for (std::size_t i = recordsEnd; i < e->imageSize; ++i) {
            if (e->nameBase && i >= *e->nameBase && i < *e->nameBase + 8 * static_cast<std::size_t>(e->channelCount))
                continue;
            ASSERT_EQ(image.at(i), fresh.at(i)) << e->id << " at " << i;
        }
        for (std::size_t i = 0; i < e->recordBase; ++i)
            ASSERT_EQ(image.at(i), fresh.at(i)) << e->id << " at " << i;
    }
}

// Flag bytes a file may hold in channel 1's record, in every edition: what the
// cells show, then the record's last four bytes when the row is written back as
// read, and the whole record when it is written as an empty row.
TEST(RecordCodec, StoredFlagBytesOfEveryEditionMatchTheGoldenFile)
{
    const std::pair<std::size_t, std::uint8_t> probes[] = {
        {12, 0x00}, {12, 0x01}, {12, 0x02}, {12, 0x03}, {12, 0x04}, {12, 0x07}, {12, 0x09}, {12, 0x48},
        {12, 0xE2}, {12, 0xFB}, {12, 0xFF}, {13, 0x01}, {13, 0x02}, {13, 0x03}, {13, 0x04}, {13, 0x05},
        {13, 0x06}, {13, 0x07}, {13, 0x08}, {13, 0x3A}, {13, 0xFF}, {14, 0xF0}, {14, 0xF1},
    };
    std::string out;
    for (const Edition* e : allEditions()) {
        const std::size_t r = e->recordOffset(1);
        for (auto [at, byte] : probes) {
            MemoryImage image = newDocumentImage(*e);
            image.set(r + at, byte);
            const ChannelFields f = e->records().read(*e, image, 1);
            char line[160];
            std::snprintf(line, sizeof line, "%s byte %zu = %02X: busy %d scan %d wide %d high %d signalling %d PTT ID %d\n",
                          e->id.c_str(), at, byte, f.busy, f.scan, f.wide, f.highPower, f.signalling, f.pttId);
            out += line;
            MemoryImage emptied = image;
            e->records().write(*e, image, 1, f);
            e->records().write(*e, emptied, 1, ChannelFields{});
            out += "  as read: " + hexBytes(image.bytes(r + 12, 4)) + "  empty: " + hexBytes(emptied.bytes(r, 16)) + "\n";
        }
    }
    expectGolden("editions", "record_flags", out);
}

TEST(RecordCodec, TwoToneSignallingBits)
{
    const int cases[][3] = {{0x00, 0, 0x01}, {0x7F, 1, 0x72}, {0x7F, 2, 0x74}, {0x7F, 3, 0x78}, {0x00, -1, 0xF7}};
    for (const auto& [byte12, index, written] : cases)
        EXPECT_EQ(withSignalling(static_cast<std::uint8_t>(byte12), index), written) << index;
}

TEST(RecordCodec, TwoToneSelectionKeepsUnusedEntries)
{
    const Edition& e = edition("cps-twotone");
    MemoryImage image = newDocumentImage(e);
    writeTwoToneSelection(e, image, 2, {true, true, 31, 7});
    EXPECT_EQ(image.at(16 + 14), 0xFF);
    EXPECT_EQ(image.at(16 + 12) & 0x30, 0x30);
    writeTwoToneSelection(e, image, 2, {false, true, 0, 2});
    EXPECT_EQ(image.at(16 + 14), 0x5F);  // call entry kept, decoder 2 stored
    EXPECT_EQ(image.at(16 + 12) & 0x30, 0x20);
    EXPECT_EQ(readTwoToneSelection(e, image, 2), (TwoToneSelection{false, true, 31, 2}));
}
