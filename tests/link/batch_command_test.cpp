// The command line's radio commands, run as a user would run them.

#include "codeplug/sin_file.h"
#include "editions/edition.h"
#include "sim/sample_codeplug.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <regex>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

extern char** environ;

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

TEST(BatchLink, AVirtualRadioHoldingAPassword)
{
    TempDir dir;
    const fs::path out = dir.path / "radio.sin";
    struct Case {
        const char* program;
        std::string args;
        int status;
    } cases[] = {
        {"cps-keys", " --port virtual:123456", 4},
        {"cps-keys-cn", " --port virtual:42 --password 4", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program + c.args);
        fs::remove(out);
        const CommandRun r = run(c.program, "--read " + out.string() + c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.err.find("Password incorrect") != std::string::npos, c.status != 0) << r.err;
        EXPECT_EQ(fs::exists(out), c.status == 0);
    }
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

// A program started in the background, its error stream on a pipe, so a test
// can wait for a line and then press Ctrl+C (send SIGINT).
struct Running {
    Running(const std::string& program, const std::vector<std::string>& args)
    {
        int fds[2];
        EXPECT_EQ(pipe2(fds, O_CLOEXEC), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        const std::string path = std::string(TOLVAN_BIN_DIR) + "/" + program;
        std::vector<char*> argv{const_cast<char*>(path.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        EXPECT_EQ(posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        err = fds[0];
    }
    ~Running()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        close(err);
    }
    // Reads the error stream until `seen` holds for what came so far, or the
    // stream ends; true when it held.
    bool waitFor(const std::function<bool(const std::string&)>& seen)
    {
        char buffer[512];
        while (!seen(text)) {
            pollfd p{err, POLLIN, 0};
            if (poll(&p, 1, 30000) <= 0)
                return false;
            const ssize_t n = read(err, buffer, sizeof buffer);
            if (n <= 0)
                return false;
            text.append(buffer, static_cast<std::size_t>(n));
        }
        return true;
    }
    void interrupt() { kill(pid, SIGINT); }
    int wait()
    {
        int raw = 0;
        waitpid(pid, &raw, 0);
        pid = -1;
        return raw;
    }

    pid_t pid = -1;
    int err = -1;
    std::string text;
};

bool sameBytes(const fs::path& a, const fs::path& b)
{
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(x), {}) == std::string(std::istreambuf_iterator<char>(y), {});
}

// A progress line ("1/507") shows that blocks are on their way.
bool blocksMoving(const std::string& text)
{
    return text.find('/') != std::string::npos;
}

TEST(BatchLink, CtrlCCancelsATransferAndKeepsTheFile)
{
    TempDir dir;
    for (const Edition* edition : allEditions()) {
        const Edition& e = *edition;
        for (const char* command : {"--read", "--write"}) {
            SCOPED_TRACE(e.id + " " + command);
            // A file that is not the radio's: a read must leave it as it was.
            const fs::path file = dir.path / "radio.sin";
            MemoryImage image = sampleCodeplug(e);
            if (std::string(command) == "--read")
                image = MemoryImage(e.imageSize, 0x5A);
            ASSERT_EQ(saveSin(file, image), SinStatus::Ok);
            fs::copy_file(file, dir.path / "before.sin", fs::copy_options::overwrite_existing);

            Running program(e.id, {command, file.string(), "--port", "virtual"});
            ASSERT_TRUE(program.waitFor(blocksMoving)) << program.text;
            program.interrupt();
            const int status = program.wait();
            ASSERT_TRUE(WIFEXITED(status)) << program.text;
            EXPECT_EQ(WEXITSTATUS(status), 4) << program.text;
            EXPECT_TRUE(sameBytes(file, dir.path / "before.sin"));
            // Nothing half-written beside it either.
            EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 2);
        }
    }
}

// A line where no radio answers: the handshake waits out its reads, so the
// transfer is between pump passes for over a second at a time.
struct SilentLine {
    SilentLine()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        EXPECT_GE(master, 0);
        grantpt(master);
        unlockpt(master);
        char name[128] = {};
        ptsname_r(master, name, sizeof name);
        path = name;
    }
    ~SilentLine() { close(master); }
    int master;
    std::string path;
};

TEST(BatchLink, CtrlCWhileNoRadioAnswersEndsAtTheNextPassAndASecondEndsAtOnce)
{
    TempDir dir;
    const fs::path out = dir.path / "out.sin";
    // Two lines on the error stream: detecting, then waiting for the answer to
    // the first handshake, whose reads take over a second.
    auto waiting = [](const std::string& text) { return std::count(text.begin(), text.end(), '\n') >= 2; };
    {
        SilentLine line;
        Running program("cps-twotone", {"--read", out.string(), "--port", line.path});
        ASSERT_TRUE(program.waitFor(waiting)) << program.text;
        program.interrupt();
        const int status = program.wait();
        ASSERT_TRUE(WIFEXITED(status)) << program.text;
        EXPECT_EQ(WEXITSTATUS(status), 4);
        // Cancel shows no message, as the window's Cancel button.
        EXPECT_EQ(std::count(program.text.begin(), program.text.end(), '\n'), 2) << program.text;
    }
    {
        SilentLine line;
        Running program("cps-twotone", {"--read", out.string(), "--port", line.path});
        ASSERT_TRUE(program.waitFor(waiting)) << program.text;
        program.interrupt();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        program.interrupt();
        const int status = program.wait();
        ASSERT_TRUE(WIFSIGNALED(status)) << program.text;
        EXPECT_EQ(WTERMSIG(status), SIGINT);
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST(BatchLink, ListsTheComPortsAndTheVirtualRadio)
{
    const fs::path out = fs::temp_directory_path() / ("tolvan-ports-" + std::to_string(getpid()));
    const std::string command = std::string(TOLVAN_BIN_DIR) + "/cps-fleet --list-ports >" + out.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(out);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fs::remove(out);
    EXPECT_NE(text.find("\nvirtual  "), std::string::npos) << text;
    // Each line also says the driver and whether it delivers with low latency.
    const std::regex facts(R"(\(([a-z0-9_-]+|no driver), (low latency (on|off|unknown)|no low latency)\)\n)");
    for (int n = 1; n <= 4; ++n) {
        const std::string head = "COM" + std::to_string(n) + "  /dev/ttyS" + std::to_string(n - 1) + "  ";
        const std::size_t at = text.find(head);
        ASSERT_NE(at, std::string::npos) << text;
        EXPECT_TRUE(std::regex_search(text.substr(at + head.size()), facts, std::regex_constants::match_continuous))
            << text;
    }
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
