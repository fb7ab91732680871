// The deliverables as a user runs them from a shell.

#include "editions/edition.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

int run(const std::string& program, const std::string& args)
{
    const std::string command = std::string(TOLVAN_BIN_DIR) + "/" + program + " " + args + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::uint8_t> readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(CommandLine, EveryDeliverableWritesItsNewDocument)
{
    const fs::path dir = fs::temp_directory_path() / ("cli_test_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const Edition* e : allEditions()) {
        const fs::path out = dir / (e->id + ".sin");
        ASSERT_EQ(run(e->id, "--new " + out.string()), 0) << e->id;
        EXPECT_EQ(readFile(out), newDocumentImage(*e).raw()) << e->id;
        EXPECT_EQ(run(e->id, "--help"), 0) << e->id;
    }
    fs::remove_all(dir);
}

TEST(CommandLine, ExitStatusTellsWhatWentWrong)
{
    EXPECT_EQ(run("cps-twotone", "--no-such-option"), 1);
    EXPECT_EQ(run("cps-twotone", "--new"), 1);
    EXPECT_EQ(run("cps-twotone", "--new /no/such/dir/x.sin"), 2);
}
