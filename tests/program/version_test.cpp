// --version of every program: the package's version and the version line of
// the program's own About box, in the language its window would take.

#include "program/version_text.h"
#include "run_program.h"
#include "golden.h"
#include "temp_dir.h"

using namespace tolvan;
using namespace tolvan::testing;
namespace fs = std::filesystem;

using Version = TempDirTest;

// What each program prints is in tests/program/golden/version.txt: the About
// line of its window's language (Chinese for the Chinese programs), and the
// opener's package line alone.
TEST_F(Version, EveryProgramNamesThePackageAndItsAboutLine)
{
    std::string text;
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const RunResult r = run(e->id, {"--version"}, {.stdoutFile = dir_ / "out", .configHome = dir_ / "config"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        text += contents(dir_ / "out");
        EXPECT_EQ(run(e->id, {"--version", "x"}).status, 1);
    }
    ASSERT_EQ(run("tolvan-open", {"--version"}, {.stdoutFile = dir_ / "out"}).status, 0);
    text += contents(dir_ / "out");
    EXPECT_EQ(run("tolvan-open", {"--version", "x"}).status, 1);
    expectGolden("program", "version", text);
    // The window creates a missing ini file for the user; asking the version does not.
    EXPECT_FALSE(fs::exists(dir_ / "config"));
}

// The line follows what the window would show: a dealer's version line where
// the program is branded (its own when none is given).
TEST_F(Version, TheAboutLineFollowsTheIniFiles)
{
    const struct {
        const char* program;
        const char* ini;
        const char* line;
    } cases[] = {
        {"cps-twotone", "", "Tolvan Programing Software Version 2.0"},
        {"cps-brand", "[ABOUT]\nVERSION=  2026 Version 1.0 \n", "2026 Version 1.0"},
        {"cps-brand", "[ABOUT]\nCOMPANY=Harbour Radio\n", "Tolvan Programing Software Version 2.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        const fs::path bin = dir_ / c.program;
        fs::create_directories(bin);
        fs::copy_file(programFile(TOLVAN_BIN_DIR, c.program), programFile(bin, c.program), fs::copy_options::overwrite_existing);
        put(bin / (std::string(c.program) + ".ini"), c.ini);
        ASSERT_EQ(run(c.program, {"--version"}, {.program = bin, .stdoutFile = dir_ / "out", .configHome = dir_}).status, 0);
        EXPECT_EQ(contents(dir_ / "out"), std::string(c.program) + " (Tolvan programming tools) "
                                              + std::string(packageVersion()) + "\n" + c.line + "\n");
    }
}
