#include "codeplug/memory_image.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace tolvan;

TEST(MemoryImage, StartsErasedChecksEveryOffsetAndChangesOnlyWhatItIsAsked)
{
    MemoryImage image(16);
    EXPECT_EQ(image.size(), 16u);
    EXPECT_EQ(image.at(15), 0xFF);
    EXPECT_THROW(image.at(16), std::out_of_range);
    EXPECT_THROW(image.set(16, 0), std::out_of_range);
    EXPECT_THROW(image.bytes(10, 7), std::out_of_range);
    EXPECT_THROW(image.bytes(SIZE_MAX, 2), std::out_of_range);
    EXPECT_THROW(image.write(15, std::vector<std::uint8_t>{1, 2}), std::out_of_range);
    EXPECT_THROW(image.fill(15, 2, 0), std::out_of_range);
    EXPECT_NO_THROW(image.bytes(16, 0));

    // Bits, fills and spans change only themselves.
    image = MemoryImage(6, 0x00);
    image.setBit(2, 7, true);
    image.setBit(2, 0, true);
    EXPECT_EQ(image.at(2), 0x81);
    image.setBit(2, 7, false);
    EXPECT_EQ(image.at(2), 0x01);
    EXPECT_TRUE(image.bit(2, 0));
    EXPECT_FALSE(image.bit(2, 7));
    EXPECT_EQ(image.at(1), 0x00);
    image.fill(3, 2, 0x5A);
    image.bytes(4, 2)[1] = 0x33;
    const MemoryImage& view = image;
    EXPECT_EQ(hexBytes(view.bytes(1, 5)), "00 01 5A 5A 33");
    EXPECT_THROW(view.bytes(5, 2), std::out_of_range);
}
