#pragma once

#include "editor/channel_table.h"

#include <string>
#include <string_view>

namespace tolvan {

// One CSV field with standard quoting: fields holding a comma, a quote, a line
// break or a leading or trailing blank are quoted, inner quotes doubled.
//
// A spreadsheet would turn some cells into something else, and the next import
// would carry that into the radio: it evaluates a cell that begins with "-",
// "+", "=" or "@" ("-1-1" becomes -2), and reads typed text that holds a digit
// as a number, a date or a time ("007" becomes 7, "1E5" 100000, "JAN 1" a date).
// Such a cell (`freeText`: a column of typed text, the channel names) gets a
// leading apostrophe, which a spreadsheet keeps as part of the text and the
// import takes off. Numbers the program writes (channels, frequencies, tones)
// stay numbers: a spreadsheet may drop their trailing zeros, not their value.
std::string csvField(std::string_view text, bool freeText = false);

// The cell a field of such a file stands for: a protecting apostrophe taken off
// (no cell of the channel table begins with one).
std::string unprotectedField(std::string_view field);

// The channel table as the window shows it: the header row, then one row per
// channel, every column, the channel number first. UTF-8, CRLF line ends.
// A `plan` keeps only the columns whose meaning every program shares
// (frequencies, tones, band width, power, scan, name): the choices of
// signalling, PTT ID and busy lock differ from radio to radio.
bool inPlan(Column column);
std::string channelTableCsv(const ChannelTable& table, bool plan = false);

// Adds "--export-csv IN.sin OUT.csv" to the command line.
void registerTableExport();

} // namespace tolvan
