#include "codeplug/tone_codec.h"
#include "codeplug/tone_list.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <array>

using namespace tolvan;

namespace {

std::string hex(ToneCode tone)
{
    std::array<std::uint8_t, 2> two{};
    toneToBytes(tone, two);
    EXPECT_EQ(toneFromBytes(two), tone);
    return hexBytes(two).insert(0, 1, ' ');
}

} // namespace

// Stored tones as the cells show them, typed tones as they are stored, and the
// whole list of the tone cells, ten a line.
TEST(ToneCodec, StoredAndTypedTonesAndTheListMatchTheGoldenFile)
{
    std::string out;
    const ToneCode stored[] = {{0x23, 0x80}, {0x54, 0x87}, {0x23, 0xC0}, {0x14, 0xC1}, {0x31, 0xC6},
                               {0x70, 0x06}, {0x41, 0x25}, {0x00, 0x00}, {0xFF, 0xFF}, {0x12, 0xFF}};
    for (ToneCode tone : stored)
        out += "stored" + hex(tone) + " shows [" + toneText(tone) + "] or [" + toneText(tone, "") + "]\n";
    // Without a capital D a lower-case code is read as a number: zero, no tone.
    for (const char* text : {"OFF", "", "67.0", "254.1", "69.3", "D023N", "D754N", "D023I", "D754I", "0", "d023n"})
        out += "typed [" + std::string(text) + "] is stored as" + hex(toneFromText(text)) + "\n";
    const ToneList& list = ToneList::instance();
    for (int i = 0; i < list.size(); ++i)
        out += (i % 10 == 0 ? std::to_string(i) + ":" : "") + " [" + list.at(i) + "]" + (i % 10 == 9 ? "\n" : "");
    expectGolden("codeplug", "tone_codec", out + "\n");
}

TEST(ToneList, EveryEntryRoundTripsAndIsFoundInAnyCase)
{
    const ToneList& list = ToneList::instance();
    for (int i = 0; i < list.size(); ++i)
        EXPECT_EQ(toneText(toneFromText(list.at(i))), list.at(i)) << i;
    const std::pair<const char*, int> found[] = {{"d023n", 51}, {"88.5", 9}, {"88.4", -1}, {"off", 0}};
    for (const auto& [text, index] : found)
        EXPECT_EQ(list.find(text), index) << text;
}
