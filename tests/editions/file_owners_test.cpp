// Which programs a .sin file belongs to: every program's own files are its,
// and where programs share a length only a model or band that one radio lacks
// tells them apart.

#include "editions/file_owners.h"
#include "sim/sample_codeplug.h"

#include <gtest/gtest.h>

using namespace tolvan;

namespace {

std::string ids(const std::vector<const Edition*>& editions)
{
    std::string out;
    for (const Edition* e : editions)
        out += (out.empty() ? "" : " ") + e->id;
    return out;
}

std::string bytesOf(const MemoryImage& image)
{
    return {reinterpret_cast<const char*>(image.raw().data()), image.size()};
}

// What shares each length: twins in two languages serve one radio and cannot be
// told apart; the 3168-byte radios keep the same lists in the same bytes.
const char* const kSameLength[] = {
    "cps-twotone",
    "cps-ccir cps-brand cps-cn2",
    "cps-ccir cps-brand cps-cn2",
    "cps-fleet cps-cn10",
    "cps-ccir cps-brand cps-cn2",
    "cps-fleet cps-cn10",
    "cps-keys cps-keys-cn cps16 cps16-cn",
    "cps-keys cps-keys-cn cps16 cps16-cn",
    "cps-keys cps-keys-cn cps16 cps16-cn",
    "cps-keys cps-keys-cn cps16 cps16-cn",
};

TEST(FileOwners, EveryProgramsNewAndSampleFilesAreItsOwn)
{
    ASSERT_EQ(allEditions().size(), std::size(kSameLength));
    for (std::size_t i = 0; i < allEditions().size(); ++i) {
        const Edition& e = *allEditions()[i];
        EXPECT_EQ(ids(editionsOfLength(e.imageSize)), kSameLength[i]) << e.id;
        for (const MemoryImage& image : {newDocumentImage(e), sampleCodeplug(e)})
            EXPECT_EQ(ids(ownersOfFile(bytesOf(image))), kSameLength[i]) << e.id;
    }
}

// The 16-channel series has models (0x3D3) and bands (0x3D2) the key radio has
// not: such a file is the series'. The key radio's model is also the series'
// first, and a value neither list stores narrows nothing.
TEST(FileOwners, AModelOrBandOnlyOneRadioHasDecides)
{
    const struct {
        std::size_t offset;
        std::uint8_t value;
        const char* owners;
    } cases[] = {
        {0x3D3, 0x37, "cps-keys cps-keys-cn cps16 cps16-cn"},  // TL - 700 or TL - 160
        {0x3D3, 0x38, "cps16 cps16-cn"},                       // TL - 161
        {0x3D3, 0x41, "cps16 cps16-cn"},                       // TL - 268, the last
        {0x3D3, 0x42, "cps-keys cps-keys-cn cps16 cps16-cn"},  // no model of either
        {0x3D3, 0xFF, "cps-keys cps-keys-cn cps16 cps16-cn"},
        {0x3D2, 0xF7, "cps-keys cps-keys-cn cps16 cps16-cn"},  // the tenth band, in both
        {0x3D2, 0xF8, "cps16 cps16-cn"},                       // the eleventh, the series' only
        {0x3D2, 0xF9, "cps16 cps16-cn"},
        {0x3D2, 0xFA, "cps-keys cps-keys-cn cps16 cps16-cn"},
    };
    for (const auto& c : cases) {
        MemoryImage image = sampleCodeplug(*findEdition("cps-keys"));
        image.set(c.offset, c.value);
        EXPECT_EQ(ids(ownersOfFile(bytesOf(image))), c.owners) << std::hex << c.offset << " = " << int(c.value);
    }
    // The family-A radios of one size keep the same lists: nothing tells them apart.
    MemoryImage brand = sampleCodeplug(*findEdition("cps-brand"));
    for (std::uint8_t type : {0x37, 0x38, 0x39, 0x3A, 0xFF}) {
        brand.set(0x80B, type);
        EXPECT_EQ(ids(ownersOfFile(bytesOf(brand))), "cps-ccir cps-brand cps-cn2") << int(type);
    }
}

TEST(FileOwners, ALengthOfNoProgramHasNoOwner)
{
    for (std::size_t length : {0, 1, 1023, 1025, 2047, 3167, 3169, 4095, 4097, 8192})
        EXPECT_EQ(ids(ownersOfFile(std::string(length, '\xFF'))), "") << length;
}

} // namespace
