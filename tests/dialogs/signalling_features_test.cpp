#include "dialogs/dialog_texts.h"
#include "dialogs/signalling_features.h"
#include "editions/edition.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tolvan {
namespace {

// The four programs of the DTMF/FleetSync radios: two keep their settings at
// 0x810 (the larger radio), two at 0x7D0 (the smaller one).
struct Radio {
    const char* id;
    bool smaller;
};
const Radio kRadios[] = {{"cps-brand", false}, {"cps-cn2", false}, {"cps-fleet", true}, {"cps-cn10", true}};

const Edition& edition(const Radio& r) { return *findEdition(r.id); }
SignallingFeatures model(const Radio& r) { return SignallingFeatures(edition(r).signallingFeatures.value()); }

using Changes = std::map<std::size_t, std::uint8_t>;

// The bytes in which two images differ, with the new values.
Changes changes(const MemoryImage& before, const MemoryImage& after)
{
    Changes out;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before.at(i) != after.at(i))
            out[i] = after.at(i);
    return out;
}

// A new document after one OK: the language is then written as a whole byte.
MemoryImage okdNewDocument(const Radio& r)
{
    MemoryImage image = newDocumentImage(edition(r));
    model(r).write(model(r).read(image), image);
    return image;
}

TEST(SignallingFeatures, ANewDocumentOpensWithItsDefaultsAndOkRewritesOnlyTheFlagByte)
{
    // A stored language 0 is the third item, Off; 0x810 = 0xC0 / 0x7D2 = 0xF8.
    const SignallingFeaturesValues want{.squelch = 5, .language = 2, .beep = true, .batterySave = true,
                                        .voxDelay = 3, .voxFunction = true, .voxInhibit = true};
    for (const Radio& r : kRadios) {
        EXPECT_EQ(model(r).read(newDocumentImage(edition(r))), want) << r.id;
        // "Off" writes 0 over the whole byte (the form's Manul Setting bit 7
        // included, which the table puts back when it is stored); then the checks.
        const Changes expected = r.smaller ? Changes{{0x7D2, 0x78}} : Changes{{0x812, 0x44}};
        EXPECT_EQ(changes(newDocumentImage(edition(r)), okdNewDocument(r)), expected) << r.id;
    }
}

TEST(SignallingFeatures, EachControlWritesItsOwnByteOrBit)
{
    using V = SignallingFeaturesValues;
    struct Case {
        const char* control;
        void (*change)(V&);
        Changes larger;   // at 0x810
        Changes smaller;  // at 0x7D0; empty where the radio lacks the control
    };
    // From an OK'd new document: 0x810 = 0xC0, 0x812 = 0x44; 0x7D2 = 0x78.
    const std::vector<Case> cases = {
        {"time-out", [](V& v) { v.timeOut = 40; }, {{0x814, 40}}, {{0x7D4, 40}}},
        {"squelch", [](V& v) { v.squelch = 9; }, {{0x813, 9}}, {{0x7D3, 9}}},
        {"beep", [](V& v) { v.beep = false; }, {{0x812, 0x04}}, {{0x7D2, 0x68}}},
        {"scrambler", [](V& v) { v.scrambler = true; }, {{0x812, 0x54}}, {{0x7D2, 0x7C}}},
        {"battery save", [](V& v) { v.batterySave = false; }, {{0x812, 0x40}}, {{0x7D2, 0x70}}},
        {"VOX gain", [](V& v) { v.voxGain = 10; }, {{0x815, 10}}, {{0x7D5, 10}}},
        {"VOX delay", [](V& v) { v.voxDelay = 5; }, {{0x816, 5}}, {{0x7D6, 5}}},
        {"VOX function", [](V& v) { v.voxFunction = false; }, {{0x810, 0x40}}, {{0x7D2, 0x58}}},
        {"VOX inhibit", [](V& v) { v.voxInhibit = false; }, {{0x810, 0x80}}, {{0x7D2, 0x38}}},
        {"PF1", [](V& v) { v.pf1 = 5; }, {{0x81A, 5}}, {{0x7D0, 5}}},
        {"PF2", [](V& v) { v.pf2 = 3; }, {{0x81B, 3}}, {{0x7D1, 3}}},
        {"Begin of Tx", [](V& v) { v.beginOfTx = true; }, {{0x810, 0xE0}}, {}},
        {"End of Tx", [](V& v) { v.endOfTx = true; }, {{0x810, 0xD0}}, {}},
        {"PTT ID keeps within 0000-1999", [](V& v) { v.pttId = "2345"; },
         {{0x820, '1'}, {0x821, '3'}, {0x822, '4'}, {0x823, '5'}}, {}},
        {"PTT ID of three digits", [](V& v) { v.pttId = "234"; }, {{0x820, '2'}, {0x821, '3'}, {0x822, '4'}}, {}},
        {"ANI code in upper case", [](V& v) { v.aniCode = "ab1"; }, {{0x830, 'A'}, {0x831, 'B'}, {0x832, '1'}}, {}},
        {"ANI code of eight", [](V& v) { v.aniCode = "Z9Y8X7W6"; },
         {{0x830, 'Z'}, {0x831, '9'}, {0x832, 'Y'}, {0x833, '8'}, {0x834, 'X'}, {0x835, '7'}, {0x836, 'W'},
          {0x837, '6'}},
         {}},
    };
    for (const Radio& r : kRadios)
        for (const Case& c : cases) {
            const MemoryImage before = okdNewDocument(r);
            MemoryImage image = before;
            V v = model(r).read(image);
            c.change(v);
            model(r).write(v, image);
            EXPECT_EQ(changes(before, image), r.smaller ? c.smaller : c.larger) << r.id << ": " << c.control;
        }
    // The codes read back as typed.
    for (const Radio& r : {kRadios[0], kRadios[1]}) {
        MemoryImage image = okdNewDocument(r);
        V v = model(r).read(image);
        v.pttId = "0123";
        v.aniCode = "ABC123";
        model(r).write(v, image);
        EXPECT_EQ(model(r).read(image), v) << r.id;
    }
}

TEST(SignallingFeatures, LanguageCodesRewriteTheWholeFlagByteBeforeTheChecks)
{
    struct Case {
        std::uint8_t code;  // bits 0-1 as stored, over set check bits
        int shown, chosen;
        std::uint8_t larger;   // 0x812 written: code, then beep, scrambler, battery save
        std::uint8_t smaller;  // 0x7D2 written: code, then the five checks
    };
    const Case cases[] = {
        {3, 0, 1, 0x56, 0x7E},  // Chinese shown; English written as 2
        {2, 1, 0, 0x57, 0x7F},  // English shown; Chinese written as 3
        {0, 2, 2, 0x54, 0x7C},  // Off written as 0
        {1, 0, 0, 0x57, 0x7F},  // 1 is no item: the first one shows
    };
    for (const Radio& r : kRadios)
        for (const Case& c : cases) {
            MemoryImage image = newDocumentImage(edition(r));
            const std::size_t flags = r.smaller ? 0x7D2 : 0x812;
            image.set(flags, static_cast<std::uint8_t>(0xFC | c.code));
            SignallingFeaturesValues v = model(r).read(image);
            EXPECT_EQ(v.language, c.shown) << r.id << " code " << int(c.code);
            v.language = c.chosen;
            model(r).write(v, image);
            EXPECT_EQ(image.at(flags), r.smaller ? c.smaller : c.larger) << r.id << " code " << int(c.code);
        }
}

TEST(SignallingFeatures, StoredValuesOutsideTheListsShowTheFirstItem)
{
    for (const Radio& r : kRadios) {
        MemoryImage image = newDocumentImage(edition(r));
        // time-out, squelch, VOX gain, VOX delay, PF1, PF2
        const std::vector<std::size_t> offsets = r.smaller ? std::vector<std::size_t>{0x7D4, 0x7D3, 0x7D5, 0x7D6, 0x7D0, 0x7D1}
                                                           : std::vector<std::size_t>{0x814, 0x813, 0x815, 0x816, 0x81A, 0x81B};
        const std::uint8_t stored[] = {41, 10, 11, 6, 6, 0xFF};
        for (std::size_t i = 0; i < offsets.size(); ++i)
            image.set(offsets[i], stored[i]);
        const SignallingFeaturesValues v = model(r).read(image);
        EXPECT_EQ(std::vector({v.timeOut, v.squelch, v.voxGain, v.voxDelay, v.pf1, v.pf2}), std::vector(6, 0)) << r.id;
        model(r).write(v, image);
        for (std::size_t offset : offsets)
            EXPECT_EQ(image.at(offset), 0) << r.id << " at " << std::hex << offset;
    }
}

TEST(SignallingFeatures, FixedBytesAndHiddenFieldsOfEachRadio)
{
    for (const Radio& r : kRadios) {
        MemoryImage image = newDocumentImage(edition(r));
        // Bytes the dialog never shows, filled with something a radio could hold.
        const std::vector<std::size_t> untouched =
            r.smaller ? std::vector<std::size_t>{0x7B0, 0x7B8, 0x7BF, 0x7C0, 0x7CF, 0x7D7, 0x7DA, 0x7DB, 0x7DC}
                      : std::vector<std::size_t>{0x811, 0x819, 0x81C, 0x81D, 0x828, 0x838, 0x848};
        for (std::size_t offset : untouched)
            image.set(offset, 0x33);
        if (!r.smaller)
            image.write(0x817, std::vector<std::uint8_t>{0x99, 0x99});
        SignallingFeaturesValues v = model(r).read(image);
        v.pttId = "12";  // typed into a hidden box, if any: never stored
        v.aniCode = "AB";
        v.beginOfTx = v.endOfTx = true;
        model(r).write(v, image);
        for (std::size_t offset : untouched)
            EXPECT_EQ(image.at(offset), 0x33) << r.id << " at " << std::hex << offset;
        // The larger radio sets 0x817 and 0x818 on every OK, as the full radio does.
        if (!r.smaller) {
            EXPECT_EQ(image.at(0x817), 4) << r.id;
            EXPECT_EQ(image.at(0x818), 0) << r.id;
        }
    }
}

// A file of the English program opens in its Chinese twin with the same settings.
TEST(SignallingFeatures, TwinsReadTheSameSettingsFromTheSameFile)
{
    for (auto [english, chinese] : {std::pair{"cps-brand", "cps-cn2"}, {"cps-fleet", "cps-cn10"}}) {
        const Edition& e = *findEdition(english);
        const Edition& c = *findEdition(chinese);
        ASSERT_EQ(e.imageSize, c.imageSize);
        MemoryImage image = newDocumentImage(e);
        for (std::size_t i = 0x7B0; i < 0x850 && i < image.size(); ++i)
            image.set(i, static_cast<std::uint8_t>(i * 7));
        const SignallingFeatures en(*e.signallingFeatures), zh(*c.signallingFeatures);
        EXPECT_EQ(en.read(image), zh.read(image)) << chinese;
        MemoryImage a = image, b = image;
        en.write(en.read(image), a);
        zh.write(en.read(image), b);
        EXPECT_EQ(a, b) << chinese;
    }
}

} // namespace
} // namespace tolvan
