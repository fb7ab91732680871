#include "codeplug/tone_codec.h"
#include "codeplug/tone_list.h"

#include <gtest/gtest.h>

#include <array>

using namespace tolvan;

TEST(ToneText, FromBytes)
{
    struct Case {
        std::uint8_t low, high;
        const char* text;
    };
    const Case cases[] = {
        {0x23, 0x80, "D023N"}, {0x54, 0x87, "D754N"}, {0x23, 0xC0, "D023I"}, {0x14, 0xC1, "D114I"},
        {0x31, 0xC6, "D631I"}, {0x70, 0x06, "67.0"},  {0x41, 0x25, "254.1"}, {0x00, 0x00, "OFF"},
        {0xFF, 0xFF, "OFF"},   {0x12, 0xFF, "OFF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toneText({c.low, c.high}), c.text) << int(c.low) << " " << int(c.high);
    EXPECT_EQ(toneText({0x00, 0x00}, ""), "");
    std::array<std::uint8_t, 2> two{};
    toneToBytes({0x54, 0xC7}, two);
    EXPECT_EQ(two, (std::array<std::uint8_t, 2>{0x54, 0xC7}));
    EXPECT_EQ(toneText(toneFromBytes(two)), "D754I");
}

TEST(ToneText, ToBytes)
{
    struct Case {
        const char* text;
        std::uint8_t low, high;
    };
    const Case cases[] = {
        {"OFF", 0xFF, 0xFF},   {"", 0xFF, 0xFF},      {"67.0", 0x70, 0x06}, {"254.1", 0x41, 0x25},
        {"69.3", 0x93, 0x06},  {"D023N", 0x23, 0x80}, {"D754N", 0x54, 0x87}, {"D023I", 0x23, 0xC0},
        {"D754I", 0x54, 0xC7}, {"0", 0xFF, 0xFF},
        // Without a capital D a lower-case code is read as a number: zero, no tone.
        {"d023n", 0xFF, 0xFF},
    };
    for (const Case& c : cases) {
        const ToneCode t = toneFromText(c.text);
        EXPECT_EQ(t.low, c.low) << c.text;
        EXPECT_EQ(t.high, c.high) << c.text;
    }
}

TEST(ToneText, EveryListEntryRoundTrips)
{
    const ToneList& list = ToneList::instance();
    for (int i = 0; i < list.size(); ++i)
        EXPECT_EQ(toneText(toneFromText(list.at(i))), list.at(i)) << i;
}

TEST(ToneList, OrderAndLookup)
{
    const ToneList& list = ToneList::instance();
    ASSERT_EQ(list.size(), 261);
    const std::pair<int, const char*> entries[] = {
        {0, "OFF"},     {1, "67.0"},    {42, "206.5"},  {43, "210.7"},  {50, "254.1"},
        {51, "D023N"},  {155, "D754N"}, {156, "D023I"}, {210, "D325I"}, {260, "D754I"},
    };
    for (const auto& [index, text] : entries)
        EXPECT_EQ(list.at(index), text);
    EXPECT_EQ(list.find("d023n"), 51);
    EXPECT_EQ(list.find("88.5"), 9);
    EXPECT_EQ(list.find("88.4"), -1);
    EXPECT_EQ(list.find("off"), 0);
}
