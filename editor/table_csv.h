#pragma once

#include "editor/channel_table.h"

#include <string>
#include <string_view>

namespace tolvan {

// One CSV field with standard quoting: fields holding a comma, a quote, a line
// break or a leading or trailing blank are quoted, inner quotes doubled.
std::string csvField(std::string_view text);

// The channel table as the window shows it: the header row, then one row per
// channel, every column, the channel number first. UTF-8, CRLF line ends.
std::string channelTableCsv(const ChannelTable& table);

// Adds "--export-csv IN.sin OUT.csv" to the command line.
void registerTableExport();

} // namespace tolvan
