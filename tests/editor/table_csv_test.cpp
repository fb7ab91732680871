#include "editor/table_csv.h"

#include "editor/table_csv_import.h"
#include "golden.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <stdexcept>
#include <sstream>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

// The export's fields, read back by the import's reader; every line ends in CR LF.
std::vector<std::vector<std::string>> rowsOf(const std::string& text)
{
    std::optional<CsvImportError> error;
    const auto rows = parseCsv(text, &error);
    EXPECT_FALSE(error);
    std::size_t crlf = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++crlf;
    EXPECT_EQ(crlf, rows.size());
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    std::vector<std::vector<std::string>> out;
    for (const auto& row : rows)
        out.push_back(row.fields);
    return out;
}

} // namespace

TEST(TableCsv, StandardQuoting)
{
    const std::pair<std::string, std::string> cases[] = {
        {"145.12500", "145.12500"}, {"", ""},           {"a,b", "\"a,b\""},   {"say \"x\"", "\"say \"\"x\"\"\""},
        {" W/N ", "\" W/N \""},     {"2\n3", "\"2\n3\""}, {"接收频率", "接收频率"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(csvField(in), out) << in;
}

// What a spreadsheet would evaluate, and typed text it would read as a number,
// a date or a time, gets an apostrophe the import takes off again.
TEST(TableCsv, CellsASpreadsheetWouldChangeAreProtected)
{
    const std::tuple<std::string, bool, std::string> cases[] = {
        {"-1-1", false, "'-1-1"}, {"+5", false, "'+5"},    {"=1+1", false, "'=1+1"}, {"@A", false, "'@A"},
        {" -1", true, "' -1"},     {"007", true, "'007"},   {"JAN 1", true, "'JAN 1"}, {"A,-1", true, "\"'A,-1\""},
        {"007", false, "007"},     {"145.52000", false, "145.52000"}, {"ABC-D", true, "ABC-D"}, {"", true, ""},
    };
    for (const auto& [in, freeText, out] : cases) {
        EXPECT_EQ(csvField(in, freeText), out) << in;
        EXPECT_EQ(unprotectedField(out.starts_with('"') ? out.substr(1, out.size() - 2) : out), in) << in;
    }
}

// A table is loaded again and again (a fuzzed file, a read from the radio):
// each load of an arbitrary image exports one well-formed row per channel that
// holds exactly that image's cells, nothing of what they held before; and a
// row's texts held outside the table read back as the row does.
TEST(TableCsv, ImagesLoadedOverEachOtherExportOnlyTheNewCells)
{
    std::mt19937 random(7);
    for (const Edition* e : allEditions()) {
        for (Language language : {Language::English, Language::Chinese}) {
            SCOPED_TRACE(e->id + (language == Language::English ? " en" : " zh"));
            MemoryImage scrambled(e->imageSize);
            ChannelTable reused(*e, language);
            for (int load = 0; load < 3; ++load) {
                for (std::size_t i = 0; i < scrambled.size(); ++i)
                    scrambled.set(i, static_cast<std::uint8_t>(random()));
                const MemoryImage image = load == 1 ? newDocumentImage(*e) : scrambled;
                reused.loadFromImage(image);
                ChannelTable fresh(*e, language);
                fresh.loadFromImage(image);
                const std::string csv = channelTableCsv(reused);
                EXPECT_LT(csv.size() * 20, kChannelCsvLimit);  // what the import reads has room
                const auto rows = rowsOf(csv);
                ASSERT_EQ(static_cast<int>(rows.size()), fresh.rowCount());
                for (int row = 0; row < fresh.rowCount(); ++row) {
                    ASSERT_EQ(static_cast<int>(rows[row].size()), fresh.columnCount()) << "row " << row;
                    std::vector<std::string> cells;
                    for (int col = 0; col < fresh.columnCount(); ++col) {
                        cells.push_back(unprotectedField(rows[row][col]));
                        ASSERT_EQ(cells.back(), fresh.cell(row, col)) << row << "," << col;
                    }
                    if (row > 0) {
                        ASSERT_EQ(fresh.channelOfTexts(cells), fresh.channelOfRow(row)) << row;
                    }
                }
            }
            EXPECT_THROW(reused.channelOfTexts({"1", "145.12500"}), std::invalid_argument);
        }
    }
}
