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

TEST(SignallingFeatures, ANewDocumentOpensWithItsDefaults)
{
    for (const Radio& r : kRadios) {
        const SignallingFeaturesValues v = model(r).read(newDocumentImage(edition(r)));
        SCOPED_TRACE(r.id);
        EXPECT_EQ(v.timeOut, 0);
        EXPECT_EQ(v.squelch, 5);
        EXPECT_EQ(v.language, 2) << "a stored 0 is the third item, Off";
        EXPECT_TRUE(v.beep);
        EXPECT_FALSE(v.scrambler);
        EXPECT_TRUE(v.batterySave);
        EXPECT_EQ(v.voxGain, 0);
        EXPECT_EQ(v.voxDelay, 3);
        EXPECT_TRUE(v.voxFunction && v.voxInhibit) << "0x810 = 0xC0 / 0x7D2 = 0xF8";
        EXPECT_EQ(v.pf1, 0);
        EXPECT_EQ(v.pf2, 0);
        EXPECT_EQ(v.pttId, "");
        EXPECT_EQ(v.aniCode, "");
        EXPECT_FALSE(v.beginOfTx || v.endOfTx);
    }
}

TEST(SignallingFeatures, OkOnANewDocumentRewritesOnlyTheFlagByte)
{
    for (const Radio& r : kRadios) {
        const MemoryImage fresh = newDocumentImage(edition(r));
        // "Off" writes 0 over the whole byte (the form's Manul Setting bit 7
        // included, which the table puts back when it is stored); then the checks.
        const Changes expected = r.smaller ? Changes{{0x7D2, 0x78}} : Changes{{0x812, 0x44}};
        EXPECT_EQ(changes(fresh, okdNewDocument(r)), expected) << r.id;
    }
}

TEST(SignallingFeatures, EachControlWritesItsOwnByteOrBit)
{
    struct Case {
        const char* control;
        void (*change)(SignallingFeaturesValues&);
        Changes larger;   // at 0x810
        Changes smaller;  // at 0x7D0; empty where the radio lacks the control
    };
    // From an OK'd new document: 0x810 = 0xC0, 0x812 = 0x44; 0x7D2 = 0x78.
    const std::vector<Case> cases = {
        {"time-out", [](SignallingFeaturesValues& v) { v.timeOut = 40; }, {{0x814, 40}}, {{0x7D4, 40}}},
        {"squelch", [](SignallingFeaturesValues& v) { v.squelch = 9; }, {{0x813, 9}}, {{0x7D3, 9}}},
        {"beep", [](SignallingFeaturesValues& v) { v.beep = false; }, {{0x812, 0x04}}, {{0x7D2, 0x68}}},
        {"scrambler", [](SignallingFeaturesValues& v) { v.scrambler = true; }, {{0x812, 0x54}}, {{0x7D2, 0x7C}}},
        {"battery save", [](SignallingFeaturesValues& v) { v.batterySave = false; }, {{0x812, 0x40}},
         {{0x7D2, 0x70}}},
        {"VOX gain", [](SignallingFeaturesValues& v) { v.voxGain = 10; }, {{0x815, 10}}, {{0x7D5, 10}}},
        {"VOX delay", [](SignallingFeaturesValues& v) { v.voxDelay = 5; }, {{0x816, 5}}, {{0x7D6, 5}}},
        {"VOX function", [](SignallingFeaturesValues& v) { v.voxFunction = false; }, {{0x810, 0x40}},
         {{0x7D2, 0x58}}},
        {"VOX inhibit", [](SignallingFeaturesValues& v) { v.voxInhibit = false; }, {{0x810, 0x80}},
         {{0x7D2, 0x38}}},
        {"PF1", [](SignallingFeaturesValues& v) { v.pf1 = 5; }, {{0x81A, 5}}, {{0x7D0, 5}}},
        {"PF2", [](SignallingFeaturesValues& v) { v.pf2 = 3; }, {{0x81B, 3}}, {{0x7D1, 3}}},
        {"Begin of Tx", [](SignallingFeaturesValues& v) { v.beginOfTx = true; }, {{0x810, 0xE0}}, {}},
        {"End of Tx", [](SignallingFeaturesValues& v) { v.endOfTx = true; }, {{0x810, 0xD0}}, {}},
        {"PTT ID keeps within 0000-1999", [](SignallingFeaturesValues& v) { v.pttId = "2345"; },
         {{0x820, '1'}, {0x821, '3'}, {0x822, '4'}, {0x823, '5'}}, {}},
        {"PTT ID of three digits", [](SignallingFeaturesValues& v) { v.pttId = "234"; },
         {{0x820, '2'}, {0x821, '3'}, {0x822, '4'}}, {}},
        {"ANI code in upper case", [](SignallingFeaturesValues& v) { v.aniCode = "ab1"; },
         {{0x830, 'A'}, {0x831, 'B'}, {0x832, '1'}}, {}},
        {"ANI code of eight", [](SignallingFeaturesValues& v) { v.aniCode = "Z9Y8X7W6"; },
         {{0x830, 'Z'}, {0x831, '9'}, {0x832, 'Y'}, {0x833, '8'}, {0x834, 'X'}, {0x835, '7'}, {0x836, 'W'},
          {0x837, '6'}},
         {}},
    };
    for (const Radio& r : kRadios)
        for (const Case& c : cases) {
            const MemoryImage before = okdNewDocument(r);
            MemoryImage image = before;
            SignallingFeaturesValues v = model(r).read(image);
            c.change(v);
            model(r).write(v, image);
            EXPECT_EQ(changes(before, image), r.smaller ? c.smaller : c.larger) << r.id << ": " << c.control;
        }
}

TEST(SignallingFeatures, TheCodesReadBackAsTyped)
{
    for (const Radio& r : kRadios) {
        if (r.smaller)
            continue;
        MemoryImage image = okdNewDocument(r);
        SignallingFeaturesValues v = model(r).read(image);
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
        int shown;
        int chosen;
        std::uint8_t larger;   // 0x812 written: code, then beep, scrambler, battery save
        std::uint8_t smaller;  // 0x7D2 written: code, then the five checks
    };
    const std::vector<Case> cases = {
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
        const std::size_t timeOut = r.smaller ? 0x7D4 : 0x814, squelch = r.smaller ? 0x7D3 : 0x813;
        const std::size_t voxGain = r.smaller ? 0x7D5 : 0x815, voxDelay = r.smaller ? 0x7D6 : 0x816;
        const std::size_t pf1 = r.smaller ? 0x7D0 : 0x81A, pf2 = r.smaller ? 0x7D1 : 0x81B;
        for (auto [offset, stored] : {std::pair{timeOut, 41}, {squelch, 10}, {voxGain, 11}, {voxDelay, 6},
                                      {pf1, 6}, {pf2, 0xFF}})
            image.set(offset, static_cast<std::uint8_t>(stored));
        const SignallingFeaturesValues v = model(r).read(image);
        EXPECT_EQ(std::vector({v.timeOut, v.squelch, v.voxGain, v.voxDelay, v.pf1, v.pf2}),
                  std::vector({0, 0, 0, 0, 0, 0}))
            << r.id;
        model(r).write(v, image);
        for (std::size_t offset : {timeOut, squelch, voxGain, voxDelay, pf1, pf2})
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
        if (!r.smaller) {
            image.set(0x817, 0x99);
            image.set(0x818, 0x99);
        }
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

TEST(SignallingFeatures, EachRadioWordsItsDialogInItsLanguage)
{
    struct Case {
        const char* id;
        const char* caption;
        const char* timeOut;
        std::vector<std::string> languages;
        const char* pttId;
    };
    const std::vector<Case> cases = {
        {"cps-brand", "Optional Features", "Time-out Timer", {"Chinese", "English", "Off"}, "PTT ID"},
        {"cps-fleet", "Optional Features", "Time-out Timer", {"Chinese", "English", "OFF"}, "PTT ID"},
        {"cps-cn2", "可选功能", "发射限时(秒)", {"中文", "英文", "关闭"}, "本机命名"},
        {"cps-cn10", "可选功能", "超时定时器", {"中文", "英文", "关闭"}, "本机命名"},
    };
    for (const Case& c : cases) {
        const Edition& e = *findEdition(c.id);
        const SignallingFeaturesTexts t = signallingFeaturesTexts(e.uiLanguage(Language::English), *e.signallingFeatures);
        EXPECT_EQ(t.caption, c.caption) << c.id;
        EXPECT_EQ(t.timeOut, c.timeOut) << c.id;
        EXPECT_EQ(t.languageItems, c.languages) << c.id;
        EXPECT_EQ(t.pttId, c.pttId) << c.id;
        EXPECT_EQ(t.voxDelayItems.size(), std::size_t(SignallingFeatures::kVoxDelayItems));
        EXPECT_EQ(t.keyItems.size(), std::size_t(SignallingFeatures::kKeyItems));
    }
}

} // namespace
} // namespace tolvan
