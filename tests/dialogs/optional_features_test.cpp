#include "dialogs/optional_features.h"
#include "editions/edition.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvan {
namespace {

const Edition& twoTone() { return *findEdition("cps-twotone"); }
OptionalFeatures model() { return OptionalFeatures(*twoTone().optionalFeatures); }

std::vector<std::uint8_t> bytesAt(const MemoryImage& image, std::size_t offset, std::size_t n)
{
    auto span = image.bytes(offset, n);
    return {span.begin(), span.end()};
}

TEST(OptionalFeatures, NewDocumentOpensWithItsDefaults)
{
    const OptionalFeaturesValues v = model().read(newDocumentImage(twoTone()));
    EXPECT_EQ(v.squelch, 5);
    EXPECT_EQ(OptionalFeatures::timeOutText(v.timeOut), "OFF");
    EXPECT_EQ(v.voxGain, 0);
    EXPECT_EQ(v.signalMode, 3);
    EXPECT_EQ(v.priorityChannel, 0);
    EXPECT_TRUE(v.beep);
    EXPECT_TRUE(v.batterySave);
    EXPECT_FALSE(v.scrambler);
    EXPECT_FALSE(v.beginOfTx);
    EXPECT_FALSE(v.endOfTx);
    EXPECT_EQ(v.language, -1) << "a stored 0 has no item in a two-item list";
    for (const std::string* id : {&v.groupId, &v.id, &v.callId, &v.checkId, &v.killId, &v.listenId})
        EXPECT_EQ(*id, "");
}

TEST(OptionalFeatures, OkOnANewDocumentOnlySetsTheHiddenKeyByte)
{
    const MemoryImage fresh = newDocumentImage(twoTone());
    MemoryImage image = fresh;
    model().write(model().read(image), image);
    MemoryImage expected = fresh;
    expected.set(0x81B, 0x00);  // PF2 list showed its first item for the erased 0xFF
    EXPECT_EQ(image, expected);
    EXPECT_EQ(image.at(0x812), 0xC4);
    EXPECT_EQ(image.at(0x81A), 0x01);
}

TEST(OptionalFeatures, TimeOutByteAndSpinText)
{
    struct Case {
        std::uint8_t stored;
        int position;
        std::string text;
        std::uint8_t written;
    };
    for (const Case& c : std::vector<Case>{{0, 0, "OFF", 0}, {1, 1, "15", 1}, {40, 40, "600", 40}, {41, 0, "OFF", 0},
                                           {0xFF, 0, "OFF", 0}}) {
        MemoryImage image = newDocumentImage(twoTone());
        image.set(0x814, c.stored);
        const OptionalFeaturesValues v = model().read(image);
        EXPECT_EQ(v.timeOut, c.position) << int(c.stored);
        EXPECT_EQ(OptionalFeatures::timeOutText(v.timeOut), c.text);
        model().write(v, image);
        EXPECT_EQ(image.at(0x814), c.written);
    }
}

TEST(OptionalFeatures, IdentityTextsAreStoredAsTheRadioReadsThem)
{
    struct Case {
        const char* what;
        std::string OptionalFeaturesValues::*field;
        std::size_t offset;
        std::string typed;
        std::vector<std::uint8_t> stored;
    };
    const std::uint8_t F = 0xFF;
    const std::vector<Case> cases = {
        {"four digits hold 0000-1999", &OptionalFeaturesValues::groupId, 0x820, "2345",
         {0x31, 0x33, 0x34, 0x35, F, F, F, F}},
        {"three digits keep their first", &OptionalFeaturesValues::groupId, 0x820, "234",
         {0x32, 0x33, 0x34, F, F, F, F, F}},
        {"a first digit of 1 stays", &OptionalFeaturesValues::groupId, 0x820, "1999",
         {0x31, 0x39, 0x39, 0x39, F, F, F, F}},
        {"a non-digit counts as 0", &OptionalFeaturesValues::groupId, 0x820, "9x", {0x39, 0x30, F, F, F, F, F, F}},
        {"letters in upper case", &OptionalFeaturesValues::id, 0x830, "ab1", {0x41, 0x42, 0x31, F, F, F, F, F}},
        {"other characters as 0", &OptionalFeaturesValues::checkId, 0x838, "1*2", {0x31, 0x30, 0x32, F, F, F, F, F}},
        {"eight characters fill the field", &OptionalFeaturesValues::callId, 0x828, "ZZ99AA00",
         {'Z', 'Z', '9', '9', 'A', 'A', '0', '0'}},
        {"kill", &OptionalFeaturesValues::killId, 0x840, "K1", {'K', '1', F, F, F, F, F, F}},
        {"listen", &OptionalFeaturesValues::listenId, 0x848, "L2", {'L', '2', F, F, F, F, F, F}},
        {"empty", &OptionalFeaturesValues::listenId, 0x848, "", {F, F, F, F, F, F, F, F}},
    };
    for (const Case& c : cases) {
        MemoryImage image = newDocumentImage(twoTone());
        OptionalFeaturesValues v = model().read(image);
        v.*c.field = c.typed;
        model().write(v, image);
        EXPECT_EQ(bytesAt(image, c.offset, 8), c.stored) << c.what;
    }
}

TEST(OptionalFeatures, IdentityTextsReadOnlyDigitsAndLetters)
{
    struct Case {
        std::size_t offset;
        std::vector<std::uint8_t> stored;
        std::string OptionalFeaturesValues::*field;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {0x830, {0x41, 0xFF, 0x42}, &OptionalFeaturesValues::id, "AB"},
        {0x828, {'a', '-', '7', 0x00, 'z'}, &OptionalFeaturesValues::callId, "A7Z"},
        {0x820, {'1', 'A', '2', 0xFF, '9'}, &OptionalFeaturesValues::groupId, "12"},  // 4 bytes, digits only
    };
    for (const Case& c : cases) {
        MemoryImage image = newDocumentImage(twoTone());
        image.write(c.offset, c.stored);
        EXPECT_EQ(model().read(image).*c.field, c.shown);
    }
}

TEST(OptionalFeatures, LanguageRewritesTheWholeFlagByteBeforeTheChecks)
{
    struct Case {
        std::uint8_t stored;
        int shown;
        int chosen;
        std::uint8_t written;  // with Battery Save and Beep ticked, Scrambler not
    };
    const std::vector<Case> cases = {
        {0xFF, 0, 1, 0x46},  // English: bits 0-1 = 2; bits 3, 5 and 7 cleared
        {0xFE, 1, 0, 0x47},  // Chinese: 3
        {0xFD, 0, 0, 0x47},  // code 1 reads as Chinese
        {0xFC, -1, -1, 0xFC & ~0x10},  // no selection leaves the byte but for the checks
    };
    for (const Case& c : cases) {
        MemoryImage image = newDocumentImage(twoTone());
        image.set(0x812, c.stored);
        OptionalFeaturesValues v = model().read(image);
        EXPECT_EQ(v.language, c.shown) << int(c.stored);
        v.language = c.chosen;
        v.beep = true;
        v.batterySave = true;
        v.scrambler = false;
        model().write(v, image);
        EXPECT_EQ(image.at(0x812), c.written) << int(c.stored);
    }
}

TEST(OptionalFeatures, ListsFallBackToTheirFirstItem)
{
    MemoryImage image = newDocumentImage(twoTone());
    image.set(0x813, 10);
    image.set(0x815, 11);
    image.set(0x816, 4);
    image.set(0x81A, 129);
    image.set(0x81B, 6);
    image.fill(0x810, 1, 0x30);
    OptionalFeaturesValues v = model().read(image);
    EXPECT_EQ(v.squelch, 0);
    EXPECT_EQ(v.voxGain, 0);
    EXPECT_EQ(v.signalMode, 0);
    EXPECT_EQ(v.pf2, 0);
    EXPECT_EQ(v.priorityChannel, -1);
    EXPECT_TRUE(v.beginOfTx && v.endOfTx);

    v.priorityChannel = -1;
    v.pf2 = -1;
    v.beginOfTx = false;
    image.set(0x817, 0x99);
    image.set(0x818, 0x99);
    model().write(v, image);
    EXPECT_EQ(image.at(0x81A), 0) << "no priority channel is stored as 0, over PF1";
    EXPECT_EQ(image.at(0x81B), 0xFF) << "a key list without a selection stores -1";
    EXPECT_EQ(image.at(0x810), 0x10) << "only the two Tx bits of 0x810 change";
    EXPECT_EQ(image.at(0x817), 4);
    EXPECT_EQ(image.at(0x818), 0);
}

TEST(OptionalFeatures, PriorityChannelRoundTrips)
{
    for (int channel : {1, 64, 128}) {
        MemoryImage image = newDocumentImage(twoTone());
        image.set(0x81A, static_cast<std::uint8_t>(channel));
        const OptionalFeaturesValues v = model().read(image);
        EXPECT_EQ(v.priorityChannel, channel - 1);
        model().write(v, image);
        EXPECT_EQ(image.at(0x81A), channel);
    }
}

TEST(OptionalFeatures, AnEditionWithoutTheKeyListsNeverWritesTheirBytes)
{
    const Edition& ccir = *findEdition("cps-ccir");
    ASSERT_TRUE(ccir.optionalFeatures);
    const OptionalFeatures features(*ccir.optionalFeatures);
    MemoryImage image = newDocumentImage(ccir);
    features.write(features.read(image), image);
    EXPECT_EQ(image.at(0x81B), 0xFF);
    EXPECT_EQ(image, newDocumentImage(ccir)) << "OK at once changes nothing";
}

TEST(OptionalFeatures, TheIdBoxTakesDigitsLettersAndBackspaceOnly)
{
    struct Case {
        int key;
        bool accepted;
    };
    for (const Case& c : std::vector<Case>{{0x30, true}, {0x39, true}, {0x41, true}, {0x5A, true}, {0x08, true},
                                           {0x25, false}, {0x27, false}, {0x2E, false}, {0x20, false},
                                           {0x0D, false}, {0xBD, false}})
        EXPECT_EQ(OptionalFeatures::idBoxAcceptsKey(c.key), c.accepted) << std::hex << c.key;
}

} // namespace
} // namespace tolvan
