#include "report/report_layout.h"

#include "editor/form_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace tolvan {
namespace {

// Letter paper, a quarter inch of margin, 600 dpi.
const ReportDevice kDevice{4800, 6300, 600, 600};

// A fixed line-height rule stands in for the drawing device's font metrics.
int fakeLineHeight(const ReportFont& font)
{
    return font.height + font.height / 8 + (font.role == ReportFontRole::Title ? 10 : 0);
}

struct Report {
    const Edition& edition;
    Language language;
    MemoryImage image;
    ChannelTable table;

    explicit Report(const char* id, Language lang = Language::English)
        : edition(*findEdition(id)), language(lang), image(newDocumentImage(edition)), table(edition, lang)
    {
        table.loadFromImage(image);
    }

    ReportInput input() const
    {
        return ReportInput(edition, language, table, formListTextsFromImage(edition, language, image), image);
    }
    std::vector<ReportPage> pages() const { return layoutReport(input(), kDevice, fakeLineHeight); }
    ReportPage page(int n) const { return layoutReportPage(input(), kDevice, fakeLineHeight, n); }
};

std::vector<std::string> textsOf(const ReportPage& page)
{
    std::vector<std::string> texts;
    for (const DrawOp& op : page.ops)
        texts.push_back(op.text);
    return texts;
}

bool hasText(const ReportPage& page, const std::string& text)
{
    const auto texts = textsOf(page);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The channel numbers a page prints: the texts drawn at x = u after the header.
std::vector<int> channelsOf(const ReportPage& page)
{
    const int u = reportGeometry(kDevice).u;
    std::vector<int> channels;
    bool afterHeader = false;
    for (const DrawOp& op : page.ops) {
        if (op.x != u || op.font.role != ReportFontRole::Body)
            continue;
        if (afterHeader)
            channels.push_back(std::stoi(op.text));
        afterHeader = true;  // the first text at u is the header line
    }
    return channels;
}

TEST(ReportGeometry, UnitsAndFontsFollowThePrintableRectangle)
{
    const ReportGeometry g = reportGeometry(kDevice);
    EXPECT_EQ(g.u, 132);  // (4800 * 1440 / 600 - 900) / 80 = 10620 / 80
    EXPECT_EQ(g.h, 336);  // 6300 / 45 * 1440 / 600
    EXPECT_EQ(g.title, (ReportFont{ReportFontRole::Title, 336, 132}));
    EXPECT_EQ(g.body, (ReportFont{ReportFontRole::Body, 336, 105}));

    // Integer arithmetic throughout: 6329 / 45 truncates to 140 before scaling.
    EXPECT_EQ(reportGeometry({4800, 6329, 600, 600}).h, 336);
    // A page too narrow for the fixed allowance prints at its left edge, and a
    // device without a resolution gives nothing to divide by.
    EXPECT_EQ(reportGeometry({100, 6300, 600, 600}).u, 0);
    EXPECT_EQ(reportGeometry({4800, 6300, 0, 0}).u, 0);
}

struct PageCase {
    const char* edition;
    Language language;
    std::vector<std::string> titles;
    std::vector<std::pair<int, int>> channels;
};

void PrintTo(const PageCase& c, std::ostream* os)
{
    *os << c.edition << (c.language == Language::English ? " en" : " zh");
}

class ReportPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(ReportPages, TitlesAndChannelRanges)
{
    const PageCase& c = GetParam();
    const Report report(c.edition, c.language);
    const auto pages = report.pages();
    ASSERT_EQ(pages.size(), c.titles.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        ASSERT_FALSE(pages[p].ops.empty());
        EXPECT_EQ(pages[p].ops.front().text, c.titles[p]);
        EXPECT_EQ(pages[p].ops.front().font.role, ReportFontRole::Title);
        const auto channels = channelsOf(pages[p]);
        ASSERT_FALSE(channels.empty());
        EXPECT_EQ(channels.front(), c.channels[p].first);
        EXPECT_EQ(channels.back(), c.channels[p].second);
        EXPECT_EQ(static_cast<int>(channels.size()), c.channels[p].second - c.channels[p].first + 1);
    }
    EXPECT_TRUE(report.page(static_cast<int>(pages.size()) + 1).ops.empty());
    EXPECT_TRUE(report.page(0).ops.empty());
}

const std::vector<std::string> kEnglishTitles = {"The Radio Settings", "The Second Page", "The Third Page",
                                                 "The Fourth Pages", "The Fifth Pages"};
const std::vector<std::string> kChineseTitles = {"整机设置", "第二页", "第三页", "第四页", "第五页"};
const std::vector<std::pair<int, int>> kFivePages = {{1, 22}, {23, 54}, {55, 86}, {87, 118}, {119, 128}};
const std::vector<std::pair<int, int>> kFourPages(kFivePages.begin(), kFivePages.end() - 1);
const std::vector<std::string> kFourEnglish(kEnglishTitles.begin(), kEnglishTitles.end() - 1);
const std::vector<std::string> kFourChinese(kChineseTitles.begin(), kChineseTitles.end() - 1);

INSTANTIATE_TEST_SUITE_P(
    Editions, ReportPages,
    ::testing::Values(PageCase{"cps-twotone", Language::English, kEnglishTitles, kFivePages},
                      PageCase{"cps-twotone", Language::Chinese, kChineseTitles, kFivePages},
                      PageCase{"cps-ccir", Language::Chinese, kChineseTitles, kFivePages},
                      // English only: the decided language does not matter.
                      PageCase{"cps-brand", Language::Chinese, kEnglishTitles, kFivePages},
                      PageCase{"cps-fleet", Language::English, kFourEnglish, kFourPages},
                      PageCase{"cps-cn2", Language::English, kChineseTitles, kFivePages},
                      PageCase{"cps-cn10", Language::English, kFourChinese, kFourPages},
                      PageCase{"cps-keys", Language::English, {"The Radio Settings"}, {{1, 16}}},
                      PageCase{"cps-keys-cn", Language::English, {"整机设置"}, {{1, 16}}},
                      PageCase{"cps16", Language::English, {"The Radio Settings"}, {{1, 16}}},
                      PageCase{"cps16-cn", Language::English, {"本机设置数据"}, {{1, 16}}}));

TEST(ReportPages, EveryChannelPrintsExactlyOnceInEveryEdition)
{
    for (const Edition* edition : allEditions()) {
        const Report report(edition->id.c_str());
        std::vector<int> printed;
        ASSERT_GT(reportPageCount(*edition), 0) << edition->id;
        for (const ReportPage& page : report.pages()) {
            const auto channels = channelsOf(page);
            printed.insert(printed.end(), channels.begin(), channels.end());
        }
        std::vector<int> expected(static_cast<std::size_t>(edition->channelCount));
        for (std::size_t i = 0; i < expected.size(); ++i)
            expected[i] = static_cast<int>(i) + 1;
        EXPECT_EQ(printed, expected) << edition->id;
    }
}

TEST(ReportSettings, NewDocumentBlock)
{
    const Report report("cps-twotone");
    const ReportPage page = report.page(1);
    for (const char* text :
         {"Function Setting:", "Type:   TL - 512", "Frequency Field:240 - 260MHz", "Pf1:   None", "Pf2: None",
          "Beep Warning: Disable", "Squelch Level:  5", "TX power rank: 9", "Scrambler Activation:Enable",
          "Vox Function:Disable", "Vox Gain Level:OFF", "Vox Delay Time: 1.5s", "PTT ID: BOT", "Battery Save:Disable",
          "Total Tx Time(s):OFF", "Begin of Tx:", "End of Tx:  ", "Vox inhibit on recieve:Enable", "Channel Setting:"})
        EXPECT_TRUE(hasText(page, text)) << text;
    // Seven lines of items: 2 + 3 + 3 + 3 + 3 + 2 + 1 texts after the heading.
    EXPECT_EQ(textsOf(page)[2], "Type:   TL - 512");
    EXPECT_EQ(textsOf(page)[18], "Vox inhibit on recieve:Enable");
    EXPECT_EQ(textsOf(page)[19], "Channel Setting:");
    // A new document's rows hold only the channel numbers.
    for (const DrawOp& op : page.ops) {
        if (op.y < page.ops[20].y) {
            EXPECT_TRUE(op.text == " " || std::all_of(op.text.begin(), op.text.end(), ::isdigit)) << op.text;
        }
    }
    EXPECT_FALSE(hasText(report.page(2), "Function Setting:"));
}

TEST(ReportSettings, ChineseNewDocumentBlock)
{
    const Report report("cps-twotone", Language::Chinese);
    const ReportPage page = report.page(1);
    for (const char* text : {"功能设置:", "机型:   TL - 512", "频段:240 - 260MHz", "Pf1:   无", "Pf2: 无",
                             "报警音提示: 关闭", "静噪等级:  5", "发射功率等级: 9", "扰频器激活:打开", "Vox 功能:关闭",
                             "Vox 增益电平:OFF", "Vox 延迟时间(秒): 1.5s", "PTT ID: BOT", "电池省电:关闭",
                             "发射时间(s):OFF", "发射开始:", "发射结束:", "接收时禁止VOX:使能", "频道设置:"})
        EXPECT_TRUE(hasText(page, text)) << text;
}

struct ByteCase {
    std::size_t offset;
    std::uint8_t value;
    std::string english;
    std::string chinese;
};

void PrintTo(const ByteCase& c, std::ostream* os)
{
    *os << c.english;
}

class ReportSettingsBytes : public ::testing::TestWithParam<ByteCase> {};

TEST_P(ReportSettingsBytes, PrintsTheByteByTheReportsOwnRules)
{
    const ByteCase& c = GetParam();
    for (Language language : {Language::English, Language::Chinese}) {
        Report report("cps-twotone", language);
        report.image.set(c.offset, c.value);
        const std::string& want = language == Language::English ? c.english : c.chinese;
        EXPECT_TRUE(hasText(report.page(1), want)) << want;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, ReportSettingsBytes,
    ::testing::Values(ByteCase{0x810, 1, "Pf1:   Autodial", "Pf1:   自动拨号"},
                      ByteCase{0x811, 4, "Pf2: Monitor Momentary", "Pf2: 监听瞬时"},
                      ByteCase{0x810, 5, "Pf1:   Scrambler", "Pf1:   扰频器"},
                      ByteCase{0x810, 0, "Pf1:   None", "Pf1:   无"},
                      ByteCase{0x813, 9, "Squelch Level:  9", "静噪等级:  9"},
                      ByteCase{0x813, 10, "Squelch Level: 0", "静噪等级: 0"},
                      ByteCase{0x814, 1, "Total Tx Time(s):15", "发射时间(s):15"},
                      ByteCase{0x814, 40, "Total Tx Time(s):600", "发射时间(s):600"},
                      ByteCase{0x814, 41, "Total Tx Time(s):OFF", "发射时间(s):OFF"},
                      ByteCase{0x815, 1, "Vox Gain Level: 1", "Vox 增益电平: 1"},
                      ByteCase{0x815, 10, "Vox Gain Level:10", "Vox 增益电平:10"},
                      ByteCase{0x815, 11, "Vox Gain Level:0", "Vox 增益电平:0"},
                      ByteCase{0x816, 4, "Vox Delay Time: 2.0s", "Vox 延迟时间(秒): 2.0s"},
                      ByteCase{0x816, 9, "Vox Delay Time: 0.3s", "Vox 延迟时间(秒): 0.3s"},
                      ByteCase{0x816, 0, "Vox Delay Time: 0.3s", "Vox 延迟时间(秒): 0.3s"},
                      ByteCase{0x812, 0x01, "PTT ID: EOT", "PTT ID: EOT"},
                      ByteCase{0x812, 0x02, "PTT ID: BOTH", "PTT ID: BOTH"},
                      ByteCase{0x812, 0x03, "PTT ID: BOTH", "PTT ID: BOTH"},
                      ByteCase{0x812, 0x10, "Beep Warning: Enable", "报警音提示: 打开"},
                      ByteCase{0x812, 0x04, "Scrambler Activation:Enable", "扰频器激活:打开"},
                      ByteCase{0x812, 0x20, "Vox Function:Enable", "Vox 功能:打开"},
                      ByteCase{0x812, 0x08, "Battery Save:Enable", "电池省电:启动"},
                      ByteCase{0x812, 0x00, "Vox inhibit on recieve:Disable", "接收时禁止VOX:不使能"}));

TEST(ReportSettings, CodeAreasKeepDigitsAndAToD)
{
    Report report("cps-twotone");
    const std::uint8_t begin[] = {0x31, 0x41, 0xFF, 0x32};
    const std::uint8_t end[] = {'D', 'E', 'a', '0', 0x00, '9', 'C', 'B'};
    report.image.write(0x7B0, begin);
    report.image.write(0x7C8, end);  // the code runs over all 16 bytes
    EXPECT_TRUE(hasText(report.page(1), "Begin of Tx:1A2"));
    EXPECT_TRUE(hasText(report.page(1), "End of Tx:  D09CB"));
}

TEST(ReportSettings, SmallerRadioReadsItsOwnLayout)
{
    Report report("cps-fleet");
    // Its new document: keys 0, flags 0xF8, squelch 5, delay 3, power rank 9.
    for (const char* text : {"Pf1:   None", "Beep Warning: Enable", "Squelch Level:  5", "Vox Delay Time: 1.5s",
                             "Vox inhibit on recieve:Enable", "TX power rank: 9", "Frequency Field:240 - 260MHz"})
        EXPECT_TRUE(hasText(report.page(1), text)) << text;
    report.image.set(0x7D0, 3);
    report.image.set(0x7D3, 7);
    report.image.set(0x7D4, 2);
    report.image.set(0x7D7, 12);  // clamps to 9 on this radio
    report.image.set(0x7DB, 0x3A);
    for (const char* text : {"Pf1:   Monitor", "Squelch Level:  7", "Total Tx Time(s):30", "TX power rank: 9",
                             "Type:   TL - 590"})
        EXPECT_TRUE(hasText(report.page(1), text)) << text;
}

struct SmallRadioCase {
    const char* edition;
    std::size_t offset;
    std::uint8_t value;
    std::string text;
};

void PrintTo(const SmallRadioCase& c, std::ostream* os)
{
    *os << c.edition << " " << c.text;
}

class SmallRadioSettings : public ::testing::TestWithParam<SmallRadioCase> {};

TEST_P(SmallRadioSettings, PrintsTheByteByTheReportsOwnRules)
{
    const SmallRadioCase& c = GetParam();
    Report report(c.edition);
    report.image.set(c.offset, c.value);
    EXPECT_TRUE(hasText(report.page(1), c.text)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Items, SmallRadioSettings,
    ::testing::Values(
        // The new key-assignment document: 0x3C5 = 0x12, 0x3C6 = 0x78.
        SmallRadioCase{"cps-keys", 0x3C7, 0, "VOX Gain Level:     off"},
        SmallRadioCase{"cps-keys", 0x3C5, 0x12, "Short Press:     Monitor"},
        SmallRadioCase{"cps-keys", 0x3C5, 0x12, "Long Press:     Scan On/Off"},
        SmallRadioCase{"cps-keys", 0x3C6, 0x75, "Long Press:     Talk Around"},
        SmallRadioCase{"cps-keys", 0x3C6, 0x9F, "Short Press:     No Function"},
        SmallRadioCase{"cps-keys", 0x3C6, 0x9F, "Long Press:     No Function"},
        SmallRadioCase{"cps-keys", 0x3C4, 0xFF, "TX Power Rank:      9"},
        SmallRadioCase{"cps-keys", 0x3C4, 6, "TX Power Rank:      2"},
        SmallRadioCase{"cps-keys", 0x3C3, 10, "Time out Time:      300s"},
        SmallRadioCase{"cps-keys", 0x3C3, 11, "Time out Time:      off"},
        SmallRadioCase{"cps-keys", 0x3C1, 10, "Squelch(SQ):        10"},
        SmallRadioCase{"cps-keys", 0x3C1, 11, "Squelch(SQ):        0"},
        SmallRadioCase{"cps-keys", 0x3C0, 0x2F, "Beep:               Enable"},
        SmallRadioCase{"cps-keys", 0x3C0, 0x18, "Voice Announcement: Chinese"},
        SmallRadioCase{"cps-keys", 0x3C0, 0x10, "Voice Announcement: "},  // no text for bit 4 alone
        SmallRadioCase{"cps-keys", 0x3C0, 0x00, "Voice Announcement: 0ff"},
        SmallRadioCase{"cps-keys", 0x3C0, 0x00, "Scrambler:          on"},
        SmallRadioCase{"cps-keys-cn", 0x3C6, 0x75, "长按: 循环对话"},
        SmallRadioCase{"cps-keys-cn", 0x3C0, 0x2E, "报警音提示: Disable"},
        SmallRadioCase{"cps-keys-cn", 0x3D2, 0x00, "频段: 67 - 72MHz"},
        // The warning bit reads oppositely in the two sixteen-channel builds.
        SmallRadioCase{"cps16", 0x3C0, 0xF7, "Warning Setting: Disable"},
        SmallRadioCase{"cps16-cn", 0x3C0, 0xF7, "报警音提示: 打开"},
        SmallRadioCase{"cps16", 0x3C0, 0xF6, "Warning Setting: Enable"},
        SmallRadioCase{"cps16", 0x3C0, 0xF3, "Scan function(the 16th channel)：ON"},
        SmallRadioCase{"cps16", 0x3C2, 1, "Moni:   SQ OFF Momentary"},
        SmallRadioCase{"cps16", 0x3C2, 6, "Moni:   High/Low Power"},
        SmallRadioCase{"cps16", 0x01C, 0xFF, "Band Width: Narrow"},  // channel 1 carries it
        SmallRadioCase{"cps16", 0x02C, 0xFF, "Band Width: Wide"},
        SmallRadioCase{"cps16", 0x3D2, 0xF9, "Field:   490-512MHz"},
        SmallRadioCase{"cps16", 0x3D3, 0x36, "Type:   "}));

TEST(ReportSettings, FormListTextsFromTheImage)
{
    const Edition& edition = *findEdition("cps-twotone");
    MemoryImage image = newDocumentImage(edition);
    EXPECT_EQ(formListTextsFromImage(edition, Language::English, image).type, "TL - 512");
    image.set(0x80B, 0x37);  // below the list: no selection
    image.set(0x80A, 0x00);
    image.set(0x819, 12);
    const FormListTexts texts = formListTextsFromImage(edition, Language::English, image);
    EXPECT_EQ(texts.type, "");
    EXPECT_EQ(texts.field, "  67 - 72MHz");
    EXPECT_EQ(texts.txPowerRank, "0");
    image.set(0x80B, 0x3B);
    image.set(0x80A, 0xF7);
    EXPECT_EQ(formListTextsFromImage(edition, Language::English, image).type, "TL - 512");
    EXPECT_EQ(formListTextsFromImage(edition, Language::English, image).field, "460 - 520MHz");
}

TEST(ReportSettings, SixteenChannelItemsAreTheListsCurrentTexts)
{
    struct Case {
        const char* id;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"cps16",
         {"Type:   TL - 268", "Field:   136-150MHz", "Moni:   High/Low Power", "Tx Total Time: 90s",
          "Warning Setting: Enable", "Squelch Level: 2", "TX power rank: 4", "Band Width: Narrow",
          "Scan function(the 16th channel)：ON"}},
        {"cps16-cn",
         {"机型:   TL - 268", "频段  :136-150MHz", "监听功能:高/低功率", "发射定时(TOT): 90s", "报警音提示: 打开",
          "静噪等级: 2", "发射功率: 4", "频带宽度: 窄", "第16信道扫描功能：启动"}},
    };
    for (const Case& c : cases) {
        Report report(c.id, Language::Chinese);
        // Choices made on the form and not yet stored: the image still holds
        // the new document.
        FormSettings form(report.edition);
        form.loadFromImage(report.image);
        const std::vector<int> choices = {10, 1, 1, 0, 4, 1, 3, 2, 0, 3};  // in the form's order
        for (int i = 0; i < form.count(); ++i)
            form.select(i, choices.at(static_cast<std::size_t>(i)));
        const ReportInput input(report.edition, report.language, report.table, formListTexts(form, report.language),
                                report.image);
        const ReportPage page = layoutReportPage(input, kDevice, fakeLineHeight, 1);
        for (const std::string& text : c.texts)
            EXPECT_TRUE(hasText(page, text)) << c.id << ": " << text;
        // VOX is on the form but not in the report.
        for (const std::string& text : textsOf(page))
            EXPECT_EQ(text.find("Vox"), std::string::npos) << text;
    }
}

TEST(ReportChannels, TypedButUnsavedCellsPrint)
{
    Report report("cps-twotone");
    report.table.setCell(5, Column::Receive, "145.12500");
    report.table.setCell(5, Column::RxTone, "D023N");
    report.table.setCell(30, Column::Transmit, "446.00625");
    EXPECT_TRUE(hasText(report.page(1), "145.12500 "));
    EXPECT_TRUE(hasText(report.page(1), "D023N "));
    EXPECT_TRUE(hasText(report.page(2), "446.00625 "));
    // The image is not written.
    EXPECT_EQ(report.image, newDocumentImage(report.edition));
}

TEST(ReportChannels, PositionsInUnitsOfU)
{
    for (Language language : {Language::English, Language::Chinese}) {
        Report report("cps-twotone", language);
        for (int col = 1; col < report.table.columnCount(); ++col)
            report.table.setCell(3, col, std::to_string(100 + col));
        const ReportPage page = report.page(1);
        const ReportGeometry g = reportGeometry(kDevice);
        const int u = g.u;
        const int titleLine = fakeLineHeight(g.title);
        const int line = fakeLineHeight(g.body);
        const int heading = static_cast<int>(1.2 * line);

        const DrawOp& title = page.ops[0];
        EXPECT_EQ(title.x, 4800 / 2 * 1440 / 600 - 18 * u);
        EXPECT_EQ(title.y, -titleLine / 2);

        const int top = -titleLine / 2 - titleLine;
        EXPECT_EQ(page.ops[1].x, 5 * u);  // "Function Setting:"
        EXPECT_EQ(page.ops[1].y, top);
        const std::vector<std::pair<int, int>> items = {{2, 0}, {25, 0}, {2, 1}, {25, 1}, {50, 1}, {2, 2},
                                                        {25, 2}, {50, 2}, {2, 3}, {25, 3}, {50, 3}, {2, 4},
                                                        {25, 4}, {50, 4}, {2, 5}, {35, 5}, {2, 6}};
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(page.ops[2 + i].x, items[i].first * u) << i;
            EXPECT_EQ(page.ops[2 + i].y, top - heading - items[i].second * line) << i;
        }
        const int channelHeading = top - heading - 7 * line;
        EXPECT_EQ(page.ops[19].x, 5 * u);
        EXPECT_EQ(page.ops[19].y, channelHeading);
        EXPECT_EQ(page.ops[20].x, u);  // header line
        EXPECT_EQ(page.ops[20].y, channelHeading - heading);

        const std::vector<int> english = {1, 5, 14, 24, 32, 40, 46, 55, 64, 74, 82};
        const std::vector<int> chinese = {1, 5, 14, 25, 33, 40, 46, 54, 62, 70, 78};
        const auto& xs = language == Language::English ? english : chinese;
        // Row 3: eleven cells, channel number first, no name and no "More".
        const std::size_t row3 = 21 + 2 * xs.size();
        for (std::size_t col = 0; col < xs.size(); ++col) {
            const DrawOp& op = page.ops[row3 + col];
            EXPECT_EQ(op.x, xs[col] * u);
            EXPECT_EQ(op.y, channelHeading - heading - 3 * line);
            EXPECT_EQ(op.font, g.body);
            EXPECT_EQ(op.text, col == 0 ? "3" : std::to_string(100 + col) + " ");
        }
        EXPECT_FALSE(hasText(page, "111 "));  // name
        EXPECT_FALSE(hasText(page, "112 "));  // ">>"
    }
}

TEST(ReportChannels, EveryTextHasTheRoomUpToItsNeighbour)
{
    const Report report("cps-twotone");
    const ReportPage page = report.page(1);
    const int u = reportGeometry(kDevice).u;
    const int right = 4800 * 1440 / 600;
    EXPECT_EQ(page.ops[0].room, 0);                 // the title
    EXPECT_EQ(page.ops[2].room, (25 - 2) * u);      // "Type:" up to "Frequency Field:"
    EXPECT_EQ(page.ops[3].room, right - 25 * u);    // last item of its line
    EXPECT_EQ(page.ops[20].room, right - u);        // header line
    const std::vector<int> xs = {1, 5, 14, 24, 32, 40, 46, 55, 64, 74, 82};
    for (std::size_t col = 0; col < xs.size(); ++col)
        EXPECT_EQ(page.ops[21 + col].room, (col + 1 < xs.size() ? xs[col + 1] * u : right) - xs[col] * u) << col;
}

TEST(ReportChannels, HeaderLineJoinsGridHeadersAndFixedTexts)
{
    const Report english("cps-twotone");
    EXPECT_TRUE(hasText(english.page(2), "CH   Rx(MHz)   Tx(MHz)    Rx Tone  Tx Tone  W/N    Scan Add   Tx Power   "
                                         "Opt Signal   PTTID   Busy"));
    const Report chinese("cps-twotone", Language::Chinese);
    EXPECT_TRUE(hasText(chinese.page(2), "频道   接收频率     发射频率     接收信令   发射信令   宽/窄     扫描添加    "
                                         "发射功率   可选信令     PTTID   繁忙锁定"));
}

} // namespace
} // namespace tolvan
