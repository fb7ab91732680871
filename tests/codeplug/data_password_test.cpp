#include "codeplug/data_password.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tolvan;

TEST(DataPassword, ReadsTheDigitsWhereverTheyStand)
{
    struct Case {
        std::vector<std::uint8_t> bytes;
        const char* digits;
    };
    const Case cases[] = {
        {{'1', '2', '3', '4', '5', '6'}, "123456"},
        {{'0', '0', 0xFF, 0xFF, 0xFF, 0xFF}, "00"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ""},
        {{0xFF, '7', 'A', ' ', '8', 0x00}, "78"},       // letters, blanks and 0x00 are skipped
        {{'/', ':', '9', 0x39 + 0x80, '0', 0xB0}, "90"},  // neighbours of the digits are not digits
    };
    for (const Case& c : cases) {
        MemoryImage image(16);
        image.write(2, c.bytes);
        image.set(8, '5');  // beyond the six bytes
        EXPECT_EQ(readDataPassword(image, 2), c.digits);
    }
}

TEST(DataPassword, WritesDigitsByPositionAndTheRestAs0xFF)
{
    struct Case {
        const char* text;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"123456", {'1', '2', '3', '4', '5', '6'}},
        {"", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"42", {'4', '2', 0xFF, 0xFF, 0xFF, 0xFF}},
        {"1a3 5", {'1', 0xFF, '3', 0xFF, '5', 0xFF}},
        {"1234567", {'1', '2', '3', '4', '5', '6'}},  // only six positions exist
        {"\xE5\xAF\x86" "9", {0xFF, 0xFF, 0xFF, '9', 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        MemoryImage image(16, 0x00);
        writeDataPassword(image, 0, c.text);
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_EQ(image.at(i), c.bytes[i]) << c.text << " at " << i;
        EXPECT_EQ(image.at(6), 0x00) << "the byte after the password is left alone";
    }
}
