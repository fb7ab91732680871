// The deliverables as a user runs them from a shell.

#include "editions/edition.h"
#include "golden.h"
#include "run_program.h"
#include "temp_dir.h"

using namespace tolvan;
using namespace tolvan::testing;

using CommandLine = TempDirTest;

// Each writes its own new document; --help names the radio and offers only the
// options this program takes (every program's help is in
// tests/program/golden/help.txt).
TEST_F(CommandLine, EveryDeliverableWritesItsNewDocumentAndHelps)
{
    std::string help;
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const auto out = dir_ / (e->id + ".sin");
        ASSERT_EQ(run(e->id, {"--new", out.string()}).status, 0);
        const MemoryImage image = newDocumentImage(*e);
        EXPECT_EQ(contents(out), std::string(image.raw().begin(), image.raw().end()));
        ASSERT_EQ(run(e->id, {"--help"}, {.stdoutFile = dir_ / "help"}).status, 0);
        help += "== " + e->id + "\n" + contents(dir_ / "help");
    }
    expectGolden("program", "help", help);
    EXPECT_EQ(run("cps-twotone", {"--new", "/no/such/dir/x.sin"}).status, 2);
}
