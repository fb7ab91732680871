// The figures that are easiest to get wrong, one row per deliverable.

#include "editions/edition.h"

#include "golden.h"

#include <gtest/gtest.h>

using namespace tolvan;

// The clone figures are checked with the link; here the layout of the records.
TEST(EditionTable, ImageSizesAndRecordLayout)
{
    const struct {
        const char* id;
        std::size_t imageSize;
        int rows;
        std::size_t channel1;  // offset of channel 1's record
    } rows[] = {
        {"cps-twotone", 4096, 128, 0x000}, {"cps-ccir", 3168, 128, 0x000}, {"cps-brand", 3168, 128, 0x000},
        {"cps-cn2", 3168, 128, 0x000},     {"cps-fleet", 2048, 118, 0x010}, {"cps-cn10", 2048, 118, 0x010},
        {"cps-keys", 1024, 16, 0x010},     {"cps-keys-cn", 1024, 16, 0x010}, {"cps16", 1024, 16, 0x010},
        {"cps16-cn", 1024, 16, 0x010},
    };
    ASSERT_EQ(allEditions().size(), std::size(rows));
    for (const auto& r : rows) {
        const Edition* e = findEdition(r.id);
        ASSERT_NE(e, nullptr) << r.id;
        EXPECT_EQ(e->imageSize, r.imageSize) << r.id;
        EXPECT_EQ(e->channelCount, r.rows) << r.id;
        EXPECT_EQ(e->recordOffset(1), r.channel1) << r.id;
        EXPECT_EQ(e->recordOffset(r.rows), r.channel1 + 16 * static_cast<std::size_t>(r.rows - 1)) << r.id;
    }
    EXPECT_EQ(findEdition("cps-nothing"), nullptr);
}

TEST(EditionTable, EveryLanguageOfEveryEditionIsComplete)
{
    for (const Edition* e : allEditions()) {
        for (Language lang : {Language::English, Language::Chinese}) {
            if (e->uiLanguage(lang) != lang)
                continue;
            const EditionTexts& t = e->texts(lang);
            EXPECT_EQ(t.headers.size(), e->columns.size()) << e->id;
            EXPECT_EQ(t.signalling.size(), e->signallingValues.size()) << e->id;
            // The words themselves are in the golden file of the texts.
            EXPECT_FALSE(e->link.typeCheckOffset && t.link.typeMismatch.empty()) << e->id;
            EXPECT_FALSE(e->link.passwordCheck && t.link.passwordIncorrect.empty()) << e->id;
            EXPECT_EQ(t.entry.outOfBand.empty(), e->bands.empty()) << e->id;
        }
    }
}

TEST(EditionTable, LanguagesAndStepsDifferWhereTheRadiosDo)
{
    struct Row {
        const char* id;
        LanguageChoice languages;
        bool twoPointFive;
        bool bandCheck;
        int testModeBase;  // 0: from the band list
    };
    const Row rows[] = {
        {"cps-twotone", LanguageChoice::AtStartUp, true, false, 0},
        {"cps-ccir", LanguageChoice::AtStartUp, true, false, 0},
        {"cps-brand", LanguageChoice::EnglishOnly, true, false, 0},
        {"cps-fleet", LanguageChoice::EnglishOnly, false, false, 0},
        {"cps-cn2", LanguageChoice::ChineseOnly, false, true, 0},
        {"cps-cn10", LanguageChoice::ChineseOnly, false, false, 0},
        {"cps-keys", LanguageChoice::EnglishOnly, false, false, 450},
        {"cps-keys-cn", LanguageChoice::ChineseOnly, false, false, 450},
        {"cps16", LanguageChoice::EnglishOnly, false, false, 450},
        {"cps16-cn", LanguageChoice::ChineseOnly, false, false, 0},
    };
    for (const Row& r : rows) {
        const Edition& e = *findEdition(r.id);
        EXPECT_EQ(e.languages, r.languages) << r.id;
        const auto& steps = e.frequencyRule.steps;
        EXPECT_EQ(std::find(steps.begin(), steps.end(), 250u) != steps.end(), r.twoPointFive) << r.id;
        EXPECT_EQ(!e.bands.empty(), r.bandCheck) << r.id;
        EXPECT_EQ(e.testModeBaseMHz.value_or(0), r.testModeBase) << r.id;
    }
}

// Every text an edition shows, asked for in either language, word for word:
// the columns, the cell lists, the link's messages and the cell messages.
TEST(EditionTable, EveryEditionsTextsMatchTheGoldenFile)
{
    std::string out;
    auto list = [&](const char* name, const std::vector<std::string>& items) {
        out += std::string("  ") + name + ":";
        for (const std::string& item : items)
            out += " [" + item + "]";
        out += "\n";
    };
    for (const Edition* e : allEditions()) {
        for (Language asked : {Language::English, Language::Chinese}) {
            const EditionTexts& t = e->texts(asked);
            out += e->id + (asked == Language::English ? " en\n" : " zh\n");
            list("headers", t.headers);
            list("signalling", t.signalling);
            list("power", t.power.items);
            list("bandwidth", t.bandwidth.items);
            list("scan", t.scan.items);
            list("pttId", t.pttId.items);
            list("busy", t.busy.items);
            const LinkTexts& l = t.link;
            const EntryTexts& n = t.entry;
            list("link", {l.portOpenFail, l.detecting, l.waiting, l.notStarted, l.sendOrderError, l.commError,
                          l.typeMismatch, l.writeNoAck, l.shortReply, l.readNoAck, l.interrupted, l.passwordIncorrect,
                          l.readTitle, l.writeTitle, l.startButton, l.cancelButton, l.progressLabel});
            list("entry", {n.pleaseInputNumber, n.outOfRange, n.offStepOnLeave, n.offStepOnEnter, n.outOfBand,
                           n.outOfBandCaption, n.editChannel, n.channelRange, t.offTone});
        }
    }
    expectGolden("editions", "edition_texts", out);
}

TEST(EditionTable, MainWindowSizeAndItsFitOnSmallScreens)
{
    for (const Edition* e : allEditions()) {
        const WindowSize want = e->id == "cps-keys-cn" ? WindowSize{800, 1100} : WindowSize{1024, 768};
        EXPECT_EQ(e->windowSize, want) << e->id;
        EXPECT_EQ(e->testModeLanguage.has_value(), e->id == "cps-keys-cn") << e->id;
    }
    struct Case {
        WindowSize size;
        int availableWidth, availableHeight;
        WindowSize fitted;
    };
    const Case cases[] = {
        {{800, 1100}, 1920, 1200, {800, 1100}},  // fits: kept
        {{800, 1100}, 1366, 728, {529, 728}},    // too high: the height decides
        {{800, 1100}, 700, 2000, {700, 962}},    // too narrow: the width decides
        {{800, 1100}, 400, 550, {400, 550}},
        {{1024, 768}, 1024, 768, {1024, 768}},
        {{1024, 768}, 800, 600, {800, 600}},
        {{1024, 768}, 0, 0, {1024, 768}},        // no screen figures: kept
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.size.fittedTo(c.availableWidth, c.availableHeight), c.fitted)
            << c.availableWidth << "x" << c.availableHeight;
}
