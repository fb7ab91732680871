#include "codeplug/name_codec.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tolvan;

TEST(NameCodec, Encodes)
{
    using B = std::array<std::uint8_t, 8>;
    EXPECT_EQ(encodeName("AB CD"), (B{10, 11, 37, 12, 13, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(encodeName("09-Z"), (B{0, 9, 36, 35, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(encodeName("ABCDEFGHIJ"), (B{10, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(encodeName("aB"), (B{0xFF, 11, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(encodeName(""), (B{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(NameCodec, Decodes)
{
    struct Case {
        std::vector<std::uint8_t> bytes;
        const char* name;
    };
    const Case cases[] = {
        {{10, 11, 37, 12, 13, 0xFF, 0xFF, 0xFF}, "AB CD"},  // a stored space stays a space
        {{0, 9, 36, 35, 0xFF, 0xFF, 0xFF, 0xFF}, "09-Z"},
        {{38, 0xFE, 100, 1, 0xFF, 2, 3, 4}, "---1"},         // unknown codes show "-"; stops at 0xFF
        {{0xFF, 1, 2, 3, 4, 5, 6, 7}, ""},
        {{10, 11, 12, 13, 14, 15, 16, 17}, "ABCDEFGH"},
        {{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, "ABCDEFGH"},  // eight bytes at most
        {{12, 13}, "CD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeName(c.bytes), c.name);
    EXPECT_EQ(decodeName(encodeName("AbC")), "A");  // a lower-case letter ends the name when read back
}
