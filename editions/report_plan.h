#pragma once

#include "editions/settings_layout.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolvan {

enum class Language;

// The printed report of an edition, as data: which pages it has, what its
// settings block prints and from which bytes, and how channel rows are laid out.
// Positions are in character units u of the page (see report/report_layout.h).

struct ReportText {
    std::string english;
    std::string chinese;

    const std::string& in(Language language) const;
};

// Where a settings item takes its value from.
enum class ReportSource {
    Label,            // the label alone
    TypeList,         // the text of the form's "Type" list
    FieldList,        // the text of the form's "Field" list
    TxPowerRankList,  // the text of the form's "Tx Power Rank" list
    FormList,         // the text of the form's list labelled `list`
    ByteChoice,       // (byte & mask) looked up in `choices`, else `otherwise`
    ByteNumber,       // the byte as a number (see NumberRule)
    Code,             // 16 bytes: digits and A-D, every other byte skipped
    IdDigits,         // an identity code of 8 bytes as its dialog reads it: the digits of the first 4
    IdText,           // an identity code of 8 bytes as its dialog reads it: digits and letters, upper case
};

// A byte printed as a number: it is first divided by `divisor` and limited to
// `ceiling`; then 0 gives `zero` when set; `low`..`high` print value * multiplier
// with printf's "%<width>d"; anything else gives `outside`.
struct NumberRule {
    int low = 0;
    int high = 255;
    int multiplier = 1;
    int width = 0;
    int divisor = 1;
    int ceiling = 255;
    std::optional<ReportText> zero;
    ReportText outside;
};

struct ReportItem {
    int x = 0;  // in u
    ReportText label;
    ReportSource source = ReportSource::ByteChoice;
    std::string list;  // FormList: the list's English label
    std::size_t offset = 0;
    std::uint8_t mask = 0xFF;
    std::vector<std::pair<std::uint8_t, ReportText>> choices;
    ReportText otherwise;
    NumberRule number;

    // How many image bytes from `offset` the item reads (0: none, it reads the form).
    std::size_t byteCount() const;
};

struct ReportPagePlan {
    ReportText title;
    bool settings = false;  // the settings block comes before the channels
    int firstChannel = 1;
    int lastChannel = 0;
};

// A piece of the channel header line: a literal text, or the grid header of a column.
struct ReportHeaderPiece {
    int gridColumn = -1;
    std::string text;
};

struct ReportChannelLayout {
    std::vector<ReportHeaderPiece> header;
    std::vector<int> columnX;  // in u, one per printed table column from column 0
};

struct ReportPlan {
    std::vector<ReportPagePlan> pages;  // empty: the edition prints nothing yet
    ReportText settingsHeading;
    std::vector<std::vector<ReportItem>> settingsLines;
    ReportText channelHeading;
    ReportChannelLayout englishChannels;
    ReportChannelLayout chineseChannels;

    const ReportChannelLayout& channels(Language language) const;
};

// The family-A reports: the first `pageCount` of five pages (channels 1-22,
// 23-54, 55-86, 87-118, 119-128), page 1 with a settings block of seven lines.
// The full radio's block keeps its own readings of 0x810-0x816 and prints the
// codes at 0x7B0 and 0x7C0.
ReportPlan twoToneReportPlan();
// The other family-A radios print what their own Optional Features dialog
// stores, where it stores it, in its words for what the report had no words
// for; what the dialog hides or lacks is not printed.
ReportPlan optionalFeaturesReportPlan(const OptionalFeaturesLayout& dialog, int pageCount);
ReportPlan signallingFeaturesReportPlan(const SignallingFeaturesLayout& dialog, int pageCount);
// The one-page reports of the two 16-channel families; the key radio's beep
// and battery save as its dialog of lists stores them.
ReportPlan keyAssignmentReportPlan(const SettingsListsLayout& dialog);
ReportPlan sixteenChannelReportPlan();

} // namespace tolvan
