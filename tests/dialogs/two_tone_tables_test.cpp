#include "dialogs/dialog_texts.h"
#include "dialogs/two_tone_tables.h"
#include "editions/edition.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvan {
namespace {

using namespace twotone;
using Bytes = std::vector<std::uint8_t>;
using T = TwoToneTables;

MemoryImage freshImage() { return newDocumentImage(*findEdition("cps-twotone")); }

Bytes bytesAt(const MemoryImage& image, std::size_t offset, std::size_t n)
{
    auto span = image.bytes(offset, n);
    return {span.begin(), span.end()};
}

TEST(TwoToneTables, NewDocumentPagesShowTheirDefaultsAndWritingThemAddsOnlyTheCountForms)
{
    const MemoryImage fresh = freshImage();
    MemoryImage image = fresh;
    const EncodePageValues e = T::readEncode(image);
    for (const auto& row : e.tones)
        EXPECT_TRUE(row[0].empty() && row[1].empty());
    EXPECT_EQ((std::vector<std::string>{e.firstDelay, e.secondDelay, e.longDelay}),
              (std::vector<std::string>{"0.5", "0.6", "0.7"}));
    EXPECT_EQ(std::pair(e.interval, e.txRise), std::pair(100, 200));
    T::writeEncode(e, image);
    for (int k = 0; k < kDecoderCount; ++k) {
        const DecoderPageValues d = T::readDecoder(image, k);
        EXPECT_EQ(d.aTone + " " + d.bTone, "411.2 411.2");
        EXPECT_EQ(d.times, (std::array<std::string, 4>{"0.8", "0.8", "0.8", "0.8"}));
        T::writeDecoder(d, k, image);
    }
    EXPECT_EQ(bytesAt(image, 0xE00, 0xC7), bytesAt(fresh, 0xE00, 0xC7)) << "value forms unchanged";
    EXPECT_EQ(image.at(0xEC7), 0) << "Short kill tone was not ticked";
    EXPECT_EQ(bytesAt(image, 0xF00, 0x80), Bytes(0x80, 0));
    // 411.2 Hz: 895658 / 411.2 = 2178.15 -> 2178 = 0x0882; 0.8 s = 16 ticks.
    for (int k = 0; k < kDecoderCount; ++k)
        EXPECT_EQ(bytesAt(image, 0xF80 + 8 * k, 8), (Bytes{0x08, 0x82, 0x08, 0x82, 16, 16, 16, 16}));
    EXPECT_EQ(bytesAt(image, 0xFC0, 8), (Bytes{10, 12, 14, 0x00, 0x02, 0x00, 0x04, 0x00}));
}

TEST(TwoToneTables, ATypedToneFillsItsRowAndBothFormsAndALoneSecondToneIsErased)
{
    MemoryImage image = freshImage();
    EncodePageValues v = T::readEncode(image);
    EXPECT_EQ(T::commitCell(v, {2, 0}, "1000", CommitBy::Enter), (GridCell{2, 1}));
    EXPECT_EQ(v.tones[2], (std::array<std::string, 2>{"1000.0", "1000.0"}));
    T::commitCell(v, {4, 0}, "1000", CommitBy::Enter);
    T::writeEncode(v, image);
    EXPECT_EQ(bytesAt(image, 0xE08, 4), (Bytes{0x27, 0x10, 0x27, 0x10}));
    EXPECT_EQ(bytesAt(image, 0xF08, 4), (Bytes{0x00, 0x70, 0x00, 0x70}));

    // Erase tone 1 and press Enter in tone 2, which keeps its text until it is committed.
    EXPECT_EQ(T::commitCell(v, {4, 0}, "", CommitBy::Enter), (GridCell{4, 1}));
    EXPECT_EQ(v.tones[4][1], "1000.0");
    EXPECT_EQ(T::commitCell(v, {4, 1}, v.tones[4][1], CommitBy::Enter), (GridCell{4, 0}));
    EXPECT_TRUE(v.tones[4][0].empty() && v.tones[4][1].empty());
    T::writeEncode(v, image);
    EXPECT_EQ(bytesAt(image, 0xE10, 4), Bytes(4, 0));
    EXPECT_EQ(bytesAt(image, 0xF10, 4), Bytes(4, 0));
}

TEST(TwoToneTables, CommittedTonesStayInsideTheRadiosRangeWhileArrowsWrapThroughOff)
{
    const std::pair<const char*, const char*> commits[] = {
        {"", ""},           {"100", "288.5"},     {"5000", "3106.0"}, {"288.5", "288.5"},
        {"3106", "3106.0"}, {"1000.04", "1000.0"}, {"1000.05", "1000.1"}, {"-7", "288.5"},
        {"abc", "288.5"},   {"99999999999999999999", "3106.0"},
    };
    for (const auto& [typed, shown] : commits)
        EXPECT_EQ(T::commitToneText(typed), shown) << typed;
    const struct {
        const char* from;
        bool up;
        const char* to;
    } arrows[] = {
        {"3106.0", true, "0.0"},  {"0.0", true, "288.5"},     {"", true, "288.5"},      {"288.5", false, "0.0"},
        {"0.0", false, "3106.0"}, {"1000.0", true, "1000.1"}, {"1000.0", false, "999.9"}, {"5", true, " 5.1"},
        {"3105.9", true, "3106.0"},
        {"5000", true, "5000.1"},  // typed values are not limited
    };
    for (const auto& c : arrows)
        EXPECT_EQ(T::stepDecoderTone(c.from, c.up), c.to) << c.from << (c.up ? " up" : " down");
}

TEST(TwoToneTables, CursorRulesOfTheEncodeGrid)
{
    struct Case {
        const char* what;
        GridCell from;
        const char* tone1;  // the row's first tone before the commit
        const char* typed;
        CommitBy by;
        std::optional<GridCell> to;
    };
    const Case cases[] = {
        {"tone 1 goes to tone 2", {0, 0}, "", "500", CommitBy::Leaving, GridCell{0, 1}},
        {"Enter in tone 2 goes to the next row", {0, 1}, "500.0", "600", CommitBy::Enter, GridCell{1, 0}},
        {"the last row stays", {31, 1}, "500.0", "600", CommitBy::Enter, GridCell{31, 0}},
        {"Enter in a lone tone 2 goes back", {7, 1}, "", "600", CommitBy::Enter, GridCell{7, 0}},
        {"Enter in an empty tone 2 goes on", {7, 1}, "", "", CommitBy::Enter, GridCell{8, 0}},
        {"leaving row 15 goes on", {14, 1}, "500.0", "600", CommitBy::Leaving, GridCell{15, 0}},
        {"leaving row 16 stays put", {15, 1}, "500.0", "600", CommitBy::Leaving, std::nullopt},
        {"leaving a lone tone 2 erases it", {20, 1}, "", "600", CommitBy::Leaving, std::nullopt},
    };
    for (const Case& c : cases) {
        EncodePageValues v;
        v.tones[static_cast<std::size_t>(c.from.row)][0] = c.tone1;
        EXPECT_EQ(T::commitCell(v, c.from, c.typed, c.by), c.to) << c.what;
        if (std::string(c.tone1).empty() && c.from.tone == 1) {
            EXPECT_EQ(v.tones[static_cast<std::size_t>(c.from.row)][1], "") << c.what;
        }
    }
    EXPECT_EQ(T::enterOnGrid({3, 0}), (GridCell{3, 1}));
    EXPECT_EQ(T::enterOnGrid({3, 1}), (GridCell{4, 0}));
    EXPECT_EQ(T::editorStartText('7'), "7");
    EXPECT_EQ(T::editorStartText('x'), std::nullopt);
    EXPECT_EQ(T::editorStartText('.'), std::nullopt);
}

TEST(TwoToneTables, DecoderValuesAreHeldToWhatTheirBytesCanCarry)
{
    struct Case {
        const char* what;
        DecoderPageValues page;
        Bytes value, count;
    };
    const Case cases[] = {
        {"1000 Hz and 0.8 s", {"1000.0", "0", {"0.8", "0.8", "0.8", "0.8"}},
         {0x27, 0x10, 0, 0, 8, 8, 8, 8}, {0x03, 0x80, 0, 0, 16, 16, 16, 16}},
        {"tones above 6553.5 Hz are held there", {"9999", "6553.5", {"0.5", "0", "0", "0.5"}},
         {0xFF, 0xFF, 0xFF, 0xFF, 5, 0, 0, 5}, {0x00, 0x89, 0x00, 0x89, 10, 0, 0, 10}},
        {"negative and tiny tones are off", {"-3", "0.05", {"1.0", "1.0", "1.0", "1.0"}},
         {0, 0, 0, 0, 10, 10, 10, 10}, {0, 0, 0, 0, 20, 20, 20, 20}},
        {"times are held to their spins", {"288.5", "3106", {"99.9", "99.9", "99.9", "0"}},
         {0x0B, 0x45, 0x79, 0x54, 100, 100, 20, 5}, {0x0C, 0x21, 0x01, 0x20, 200, 200, 40, 10}},
        {"times truncate each form on its own", {"0", "0", {"0.85", "0.79", "0.25", "1.99"}},
         {0, 0, 0, 0, 8, 7, 2, 19}, {0, 0, 0, 0, 17, 15, 5, 39}},
    };
    for (const Case& c : cases) {
        MemoryImage image = freshImage();
        T::writeDecoder(c.page, 3, image);
        EXPECT_EQ(bytesAt(image, 0xE98, 8), c.value) << c.what;
        EXPECT_EQ(bytesAt(image, 0xF98, 8), c.count) << c.what;
        EXPECT_EQ(bytesAt(image, 0xE90, 8), bytesAt(freshImage(), 0xE90, 8)) << "decoder 2 untouched";
    }
}

TEST(TwoToneTables, EncodeTimesAreHeldToTheirSpinsAndShortKillIsWrittenTwice)
{
    struct Case {
        const char *first, *longDelay;
        int interval, txRise;
        bool shortKill;
        Bytes value, count;  // 0xEC0-0xEC7 and its count form
    };
    const Case cases[] = {
        {"0.8", "0.0", 0, 100, false, {8, 6, 0, 0x00, 0x00, 0x00, 0x64, 0}, {16, 12, 0, 0x00, 0x00, 0x00, 0x02, 0}},
        {"0.1", "99.9", 2000, 1000, true, {5, 6, 100, 0x07, 0xD0, 0x03, 0xE8, 1},
         {10, 12, 200, 0x00, 0x28, 0x00, 0x14, 1}},
        {"10.0", "10", 2050, 99, false, {100, 6, 100, 0x07, 0xD0, 0x00, 0x64, 0},
         {200, 12, 200, 0x00, 0x28, 0x00, 0x02, 0}},
        {"0.8", "0.5", 130, 175, true, {8, 6, 5, 0x00, 0x82, 0x00, 0xAF, 1}, {16, 12, 10, 0x00, 0x02, 0x00, 0x03, 1}},
    };
    for (const Case& c : cases) {
        MemoryImage image = freshImage();
        image.set(0xEC7, c.shortKill ? 0 : 1);
        image.set(0xFC7, c.shortKill ? 0 : 1);
        EncodePageValues v = T::readEncode(image);
        v.firstDelay = c.first;
        v.longDelay = c.longDelay;
        v.interval = c.interval;
        v.txRise = c.txRise;
        v.shortKill = c.shortKill;
        T::writeEncode(v, image);
        EXPECT_EQ(bytesAt(image, 0xEC0, 8), c.value) << c.first;
        EXPECT_EQ(bytesAt(image, 0xFC0, 8), c.count) << c.first;
    }
    // A short-kill byte that is neither 0 nor 1 keeps what the box shows.
    MemoryImage image = freshImage();
    image.set(0xEC7, 0x05);
    for (bool shown : {true, false}) {
        EncodePageValues before;
        before.shortKill = shown;
        EXPECT_EQ(T::readEncode(image, before).shortKill, shown);
    }
    image.set(0xEC7, 1);
    EXPECT_TRUE(T::readEncode(image, EncodePageValues{}).shortKill);
}

TEST(TwoToneTables, TimeAndMillisecondArrows)
{
    EXPECT_EQ(T::encodeDelaySpin().step("0.5", false), "0.5");
    EXPECT_EQ(T::encodeDelaySpin().step("0.5", true), "0.6");
    EXPECT_EQ(T::encodeDelaySpin().step("10.0", true), "10.0");
    EXPECT_EQ(T::encodeLongSpin().step("0.0", false), "0.0");
    EXPECT_EQ(T::decoderTimeSpins()[2].step("2.0", true), "2.0");
    EXPECT_EQ(T::decoderTimeSpins()[0].step("0.5", false), "0.5");
    struct Case {
        const MillisecondSpin& spin;
        int from;
        bool up;
        int to;
    };
    const MillisecondSpin& interval = T::intervalSpin();
    const MillisecondSpin& rise = T::txRiseSpin();
    for (const Case& c : std::vector<Case>{{interval, 0, false, 2000}, {interval, 2000, true, 0},
                                           {interval, 1950, true, 0},  {interval, 100, true, 200},
                                           {rise, 100, false, 1000},   {rise, 1000, true, 100},
                                           {rise, 200, false, 150}})
        EXPECT_EQ(c.spin.step(c.from, c.up), c.to) << c.from;
}

// The message a refused millisecond box shows names its own limits, in the
// dialog's language.
TEST(TwoToneTables, ARefusedMillisecondBoxNamesItsLimits)
{
    const struct {
        const MillisecondSpin& spin;
        Language language;
        const char* message;
    } cases[] = {
        {TwoToneTables::intervalSpin(), Language::English, "Please enter an integer between 0 and 2000."},
        {TwoToneTables::txRiseSpin(), Language::English, "Please enter an integer between 100 and 1000."},
        {TwoToneTables::intervalSpin(), Language::Chinese, "请输入 0 到 2000 之间的整数。"},
        {TwoToneTables::txRiseSpin(), Language::Chinese, "请输入 100 到 1000 之间的整数。"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.spin.rangeMessage(twoToneTexts(c.language).rangeMessage), c.message);
    for (int refused : {-1, 2001})
        EXPECT_FALSE(TwoToneTables::intervalSpin().accepts(refused)) << refused;
    for (int refused : {99, 1001})
        EXPECT_FALSE(TwoToneTables::txRiseSpin().accepts(refused)) << refused;
}

} // namespace
} // namespace tolvan
