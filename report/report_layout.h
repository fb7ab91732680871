#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"
#include "editor/channel_table.h"
#include "report/form_list_texts.h"

#include <functional>
#include <string>
#include <vector>

namespace tolvan {

// The printed report as draw operations, computed without any drawing device.
//
// Coordinates are twips (1/1440 inch) from the top-left corner of the printable
// rectangle, y growing upwards, so lines go to ever more negative y; a text is
// placed by the top-left corner of its line. All sizes follow from the printable
// rectangle and the device resolution with integer arithmetic, so a page looks the
// same on every printer up to the device's own rounding.

constexpr int kTwipsPerInch = 1440;

enum class ReportFontRole { Title, Body };

// A font of the report: its character height (the em, without internal leading)
// and its average character width, both in twips. The face is a serif face of the
// Times metrics.
struct ReportFont {
    ReportFontRole role = ReportFontRole::Body;
    int height = 0;
    int width = 0;

    bool operator==(const ReportFont&) const = default;
};

struct DrawOp {
    int x = 0;
    int y = 0;
    ReportFont font;
    std::string text;
    // Room up to the next text on the line or the printable edge; 0 for no limit.
    // A text that would run into its neighbour or off the page is condensed into it.
    int room = 0;

    bool operator==(const DrawOp&) const = default;
};

struct ReportPage {
    std::vector<DrawOp> ops;
};

// The printable rectangle in device pixels and the device's pixels per inch.
struct ReportDevice {
    int widthPx = 0;
    int heightPx = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// The sizes every page uses: the character unit u and the font height h.
struct ReportGeometry {
    int u = 0;
    int h = 0;
    ReportFont title;
    ReportFont body;
};
ReportGeometry reportGeometry(const ReportDevice& device);

// A font's line height in twips: character height plus external leading. The
// drawing device measures it; tests give a fixed rule.
using LineHeightOf = std::function<int(const ReportFont&)>;

// What a report shows: the channel table's cells (so typed but unsaved values
// print), the texts of three form lists, and the image for the settings block.
struct ReportInput {
    const Edition* edition = nullptr;
    Language language = Language::English;  // as decided at start-up
    const ChannelTable* table = nullptr;
    FormListTexts lists;
    const MemoryImage* image = nullptr;

    ReportInput(const Edition& e, Language l, const ChannelTable& t, FormListTexts f, const MemoryImage& i)
        : edition(&e), language(l), table(&t), lists(std::move(f)), image(&i)
    {
    }
};

int reportPageCount(const Edition& edition);

// Page `page` (1 = first). A page outside the edition's list is empty.
ReportPage layoutReportPage(const ReportInput& input, const ReportDevice& device, const LineHeightOf& lineHeight,
                            int page);
std::vector<ReportPage> layoutReport(const ReportInput& input, const ReportDevice& device,
                                     const LineHeightOf& lineHeight);

} // namespace tolvan
