// The new-document image of every deliverable, written out here byte by byte
// from the radios' documentation, independently of the edition table.

#include "editions/edition.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tolvan;

namespace {

struct Run {
    std::size_t offset;
    const char* hex;  // "C0 A8 C4"
};

MemoryImage expected(std::size_t size, std::initializer_list<Run> runs)
{
    MemoryImage image(size, 0xFF);
    for (const Run& run : runs) {
        std::istringstream in(run.hex);
        std::size_t at = run.offset;
        unsigned value;
        while (in >> std::hex >> value)
            image.set(at++, static_cast<std::uint8_t>(value));
    }
    return image;
}

void expectSame(const MemoryImage& actual, const MemoryImage& wanted, const std::string& id)
{
    ASSERT_EQ(actual.size(), wanted.size()) << id;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        ASSERT_EQ(actual.at(i), wanted.at(i)) << id << " at 0x" << std::hex << i;
}

const Edition& edition(const char* id)
{
    const Edition* e = findEdition(id);
    EXPECT_NE(e, nullptr) << id;
    return *e;
}

} // namespace

TEST(NewDocument, TwoTone)
{
    MemoryImage want = expected(4096, {
                                          {0x80A, "F0 38"},
                                          {0x810, "C0 A8 C4 05 00 00 03 04 00 09 01"},
                                          {0x81D, "00"},
                                          {0xEC0, "05 06 07 00 64 00 C8"},
                                      });
    for (std::size_t i = 0xE00; i < 0xE80; ++i)
        want.set(i, 0x00);
    for (std::size_t k = 0; k < 8; ++k)
        for (std::size_t i = 0; i < 8; ++i)
            want.set(0xE80 + 8 * k + i, i < 4 ? 0x10 : 0x08);
    for (std::size_t ch = 0; ch < 128; ++ch)
        for (std::size_t b : {12u, 14u, 15u})
            want.set(16 * ch + b, 0x00);
    expectSame(newDocumentImage(edition("cps-twotone")), want, "cps-twotone");
    EXPECT_EQ(want.at(0x81B), 0xFF);  // the radio-type byte is not a default
}

TEST(NewDocument, FamilyAVariants)
{
    const MemoryImage ccir = expected(3168, {{0x80A, "F0 38"}, {0x810, "C0 A8 C4 05 00 00 03 04 00 09 01 FF"}, {0x81D, "00"}});
    const MemoryImage brand = expected(3168, {{0x80A, "F0 39"}, {0x810, "C0 A8 C4 05 00 00 03 04 00 09 00 00"}, {0x81D, "00"}});
    const MemoryImage cn2 = expected(3168, {{0x80A, "F0 38"}, {0x810, "C0 A8 C4 05 00 00 03 04 00 09 00 00"}, {0x81D, "00"}});
    const MemoryImage fleet = expected(2048, {{0x7D0, "00 00 F8 05 00 00 03 09 00 00 F0 38 54 4C 31 30"}});
    expectSame(newDocumentImage(edition("cps-ccir")), ccir, "cps-ccir");
    expectSame(newDocumentImage(edition("cps-brand")), brand, "cps-brand");
    expectSame(newDocumentImage(edition("cps-cn2")), cn2, "cps-cn2");
    expectSame(newDocumentImage(edition("cps-fleet")), fleet, "cps-fleet");
    expectSame(newDocumentImage(edition("cps-cn10")), fleet, "cps-cn10");
}

TEST(NewDocument, SmallRadios)
{
    MemoryImage keys = expected(1024, {{0x3C0, "2F 05 03 00 FF 12 78 00 01 00 00"}, {0x3D2, "EE 37"}});
    for (std::size_t ch = 0; ch < 16; ++ch)
        keys.set(0x010 + 16 * ch + 12, 0xFB);
    expectSame(newDocumentImage(edition("cps-keys")), keys, "cps-keys");
    expectSame(newDocumentImage(edition("cps-keys-cn")), keys, "cps-keys-cn");

    // Only channel 1 carries the 0xFB flag byte in the sixteen-channel family.
    const MemoryImage sixteen =
        expected(1024, {{0x01C, "FB"}, {0x3C0, "F7 05 03 00 FF 0A"}, {0x3C8, "01 00 00"}, {0x3D2, "F5 37"}});
    const MemoryImage sixteenCn = expected(1024, {{0x01C, "FB"}, {0x3C0, "F7 05 03 00 FF 0A"}, {0x3D2, "F5 37"}});
    expectSame(newDocumentImage(edition("cps16")), sixteen, "cps16");
    expectSame(newDocumentImage(edition("cps16-cn")), sixteenCn, "cps16-cn");
}
