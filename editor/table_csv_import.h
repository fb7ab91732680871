#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// Where a CSV file went wrong: its line and column (both from 1) and why.
struct CsvImportError {
    int line = 0;
    int column = 0;
    std::string message;
};

struct CsvImportResult {
    std::optional<CsvImportError> error;  // set: nothing was applied
    int channelsChanged = 0;
};

// The fields of a CSV text, row by row, with the line each row starts on.
// Quotes as the export writes them; CRLF or LF; a UTF-8 byte-order mark and
// blank lines are skipped. An unclosed quote is an error.
struct CsvRow {
    int line = 0;
    std::vector<std::string> fields;
};
std::vector<CsvRow> parseCsv(std::string_view text, std::optional<CsvImportError>* error);

// Puts a channel list in the columns of the CSV export (headers and words of
// either language, any subset of the columns, the channel column required)
// into the channels of `image`. Every changed cell goes through the rules of a
// typed cell; a cell those rules refuse, an unknown word or tone, a bad channel
// number stops the import with its line and column, and then nothing is applied.
// Channels whose cells end as they were keep their bytes exactly.
CsvImportResult importChannelCsv(const Edition& edition, Language language, std::string_view csv, MemoryImage& image);

// "Line 3, column 2: ..." in the edition's language.
std::string describeImportError(const Edition& edition, Language language, const CsvImportError& error);

// The most a channel list may hold. The largest table any of the programs
// exports is some 12 KB (cps-twotone: 129 lines, every cell at its widest,
// names protected); this leaves twenty times that for a spreadsheet that quotes
// every cell or adds blank lines. A larger file is no channel list: reading it
// would only cost memory and time.
constexpr std::size_t kChannelCsvLimit = 256 * 1024;

struct CsvFileImport {
    bool ok = false;
    int channelsChanged = 0;
    std::string message;  // when not ok: why, naming the file
};

// The window's Import Channels and --import-csv: reads the file through the
// one safe reader (a regular file of at most kChannelCsvLimit bytes, never a
// pipe or device waited on) and imports it as importChannelCsv does.
CsvFileImport importChannelFile(const Edition& edition, Language language, const std::filesystem::path& file,
                                const std::string& shownName, MemoryImage& image);

// Adds "--import-csv IN.csv BASE.sin OUT.sin" to the command line.
void registerTableImport();

} // namespace tolvan
