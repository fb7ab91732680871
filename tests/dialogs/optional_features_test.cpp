#include "dialogs/optional_features.h"
#include "editions/edition.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvan {
namespace {

using V = OptionalFeaturesValues;

const Edition& twoTone() { return *findEdition("cps-twotone"); }
OptionalFeatures model() { return OptionalFeatures(*twoTone().optionalFeatures); }

std::vector<std::uint8_t> bytesAt(const MemoryImage& image, std::size_t offset, std::size_t n)
{
    auto span = image.bytes(offset, n);
    return {span.begin(), span.end()};
}

TEST(OptionalFeatures, NewDocumentOpensWithItsDefaultsAndOkOnlySetsTheHiddenKeyByte)
{
    const MemoryImage fresh = newDocumentImage(twoTone());
    V v = model().read(fresh);
    // A stored language 0 has no item in a two-item list.
    EXPECT_EQ(v, (V{.squelch = 5, .signalMode = 3, .language = -1, .pf1 = v.pf1, .pf2 = v.pf2, .priorityChannel = 0,
                    .beep = true, .batterySave = true}));
    MemoryImage image = fresh;
    model().write(v, image);
    MemoryImage expected = fresh;
    expected.set(0x81B, 0x00);  // PF2 list showed its first item for the erased 0xFF
    EXPECT_EQ(image, expected);
    EXPECT_EQ(image.at(0x812), 0xC4);
    EXPECT_EQ(image.at(0x81A), 0x01);

    // Without the key lists an edition never writes their bytes: OK at once changes nothing.
    const Edition& ccir = *findEdition("cps-ccir");
    const OptionalFeatures features(*ccir.optionalFeatures);
    image = newDocumentImage(ccir);
    features.write(features.read(image), image);
    EXPECT_EQ(image, newDocumentImage(ccir));
}

TEST(OptionalFeatures, TimeOutAndPriorityChannelBytes)
{
    struct Case {
        std::size_t offset;
        std::uint8_t stored;
        int position;
        std::string text;  // the time-out spin's
        std::uint8_t written;
    };
    const Case cases[] = {
        {0x814, 0, 0, "OFF", 0},     {0x814, 1, 1, "15", 1},     {0x814, 40, 40, "600", 40},
        {0x814, 41, 0, "OFF", 0},    {0x814, 0xFF, 0, "OFF", 0}, {0x81A, 1, 0, "", 1},
        {0x81A, 64, 63, "", 64},     {0x81A, 128, 127, "", 128},
    };
    for (const Case& c : cases) {
        MemoryImage image = newDocumentImage(twoTone());
        image.set(c.offset, c.stored);
        const V v = model().read(image);
        const bool timeOut = c.offset == 0x814;
        EXPECT_EQ(timeOut ? v.timeOut : v.priorityChannel, c.position) << c.offset << " " << int(c.stored);
        if (timeOut) {
            EXPECT_EQ(OptionalFeatures::timeOutText(v.timeOut), c.text);
        }
        model().write(v, image);
        EXPECT_EQ(image.at(c.offset), c.written);
    }
}

TEST(OptionalFeatures, IdentityTextsAreStoredAsTheRadioReadsThem)
{
    struct Case {
        const char* what;
        std::string V::*field;
        std::size_t offset;
        std::string typed;
        std::vector<std::uint8_t> stored;
    };
    const std::uint8_t F = 0xFF;
    const Case cases[] = {
        {"four digits hold 0000-1999", &V::groupId, 0x820, "2345", {0x31, 0x33, 0x34, 0x35, F, F, F, F}},
        {"three digits keep their first", &V::groupId, 0x820, "234", {0x32, 0x33, 0x34, F, F, F, F, F}},
        {"a first digit of 1 stays", &V::groupId, 0x820, "1999", {0x31, 0x39, 0x39, 0x39, F, F, F, F}},
        {"a non-digit counts as 0", &V::groupId, 0x820, "9x", {0x39, 0x30, F, F, F, F, F, F}},
        {"letters in upper case", &V::id, 0x830, "ab1", {0x41, 0x42, 0x31, F, F, F, F, F}},
        {"other characters as 0", &V::checkId, 0x838, "1*2", {0x31, 0x30, 0x32, F, F, F, F, F}},
        {"eight characters fill the field", &V::callId, 0x828, "ZZ99AA00", {'Z', 'Z', '9', '9', 'A', 'A', '0', '0'}},
        {"kill", &V::killId, 0x840, "K1", {'K', '1', F, F, F, F, F, F}},
        {"listen", &V::listenId, 0x848, "L2", {'L', '2', F, F, F, F, F, F}},
        {"empty", &V::listenId, 0x848, "", {F, F, F, F, F, F, F, F}},
    };
    for (const Case& c : cases) {
        MemoryImage image = newDocumentImage(twoTone());
        V v = model().read(image);
        v.*c.field = c.typed;
        model().write(v, image);
        EXPECT_EQ(bytesAt(image, c.offset, 8), c.stored) << c.what;
    }
    // Reading keeps only digits and letters; the group ID is four bytes of digits.
    const struct {
        std::size_t offset;
        std::vector<std::uint8_t> stored;
        std::string V::*field;
        std::string shown;
    } reads[] = {
        {0x830, {0x41, 0xFF, 0x42}, &V::id, "AB"},
        {0x828, {'a', '-', '7', 0x00, 'z'}, &V::callId, "A7Z"},
        {0x820, {'1', 'A', '2', 0xFF, '9'}, &V::groupId, "12"},
    };
    for (const auto& c : reads) {
        MemoryImage image = newDocumentImage(twoTone());
        image.write(c.offset, c.stored);
        EXPECT_EQ(model().read(image).*c.field, c.shown);
    }
}

TEST(OptionalFeatures, LanguageRewritesTheWholeFlagByteBeforeTheChecks)
{
    struct Case {
        std::uint8_t stored;
        int shown, chosen;
        std::uint8_t written;  // with Battery Save and Beep ticked, Scrambler not
    };
    const Case cases[] = {
        {0xFF, 0, 1, 0x46},            // English: bits 0-1 = 2; bits 3, 5 and 7 cleared
        {0xFE, 1, 0, 0x47},            // Chinese: 3
        {0xFD, 0, 0, 0x47},            // code 1 reads as Chinese
        {0xFC, -1, -1, 0xFC & ~0x10},  // no selection leaves the byte but for the checks
    };
    for (const Case& c : cases) {
        MemoryImage image = newDocumentImage(twoTone());
        image.set(0x812, c.stored);
        V v = model().read(image);
        EXPECT_EQ(v.language, c.shown) << int(c.stored);
        v.language = c.chosen;
        v.beep = v.batterySave = true;
        v.scrambler = false;
        model().write(v, image);
        EXPECT_EQ(image.at(0x812), c.written) << int(c.stored);
    }
}

TEST(OptionalFeatures, ListsFallBackToTheirFirstItem)
{
    MemoryImage image = newDocumentImage(twoTone());
    image.write(0x813, std::vector<std::uint8_t>{10, 0xFF, 11, 4});  // squelch, time-out, VOX gain, signal mode
    image.set(0x81A, 129);
    image.set(0x81B, 6);
    image.set(0x810, 0x30);
    V v = model().read(image);
    EXPECT_EQ(std::vector({v.squelch, v.voxGain, v.signalMode, v.pf2, v.priorityChannel}),
              std::vector({0, 0, 0, 0, -1}));
    EXPECT_TRUE(v.beginOfTx && v.endOfTx);

    v.priorityChannel = v.pf2 = -1;
    v.beginOfTx = false;
    image.set(0x817, 0x99);
    image.set(0x818, 0x99);
    model().write(v, image);
    EXPECT_EQ(image.at(0x81A), 0) << "no priority channel is stored as 0, over PF1";
    EXPECT_EQ(image.at(0x81B), 0xFF) << "a key list without a selection stores -1";
    EXPECT_EQ(image.at(0x810), 0x10) << "only the two Tx bits of 0x810 change";
    EXPECT_EQ(bytesAt(image, 0x817, 2), (std::vector<std::uint8_t>{4, 0}));
}

TEST(OptionalFeatures, TheIdBoxTakesDigitsLettersAndBackspaceOnly)
{
    for (int key : {0x30, 0x39, 0x41, 0x5A, 0x08})
        EXPECT_TRUE(OptionalFeatures::idBoxAcceptsKey(key)) << std::hex << key;
    for (int key : {0x2F, 0x3A, 0x40, 0x5B, 0x25, 0x27, 0x2E, 0x20, 0x0D, 0xBD})
        EXPECT_FALSE(OptionalFeatures::idBoxAcceptsKey(key)) << std::hex << key;
}

} // namespace
} // namespace tolvan
