#include "codeplug/data_password.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tolvan;

// Six bytes of digits: what a stored password shows, and how a typed one is
// stored, by position, with 0xFF where no digit stands.
TEST(DataPassword, StoredAndTypedPasswordsMatchTheGoldenFile)
{
    std::string out;
    const std::vector<std::uint8_t> stored[] = {
        {'1', '2', '3', '4', '5', '6'},
        {'0', '0', 0xFF, 0xFF, 0xFF, 0xFF},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
        {0xFF, '7', 'A', ' ', '8', 0x00},       // letters, blanks and 0x00 are skipped
        {'/', ':', '9', 0x39 + 0x80, '0', 0xB0},  // neighbours of the digits are not digits
    };
    for (const auto& bytes : stored) {
        MemoryImage image(16);
        image.write(2, bytes);
        image.set(8, '5');  // beyond the six bytes
        out += "stored " + hexBytes(image.bytes(0, 10)) + " shows [" + readDataPassword(image, 2) + "]\n";
    }
    // Only six positions exist; the byte after them is left alone.
    for (const char* typed : {"123456", "", "42", "1a3 5", "1234567", "\xE5\xAF\x86" "9"}) {
        MemoryImage image(16, 0x00);
        writeDataPassword(image, 0, typed);
        out += "typed [" + std::string(typed) + "] is stored as " + hexBytes(image.bytes(0, 10)) + "\n";
    }
    expectGolden("codeplug", "data_password", out);
}
