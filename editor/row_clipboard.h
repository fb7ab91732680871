#pragma once

#include "editor/channel_table.h"
#include "editor/undo_stack.h"

#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// Whole channel rows as tab-separated text: one line per row, the row's cells
// after the channel number. Two programs of the same edition exchange rows this
// way through the clipboard, and so can a spreadsheet.
std::string copyRows(const ChannelTable& table, const std::vector<int>& rows);

// Pastes lines into consecutive rows from `firstRow` (lines past the last row
// are dropped). Every row passes the same checks as typed cells: a frequency the
// edition would refuse is left out, a tone must be on the tone list, and words
// are taken in either language and shown in the table's. One undo step.
// Returns the rows it changed.
std::vector<int> pasteRows(ChannelTable& table, int firstRow, std::string_view text, UndoStack& undo);

// The rows' channels as the radio holds them: every byte of their records and
// names, those the table does not show included (two-tone call and decoder,
// flag bits). Rows within one program move whole this way; `image` holds the
// table's cells already.
std::string copyRecords(const Edition& edition, const MemoryImage& image, const std::vector<int>& rows);

// Pastes what copyRecords gave into consecutive channels from `firstRow`: the
// bytes go into `image`, the rows show them. One undo step. Returns the rows
// it changed; empty when `block` is not one of this edition's (then the text
// is what can be pasted).
std::vector<int> pasteRecords(ChannelTable& table, MemoryImage& image, int firstRow, std::string_view block,
                              UndoStack& undo);

// Empties the rows (the channel numbers stay). One undo step.
std::vector<int> clearRows(ChannelTable& table, const std::vector<int>& rows, UndoStack& undo);

} // namespace tolvan
