// Channels between any two of the programs: what each ordered pair carries,
// ignores and refuses, from a .sin and from a CSV in every language, and a
// round trip that keeps every value the middle program holds.

#include "editor/table_csv_import.h"

#include "codeplug/text_util.h"
#include "editions/record_codec.h"
#include "editor/channel_table.h"
#include "editor/table_csv.h"
#include "sim/sample_codeplug.h"
#include "golden.h"
#include "random_channels.h"

#include <gtest/gtest.h>
#include <map>

namespace tolvan {
namespace {

const char* familyName(Family f)
{
    static const char* const names[] = {"two_tone", "family_a", "key_radio", "sixteen"};
    return names[static_cast<int>(f)];
}

// The sample with what sets the radios apart: a channel on 174 MHz with the
// last signalling, PTT ID, busy choice, low power and narrow band, and one
// beyond the small radios' sixteen.
MemoryImage fleetSample(const Edition& e)
{
    MemoryImage image = sampleCodeplug(e);
    struct Extra {
        int channel;
        TenHz frequency;
        const char* name;
        bool plain;
    };
    for (const Extra& x : {Extra{5, 17400000, "ODD", false}, Extra{20, 14552000, "FAR", true}}) {
        if (x.channel > e.channelCount)
            continue;
        ChannelFields f = e.records().read(e, image, x.channel);
        f.rx = f.tx = x.frequency;
        f.rxTone = f.txTone = toneFromText("OFF");
        f.name = x.name;
        f.wide = f.highPower = x.plain;
        f.scan = true;
        f.pttId = !x.plain;
        f.signalling = x.plain || e.signallingValues.empty() ? -1 : static_cast<int>(e.signallingValues.size()) - 1;
        f.busy = x.plain ? 0 : static_cast<int>(e.english.busy.items.size()) - 1;
        e.records().write(e, image, x.channel, f);
    }
    return image;
}

std::string csvOf(const Edition& e, Language language, const MemoryImage& image, bool plan = false)
{
    ChannelTable table(e, language);
    table.loadFromImage(image);
    return channelTableCsv(table, plan);
}

std::string outcome(const Edition& to, const CsvImportResult& r)
{
    const Language ui = to.uiLanguage(Language::English);
    if (r.error)
        return "refused: " + describeImportError(to, ui, *r.error);
    std::string out = std::to_string(r.channelsChanged) + " changed";
    if (!r.ignored.empty())
        out += "; ignored: " + joined(r.ignored, ", ");
    for (const CsvImportError& e : r.skipped)
        out += "\n    skipped " + describeImportError(to, ui, e);
    return out;
}

// Per pair: the import as it stops, then with skipUnfit, and the rows that
// changed as the target's CSV shows them. The same file as CSV, in every
// language of the source, and the plan file give the same image.
TEST(FleetImport, EveryOrderedPairByFamily)
{
    std::map<std::string, std::string> snapshots;
    for (const Edition* from : allEditions()) {
        const MemoryImage source = fleetSample(*from);
        for (const Edition* to : allEditions()) {
            if (from == to)
                continue;
            SCOPED_TRACE(from->id + " -> " + to->id);
            const Language ui = to->uiLanguage(Language::English);
            const MemoryImage base = sampleCodeplug(*to);
            MemoryImage strict = base, skipped = base;
            const CsvImportResult r = importChannelImage(*to, ui, *from, source, strict);
            const CsvImportResult s = importChannelImage(*to, ui, *from, source, skipped, {.skipUnfit = true});
            EXPECT_EQ(r.error.has_value() ? base : strict, strict);
            ASSERT_FALSE(s.error);
            for (Language language : languagesOf(*from)) {
                MemoryImage viaCsv = base;
                const CsvImportResult c = importChannelCsv(*to, ui, csvOf(*from, language, source), viaCsv, {.skipUnfit = true});
                EXPECT_EQ(viaCsv, skipped);
                EXPECT_EQ(c.skipped.size(), s.skipped.size()) << outcome(*to, c);
            }
            std::string& out = snapshots[std::string(familyName(from->family)) + "_to_" + familyName(to->family)];
            out += from->id + " -> " + to->id + ": " + outcome(*to, r) + "\n  --skip-unfit: " + outcome(*to, s) + "\n";
            ChannelTable before(*to, ui), after(*to, ui);
            before.loadFromImage(base);
            after.loadFromImage(skipped);
            for (int ch = 1; ch <= to->channelCount; ++ch) {
                std::vector<std::string> cells;
                for (int col = 0; col < after.columnCount(); ++col)
                    cells.push_back(after.cell(ch, col));
                if (after.channelOfRow(ch) != before.channelOfRow(ch))
                    out += "  " + joined(cells, ",") + "\n";
            }
        }
    }
    for (const auto& [name, text] : snapshots)
        expectGolden("editor", "fleet_" + name, text);
}

// Random channels, valid in their own program: every pair takes them from the
// image as from its list in each language, and a cell it cannot hold is only
// ever skipped, never a stop of the whole import.
TEST(FleetImport, RandomChannelsArriveAlikeFromTheImageAndTheList)
{
    for (const Edition* from : allEditions()) {
        const MemoryImage source = randomChannels(*from, sampleCodeplug(*from), 7);
        for (const Edition* to : allEditions()) {
            SCOPED_TRACE(from->id + " -> " + to->id);
            const Language ui = to->uiLanguage(Language::English);
            MemoryImage viaImage = sampleCodeplug(*to);
            const CsvImportResult s = importChannelImage(*to, ui, *from, source, viaImage, {.skipUnfit = true});
            ASSERT_FALSE(s.error) << outcome(*to, s);
            for (Language language : languagesOf(*from)) {
                MemoryImage viaCsv = sampleCodeplug(*to);
                const CsvImportResult c = importChannelCsv(*to, ui, csvOf(*from, language, source), viaCsv, {.skipUnfit = true});
                ASSERT_FALSE(c.error) << outcome(*to, c);
                EXPECT_EQ(viaCsv, viaImage);
            }
        }
    }
}

// A -> B -> A over A's own file and random channels: every cell of a channel B took whole whose
// meaning B has comes back as it was.
TEST(FleetImport, RoundTripKeepsWhatTheMiddleHolds)
{
    for (const Edition* a : allEditions()) {
        for (const MemoryImage& original : {fleetSample(*a), randomChannels(*a, sampleCodeplug(*a), 11, false)}) {
            ChannelTable was(*a, Language::English);
            was.loadFromImage(original);
            for (const Edition* b : allEditions()) {
                SCOPED_TRACE(a->id + " -> " + b->id);
                MemoryImage middle = sampleCodeplug(*b), back = original;
                const CsvImportResult there = importChannelImage(*b, Language::English, *a, original, middle, {.skipUnfit = true});
                const CsvImportResult home = importChannelImage(*a, Language::English, *b, middle, back, {.skipUnfit = true});
                ASSERT_FALSE(there.error || home.error);
                EXPECT_TRUE(home.skipped.empty()) << outcome(*a, home);
                ChannelTable is(*a, Language::English);
                is.loadFromImage(back);
                const bool sameBusy = a->english.busy.items == b->english.busy.items;
                for (int ch = 1; ch <= std::min(a->channelCount, b->channelCount); ++ch) {
                    const bool whole = std::none_of(there.skipped.begin(), there.skipped.end(),
                                                    [&](const CsvImportError& e) { return e.line == ch; });
                    for (int col = 1; whole && col < was.columnCount(); ++col) {
                        const Column c = was.columnAt(col);
                        const bool held = std::count(b->columns.begin(), b->columns.end(), c) && (c != Column::Busy || sameBusy);
                        EXPECT_TRUE(!held || is.cell(ch, col) == was.cell(ch, col)) << "channel " << ch << " " << was.cell(0, col);
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace tolvan
