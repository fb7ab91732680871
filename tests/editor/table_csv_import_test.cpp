// Channels from a spreadsheet: export then import gives back the same bytes in
// every edition and language; another image's channels arrive cell for cell;
// a refused cell is reported with its line and column and nothing is applied.

#include "editor/table_csv_import.h"

#include "codeplug/tone_list.h"
#include "editions/record_codec.h"
#include "editor/channel_table.h"
#include "editor/form_settings.h"
#include "editor/table_csv.h"
#include "sim/sample_codeplug.h"
#include "golden.h"
#include "random_channels.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace tolvan {
namespace {

std::string exported(const Edition& e, Language language, const MemoryImage& image)
{
    ChannelTable table(e, language);
    table.loadFromImage(image);
    return channelTableCsv(table);
}

// Another image's channels, exported in either language and imported in either,
// arrive cell for cell (where no unused row holds a tone, which a typed cell
// would not keep); imported over the image they came from, they change no byte
// and count no channel.
TEST(CsvImport, ChannelsArriveCellForCellAndBackByteForByte)
{
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const MemoryImage base = sampleCodeplug(*e);
        for (Language exportLanguage : languagesOf(*e)) {
            for (Language importLanguage : languagesOf(*e)) {
                for (unsigned seed : {1u, 2u, 3u}) {
                    const std::pair<MemoryImage, bool> images[] = {
                        {randomChannels(*e, base, seed, false), true}, {randomChannels(*e, base, seed), false}, {base, false}};
                    for (const auto& [wanted, arrives] : images) {
                        const std::string csv = exported(*e, exportLanguage, wanted);
                        MemoryImage same = wanted;
                        const CsvImportResult back = importChannelCsv(*e, importLanguage, csv, same);
                        ASSERT_FALSE(back.error) << describeImportError(*e, importLanguage, *back.error);
                        EXPECT_EQ(back.channelsChanged, 0);
                        EXPECT_TRUE(same == wanted);
                        if (!arrives)
                            continue;
                        MemoryImage target = base;
                        ASSERT_FALSE(importChannelCsv(*e, importLanguage, csv, target).error);
                        ChannelTable got(*e, importLanguage), want(*e, importLanguage);
                        got.loadFromImage(target);
                        want.loadFromImage(wanted);
                        for (int ch = 1; ch <= e->channelCount; ++ch)
                            ASSERT_EQ(got.channelOfRow(ch), want.channelOfRow(ch)) << "channel " << ch;
                    }
                }
            }
        }
    }
}

// Names a spreadsheet turns into something else unless the export protects
// them: formulas, numbers that lose their zeros or grow an exponent, a date.
const char* const kSpreadsheetBait[] = {"-1-1", "007", "1E5", "JAN 1", "0", "-", "12 30", "1-2"};

// LibreOffice Calc, headless, opens each export and saves it again as CSV, with
// the choices that change most (dates and special numbers detected, formulas
// evaluated) and UTF-8 both ways; all files in one call, as it starts slowly.
// Importing what it saved over the image exported changes no byte: the sample,
// random channels with those names, and scrambled bytes of every edition and
// language.
class CsvSpreadsheet : public TempDirTest {};

TEST_F(CsvSpreadsheet, WhatLibreOfficeSavesAgainImportsToTheSameImage)
{
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: the spreadsheet round trip is not run";
    std::map<std::string, std::tuple<const Edition*, Language, MemoryImage>> files;
    std::filesystem::create_directory(dir_ / "in");
    std::mt19937 random(26);
    for (const Edition* e : allEditions()) {
        for (Language language : languagesOf(*e)) {
            MemoryImage bait = randomChannels(*e, sampleCodeplug(*e), 26);
            for (int ch = 1; ch <= static_cast<int>(std::size(kSpreadsheetBait)); ++ch) {
                ChannelFields f = e->records().read(*e, bait, ch);
                f.name = kSpreadsheetBait[ch - 1];
                e->records().write(*e, bait, ch, f);
            }
            MemoryImage scrambled(e->imageSize);
            for (std::size_t i = 0; i < scrambled.size(); ++i)
                scrambled.set(i, static_cast<std::uint8_t>(random()));
            const MemoryImage images[] = {sampleCodeplug(*e), randomChannels(*e, sampleCodeplug(*e), 5), bait, scrambled};
            for (const MemoryImage& image : images) {
                const std::string name = e->id + (language == Language::English ? "-en-" : "-zh-")
                                         + std::to_string(&image - images) + ".csv";
                testing::put(dir_ / "in" / name, exported(*e, language, image));
                files[name] = {e, language, image};
            }
        }
    }
    // English (United States) and German, whose decimal comma keeps our numbers as text.
    for (const char* locale : {"1033", "1031"}) {
        SCOPED_TRACE(locale);
        const std::string out = std::string("out") + locale;
        const std::string command = "cd " + dir_.string() + " && soffice -env:UserInstallation=file://" + dir_.string()
                                    + "/profile --headless --infilter='Text - txt - csv (StarCalc):44,34,76,1,," + locale
                                    + ",false,true,false,false,false,-1,true' --convert-to"
                                    + " 'csv:Text - txt - csv (StarCalc):44,34,76,1' --outdir " + out + " in/*.csv"
                                    + " >soffice.log 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << testing::contents(dir_ / "soffice.log");
        for (const auto& [name, what] : files) {
            const auto& [e, language, image] = what;
            SCOPED_TRACE(name);
            const std::string saved = testing::contents(dir_ / out / name);
            ASSERT_FALSE(saved.empty());
            MemoryImage back = image;
            const CsvImportResult r = importChannelCsv(*e, language, saved, back);
            EXPECT_FALSE(r.error) << describeImportError(*e, language, r.error.value_or(CsvImportError{}));
            EXPECT_EQ(r.channelsChanged, 0);
            EXPECT_TRUE(back == image);
        }
    }
}

std::string line(const std::vector<std::string>& cells)
{
    std::string out;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0)
            out += ',';
        out += csvField(cells[c]);
    }
    return out + "\r\n";
}

// Row `row` of the table as a CSV line, with the cells of `changes` replaced.
std::string rowText(const ChannelTable& t, int row, const std::map<Column, std::string>& changes = {})
{
    std::vector<std::string> cells;
    for (int c = 0; c < t.columnCount(); ++c)
        cells.push_back(changes.contains(t.columnAt(c)) && row > 0 ? changes.at(t.columnAt(c)) : t.cell(row, c));
    return line(cells);
}

// A frequency the edition takes that channel 1 of the sample does not hold.
TenHz goodFrequency(const Edition& e)
{
    for (TenHz f : acceptedFrequencies(e, sampleCodeplug(e)))
        if (f != e.records().read(e, sampleCodeplug(e), 1).rx)
            return f;
    return 0;
}

// A row that would change channel 1, so an error after it proves all-or-nothing.
std::string goodRow(const ChannelTable& t)
{
    const std::string f = frequencyText(goodFrequency(t.edition()));
    return rowText(t, 1, {{Column::Receive, f}, {Column::Transmit, f}, {Column::Name, "NEW"}});
}

// Each refusal in every edition and language, as the command reports it, in the
// golden file; the image stays as it was. The good row before each refused one
// proves that nothing is applied unless all is.
TEST(CsvImportRefusals, EveryEditionAndLanguageMatchesTheGoldenFile)
{
    using Csv = std::function<std::string(const ChannelTable&)>;
    // The header, the good row, then `text` or channel 2's row with one cell changed.
    auto after = [](std::string text) -> Csv {
        return [=](const ChannelTable& t) { return rowText(t, 0) + goodRow(t) + text; };
    };
    auto cell = [](Column column, std::string text) -> Csv {
        return [=](const ChannelTable& t) { return rowText(t, 0) + goodRow(t) + rowText(t, 2, {{column, text}}); };
    };
    const std::pair<const char*, Csv> cases[] = {
        {"unknown header", [](const ChannelTable& t) { return "Channel," + rowText(t, 0); }},
        {"no channel column", [](const ChannelTable& t) { return line({t.cell(0, 1)}) + "145.52\r\n"; }},
        {"column twice", [](const ChannelTable& t) { return line({t.cell(0, 0), t.cell(0, 1), t.cell(0, 1)}); }},
        {"frequency", cell(Column::Receive, "1000")},
        {"word", cell(Column::Power, "Max")},
        {"name", cell(Column::Name, "abcdefg")},
        {"tone", cell(Column::RxTone, "88.4")},
        {"channel", cell(Column::Channel, "999")},
        {"channel twice", [](const ChannelTable& t) { return rowText(t, 0) + goodRow(t) + goodRow(t); }},
        {"short row", after("2,145.52000\r\n")},
        {"unclosed quote", after("\"2,145\r\n")},
        // Found by fuzzing: digits after a wrong character went on multiplying
        // a number already known to be wrong, past the int range.
        {"digits after a letter", [](const ChannelTable& t) { return line({t.cell(0, 0)}) + "5x22222222222222222222\r\n"; }},
        {"huge negative", [](const ChannelTable& t) { return line({t.cell(0, 0)}) + "-19999999999999999999\r\n"; }},
        {"two numbers", [](const ChannelTable& t) { return line({t.cell(0, 0)}) + "1 2\r\n"; }},
    };
    std::string out;
    for (const Edition* e : allEditions()) {
        const MemoryImage base = sampleCodeplug(*e);
        for (Language language : languagesOf(*e)) {
            ChannelTable table(*e, language);
            table.loadFromImage(base);
            for (const auto& [name, csv] : cases) {
                if ((std::string(name) == "word" && table.columnOf(Column::Power) < 0)
                    || (std::string(name) == "name" && table.columnOf(Column::Name) < 0))
                    continue;
                MemoryImage target = base;
                const CsvImportResult r = importChannelCsv(*e, language, csv(table), target);
                ASSERT_TRUE(r.error) << e->id << " " << name;
                EXPECT_TRUE(target == base) << e->id << " " << name;
                out += e->id + (language == Language::English ? " en " : " zh ") + name + ": ";
                out += describeImportError(*e, language, *r.error) + "\n";
            }
            // The good row alone is applied.
            MemoryImage target = base;
            const CsvImportResult ok = importChannelCsv(*e, language, rowText(table, 0) + goodRow(table), target);
            ASSERT_FALSE(ok.error) << describeImportError(*e, language, *ok.error);
            EXPECT_EQ(ok.channelsChanged, 1);
            EXPECT_EQ(e->records().read(*e, target, 1).rx, goodFrequency(*e));
        }
    }
    expectGolden("editor", "csv_refusals", out);
}

TEST(CsvImportParse, QuotesLineBreaksAndBlankLines)
{
    std::optional<CsvImportError> error;
    const auto rows = parseCsv("\xEF\xBB\xBF" "a,\"b,\"\"c\"\"\"\r\n\r\n\" x\ny\",2\n", &error);
    ASSERT_FALSE(error);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"a", "b,\"c\""}));
    EXPECT_EQ(rows[1].line, 3);
    EXPECT_EQ(rows[1].fields, (std::vector<std::string>{" x\ny", "2"}));
}

// Found by fuzz_csv_import: an empty " Opt Signal" cell reads as a change but
// stores the bytes the channel has; the count says what the radio gets.
TEST(CsvImportCount, ACellThatStoresTheSameBytesChangesNoChannel)
{
    const Edition& e = *findEdition("cps-ccir");
    MemoryImage image = sampleCodeplug(e);
    const CsvImportResult r = importChannelCsv(
        e, Language::Chinese,
        "CH,Receive(MHz),Transmit(MHz),Rx Tone,Tx Tone,\" W/N \",Scan,Tx Power,\" Opt Signal\",PTTID,BusyLock\r\n"
        "1,145.52000,145.52000,OFF,OFF,Wide,Yes,High,,ON,Close\r\n",
        image);
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.channelsChanged, 0);
    EXPECT_EQ(image, sampleCodeplug(e));
}

} // namespace
} // namespace tolvan
