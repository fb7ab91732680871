#include "codeplug/name_codec.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tolvan;

// Typed names as stored, and stored bytes as shown: codes 0-37 are the digits,
// the letters, "-" and a space; an unknown code shows "-"; 0xFF ends a name.
TEST(NameCodec, TypedAndStoredNamesMatchTheGoldenFile)
{
    std::string out;
    for (const char* typed : {"AB CD", "09-Z", "ABCDEFGHIJ", "aB", "", "AbC"}) {
        const auto stored = encodeName(typed);
        out += "typed [" + std::string(typed) + "] is stored as " + hexBytes(stored) + ", shown [" + decodeName(stored) + "]\n";
    }
    const std::vector<std::uint8_t> stored[] = {
        {38, 0xFE, 100, 1, 0xFF, 2, 3, 4}, {0xFF, 1, 2, 3, 4, 5, 6, 7}, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, {12, 13},
    };
    for (const auto& bytes : stored)
        out += "stored " + hexBytes(bytes) + " shows [" + decodeName(bytes) + "]\n";
    expectGolden("codeplug", "name_codec", out);
}
