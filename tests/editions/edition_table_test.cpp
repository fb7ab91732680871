// The figures that are easiest to get wrong, one row per deliverable.

#include "editions/edition.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

using namespace tolvan;

// One row per deliverable: the layout of the records, the languages, the steps,
// the band check, the test mode's base and the main window. The clone figures
// are checked with the link.
TEST(EditionTable, EveryEditionsFiguresMatchTheGoldenFile)
{
    const char* const languages[] = {"chosen at start-up", "English only", "Chinese only"};
    std::string out;
    for (const Edition* e : allEditions()) {
        const auto& steps = e->frequencyRule.steps;
        const bool twoPointFive = std::find(steps.begin(), steps.end(), 250u) != steps.end();
        char line[256];
        std::snprintf(line, sizeof line,
                      "%s: %zu bytes, %d rows at %03zX..%03zX, %s, 2.5 kHz step %d, band check %d, test mode base %d MHz,"
                      " window %dx%d, test mode in %s\n",
                      e->id.c_str(), e->imageSize, e->channelCount, e->recordOffset(1), e->recordOffset(e->channelCount),
                      languages[static_cast<int>(e->languages)], twoPointFive, !e->bands.empty(),
                      e->testModeBaseMHz.value_or(0), e->windowSize.width, e->windowSize.height,
                      !e->testModeLanguage                           ? "the program's language"
                      : *e->testModeLanguage == Language::English ? "English"
                                                                  : "Chinese");
        out += line;
    }
    expectGolden("editions", "edition_figures", out);
    EXPECT_EQ(findEdition("cps-nothing"), nullptr);
}

// Every text an edition shows, asked for in either language, word for word:
// the columns, the cell lists, the link's messages and the cell messages. In
// the languages an edition shows, no list or message is missing.
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
            // Every list is as long as what it names; the words are below.
            if (e->uiLanguage(asked) == asked) {
                EXPECT_EQ(t.headers.size(), e->columns.size()) << e->id;
                EXPECT_EQ(t.signalling.size(), e->signallingValues.size()) << e->id;
                EXPECT_FALSE(e->link.typeCheckOffset && t.link.typeMismatch.empty()) << e->id;
                EXPECT_FALSE(e->link.passwordCheck && t.link.passwordIncorrect.empty()) << e->id;
                EXPECT_EQ(t.entry.outOfBand.empty(), e->bands.empty()) << e->id;
            }
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

TEST(EditionTable, TheMainWindowFitsOnSmallScreens)
{
    // The window's size, the screen's width and height, and the size it gets.
    const std::tuple<WindowSize, int, int, WindowSize> cases[] = {
        {{800, 1100}, 1920, 1200, {800, 1100}},  // fits: kept
        {{800, 1100}, 1366, 728, {529, 728}},    // too high: the height decides
        {{800, 1100}, 700, 2000, {700, 962}},    // too narrow: the width decides
        {{800, 1100}, 400, 550, {400, 550}},
        {{1024, 768}, 1024, 768, {1024, 768}},
        {{1024, 768}, 800, 600, {800, 600}},
        {{1024, 768}, 0, 0, {1024, 768}},        // no screen figures: kept
    };
    for (const auto& [size, width, height, fitted] : cases)
        EXPECT_EQ(size.fittedTo(width, height), fitted) << width << "x" << height;
}
