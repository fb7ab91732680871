#include "report/report_layout.h"

#include "editor/form_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

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
    for (const ReportDevice& d : {ReportDevice{4800, 6300, 0, 0}, {4800, 6300, 600, 0}, {4800, 6300, 0, 600}})
        EXPECT_EQ(reportGeometry(d).u, 0);
    // One dot per inch still divides: (80 * 1440 - 900) / 80 and 45 / 45 * 1440.
    EXPECT_EQ(reportGeometry({80, 45, 1, 1}).u, 1428);
    EXPECT_EQ(reportGeometry({80, 45, 1, 1}).h, 1440);
    EXPECT_EQ(reportGeometry({4800, 44, 600, 600}).h, 0);
}

TEST(ReportPages, TitlesAndChannelRangesOfEveryEdition)
{
    const std::vector<std::string> en = {"The Radio Settings", "The Second Page", "The Third Page", "The Fourth Pages",
                                         "The Fifth Pages"};
    const std::vector<std::string> zh = {"整机设置", "第二页", "第三页", "第四页", "第五页"};
    const std::vector<int> five = {1, 23, 55, 87, 119, 129}, four = {1, 23, 55, 87, 119}, one = {1, 17};
    auto first = [](const std::vector<std::string>& t, std::size_t n) { return std::vector(t.begin(), t.begin() + n); };
    struct Case {
        const char* edition;
        Language language;
        std::vector<std::string> titles;
        std::vector<int> firstChannels;  // of each page, then one past the last
    };
    const Case cases[] = {
        {"cps-twotone", Language::English, en, five},
        {"cps-twotone", Language::Chinese, zh, five},
        {"cps-ccir", Language::Chinese, zh, five},
        {"cps-brand", Language::Chinese, en, five},  // English only: the decided language does not matter
        {"cps-fleet", Language::English, first(en, 4), four},
        {"cps-cn2", Language::English, zh, five},
        {"cps-cn10", Language::English, first(zh, 4), four},
        {"cps-keys", Language::English, first(en, 1), one},
        {"cps-keys-cn", Language::English, first(zh, 1), one},
        {"cps16", Language::English, first(en, 1), one},
        {"cps16-cn", Language::English, {"本机设置数据"}, one},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.edition) + (c.language == Language::English ? " en" : " zh"));
        const Report report(c.edition, c.language);
        const auto pages = report.pages();
        ASSERT_EQ(pages.size(), c.titles.size());
        EXPECT_EQ(reportPageCount(report.edition), static_cast<int>(pages.size()));
        for (std::size_t p = 0; p < pages.size(); ++p) {
            ASSERT_FALSE(pages[p].ops.empty());
            EXPECT_EQ(pages[p].ops.front().text, c.titles[p]) << p + 1;
            EXPECT_EQ(pages[p].ops.front().font.role, ReportFontRole::Title);
            std::vector<int> want(static_cast<std::size_t>(c.firstChannels[p + 1] - c.firstChannels[p]));
            std::iota(want.begin(), want.end(), c.firstChannels[p]);
            EXPECT_EQ(channelsOf(pages[p]), want) << p + 1;
        }
        EXPECT_TRUE(report.page(static_cast<int>(pages.size()) + 1).ops.empty());
        EXPECT_TRUE(report.page(0).ops.empty());
    }
}

TEST(ReportSettings, NewDocumentBlockInBothLanguages)
{
    const std::vector<std::string> english = {
        "Function Setting:", "Type:   TL - 512", "Frequency Field:240 - 260MHz", "Pf1:   None", "Pf2: None",
        "Beep Warning: Disable", "Squelch Level:  5", "TX power rank: 9", "Scrambler Activation:Enable",
        "Vox Function:Disable", "Vox Gain Level:OFF", "Vox Delay Time: 1.5s", "PTT ID: BOT", "Battery Save:Disable",
        "Total Tx Time(s):OFF", "Begin of Tx:", "End of Tx:  ", "Vox inhibit on recieve:Enable", "Channel Setting:"};
    const std::vector<std::string> chinese = {
        "功能设置:", "机型:   TL - 512", "频段:240 - 260MHz", "Pf1:   无", "Pf2: 无", "报警音提示: 关闭",
        "静噪等级:  5", "发射功率等级: 9", "扰频器激活:打开", "Vox 功能:关闭", "Vox 增益电平:OFF",
        "Vox 延迟时间(秒): 1.5s", "PTT ID: BOT", "电池省电:关闭", "发射时间(s):OFF", "发射开始:", "发射结束:",
        "接收时禁止VOX:使能", "频道设置:"};
    for (Language language : {Language::English, Language::Chinese}) {
        const Report report("cps-twotone", language);
        const ReportPage page = report.page(1);
        for (const std::string& text : language == Language::English ? english : chinese)
            EXPECT_TRUE(hasText(page, text)) << text;
        // Seven lines of items: 2 + 3 + 3 + 3 + 3 + 2 + 1 texts after the heading.
        EXPECT_EQ(textsOf(page)[19], language == Language::English ? english.back() : chinese.back());
    }
    const Report report("cps-twotone");
    const ReportPage page = report.page(1);
    EXPECT_EQ(textsOf(page)[2], "Type:   TL - 512");
    EXPECT_EQ(textsOf(page)[18], "Vox inhibit on recieve:Enable");
    // A new document's rows hold only the channel numbers.
    for (const DrawOp& op : page.ops) {
        if (op.y < page.ops[20].y) {
            EXPECT_TRUE(op.text == " " || std::all_of(op.text.begin(), op.text.end(), ::isdigit)) << op.text;
        }
    }
    EXPECT_FALSE(hasText(report.page(2), "Function Setting:"));
}

TEST(ReportSettings, PrintsEachByteByTheReportsOwnRules)
{
    struct Case {
        const char* edition;
        std::size_t offset;
        std::uint8_t value;
        const char* english;  // what the edition shows when English is asked for
        const char* chinese;  // "": the edition has one language
    };
    const Case cases[] = {
        {"cps-twotone", 0x810, 1, "Pf1:   Autodial", "Pf1:   自动拨号"},
        {"cps-twotone", 0x811, 4, "Pf2: Monitor Momentary", "Pf2: 监听瞬时"},
        {"cps-twotone", 0x810, 5, "Pf1:   Scrambler", "Pf1:   扰频器"},
        {"cps-twotone", 0x810, 0, "Pf1:   None", "Pf1:   无"},
        {"cps-twotone", 0x813, 9, "Squelch Level:  9", "静噪等级:  9"},
        {"cps-twotone", 0x813, 10, "Squelch Level: 0", "静噪等级: 0"},
        {"cps-twotone", 0x814, 1, "Total Tx Time(s):15", "发射时间(s):15"},
        {"cps-twotone", 0x814, 40, "Total Tx Time(s):600", "发射时间(s):600"},
        {"cps-twotone", 0x814, 41, "Total Tx Time(s):OFF", "发射时间(s):OFF"},
        {"cps-twotone", 0x815, 1, "Vox Gain Level: 1", "Vox 增益电平: 1"},
        {"cps-twotone", 0x815, 10, "Vox Gain Level:10", "Vox 增益电平:10"},
        {"cps-twotone", 0x815, 11, "Vox Gain Level:0", "Vox 增益电平:0"},
        {"cps-twotone", 0x816, 4, "Vox Delay Time: 2.0s", "Vox 延迟时间(秒): 2.0s"},
        {"cps-twotone", 0x816, 9, "Vox Delay Time: 0.3s", "Vox 延迟时间(秒): 0.3s"},
        {"cps-twotone", 0x816, 0, "Vox Delay Time: 0.3s", "Vox 延迟时间(秒): 0.3s"},
        {"cps-twotone", 0x812, 0x01, "PTT ID: EOT", "PTT ID: EOT"},
        {"cps-twotone", 0x812, 0x02, "PTT ID: BOTH", "PTT ID: BOTH"},
        {"cps-twotone", 0x812, 0x03, "PTT ID: BOTH", "PTT ID: BOTH"},
        {"cps-twotone", 0x812, 0x10, "Beep Warning: Enable", "报警音提示: 打开"},
        {"cps-twotone", 0x812, 0x04, "Scrambler Activation:Enable", "扰频器激活:打开"},
        {"cps-twotone", 0x812, 0x20, "Vox Function:Enable", "Vox 功能:打开"},
        {"cps-twotone", 0x812, 0x08, "Battery Save:Enable", "电池省电:启动"},
        {"cps-twotone", 0x812, 0x00, "Vox inhibit on recieve:Disable", "接收时禁止VOX:不使能"},
        {"cps-brand", 0x815, 10, "Vox Gain Level:10", ""},
        {"cps-cn2", 0x814, 40, "发射时间(s):600", ""},
        // The smaller radio keeps the same items at 0x7D0; its power rank stops at 9.
        {"cps-fleet", 0x7D0, 3, "Pf1:   Monitor", ""},
        {"cps-fleet", 0x7D1, 2, "Pf2: Key Lock", ""},
        {"cps-fleet", 0x7D2, 0xF8, "Beep Warning: Enable", ""},
        {"cps-fleet", 0x7D2, 0x56, "Scrambler Activation:Enable", ""},
        {"cps-fleet", 0x7D2, 0x56, "Battery Save:Disable", ""},
        {"cps-fleet", 0x7D2, 0x56, "Vox Function:Disable", ""},
        {"cps-fleet", 0x7D2, 0x56, "Vox inhibit on recieve:Enable", ""},
        {"cps-fleet", 0x7D2, 0x56, "PTT ID: BOTH", ""},
        {"cps-fleet", 0x7D3, 7, "Squelch Level:  7", ""},
        {"cps-fleet", 0x7D4, 2, "Total Tx Time(s):30", ""},
        {"cps-fleet", 0x7D5, 10, "Vox Gain Level:10", ""},
        {"cps-fleet", 0x7D6, 5, "Vox Delay Time: 3.0s", ""},
        {"cps-fleet", 0x7D7, 12, "TX power rank: 9", ""},
        {"cps-fleet", 0x7DB, 0x3A, "Type:   TL - 590", ""},
        {"cps-fleet", 0x7DA, 0xF0, "Frequency Field:240 - 260MHz", ""},
        {"cps-cn10", 0x7D1, 2, "Pf2: 按键锁定", ""},
        {"cps-cn10", 0x7D2, 0x56, "电池省电:关闭", ""},
        // The new key-assignment document: 0x3C5 = 0x12, 0x3C6 = 0x78.
        {"cps-keys", 0x3C7, 0, "VOX Gain Level:     off", ""},
        {"cps-keys", 0x3C5, 0x12, "Short Press:     Monitor", ""},
        {"cps-keys", 0x3C5, 0x12, "Long Press:     Scan On/Off", ""},
        {"cps-keys", 0x3C6, 0x75, "Long Press:     Talk Around", ""},
        {"cps-keys", 0x3C6, 0x9F, "Short Press:     No Function", ""},
        {"cps-keys", 0x3C6, 0x9F, "Long Press:     No Function", ""},
        {"cps-keys", 0x3C4, 0xFF, "TX Power Rank:      9", ""},
        {"cps-keys", 0x3C4, 6, "TX Power Rank:      2", ""},
        {"cps-keys", 0x3C3, 10, "Time out Time:      300s", ""},
        {"cps-keys", 0x3C3, 11, "Time out Time:      off", ""},
        {"cps-keys", 0x3C1, 10, "Squelch(SQ):        10", ""},
        {"cps-keys", 0x3C1, 11, "Squelch(SQ):        0", ""},
        {"cps-keys", 0x3C0, 0x2F, "Beep:               Enable", ""},
        {"cps-keys", 0x3C0, 0x18, "Voice Announcement: Chinese", ""},
        {"cps-keys", 0x3C0, 0x10, "Voice Announcement: ", ""},  // no text for bit 4 alone
        {"cps-keys", 0x3C0, 0x00, "Voice Announcement: 0ff", ""},
        {"cps-keys", 0x3C0, 0x00, "Scrambler:          on", ""},
        {"cps-keys-cn", 0x3C6, 0x75, "长按: 循环对话", ""},
        {"cps-keys-cn", 0x3C0, 0x2E, "报警音提示: Disable", ""},
        {"cps-keys-cn", 0x3D2, 0x00, "频段: 67 - 72MHz", ""},
        // The warning bit reads oppositely in the two sixteen-channel builds.
        {"cps16", 0x3C0, 0xF7, "Warning Setting: Disable", ""},
        {"cps16-cn", 0x3C0, 0xF7, "报警音提示: 打开", ""},
        {"cps16", 0x3C0, 0xF6, "Warning Setting: Enable", ""},
        {"cps16", 0x3C0, 0xF3, "Scan function(the 16th channel)：ON", ""},
        {"cps16", 0x3C2, 1, "Moni:   SQ OFF Momentary", ""},
        {"cps16", 0x3C2, 6, "Moni:   High/Low Power", ""},
        {"cps16", 0x01C, 0xFF, "Band Width: Narrow", ""},  // channel 1 carries it
        {"cps16", 0x02C, 0xFF, "Band Width: Wide", ""},
        {"cps16", 0x3D2, 0xF9, "Field:   490-512MHz", ""},
        {"cps16", 0x3D3, 0x36, "Type:   ", ""},
    };
    for (const Case& c : cases) {
        for (Language language : {Language::English, Language::Chinese}) {
            const std::string want = language == Language::English ? c.english : c.chinese;
            if (want.empty())
                continue;
            Report report(c.edition, language);
            report.image.set(c.offset, c.value);
            EXPECT_TRUE(hasText(report.page(1), want)) << c.edition << ": " << want;
        }
    }
}

TEST(ReportSettings, CodeAreasKeepDigitsAndAToD)
{
    Report report("cps-twotone");
    report.image.write(0x7B0, std::vector<std::uint8_t>{0x31, 0x41, 0xFF, 0x32});
    report.image.write(0x7C8, std::vector<std::uint8_t>{'D', 'E', 'a', '0', 0x00, '9', 'C', 'B'});  // 16 bytes long
    report.image.set(0x7D0, '8');  // the byte after the code is not part of it
    EXPECT_TRUE(hasText(report.page(1), "Begin of Tx:1A2"));
    EXPECT_TRUE(hasText(report.page(1), "End of Tx:  D09CB"));
}

TEST(ReportSettings, FormListTextsFromTheImage)
{
    const Edition& edition = *findEdition("cps-twotone");
    MemoryImage image = newDocumentImage(edition);
    EXPECT_EQ(formListTextsFromImage(edition, Language::English, image).type, "TL - 512");
    image.set(0x80B, 0x37);  // below the list: no selection
    image.set(0x80A, 0x00);
    image.set(0x819, 12);
    const FormListTexts texts = formListTextsFromImage(edition, Language::English, image);
    EXPECT_EQ((std::vector<std::string>{texts.type, texts.field, texts.txPowerRank}),
              (std::vector<std::string>{"", "  67 - 72MHz", "0"}));
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
        // Choices made on the form and not yet stored: the image still holds the new document.
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
    EXPECT_EQ(report.image, newDocumentImage(report.edition)) << "the image is not written";
}

TEST(ReportChannels, PositionsInUnitsOfUAndTheRoomUpToEachNeighbour)
{
    const std::vector<int> english = {1, 5, 14, 24, 32, 40, 46, 55, 64, 74, 82};
    const std::vector<int> chinese = {1, 5, 14, 25, 33, 40, 46, 54, 62, 70, 78};
    const ReportGeometry g = reportGeometry(kDevice);
    const int u = g.u, right = 4800 * 1440 / 600;
    for (Language language : {Language::English, Language::Chinese}) {
        Report report("cps-twotone", language);
        for (int col = 1; col < report.table.columnCount(); ++col)
            report.table.setCell(3, col, std::to_string(100 + col));
        const ReportPage page = report.page(1);
        const int titleLine = fakeLineHeight(g.title);
        const int line = fakeLineHeight(g.body);
        const int heading = static_cast<int>(1.2 * line);

        EXPECT_EQ(page.ops[0].x, 4800 / 2 * 1440 / 600 - 18 * u);  // the title
        EXPECT_EQ(page.ops[0].y, -titleLine / 2);
        EXPECT_EQ(page.ops[0].room, 0);
        const int top = -titleLine / 2 - titleLine;
        EXPECT_EQ(page.ops[1].x, 5 * u);  // "Function Setting:"
        EXPECT_EQ(page.ops[1].y, top);
        const std::vector<std::pair<int, int>> items = {{2, 0},  {25, 0}, {2, 1}, {25, 1}, {50, 1}, {2, 2},
                                                        {25, 2}, {50, 2}, {2, 3}, {25, 3}, {50, 3}, {2, 4},
                                                        {25, 4}, {50, 4}, {2, 5}, {35, 5}, {2, 6}};
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(page.ops[2 + i].x, items[i].first * u) << i;
            EXPECT_EQ(page.ops[2 + i].y, top - heading - items[i].second * line) << i;
        }
        EXPECT_EQ(page.ops[2].room, (25 - 2) * u);    // "Type:" up to "Frequency Field:"
        EXPECT_EQ(page.ops[3].room, right - 25 * u);  // last item of its line
        const int channelHeading = top - heading - 7 * line;
        EXPECT_EQ(page.ops[19].x, 5 * u);
        EXPECT_EQ(page.ops[19].y, channelHeading);
        EXPECT_EQ(page.ops[20].x, u);  // header line
        EXPECT_EQ(page.ops[20].y, channelHeading - heading);
        EXPECT_EQ(page.ops[20].room, right - u);

        const auto& xs = language == Language::English ? english : chinese;
        for (std::size_t col = 0; col < xs.size(); ++col) {
            const int room = (col + 1 < xs.size() ? xs[col + 1] * u : right) - xs[col] * u;
            EXPECT_EQ(page.ops[21 + col].room, room) << col;  // row 1
            // Row 3: eleven cells, channel number first, no name and no "More".
            const DrawOp& op = page.ops[21 + 2 * xs.size() + col];
            EXPECT_EQ(op, (DrawOp{xs[col] * u, channelHeading - heading - 3 * line, g.body,
                                  col == 0 ? "3" : std::to_string(100 + col) + " ", room}));
        }
        EXPECT_FALSE(hasText(page, "111 "));  // name
        EXPECT_FALSE(hasText(page, "112 "));  // ">>"
    }
    // On a page too narrow for the allowance every text starts at the edge: no room before a neighbour.
    const ReportPage narrow = layoutReportPage(Report("cps-twotone").input(), {100, 6300, 600, 600}, fakeLineHeight, 1);
    EXPECT_EQ(narrow.ops[2].room, 0);
    EXPECT_EQ(narrow.ops[3].room, 100 * 1440 / 600);
    EXPECT_TRUE(hasText(Report("cps-twotone").page(2), "CH   Rx(MHz)   Tx(MHz)    Rx Tone  Tx Tone  W/N    Scan Add   "
                                                       "Tx Power   Opt Signal   PTTID   Busy"));
    EXPECT_TRUE(hasText(Report("cps-twotone", Language::Chinese).page(2),
                        "频道   接收频率     发射频率     接收信令   发射信令   宽/窄     扫描添加    发射功率   可选信令     "
                        "PTTID   繁忙锁定"));
}

} // namespace
} // namespace tolvan
