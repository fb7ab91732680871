// The deliverables as a user runs them from a shell.

#include "editions/edition.h"
#include "run_program.h"
#include "temp_dir.h"

using namespace tolvan;
using namespace tolvan::testing;

using CommandLine = TempDirTest;

// Each writes its own new document; --help names the radio and offers only the
// options this program takes.
TEST_F(CommandLine, EveryDeliverableWritesItsNewDocumentAndHelps)
{
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const auto out = dir_ / (e->id + ".sin");
        ASSERT_EQ(run(e->id, {"--new", out.string()}).status, 0);
        const MemoryImage image = newDocumentImage(*e);
        EXPECT_EQ(contents(out), std::string(image.raw().begin(), image.raw().end()));

        ASSERT_EQ(run(e->id, {"--help"}, {.stdoutFile = dir_ / "help"}).status, 0);
        const std::string text = contents(dir_ / "help");
        EXPECT_NE(text.find("\n" + e->id + " is for the " + e->radio + " (" + std::to_string(e->channelCount)
                            + " channels, .sin files of " + std::to_string(e->imageSize) + " bytes).\n"),
                  std::string::npos)
            << text;
        EXPECT_EQ(text.find("--password") != std::string::npos, e->link.passwordCheck);
        EXPECT_EQ(text.find("--accept-type-mismatch") != std::string::npos, e->link.typeCheckOffset.has_value());
        for (const char* option : {"--new", "--read", "--write", "--list-ports", "--print-pdf", "--export-csv"})
            EXPECT_NE(text.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(run("cps-twotone", {"--new", "/no/such/dir/x.sin"}).status, 2);
}
