// --export-csv run as a user runs it, through the shell.

#include "editions/edition.h"
#include "golden.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace tolvan;
namespace fs = std::filesystem;

class TableCsvCommand : public TempDirTest {};

TEST_F(TableCsvCommand, CommandLineExportsTheWindowsTable)
{
    const std::string bin = std::string(TOLVAN_BIN_DIR) + "/cps-twotone";
    const fs::path in = dir_ / "in.sin", out = dir_ / "out.csv";
    MemoryImage image = newDocumentImage(*findEdition("cps-twotone"));
    const std::uint8_t channel3[] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14, 0x70, 0x06, 0x23, 0x80, 0x42, 0x38};
    image.write(32, channel3);
    std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(image.raw().data()), 4096);

    const std::string cmd = "env -u LC_ALL -u LC_MESSAGES LANG=C " + bin + " --export-csv " + in.string() + " "
                            + out.string() + " 2>/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::stringstream csv;
    csv << std::ifstream(out, std::ios::binary).rdbuf();
    expectGolden("editor", "twotone_channel3_export.csv", csv.str());
    const std::string missing = bin + " --export-csv " + (dir_ / "missing.sin").string() + " " + out.string();
    EXPECT_NE(std::system((missing + " 2>/dev/null").c_str()), 0);
}
