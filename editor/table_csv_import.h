#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

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

// Adds "--import-csv IN.csv BASE.sin OUT.sin" to the command line.
void registerTableImport();

} // namespace tolvan
