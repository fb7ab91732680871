#include "dialogs/dialog_texts.h"
#include "dialogs/two_tone_tables.h"
#include "dialog_scenarios.h"
#include "editions/edition.h"
#include "golden.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvan {
namespace {

using namespace twotone;
using T = TwoToneTables;

MemoryImage freshImage() { return newDocumentImage(*findEdition("cps-twotone")); }

std::string shownDecoder(const DecoderPageValues& d)
{
    std::string out = d.aTone + " / " + d.bTone + " Hz,";
    for (const std::string& time : d.times)
        out += " " + time;
    return out + " s";
}

// Every byte a page's OK writes, in both forms: the new document's pages as
// they open, then decoder 4 and the encode times as typed.
TEST(TwoToneTables, EveryPageWriteMatchesTheGoldenFile)
{
    const MemoryImage fresh = freshImage();
    MemoryImage image = fresh;
    const EncodePageValues e = T::readEncode(image);
    for (const auto& row : e.tones)
        EXPECT_TRUE(row[0].empty() && row[1].empty());
    std::string out = "new document: delays " + e.firstDelay + " " + e.secondDelay + " " + e.longDelay + " s, interval "
                      + std::to_string(e.interval) + " ms, Tx rise " + std::to_string(e.txRise) + " ms, short kill "
                      + std::to_string(e.shortKill) + "\n";
    T::writeEncode(e, image);
    for (int k = 0; k < kDecoderCount; ++k) {
        const DecoderPageValues d = T::readDecoder(image, k);
        out += "  decoder " + std::to_string(k + 1) + ": " + shownDecoder(d) + "\n";
        T::writeDecoder(d, k, image);
    }
    out += "  OK:" + changedBytes(fresh, image) + "\n";

    // A typed tone fills its row; erasing tone 1 and pressing Enter in tone 2,
    // which keeps its text until it is committed, erases the row.
    image = fresh;
    EncodePageValues v = T::readEncode(image);
    EXPECT_EQ(T::commitCell(v, {2, 0}, "1000", CommitBy::Enter), (GridCell{2, 1}));
    T::commitCell(v, {4, 0}, "1000", CommitBy::Enter);
    T::writeEncode(v, image);
    out += "rows 3 and 5 typed " + v.tones[2][0] + " / " + v.tones[2][1] + "\n  OK:" + changedBytes(fresh, image) + "\n";
    EXPECT_EQ(T::commitCell(v, {4, 0}, "", CommitBy::Enter), (GridCell{4, 1}));
    EXPECT_EQ(v.tones[4][1], "1000.0");
    EXPECT_EQ(T::commitCell(v, {4, 1}, v.tones[4][1], CommitBy::Enter), (GridCell{4, 0}));
    EXPECT_TRUE(v.tones[4][0].empty() && v.tones[4][1].empty());
    T::writeEncode(v, image);
    out += "row 5 erased\n  OK:" + changedBytes(fresh, image) + "\n";
    const DecoderPageValues decoders[] = {
        {"1000.0", "0", {"0.8", "0.8", "0.8", "0.8"}},
        {"9999", "6553.5", {"0.5", "0", "0", "0.5"}},  // tones above 6553.5 Hz are held there
        {"-3", "0.05", {"1.0", "1.0", "1.0", "1.0"}},  // negative and tiny tones are off
        {"288.5", "3106", {"99.9", "99.9", "99.9", "0"}},  // times are held to their spins
        {"0", "0", {"0.85", "0.79", "0.25", "1.99"}},  // times truncate each form on its own
    };
    for (const DecoderPageValues& d : decoders) {
        image = fresh;
        T::writeDecoder(d, 3, image);
        out += "decoder 4 " + shownDecoder(d) + "\n  OK:" + changedBytes(fresh, image) + "\n";
    }
    const struct {
        const char *first, *longDelay;
        int interval, txRise;
        bool shortKill;
    } encodes[] = {
        {"0.8", "0.0", 0, 100, false}, {"0.1", "99.9", 2000, 1000, true}, {"10.0", "10", 2050, 99, false},
        {"0.8", "0.5", 130, 175, true},
    };
    for (const auto& c : encodes) {
        image = fresh;
        image.set(0xEC7, c.shortKill ? 0 : 1);
        image.set(0xFC7, c.shortKill ? 0 : 1);
        const MemoryImage before = image;
        EncodePageValues page = T::readEncode(image);
        page.firstDelay = c.first;
        page.longDelay = c.longDelay;
        page.interval = c.interval;
        page.txRise = c.txRise;
        page.shortKill = c.shortKill;
        T::writeEncode(page, image);
        out += "encode " + std::string(c.first) + " / " + c.longDelay + " s, " + std::to_string(c.interval) + " / "
               + std::to_string(c.txRise) + " ms, short kill " + std::to_string(c.shortKill) + "\n  OK:"
               + changedBytes(before, image) + "\n";
    }
    expectGolden("dialogs", "two_tone_tables", out);
}

// Committed tones stay inside the radio's range; the decoder arrows wrap
// through off, but a typed value beyond the range is not limited by them.
TEST(TwoToneTables, CommittedTonesAndDecoderArrowsMatchTheGoldenFile)
{
    std::string out;
    for (const char* typed : {"", "100", "5000", "288.5", "3106", "1000.04", "1000.05", "-7", "abc", "99999999999999999999"})
        out += "commit [" + std::string(typed) + "] shows [" + T::commitToneText(typed) + "]\n";
    for (const char* from : {"3106.0", "0.0", "", "288.5", "1000.0", "5", "3105.9", "5000"})
        out += "arrows from [" + std::string(from) + "]: up [" + T::stepDecoderTone(from, true) + "] down ["
               + T::stepDecoderTone(from, false) + "]\n";
    expectGolden("dialogs", "two_tone_entry", out);
}

// Where the cursor goes after a commit, and what the row then holds.
TEST(TwoToneTables, CursorRulesOfTheEncodeGridMatchTheGoldenFile)
{
    const struct {
        const char* what;
        GridCell from;
        const char* tone1;  // the row's first tone before the commit
        const char* typed;
        CommitBy by;
    } cases[] = {
        {"tone 1 goes to tone 2", {0, 0}, "", "500", CommitBy::Leaving},
        {"Enter in tone 2 goes to the next row", {0, 1}, "500.0", "600", CommitBy::Enter},
        {"the last row stays", {31, 1}, "500.0", "600", CommitBy::Enter},
        {"Enter in a lone tone 2 goes back", {7, 1}, "", "600", CommitBy::Enter},
        {"Enter in an empty tone 2 goes on", {7, 1}, "", "", CommitBy::Enter},
        {"leaving row 15 goes on", {14, 1}, "500.0", "600", CommitBy::Leaving},
        {"leaving row 16 stays put", {15, 1}, "500.0", "600", CommitBy::Leaving},
        {"leaving a lone tone 2 erases it", {20, 1}, "", "600", CommitBy::Leaving},
    };
    const auto cell = [](std::optional<GridCell> c) {
        return c ? "row " + std::to_string(c->row + 1) + " tone " + std::to_string(c->tone + 1) : std::string("none");
    };
    std::string out;
    for (const auto& c : cases) {
        EncodePageValues v;
        auto& row = v.tones[static_cast<std::size_t>(c.from.row)];
        row[0] = c.tone1;
        const std::string to = cell(T::commitCell(v, c.from, c.typed, c.by));
        out += std::string(c.what) + ": " + to + ", the row holds [" + row[0] + "] [" + row[1] + "]\n";
    }
    out += "Enter on row 4: tone 1 -> " + cell(T::enterOnGrid({3, 0})) + ", tone 2 -> " + cell(T::enterOnGrid({3, 1})) + "\n";
    for (char key : {'7', 'x', '.'})
        out += std::string("typing [") + key + "] opens the editor with [" + T::editorStartText(key).value_or("(none)") + "]\n";
    expectGolden("dialogs", "two_tone_cursor", out);
}

// A short-kill byte that is neither 0 nor 1 keeps what the box shows.
TEST(TwoToneTables, AnUnknownShortKillByteKeepsTheMark)
{
    MemoryImage image = freshImage();
    for (std::uint8_t byte : {0x05, 0x01, 0x00})
        for (bool shown : {true, false}) {
            image.set(0xEC7, byte);
            EncodePageValues before;
            before.shortKill = shown;
            EXPECT_EQ(T::readEncode(image, before).shortKill, byte == 0x05 ? shown : byte == 0x01) << int(byte) << shown;
        }
}

// Time spins stop at their ends, millisecond spins wrap round; a refused
// millisecond box names its own limits, in the dialog's language.
TEST(TwoToneTables, SpinsAndTheirLimitsMatchTheGoldenFile)
{
    std::string out;
    const std::pair<const char*, const TimeSpin*> times[] = {
        {"encode delay", &T::encodeDelaySpin()}, {"encode long delay", &T::encodeLongSpin()},
        {"decoder first delay", &T::decoderTimeSpins()[0]}, {"decoder interval", &T::decoderTimeSpins()[2]},
    };
    for (const auto& [name, spin] : times)
        for (const char* from : {"0.0", "0.5", "2.0", "10.0"})
            out += std::string(name) + " [" + from + "]: up [" + spin->step(from, true) + "] down ["
                   + spin->step(from, false) + "]\n";
    const std::pair<const char*, const MillisecondSpin*> spins[] = {
        {"interval", &T::intervalSpin()}, {"Tx rise", &T::txRiseSpin()}};
    for (const auto& [name, spin] : spins) {
        for (int from : {0, 100, 150, 200, 1000, 1950, 2000})
            out += std::string(name) + " " + std::to_string(from) + ": up " + std::to_string(spin->step(from, true)) + " down "
                   + std::to_string(spin->step(from, false)) + "\n";
        out += std::string(name) + " accepts";
        for (int value : {-1, 0, 99, 100, 1000, 1001, 2000, 2001})
            out += spin->accepts(value) ? " " + std::to_string(value) : "";
        for (Language language : {Language::English, Language::Chinese})
            out += "\n  " + spin->rangeMessage(twoToneTexts(language).rangeMessage);
        out += "\n";
    }
    expectGolden("dialogs", "two_tone_spins", out);
}

} // namespace
} // namespace tolvan
