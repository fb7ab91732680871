// The fleet commands as a user runs them: import of an exported channel list,
// write with verify, several ports at once.

#include "codeplug/sin_file.h"
#include "program/exit_status.h"
#include "sim/sample_codeplug.h"
#include "temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace tolvan {
namespace {

namespace fs = std::filesystem;

struct CommandRun {
    int status;
    std::string out, err;
};

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct FleetCommands : TempDirTest {
    CommandRun run(const std::string& program, const std::string& args)
    {
        const std::string command = "LANG=C " + std::string(TOLVAN_BIN_DIR) + "/" + program + " " + args + " >"
                                    + (dir_ / "out").string() + " 2>" + (dir_ / "err").string();
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir_ / "out"), slurp(dir_ / "err")};
    }
};

TEST_F(FleetCommands, ExportThenImportGivesTheSameFileInEveryProgram)
{
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const fs::path sin = dir_ / "a.sin", csv = dir_ / "a.csv", out = dir_ / "b.sin";
        ASSERT_EQ(saveSin(sin, sampleCodeplug(*e)), SinStatus::Ok);
        ASSERT_EQ(run(e->id, "--export-csv " + sin.string() + " " + csv.string()).status, kExitDone);
        const CommandRun r = run(e->id, "--import-csv " + csv.string() + " " + sin.string() + " " + out.string());
        ASSERT_EQ(r.status, kExitDone) << r.err;
        EXPECT_EQ(slurp(out), slurp(sin));
    }
}

TEST_F(FleetCommands, ARefusedCellLeavesNoOutput)
{
    const fs::path sin = dir_ / "a.sin", csv = dir_ / "a.csv", out = dir_ / "b.sin";
    ASSERT_EQ(saveSin(sin, sampleCodeplug(*findEdition("cps-twotone"))), SinStatus::Ok);
    std::ofstream(csv) << "CH,Receive(MHz)\n1,146.00000\n2,999\n";
    const CommandRun r = run("cps-twotone", "--import-csv " + csv.string() + " " + sin.string() + " " + out.string());
    EXPECT_EQ(r.status, kExitFileError);
    EXPECT_NE(r.err.find("Line 3, column 2: Error Data Format"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(run("cps-twotone", "--import-csv " + csv.string() + " " + sin.string()).status, kExitUsage);
}

TEST_F(FleetCommands, WriteWithVerifyAndSeveralPorts)
{
    const fs::path sin = dir_ / "a.sin";
    ASSERT_EQ(saveSin(sin, sampleCodeplug(*findEdition("cps16"))), SinStatus::Ok);
    // The virtual port's radio keeps 9600-baud byte times; on a loaded machine a
    // reply can miss the 30 ms inter-byte time-out, so a short reply gets one more try.
    CommandRun r = run("cps16", "--write " + sin.string() + " --port virtual --verify");
    if (r.status == kExitLinkError && r.err.find("not received enough") != std::string::npos)
        r = run("cps16", "--write " + sin.string() + " --port virtual --verify");
    EXPECT_EQ(r.status, kExitDone) << r.err;
    EXPECT_NE(r.err.find("Verified: the radio holds what was written."), std::string::npos) << r.err;

    r = run("cps16", "--write " + sin.string() + " --port virtual --port /dev/tolvan-none");
    EXPECT_EQ(r.status, kExitLinkError);
    EXPECT_EQ(r.out, "virtual: Written.\n/dev/tolvan-none: Could not Open the Port,Please check whether the Port are "
                     "occupied or the device are ok\n");

    EXPECT_EQ(run("cps16", "--write " + sin.string() + " --port virtual --port virtual").status, kExitUsage);
    EXPECT_EQ(run("cps16", "--read " + sin.string() + " --port virtual --port COM2").status, kExitUsage);
}

} // namespace
} // namespace tolvan
