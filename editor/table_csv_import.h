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
    // Set for the channels of another program's image: `line` is then the
    // channel, named with this column.
    std::string columnName;
};

struct ImportOptions {
    // A cell the target cannot hold (a frequency off its band, a tone or
    // choice it lacks, a channel beyond its count) stays as it was, and the
    // rest is imported, instead of stopping the import.
    bool skipUnfit = false;
};

struct CsvImportResult {
    std::optional<CsvImportError> error;  // set: nothing was applied
    int channelsChanged = 0;
    std::vector<std::string> ignored;        // columns the target lacks, in its words, each once
    std::vector<CsvImportError> skipped;     // with skipUnfit: every cell left as it was
};

// The fields of a CSV text, row by row, with the line each row starts on.
// Quotes as the export writes them; CRLF or LF; a UTF-8 byte-order mark and
// blank lines are skipped. An unclosed quote is an error.
struct CsvRow {
    int line = 0;
    std::vector<std::string> fields;
};
std::vector<CsvRow> parseCsv(std::string_view text, std::optional<CsvImportError>* error);

// Puts a channel list in the columns of the CSV export of this or any other of
// the programs (headers and words of either language, any subset of the
// columns, the channel column required) into the channels of `image`. Another
// program's columns and words arrive by meaning; columns the target lacks are
// named in `ignored`; the empty channels of a larger radio's list are passed
// over. Every changed cell goes through the rules of a
// typed cell; a cell those rules refuse, an unknown word or tone, a bad channel
// number stops the import with its line and column, and then nothing is applied.
// Channels whose cells end as they were keep their bytes exactly.
CsvImportResult importChannelCsv(const Edition& edition, Language language, std::string_view csv, MemoryImage& image,
                                 ImportOptions options = {});

// The channels of another program's image (`source`'s layout) into `image`,
// by the same rules; its settings are never carried. Errors name the channel.
CsvImportResult importChannelImage(const Edition& edition, Language language, const Edition& source,
                                   const MemoryImage& sourceImage, MemoryImage& image, ImportOptions options = {});

// "Line 3, column 2: ..." (or "Channel 3, Rx Tone: ...") in the edition's language.
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
    std::vector<std::string> notes;  // when ok: the columns ignored, every cell skipped
    bool layoutOpen = false;  // not ok: programs of the file's length read it differently
    std::vector<const Edition*> layouts;  // when layoutOpen: those programs
};

// The window's Import Channels, --import-csv and --import-sin: reads the file
// through the one safe reader (a regular file of at most kChannelCsvLimit
// bytes, never a pipe or device waited on) and imports it as importChannelCsv
// does. With `imageOf` the file is another program's image, read with the
// layout of the given program (nullptr: those its bytes allow, see
// ownersOfFile, refused naming them where they give different channels), and
// imported as importChannelImage does.
CsvFileImport importChannelFile(const Edition& edition, Language language, const std::filesystem::path& file,
                                const std::string& shownName, MemoryImage& image, ImportOptions options = {},
                                std::optional<const Edition*> imageOf = std::nullopt);

// Adds "--import-csv IN.csv BASE.sin OUT.sin" and "--import-sin OTHER.sin
// BASE.sin OUT.sin" to the command line.
void registerTableImport();

} // namespace tolvan
