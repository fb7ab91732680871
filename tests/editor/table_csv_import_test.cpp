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

#include <gtest/gtest.h>
#include <random>

namespace tolvan {
namespace {

std::vector<Language> languagesOf(const Edition& e)
{
    std::vector<Language> out{e.uiLanguage(Language::English)};
    if (e.uiLanguage(Language::Chinese) != out.front())
        out.push_back(Language::Chinese);
    return out;
}

// Frequencies every rule and, where the edition checks it, the form's band accepts.
std::vector<TenHz> acceptedFrequencies(const Edition& e, const MemoryImage& image)
{
    std::optional<Band> band;
    FormSettings form(e);
    form.loadFromImage(image);
    for (int i = 0; i < form.count(); ++i)
        if (form.list(i).label == "Field" && !e.bands.empty() && form.selection(i) >= 0)
            band = e.bands.at(static_cast<std::size_t>(form.selection(i)));
    std::vector<TenHz> out;
    for (TenHz f : {14552000, 13600000, 17400000, 43500000, 44600625, 46256250, 46756250, 40012500, 25000000}) {
        if (checkFrequencyEntry(frequencyText(f), e.frequencyRule, band).verdict == FrequencyVerdict::Accepted)
            out.push_back(f);
    }
    return out;
}

// `base` with random valid channels, some left unused. A tone typed on a row
// without frequencies is not kept, so only `tonesOnUnused` puts one there.
MemoryImage randomChannels(const Edition& e, const MemoryImage& base, unsigned seed, bool tonesOnUnused = true)
{
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const auto freqs = acceptedFrequencies(e, base);
    EXPECT_FALSE(freqs.empty());
    const auto& tones = ToneList::instance().texts();
    const std::string nameChars = "ABCXYZ0189- ";
    MemoryImage image = base;
    for (int ch = 1; ch <= e.channelCount; ++ch) {
        ChannelFields f = e.records().read(e, image, ch);
        if (pick(4) == 0) {
            f.rx = f.tx = 0;
        } else {
            f.rx = freqs[static_cast<std::size_t>(pick(static_cast<int>(freqs.size())))];
            f.tx = freqs[static_cast<std::size_t>(pick(static_cast<int>(freqs.size())))];
        }
        f.rxTone = toneFromText(tones[static_cast<std::size_t>(pick(static_cast<int>(tones.size())))]);
        f.txTone = toneFromText(tones[static_cast<std::size_t>(pick(static_cast<int>(tones.size())))]);
        if (!f.inUse() && !tonesOnUnused)
            f.rxTone = f.txTone = toneFromText("OFF");
        f.signalling = e.signallingValues.empty() ? -1 : pick(static_cast<int>(e.signallingValues.size()));
        f.busy = pick(static_cast<int>(std::max<std::size_t>(1, e.english.busy.items.size())));
        f.wide = pick(2);
        f.scan = pick(2);
        f.highPower = pick(2);
        f.pttId = pick(2);
        f.name.clear();
        for (int n = pick(7); n > 0; --n)
            f.name += nameChars[static_cast<std::size_t>(pick(static_cast<int>(nameChars.size())))];
        while (!f.name.empty() && f.name.back() == ' ')
            f.name.pop_back();
        e.records().write(e, image, ch, f);
    }
    return image;
}

std::string exported(const Edition& e, Language language, const MemoryImage& image)
{
    ChannelTable table(e, language);
    table.loadFromImage(image);
    return channelTableCsv(table);
}

class CsvImport : public ::testing::TestWithParam<const Edition*> {};

TEST_P(CsvImport, ExportThenImportGivesBackTheSameBytes)
{
    const Edition& e = *GetParam();
    for (Language language : languagesOf(e)) {
        for (unsigned seed : {1u, 2u, 3u}) {
            for (const MemoryImage& image : {randomChannels(e, sampleCodeplug(e), seed), sampleCodeplug(e)}) {
                MemoryImage target = image;
                const CsvImportResult r = importChannelCsv(e, language, exported(e, language, image), target);
                ASSERT_FALSE(r.error) << describeImportError(e, language, *r.error);
                EXPECT_EQ(r.channelsChanged, 0);
                EXPECT_TRUE(target == image);
            }
        }
    }
}

TEST_P(CsvImport, AnotherImagesChannelsArriveCellForCell)
{
    const Edition& e = *GetParam();
    const MemoryImage base = sampleCodeplug(e);
    for (Language exportLanguage : languagesOf(e)) {
        for (Language importLanguage : languagesOf(e)) {
            const MemoryImage wanted = randomChannels(e, base, 7, false);
            MemoryImage target = base;
            const CsvImportResult r = importChannelCsv(e, importLanguage, exported(e, exportLanguage, wanted), target);
            ASSERT_FALSE(r.error) << describeImportError(e, importLanguage, *r.error);
            ChannelTable got(e, importLanguage), want(e, importLanguage);
            got.loadFromImage(target);
            want.loadFromImage(wanted);
            for (int ch = 1; ch <= e.channelCount; ++ch)
                ASSERT_EQ(got.channelOfRow(ch), want.channelOfRow(ch)) << "channel " << ch;
        }
    }
}

struct BadCase {
    const char* name;
    std::function<std::string(const ChannelTable&)> csv;  // given the base table in the edition's first language
    int line, column;
    std::function<std::string(const Edition&, Language)> message;
};

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

std::string header(const ChannelTable& t)
{
    std::vector<std::string> cells;
    for (int c = 0; c < t.columnCount(); ++c)
        cells.push_back(t.cell(0, c));
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

// A row that would change channel 1, so the error after it proves all-or-nothing.
std::string goodRow(const ChannelTable& t, const std::string& name = "NEW")
{
    std::vector<std::string> cells;
    for (int c = 0; c < t.columnCount(); ++c) {
        cells.push_back(t.cell(1, c));
        if (t.columnAt(c) == Column::Receive || t.columnAt(c) == Column::Transmit)
            cells.back() = frequencyText(goodFrequency(t.edition()));
        if (t.columnAt(c) == Column::Name)
            cells.back() = name;
    }
    return line(cells);
}

std::string withCell(const ChannelTable& t, int row, Column column, const std::string& text)
{
    std::vector<std::string> cells;
    for (int c = 0; c < t.columnCount(); ++c)
        cells.push_back(t.columnAt(c) == column ? text : t.cell(row, c));
    return line(cells);
}

std::string fixed(const char* en, const char* zh, const Edition& e, Language l)
{
    return e.uiLanguage(l) == Language::English ? en : zh;
}

const BadCase kBad[] = {
    {"unknownHeader", [](const ChannelTable& t) { return "Channel," + header(t); }, 1, 1,
     [](const Edition& e, Language l) { return fixed("unknown column", "未知的列", e, l); }},
    {"noChannelColumn",
     [](const ChannelTable& t) { return csvField(t.cell(0, 1)) + "\r\n145.52\r\n"; }, 1, 1,
     [](const Edition& e, Language l) { return fixed("the channel column is missing", "缺少频道列", e, l); }},
    {"frequencyOutOfRange",
     [](const ChannelTable& t) { return header(t) + goodRow(t) + withCell(t, 2, Column::Receive, "1000"); }, 3, 2,
     [](const Edition& e, Language l) { return e.texts(l).entry.outOfRange; }},
    {"unknownWord", [](const ChannelTable& t) { return header(t) + goodRow(t) + withCell(t, 2, Column::Power, "Max"); },
     3, -1, [](const Edition& e, Language l) { return fixed("not one of the column's choices", "不是此列可选的值", e, l); }},
    {"unknownTone", [](const ChannelTable& t) { return header(t) + goodRow(t) + withCell(t, 2, Column::RxTone, "88.4"); },
     3, 4, [](const Edition& e, Language l) { return fixed("not a tone of the tone list", "不是信令表中的值", e, l); }},
    {"channelOutOfRange",
     [](const ChannelTable& t) { return header(t) + goodRow(t) + withCell(t, 2, Column::Channel, "999"); },
     3, 1, [](const Edition& e, Language l) { return fixed("not a channel of this radio", "不是本机的频道", e, l); }},
    {"channelTwice", [](const ChannelTable& t) { return header(t) + goodRow(t) + goodRow(t); }, 3, 1,
     [](const Edition& e, Language l) { return fixed("this channel is given twice", "此频道重复出现", e, l); }},
    {"shortRow", [](const ChannelTable& t) { return header(t) + goodRow(t) + "2,145.52000\r\n"; }, 3, 3,
     [](const Edition& e, Language l) {
         return fixed("the number of fields differs from the header line", "字段数与标题行不一致", e, l);
     }},
    {"unclosedQuote", [](const ChannelTable& t) { return header(t) + goodRow(t) + "\"2,145\r\n"; }, 3, 1,
     [](const Edition& e, Language l) { return fixed("a quote is not closed", "引号没有结束", e, l); }},
};

TEST_P(CsvImport, ARefusedCellIsReportedAndNothingIsApplied)
{
    const Edition& e = *GetParam();
    const MemoryImage base = sampleCodeplug(e);
    for (Language language : languagesOf(e)) {
        ChannelTable table(e, language);
        table.loadFromImage(base);
        for (const BadCase& c : kBad) {
            SCOPED_TRACE(c.name);
            if (std::string(c.name) == "unknownWord" && table.columnOf(Column::Power) < 0)
                continue;
            MemoryImage target = base;
            const CsvImportResult r = importChannelCsv(e, language, c.csv(table), target);
            ASSERT_TRUE(r.error);
            EXPECT_EQ(r.error->line, c.line);
            const int column = c.column == -1 ? table.columnOf(Column::Power) + 1 : c.column;
            EXPECT_EQ(r.error->column, column);
            EXPECT_EQ(r.error->message, c.message(e, language));
            EXPECT_TRUE(target == base);
        }
        // The good row alone is applied.
        MemoryImage target = base;
        const CsvImportResult ok = importChannelCsv(e, language, header(table) + goodRow(table), target);
        ASSERT_FALSE(ok.error) << describeImportError(e, language, *ok.error);
        EXPECT_EQ(ok.channelsChanged, 1);
        EXPECT_EQ(e.records().read(e, target, 1).rx, goodFrequency(e));
    }
}

INSTANTIATE_TEST_SUITE_P(Every, CsvImport, ::testing::ValuesIn(allEditions()), [](const auto& info) {
    std::string name = info.param->id;
    std::erase(name, '-');
    return name;
});

TEST(CsvImportText, SaysWhereInTheEditionsLanguage)
{
    const CsvImportError error{3, 2, "x"};
    EXPECT_EQ(describeImportError(*findEdition("cps-twotone"), Language::English, error), "Line 3, column 2: x");
    EXPECT_EQ(describeImportError(*findEdition("cps16-cn"), Language::English, error), "第 3 行，第 2 列：x");
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

TEST(CsvImportChannelNumber, DigitsAfterAWrongCharacterKeepItWrong)
{
    // Found by fuzzing: the digits went on multiplying a number already known
    // to be wrong, past the int range.
    const Edition& e = *findEdition("cps-twotone");
    for (const char* number : {"5x" "2222222222222222222222222222", "-1" "9999999999999999999", "1 2"}) {
        SCOPED_TRACE(number);
        MemoryImage image = sampleCodeplug(e);
        const std::string csv = std::string("CH,Name\r\n") + number + ",A\r\n";
        const CsvImportResult r = importChannelCsv(e, Language::English, csv, image);
        ASSERT_TRUE(r.error);
        EXPECT_EQ(r.error->line, 2);
        EXPECT_EQ(r.error->column, 1);
        EXPECT_EQ(r.error->message, "not a channel of this radio");
        EXPECT_EQ(image, sampleCodeplug(e));
    }
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
