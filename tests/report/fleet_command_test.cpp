// The fleet commands as a user runs them: import of an exported channel list,
// write with verify, several ports at once.

#include "codeplug/sin_file.h"
#include "program/exit_status.h"
#include "run_program.h"
#include "sim/sample_codeplug.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace tolvan {
namespace {

namespace fs = std::filesystem;
using testing::contents;
using testing::run;

using FleetCommands = TempDirTest;

TEST_F(FleetCommands, ExportThenImportGivesTheSameFileInEveryProgram)
{
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const std::string sin = (dir_ / "a.sin").string(), csv = (dir_ / "a.csv").string(), out = (dir_ / "b.sin").string();
        ASSERT_EQ(saveSin(sin, sampleCodeplug(*e)), SinStatus::Ok);
        ASSERT_EQ(run(e->id, {"--export-csv", sin, csv}).status, kExitDone);
        const auto r = run(e->id, {"--import-csv", csv, sin, out});
        ASSERT_EQ(r.status, kExitDone) << r.err;
        EXPECT_EQ(contents(out), contents(sin));
        EXPECT_TRUE(r.err == "0 channels changed\n" || r.err == "0 个频道已更改\n") << r.err;
    }
}

TEST_F(FleetCommands, ARefusedCellLeavesNoOutput)
{
    const std::string sin = (dir_ / "a.sin").string(), csv = (dir_ / "a.csv").string(), out = (dir_ / "b.sin").string();
    ASSERT_EQ(saveSin(sin, sampleCodeplug(*findEdition("cps-twotone"))), SinStatus::Ok);
    testing::put(csv, "CH,Receive(MHz)\n1,146.00000\n2,999\n");
    const auto r = run("cps-twotone", {"--import-csv", csv, sin, out});
    EXPECT_EQ(r.status, kExitFileError);
    EXPECT_NE(r.err.find("Line 3, column 2: Error Data Format"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(run("cps-twotone", {"--import-csv", csv, sin}).status, kExitUsage);
}

TEST_F(FleetCommands, WriteWithVerifyAndSeveralPorts)
{
    const std::string sin = (dir_ / "a.sin").string();
    ASSERT_EQ(saveSin(sin, sampleCodeplug(*findEdition("cps16"))), SinStatus::Ok);
    auto r = run("cps16", {"--write", sin, "--port", "virtual", "--verify"});
    EXPECT_EQ(r.status, kExitDone) << r.err;
    EXPECT_NE(r.err.find("Verified: the radio holds what was written."), std::string::npos) << r.err;

    const fs::path out = dir_ / "out";
    r = run("cps16", {"--write", sin, "--port", "virtual", "--port", "/dev/tolvan-none"}, {.stdoutFile = out});
    EXPECT_EQ(r.status, kExitLinkError);
    EXPECT_EQ(contents(out), "virtual: Written.\n/dev/tolvan-none: Could not Open the Port,Please check whether the Port "
                             "are occupied or the device are ok\n");

    EXPECT_EQ(run("cps16", {"--write", sin, "--port", "virtual", "--port", "virtual"}).status, kExitUsage);
    EXPECT_EQ(run("cps16", {"--read", sin, "--port", "virtual", "--port", "COM2"}).status, kExitUsage);
}

} // namespace
} // namespace tolvan
