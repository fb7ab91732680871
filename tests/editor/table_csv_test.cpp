#include "editor/table_csv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

// A strict reader of standard CSV, to check what the export writes.
std::vector<std::vector<std::string>> parseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false, wasQuoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            EXPECT_TRUE(field.empty()) << "quote inside a field";
            quoted = wasQuoted = true;
        } else if (c == ',') {
            rows.back().push_back(field);
            field.clear();
            wasQuoted = false;
        } else if (c == '\r') {
            EXPECT_EQ(text.at(i + 1), '\n');
        } else if (c == '\n') {
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    EXPECT_FALSE(quoted);
    EXPECT_TRUE(rows.back().empty() && field.empty()) << "last line not ended";
    rows.pop_back();
    return rows;
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

TEST(TableCsv, HostileImagesGiveOneWellFormedRowPerChannel)
{
    std::mt19937 random(7);
    for (const Edition* e : allEditions()) {
        for (Language language : {Language::English, Language::Chinese}) {
            MemoryImage image(e->imageSize);
            for (std::size_t i = 0; i < image.size(); ++i)
                image.set(i, static_cast<std::uint8_t>(random()));
            ChannelTable table(*e, language);
            table.loadFromImage(image);
            const auto rows = parseCsv(channelTableCsv(table));
            ASSERT_EQ(static_cast<int>(rows.size()), e->channelCount + 1) << e->id;
            for (int row = 0; row < table.rowCount(); ++row) {
                ASSERT_EQ(static_cast<int>(rows[row].size()), table.columnCount()) << e->id << " row " << row;
                for (int col = 0; col < table.columnCount(); ++col)
                    EXPECT_EQ(rows[row][col], table.cell(row, col)) << e->id << " " << row << "," << col;
            }
            EXPECT_EQ(rows[1][0], "1");
        }
    }
}

TEST(TableCsv, CommandLineExportsTheWindowsTable)
{
    const fs::path dir = fs::temp_directory_path() / ("csv_test_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string bin = std::string(TOLVAN_BIN_DIR) + "/cps-twotone";
    const fs::path in = dir / "in.sin", out = dir / "out.csv";
    MemoryImage image = newDocumentImage(*findEdition("cps-twotone"));
    const std::uint8_t channel3[] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14, 0x70, 0x06, 0x23, 0x80, 0x42, 0x38};
    image.write(32, channel3);
    { std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(image.raw().data()), 4096); }

    const std::string cmd = "env -u LC_ALL -u LC_MESSAGES LANG=C " + bin + " --export-csv " + in.string() + " "
                            + out.string() + " 2>/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::stringstream csv;
    csv << std::ifstream(out, std::ios::binary).rdbuf();
    const auto rows = parseCsv(csv.str());
    ASSERT_EQ(rows.size(), 129u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"CH", "Receive(MHz)", "Transmit(MHz)", "Rx Tone", "Tx Tone", " W/N ",
                                                 "Scan", "Tx Power", " Opt Signal", "PTTID", "BusyLock", "Name",
                                                 "More"}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"3", "145.12500", "145.12500", "67.0", "D023N", "Wide", "Yes",
                                                 "High", "DTMF", "ON", "Close", "", ">>"}));

    EXPECT_NE(std::system((bin + " --export-csv " + (dir / "missing.sin").string() + " " + out.string()
                           + " 2>/dev/null").c_str()),
              0);
    fs::remove_all(dir);
}
