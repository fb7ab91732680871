#pragma once

#include "editions/channel_fields.h"
#include "editions/edition.h"

#include <array>
#include <string>
#include <vector>

namespace tolvan {

// The word list of a column of yes/no or busy words; nullptr for the others.
const WordList* wordListOf(const EditionTexts& texts, Column column);

// The channel table as the user sees it: texts in rows and columns. Row 0 holds
// the headers, column 0 the channel numbers; row r is channel r. Between the
// image-to-grid and grid-to-image transfers the cells are the working copy of
// the channel records.
class ChannelTable {
public:
    ChannelTable(const Edition& edition, Language language);

    const Edition& edition() const { return *edition_; }
    Language language() const { return language_; }
    const EditionTexts& texts() const { return edition_->texts(language_); }

    int rowCount() const { return rows_; }
    int columnCount() const { return static_cast<int>(edition_->columns.size()); }
    // The table column showing `column`, or -1 when the edition has no such column.
    int columnOf(Column column) const;
    Column columnAt(int col) const { return edition_->columns.at(static_cast<std::size_t>(col)); }

    const std::string& cell(int row, int col) const;
    void setCell(int row, int col, std::string text);
    const std::string& cell(int row, Column column) const;
    void setCell(int row, Column column, std::string text);

    // Image-to-grid: headers, channel numbers, and every channel row.
    void loadFromImage(const MemoryImage& image);
    // Grid-to-image: every channel record (and name) from the cells. Settings
    // bytes of the form are not this class's.
    void storeToImage(MemoryImage& image) const;

    // One row's texts <-> fields, in the edition's words.
    void showChannel(int row, const ChannelFields& fields);
    // The text one column shows for a channel; `inUse` decides whether a channel
    // without frequencies shows anything there.
    std::string textFor(Column column, const ChannelFields& fields, bool inUse) const;
    // The same into a string that keeps its buffer (a cell, a row being compared).
    void writeText(std::string& out, Column column, const ChannelFields& fields, bool inUse) const;
    // What a column shows on a channel that was just given its first frequency.
    std::string newChannelText(Column column) const;
    ChannelFields channelOfRow(int row) const;
    // The same for a row's texts held elsewhere, one per table column (the
    // first, the channel number, unused): a comparison reads rows it never loads.
    ChannelFields channelOfTexts(const std::vector<std::string>& texts) const;

private:
    std::size_t indexOf(int row, int col) const;  // throws std::out_of_range outside the table
    ChannelFields channelOfCells(const std::string* cells) const;  // one row, by table column

    const Edition* edition_;
    Language language_;
    int rows_;
    // Row by row in one block: a table is built for every file opened, compared or fuzzed.
    std::vector<std::string> cells_;
    // columnOf for every Column, looked up once: every cell access by column uses it.
    std::array<int, static_cast<std::size_t>(Column::More) + 1> columnIndex_;
};

} // namespace tolvan
