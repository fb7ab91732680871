#include "report/report_layout.h"

#include "editor/form_settings.h"

#include <gtest/gtest.h>

#include "golden.h"

#include <algorithm>
#include <sstream>

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

bool hasText(const ReportPage& page, const std::string& text)
{
    return std::any_of(page.ops.begin(), page.ops.end(), [&](const DrawOp& op) { return op.text == text; });
}

// Pages as text: "page N", then per printed line its y and each text as
// x+room "text"; a font (T title, B body, height/width) is written where it changes.
std::string render(const std::vector<ReportPage>& pages)
{
    std::ostringstream out;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        out << "page " << p + 1;
        int y = 1;
        ReportFont font{ReportFontRole::Body, -1, -1};
        for (const DrawOp& op : pages[p].ops) {
            if (op.y != y || y == 1)
                out << "\ny=" << op.y << ":";
            y = op.y;
            if (!(op.font == font))
                out << (op.font.role == ReportFontRole::Title ? " T" : " B") << op.font.height << "/" << op.font.width;
            font = op.font;
            out << " " << op.x << "+" << op.room << " \"" << op.text << "\"";
        }
        out << "\n";
    }
    return out.str();
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

// Every page of every edition and language as text: one line per printed line,
// its y, then each text's x, room and font. A new document with cells typed but
// not stored: row 3 in every column, row 5's receive side and row 30's (or the last) transmit.
TEST(ReportPages, EveryEditionAndLanguageMatchesItsGoldenFile)
{
    for (const Edition* e : allEditions()) {
        for (Language language : {Language::English, Language::Chinese}) {
            const std::string name = e->id + (language == Language::English ? "_en" : "_zh");
            SCOPED_TRACE(name);
            Report report(e->id.c_str(), language);
            for (int col = 1; col < report.table.columnCount(); ++col)
                report.table.setCell(3, col, std::to_string(100 + col));
            report.table.setCell(5, Column::Receive, "145.12500");
            report.table.setCell(5, Column::RxTone, "D023N");
            report.table.setCell(std::min(30, e->channelCount), Column::Transmit, "446.00625");
            const auto pages = report.pages();
            EXPECT_EQ(reportPageCount(report.edition), static_cast<int>(pages.size()));
            EXPECT_TRUE(report.page(static_cast<int>(pages.size()) + 1).ops.empty());
            EXPECT_TRUE(report.page(0).ops.empty());
            EXPECT_EQ(report.image, newDocumentImage(report.edition)) << "typed cells are not stored";
            expectGolden("report", name, render(pages));
        }
    }
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

// Choices made on the form and not yet stored print, though the image still
// holds the new document; VOX is on the form but not in the report.
TEST(ReportSettings, SixteenChannelItemsAreTheListsCurrentTexts)
{
    for (const char* id : {"cps16", "cps16-cn"}) {
        Report report(id, Language::Chinese);
        FormSettings form(report.edition);
        form.loadFromImage(report.image);
        const std::vector<int> choices = {10, 1, 1, 0, 4, 1, 3, 2, 0, 3};  // in the form's order
        for (int i = 0; i < form.count(); ++i)
            form.select(i, choices.at(static_cast<std::size_t>(i)));
        const ReportInput input(report.edition, report.language, report.table, formListTexts(form, report.language),
                                report.image);
        expectGolden("report", std::string(id) + "_form_choices",
                     render({layoutReportPage(input, kDevice, fakeLineHeight, 1)}));
    }
}

// On a page too narrow for the allowance every text starts at the edge: no room before a neighbour.
TEST(ReportChannels, ANarrowPageLeavesNoRoomBeforeANeighbour)
{
    const ReportPage narrow = layoutReportPage(Report("cps-twotone").input(), {100, 6300, 600, 600}, fakeLineHeight, 1);
    EXPECT_EQ(narrow.ops[2].room, 0);
    EXPECT_EQ(narrow.ops[3].room, 100 * 1440 / 600);
}

} // namespace
} // namespace tolvan
