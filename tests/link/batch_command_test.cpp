// The command line's radio commands, run as a user would run them. What every
// refusal says, and its status, is in tests/link/golden/batch_refusals.txt.

#include "codeplug/sin_file.h"
#include "editions/edition.h"
#include "golden.h"
#include "run_program.h"
#include "sim/sample_codeplug.h"
#include "temp_dir.h"

#include <regex>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#endif

namespace tolvan {
namespace {

namespace fs = std::filesystem;
using namespace testing;
using BatchLink = TempDirTest;

// A serial line where no radio answers: a pseudo-terminal nobody reads (Linux only).
class SilentLine {
public:
    SilentLine()
    {
#ifndef _WIN32
        fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (fd_ >= 0 && grantpt(fd_) == 0 && unlockpt(fd_) == 0)
            name_ = ptsname(fd_);
#endif
    }
    ~SilentLine()
    {
#ifndef _WIN32
        if (fd_ >= 0)
            close(fd_);
#endif
    }
    const std::string& name() const { return name_; }

private:
    int fd_ = -1;
    std::string name_;
};

TEST_F(BatchLink, EveryRefusalLeavesTheOutputAsItWas)
{
    const std::string existing = (dir_ / "keep.sin").string(), fresh = (dir_ / "fresh.sin").string();
    put(existing, "previous");
    const std::string good = (dir_ / "good.sin").string();
    ASSERT_EQ(saveSin(good, sampleCodeplug(*findEdition("cps16"))), SinStatus::Ok);
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"cps16", {"--write", good, "--port", "virtual"}},
        {"cps-twotone", {"--read", existing, "--port", "/dev/null"}},
        {"cps-cn2", {"--read", fresh, "--port", "/dev/tolvan-none"}},
        {"cps-twotone", {"--read", fresh}},
        {"cps-twotone", {"--read", fresh, "--port", "virtual", "--bogus"}},
        {"cps16", {"--read", fresh, "--port", "virtual", "--password", "1"}},
        {"cps-ccir", {"--write", existing, "--port", "virtual", "--accept-type-mismatch"}},
        {"cps-keys", {"--write", (dir_ / "missing.sin").string(), "--port", "virtual"}},
        {"cps-keys", {"--write", existing, "--port", "virtual"}},
        // A virtual radio holding a password the read does not give.
        {"cps-keys", {"--read", fresh, "--port", "virtual:123456"}},
        {"cps-keys-cn", {"--read", fresh, "--port", "virtual:42", "--password", "4"}},
    };
    std::string text;
    for (const auto& [program, args] : cases)
        text += runShown(program, args, dir_);
    expectGolden("link", "batch_refusals", text);
    EXPECT_FALSE(fs::exists(fresh));
    EXPECT_EQ(contents(existing), "previous");
}

TEST_F(BatchLink, CtrlCCancelsATransferAndKeepsTheFile)
{
    TOLVAN_SKIP_ON_WINDOWS("Ctrl+C reaches only a program on a console; one whose error stream is a pipe has none");
    for (const Edition* e : allEditions()) {
        for (const std::string command : {"--read", "--write"}) {
            SCOPED_TRACE(e->id + " " + command);
            // A file that is not the radio's: a read must leave it as it was.
            const fs::path file = dir_ / "radio.sin";
            ASSERT_EQ(saveSin(file, command == "--read" ? MemoryImage(e->imageSize, 0x5A) : sampleCodeplug(*e)),
                      SinStatus::Ok);
            const std::string before = contents(file);

            Child program(e->id, {command, file.string(), "--port", "virtual"});
            // A progress line ("1/507") shows that blocks are on their way.
            ASSERT_TRUE(program.waitFor([](const std::string& t) { return t.find('/') != std::string::npos; }))
                << program.err;
            program.interrupt();
            EXPECT_EQ(program.wait(), 4) << program.err;
            EXPECT_EQ(contents(file), before);
            // Nothing half-written beside it either.
            EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
        }
    }
}

// A line where no radio answers: the handshake waits out its reads, so the
// transfer is between pump passes for over a second at a time.
TEST_F(BatchLink, CtrlCWhileNoRadioAnswersEndsAtTheNextPassAndASecondEndsAtOnce)
{
    TOLVAN_SKIP_ON_WINDOWS("no pseudo-terminal, and Ctrl+C as above");
    const fs::path out = dir_ / "out.sin";
    for (const int presses : {1, 2}) {
        SCOPED_TRACE(presses);
        const SilentLine line;
        ASSERT_FALSE(line.name().empty());
        Child program("cps-twotone", {"--read", out.string(), "--port", line.name()});
        // Two lines: detecting, then waiting for the answer to the first handshake.
        ASSERT_TRUE(program.waitFor([](const std::string& t) { return std::count(t.begin(), t.end(), '\n') >= 2; }))
            << program.err;
        program.interrupt();
        if (presses == 2) {
            // The second comes once the first has been taken, not merged with it.
            const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (program.handles(SIGINT) && std::chrono::steady_clock::now() < limit)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            program.interrupt();
        }
        EXPECT_EQ(program.wait(), presses == 1 ? 4 : 128 + SIGINT) << program.err;
        // Cancel shows no message, as the window's Cancel button.
        if (presses == 1) {
            EXPECT_EQ(std::count(program.err.begin(), program.err.end(), '\n'), 2) << program.err;
        }
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(BatchLink, ListsTheComPortsAndTheVirtualRadio)
{
    ASSERT_EQ(run("cps-fleet", {"--list-ports"}, {.stdoutFile = dir_ / "ports"}).status, 0);
    const std::string text = contents(dir_ / "ports");
    EXPECT_NE(text.find("\nvirtual  "), std::string::npos) << text;
    // Each line also says the driver and whether it delivers with low latency.
    // On Windows a COM port is its own device, and its driver is named by the driver's device.
    const std::regex facts(std::string(R"(\(()") + (kWindows ? R"(\\Device\\\w+)" : "[a-z0-9_-]+")
                           + R"(|no driver), (low latency (on|off|unknown)|no low latency)\)\n)");
    for (int n = 1; n <= 4; ++n) {
        const std::string com = "COM" + std::to_string(n);
        const std::string head = com + "  " + (kWindows ? "\\\\.\\" + com : "/dev/ttyS" + std::to_string(n - 1)) + "  ";
        const std::size_t at = text.find(head);
        ASSERT_NE(at, std::string::npos) << text;
        EXPECT_TRUE(std::regex_search(text.substr(at + head.size()), facts, std::regex_constants::match_continuous))
            << text;
    }
}

} // namespace
} // namespace tolvan
