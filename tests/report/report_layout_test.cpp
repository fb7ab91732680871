#include "report/report_layout.h"

#include "editor/form_settings.h"

#include <gtest/gtest.h>

#include "golden.h"

#include <algorithm>
#include <cstdio>
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

// Settings bytes set one value at a time, in every language the edition has:
// one line per value in the golden file with the texts of page 1 that the byte
// decides (nothing listed: the page is as a new document's).
TEST(ReportSettings, EachSettingsByteMatchesTheGoldenFile)
{
    struct Byte {
        std::size_t offset;
        std::vector<std::uint8_t> values;
    };
    const std::pair<const char*, std::vector<Byte>> cases[] = {
        {"cps-twotone", {{0x810, {0, 1, 5}}, {0x811, {4}}, {0x812, {0x00, 0x01, 0x02, 0x03, 0x04, 0x08, 0x10, 0x20}}}},
        {"cps-twotone", {{0x813, {9, 10}}, {0x814, {1, 40, 41}}, {0x815, {1, 10, 11}}, {0x816, {0, 4, 9}}}},
        // The form's lists as the image holds them: below "Type" is no selection.
        {"cps-twotone", {{0x80B, {0x37, 0x3B}}, {0x80A, {0x00, 0xF7}}, {0x819, {12}}}},
        // The 16-byte codes print digits and A-D only; the byte after the second is not part of it.
        {"cps-twotone", {{0x7B0, {'1', 'A', 'a', 0xFF, 0x00}}, {0x7CF, {'D', '9', 'E'}}, {0x7D0, {'8'}}}},
        {"cps-brand", {{0x815, {10}}}},
        {"cps-cn2", {{0x814, {40}}}},
        // The smaller radio keeps the same items at 0x7D0; its power rank stops at 9.
        {"cps-fleet", {{0x7D0, {3}}, {0x7D1, {2}}, {0x7D2, {0xF8, 0x56}}, {0x7D3, {7}}, {0x7D4, {2}}, {0x7D5, {10}}}},
        {"cps-fleet", {{0x7D6, {5}}, {0x7D7, {12}}, {0x7DB, {0x3A}}, {0x7DA, {0xF0}}}},
        {"cps-cn10", {{0x7D1, {2}}, {0x7D2, {0x56}}}},
        {"cps-keys", {{0x3C7, {0}}, {0x3C5, {0x12}}, {0x3C6, {0x75, 0x9F}}, {0x3C4, {0xFF, 6}}, {0x3C3, {10, 11}}}},
        {"cps-keys", {{0x3C1, {10, 11}}, {0x3C0, {0x2F, 0x18, 0x10, 0x00}}}},
        {"cps-keys-cn", {{0x3C6, {0x75}}, {0x3C0, {0x2E}}, {0x3D2, {0x00}}}},
        // The warning bit reads oppositely in the two sixteen-channel builds;
        // channel 1's record carries the band width.
        {"cps16", {{0x3C0, {0xF7, 0xF6, 0xF3}}, {0x3C2, {1, 6}}, {0x01C, {0xFF}}, {0x02C, {0xFF}}, {0x3D2, {0xF9}}}},
        {"cps16", {{0x3D3, {0x36}}}},
        {"cps16-cn", {{0x3C0, {0xF7}}}},
    };
    std::ostringstream out;
    for (const auto& [id, bytes] : cases) {
        const Edition& e = *findEdition(id);
        for (const Byte& c : bytes) {
            for (Language language : {Language::English, Language::Chinese}) {
                if (language == Language::Chinese && e.uiLanguage(language) == e.uiLanguage(Language::English))
                    continue;
                auto pageWith = [&](std::uint8_t value) {
                    Report report(id, language);
                    report.image.set(c.offset, value);
                    return report.page(1);
                };
                // The texts the byte decides: those that change with its value or its complement.
                const ReportPage fresh = Report(id, language).page(1);
                std::vector<bool> decided(fresh.ops.size());
                for (std::uint8_t value : c.values) {
                    const ReportPage a = pageWith(value), b = pageWith(static_cast<std::uint8_t>(~value));
                    ASSERT_EQ(a.ops.size(), fresh.ops.size());
                    ASSERT_EQ(b.ops.size(), fresh.ops.size());
                    for (std::size_t i = 0; i < fresh.ops.size(); ++i)
                        decided[i] = decided[i] || a.ops[i].text != fresh.ops[i].text || a.ops[i].text != b.ops[i].text;
                }
                for (std::uint8_t value : c.values) {
                    char at[32];
                    std::snprintf(at, sizeof at, " %03zX=%02X:", c.offset, value);
                    out << id << (language == Language::English ? " en" : " zh") << at;
                    const ReportPage page = pageWith(value);
                    for (std::size_t i = 0; i < page.ops.size(); ++i)
                        if (decided[i])
                            out << " [" << page.ops[i].text << "]";
                    out << "\n";
                }
            }
        }
    }
    expectGolden("report", "settings_bytes", out.str());
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
