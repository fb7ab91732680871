// The command line's radio commands, run as a user would run them.

#include "codeplug/sin_file.h"
#include "editions/edition.h"
#include "sim/sample_codeplug.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tolvan {
namespace {

namespace fs = std::filesystem;

struct CommandRun {
    int status;
    std::string err;
};

CommandRun run(const std::string& program, const std::string& args)
{
    const fs::path errFile = fs::temp_directory_path() / ("tolvan-batch-err-" + std::to_string(getpid()));
    const std::string command = std::string(TOLVAN_BIN_DIR) + "/" + program + " " + args + " 2>" + errFile.string();
    const int raw = std::system(command.c_str());
    std::ifstream in(errFile);
    std::string err((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fs::remove(errFile);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, err};
}

struct TempDir {
    TempDir() : path(fs::temp_directory_path() / ("tolvan-batch-" + std::to_string(getpid()))) { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
    fs::path path;
};

TEST(BatchLink, ReadsAndWritesTheVirtualRadio)
{
    TempDir dir;
    const Edition& e = *findEdition("cps16");
    const fs::path out = dir.path / "radio.sin";
    const CommandRun read = run("cps16", "--read " + out.string() + " --port virtual");
    ASSERT_EQ(read.status, 0) << read.err;
    const SinLoadResult loaded = loadSin(out, e.imageSize);
    ASSERT_EQ(loaded.status, SinStatus::Ok);
    // 128 blocks cover the whole image.
    EXPECT_EQ(*loaded.image, sampleCodeplug(e));

    const CommandRun write = run("cps16", "--write " + out.string() + " --port virtual");
    EXPECT_EQ(write.status, 0) << write.err;
}

TEST(BatchLink, FailuresLeaveTheOutputAsItWas)
{
    TempDir dir;
    const fs::path existing = dir.path / "keep.sin";
    std::ofstream(existing) << "previous";
    const fs::path fresh = dir.path / "fresh.sin";
    struct Case {
        std::string program, args;
        int status;
        std::string says;
    } cases[] = {
        {"cps-twotone", "--read " + existing.string() + " --port /dev/null", 3,
         "Could not Open the Port,Please check whether the Port are occupied or the device are ok\n"},
        {"cps-cn2", "--read " + fresh.string() + " --port /dev/tolvan-none", 3, "无法打开串口"},
        {"cps-twotone", "--read " + fresh.string(), 1, "needs --port"},
        {"cps-twotone", "--read " + fresh.string() + " --port virtual --bogus", 1, "unexpected --bogus"},
        {"cps16", "--read " + fresh.string() + " --port virtual --password 1", 1, "unexpected --password"},
        {"cps-ccir", "--write " + existing.string() + " --port virtual --accept-type-mismatch", 1,
         "unexpected --accept-type-mismatch"},
        {"cps-keys", "--write " + (dir.path / "missing.sin").string() + " --port virtual", 2, "missing.sin"},
        {"cps-keys", "--write " + existing.string() + " --port virtual", 2, "keep.sin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program + " " + c.args);
        const CommandRun r = run(c.program, c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(fresh));
    std::ifstream in(existing);
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ(kept, "previous");
}

TEST(BatchLink, ListsTheComPortsAndTheVirtualRadio)
{
    const fs::path out = fs::temp_directory_path() / ("tolvan-ports-" + std::to_string(getpid()));
    const std::string command = std::string(TOLVAN_BIN_DIR) + "/cps-fleet --list-ports >" + out.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(out);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fs::remove(out);
    for (const char* line : {"COM1  /dev/ttyS0\n", "COM4  /dev/ttyS3\n", "virtual  "})
        EXPECT_NE(text.find(line), std::string::npos) << text;
}

// --help names the radio and offers only the options this program takes.
TEST(BatchLink, HelpListsWhatEachProgramAccepts)
{
    const fs::path out = fs::temp_directory_path() / ("tolvan-help-" + std::to_string(getpid()));
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const std::string command = std::string(TOLVAN_BIN_DIR) + "/" + e->id + " --help >" + out.string();
        ASSERT_EQ(std::system(command.c_str()), 0);
        std::ifstream in(out);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("\n" + e->id + " is for the " + e->radio + " (" + std::to_string(e->channelCount)
                            + " channels, .sin files of " + std::to_string(e->imageSize) + " bytes).\n"),
                  std::string::npos)
            << text;
        EXPECT_EQ(text.find("--password") != std::string::npos, e->link.passwordCheck);
        EXPECT_EQ(text.find("--accept-type-mismatch") != std::string::npos, e->link.typeCheckOffset.has_value());
        for (const char* option : {"--new", "--read", "--write", "--list-ports", "--print-pdf", "--export-csv"})
            EXPECT_NE(text.find(option), std::string::npos) << option;
    }
    fs::remove(out);
}

} // namespace
} // namespace tolvan
