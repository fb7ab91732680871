#include "editions/record_codec.h"
#include "editions/small_radio_record.h"
#include "editions/twotone_record.h"

#include <gtest/gtest.h>

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

TEST(RecordCodec, TwoToneEmptyRowRewrite)
{
    const Edition& e = edition("cps-twotone");
    MemoryImage image = newDocumentImage(e);
    e.records().write(e, image, 5, ChannelFields{});
    const std::size_t r = e.recordOffset(5);
    // 0xF7 for no signalling, then PTT ID off; (0xFF & 0xC1) | 0x04; the two-tone selection untouched.
    const std::uint8_t F = 0xFF;
    const std::vector<std::uint8_t> want = {F, F, F, F, F, F, F, F, F, F, F, F, 0xB7, 0xC5, 0x00, 0x00};
    EXPECT_EQ(std::vector<std::uint8_t>(image.raw().begin() + r, image.raw().begin() + r + 16), want);

    image.set(r + 13, 0x3A);
    e.records().write(e, image, 5, ChannelFields{});
    EXPECT_EQ(image.at(r + 13), (0x3A & 0xC1) | 0x04);
}

TEST(RecordCodec, FamilyABusyAndFlags)
{
    const Edition& e = edition("cps-twotone");
    struct Case {
        std::uint8_t byte13;
        int busy;
        bool scan, wide, high;
    };
    const Case cases[] = {
        {0xFF, 0, true, true, true},  {0x07, 0, false, false, false}, {0x03, 1, false, false, false},
        {0x02, 1, false, false, false}, {0x05, 2, false, false, false}, {0x04, 2, false, false, false},
        {0x08, 0, true, false, false},  {0x01, 0, false, false, false}, {0x06, 0, false, false, false},
    };
    for (const Case& c : cases) {
        MemoryImage image = newDocumentImage(e);
        image.set(13, c.byte13);
        const ChannelFields f = e.records().read(e, image, 1);
        EXPECT_EQ(std::vector({f.busy, int(f.scan), int(f.wide), int(f.highPower)}),
                  std::vector({c.busy, int(c.scan), int(c.wide), int(c.high)}))
            << int(c.byte13);
    }
}

TEST(RecordCodec, TwoToneSignallingBits)
{
    EXPECT_EQ(withSignalling(0x00, 0), 0x01);
    EXPECT_EQ(withSignalling(0x7F, 1), 0x72);
    EXPECT_EQ(withSignalling(0x7F, 2), 0x74);
    EXPECT_EQ(withSignalling(0x7F, 3), 0x78);
    EXPECT_EQ(withSignalling(0x00, -1), 0xF7);

    const Edition& e = edition("cps-twotone");
    MemoryImage image = newDocumentImage(e);
    image.set(12, 0x03);  // not one of the four: no signalling
    EXPECT_EQ(e.records().read(e, image, 1).signalling, -1);
    image.set(12, 0x48);
    EXPECT_EQ(e.records().read(e, image, 1).signalling, 3);
    EXPECT_TRUE(e.records().read(e, image, 1).pttId);
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

TEST(RecordCodec, FamilyASignallingValues)
{
    struct Case {
        const char* id;
        std::uint8_t stored;
        int index;          // read back
        std::uint8_t saved; // after a round trip through the fields
    };
    const Case cases[] = {
        {"cps-ccir", 0, 1, 0},  {"cps-ccir", 1, 0, 1},  {"cps-ccir", 4, 3, 4},
        {"cps-ccir", 7, -1, 1},  // unknown shows nothing and is saved as "None"
        {"cps-brand", 1, -1, 0}, {"cps-brand", 4, 2, 4}, {"cps-cn2", 4, 2, 4},
        {"cps-fleet", 2, 1, 2},  {"cps-cn10", 9, -1, 0},
    };
    for (const Case& c : cases) {
        const Edition& e = edition(c.id);
        MemoryImage image = newDocumentImage(e);
        const std::size_t r = e.recordOffset(1);
        image.set(r + 12, c.stored);
        const ChannelFields f = e.records().read(e, image, 1);
        EXPECT_EQ(f.signalling, c.index) << c.id << " " << int(c.stored);
        e.records().write(e, image, 1, f);
        EXPECT_EQ(image.at(r + 12), c.saved) << c.id << " " << int(c.stored);
    }
}

TEST(RecordCodec, FamilyAPttIdIsByte14Bit0)
{
    const Edition& e = edition("cps-fleet");
    MemoryImage image = newDocumentImage(e);
    const std::size_t r = e.recordOffset(1);
    EXPECT_EQ(r, 0x010u);
    image.set(r + 14, 0xF0);
    ChannelFields f = e.records().read(e, image, 1);
    EXPECT_FALSE(f.pttId);
    f.pttId = true;
    e.records().write(e, image, 1, f);
    EXPECT_EQ(image.at(r + 14), 0xF1);
}

TEST(RecordCodec, KeyAssignmentFlags)
{
    const Edition& e = edition("cps-keys");
    MemoryImage image = newDocumentImage(e);
    const std::size_t r = e.recordOffset(1);
    const ChannelFields f = e.records().read(e, image, 1);  // 0xFB
    EXPECT_EQ(f.busy, small_radio::kBusyNo);
    EXPECT_TRUE(f.wide && f.scan && f.highPower);

    ChannelFields g;
    g.busy = small_radio::kBusyYes;
    g.wide = true;
    image.set(r + 12, 0xE2);  // bits 1 and 5-7 are kept
    e.records().write(e, image, 1, g);
    EXPECT_EQ(image.at(r + 12), 0xE2);
    g.busy = -1;  // an empty busy cell means lock-out off
    g.wide = false;
    e.records().write(e, image, 1, g);
    EXPECT_EQ(image.at(r + 12), 0xE7);
}

TEST(RecordCodec, SixteenChannelCodecLeavesTheSharedBandWidthAlone)
{
    const Edition& e = edition("cps16");
    for (std::uint8_t flags : {0xFF, 0xFB}) {
        MemoryImage image = newDocumentImage(e);
        image.set(e.recordOffset(3) + 12, flags);
        e.records().write(e, image, 3, ChannelFields{});
        EXPECT_EQ(image.at(e.recordOffset(3) + 12) & 0x04, flags & 0x04);  // the form's band-width list writes it
    }
}
