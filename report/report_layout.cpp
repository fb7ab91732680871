#include "report/report_layout.h"

#include "report/settings_values.h"

#include <algorithm>

namespace tolvan {
namespace {

constexpr long long kTwips = kTwipsPerInch;  // 64-bit products of pixels and twips

} // namespace

ReportGeometry reportGeometry(const ReportDevice& device)
{
    ReportGeometry g;
    if (device.dpiX <= 0 || device.dpiY <= 0)
        return g;
    // A printable area narrower than the fixed 900 twips would give a negative
    // unit; such a page prints everything at its left edge instead.
    g.u = std::max(0, static_cast<int>((device.widthPx * kTwips / device.dpiX - 900) / 80));
    g.h = std::max(0, static_cast<int>(device.heightPx / 45 * kTwips / device.dpiY));
    g.title = {ReportFontRole::Title, g.h, g.u};
    g.body = {ReportFontRole::Body, g.h, static_cast<int>(0.8 * g.u)};
    return g;
}

int reportPageCount(const Edition& edition)
{
    return static_cast<int>(edition.report.pages.size());
}

ReportPage layoutReportPage(const ReportInput& input, const ReportDevice& device, const LineHeightOf& lineHeight,
                            int page)
{
    ReportPage out;
    const ReportPlan& plan = input.edition->report;
    if (page < 1 || page > reportPageCount(*input.edition) || device.dpiX <= 0 || device.dpiY <= 0)
        return out;
    const ReportPagePlan& pagePlan = plan.pages[static_cast<std::size_t>(page - 1)];
    const Language language = input.edition->uiLanguage(input.language);
    const ReportGeometry g = reportGeometry(device);
    const int u = g.u;

    // The title, centred by eye: 18 units left of the middle of the page.
    const int titleLine = lineHeight(g.title);
    const int titleX = static_cast<int>(device.widthPx / 2 * kTwips / device.dpiX) - 18 * u;
    out.ops.push_back({titleX, -titleLine / 2, g.title, pagePlan.title.in(language), 0});
    int y = -titleLine / 2 - titleLine;

    const int line = lineHeight(g.body);
    const int headingStep = static_cast<int>(1.2 * line);
    const int right = static_cast<int>(device.widthPx * kTwips / device.dpiX);
    // `nextUnits` < 0: the text may reach the printable edge.
    auto draw = [&](int xUnits, std::string text, int nextUnits = -1) {
        const int x = xUnits * u;
        const int room = std::max(0, (nextUnits >= 0 ? nextUnits * u : right) - x);
        out.ops.push_back({x, y, g.body, std::move(text), room});
    };

    if (pagePlan.settings) {
        draw(5, plan.settingsHeading.in(language));
        y -= headingStep;
        for (const auto& items : plan.settingsLines) {
            for (std::size_t i = 0; i < items.size(); ++i)
                draw(items[i].x, items[i].label.in(language) + settingsValueText(items[i], *input.image, input.lists, language),
                     i + 1 < items.size() ? items[i + 1].x : -1);
            y -= line;
        }
    }

    const ChannelTable& table = *input.table;
    const ReportChannelLayout& layout = plan.channels(language);
    draw(5, plan.channelHeading.in(language));
    y -= headingStep;

    std::string header;
    for (const ReportHeaderPiece& piece : layout.header)
        header += piece.gridColumn >= 0 ? table.cell(0, piece.gridColumn) : piece.text;
    draw(1, header);

    const int columns = std::min(static_cast<int>(layout.columnX.size()), table.columnCount());
    const int last = std::min(pagePlan.lastChannel, table.rowCount() - 1);
    for (int channel = pagePlan.firstChannel; channel <= last; ++channel) {
        y -= line;
        // The channel number as it is; every other cell followed by one blank.
        for (int col = 0; col < columns; ++col) {
            const auto at = static_cast<std::size_t>(col);
            draw(layout.columnX[at], col == 0 ? table.cell(channel, col) : table.cell(channel, col) + " ",
                 col + 1 < columns ? layout.columnX[at + 1] : -1);
        }
    }
    return out;
}

std::vector<ReportPage> layoutReport(const ReportInput& input, const ReportDevice& device,
                                     const LineHeightOf& lineHeight)
{
    std::vector<ReportPage> pages;
    for (int page = 1; page <= reportPageCount(*input.edition); ++page)
        pages.push_back(layoutReportPage(input, device, lineHeight, page));
    return pages;
}

} // namespace tolvan
