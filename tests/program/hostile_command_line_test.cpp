// Every command that writes or reads a file, given the paths and arguments a
// careless or hostile user gives: the old file survives byte for byte unless the
// new one is complete, the message says why, the exit status is right, nothing
// is left behind.

#include "codeplug/safe_file.h"
#include "codeplug/sin_file.h"
#include "editions/edition.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

struct RunResult {
    int status = -1;  // the exit status; 128 + signal when killed; -1 when it hung
    std::string err;
};

struct Spawn {
    fs::path program = fs::path(TOLVAN_BIN_DIR);  // folder of the program, or the program itself
    rlim_t fileLimit = RLIM_INFINITY;             // RLIMIT_FSIZE of the child
    int stderrFd = -1;                            // instead of a file we read back
};

// Runs a program with exactly these argument bytes (no shell), with a time
// limit so that a program hanging on a pipe fails the test instead of hanging it.
RunResult run(const std::string& program, const std::vector<std::string>& args, const Spawn& how = {})
{
    const fs::path exe = fs::is_directory(how.program) ? how.program / program : how.program;
    // stderr through a pipe: a file would fall under the file size limit too.
    int errPipe[2];
    if (pipe(errPipe) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        if (how.fileLimit != RLIM_INFINITY) {
            const rlimit limit{how.fileLimit, how.fileLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, 0);
        dup2(devNull, 1);
        dup2(how.stderrFd >= 0 ? how.stderrFd : errPipe[1], 2);
        close(errPipe[0]);
        close(errPipe[1]);
        std::vector<char*> argv{const_cast<char*>(exe.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("LANG", "C.UTF-8", 1);
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
    close(errPipe[1]);
    fcntl(errPipe[0], F_SETFL, O_NONBLOCK);
    RunResult r;
    const auto drain = [&] {
        char buffer[4096];
        for (ssize_t n; (n = read(errPipe[0], buffer, sizeof buffer)) > 0;)
            r.err.append(buffer, static_cast<std::size_t>(n));
    };
    int status = 0;
    for (int waited = 0; waited < 600; ++waited) {
        drain();
        if (waitpid(pid, &status, WNOHANG) == pid) {
            r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (r.status == -1) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    drain();
    close(errPipe[0]);
    return r;
}

std::string contents(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put(const fs::path& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary) << bytes;
}

bool leftTemporaries(const fs::path& dir)
{
    for (const auto& e : fs::directory_iterator(dir))
        if (isSafeFileTemporary(e.path().filename().string()))
            return true;
    return false;
}

const std::string kOld = "the user's old file\n";

// The commands that write a file, each in a program that has it.
struct Output {
    const char* command;
    const char* program;
    const char* ext;  // of its output
    bool isExport;
    std::function<std::vector<std::string>(const std::string& in, const std::string& out)> args;
};

const Output kOutputs[] = {
    {"--new", "cps-twotone", ".sin", false, [](auto, auto out) { return std::vector<std::string>{"--new", out}; }},
    {"--read", "cps16", ".sin", false,
     [](auto, auto out) { return std::vector<std::string>{"--read", out, "--port", "virtual"}; }},
    {"--export-csv", "cps-ccir", ".csv", true,
     [](auto in, auto out) { return std::vector<std::string>{"--export-csv", in, out}; }},
    {"--print-pdf", "cps-keys", ".pdf", true,
     [](auto in, auto out) { return std::vector<std::string>{"--print-pdf", in, out}; }},
    {"--screenshot", "cps-fleet", ".png", true,
     [](auto in, auto out) { return std::vector<std::string>{"--screenshot", out, in}; }},
};

struct Scene {
    fs::path in;   // a good channel data file of the program
    fs::path out;  // what the command is given
};

struct Hostile {
    const char* name;
    bool exportsOnly;
    std::function<Scene(const fs::path& dir, const Output& o)> setUp;
    int status;
    const char* says;
    std::function<bool(const Scene&)> after;
};

fs::path goodInput(const fs::path& dir, const Output& o, const std::string& name = "in.sin")
{
    const Edition& e = *findEdition(o.program);
    saveSin(dir / name, newDocumentImage(e));
    return dir / name;
}

const auto kKeepsOld = [](const Scene& s) { return contents(s.out) == kOld; };
const auto kWritten = [](const Scene& s) { return fs::is_regular_file(s.out) && fs::file_size(s.out) > 64; };

const Hostile kHostile[] = {
    {"a new name", false, [](auto dir, auto& o) { return Scene{goodInput(dir, o), dir / (std::string("out") + o.ext)}; },
     0, "", kWritten},
    {"an old file of that name", false,
     [](auto dir, auto& o) {
         put(dir / (std::string("out") + o.ext), kOld);
         return Scene{goodInput(dir, o), dir / (std::string("out") + o.ext)};
     },
     0, "", [](const Scene& s) { return contents(s.out) != kOld && fs::file_size(s.out) > 64; }},
    {"a symlink: its target is written, the link stays", false,
     [](auto dir, auto& o) {
         put(dir / (std::string("real") + o.ext), kOld);
         fs::create_symlink(std::string("real") + o.ext, dir / (std::string("link") + o.ext));
         return Scene{goodInput(dir, o), dir / (std::string("link") + o.ext)};
     },
     0, "",
     [](const Scene& s) {
         return fs::is_symlink(s.out) && contents(s.out) != kOld && fs::file_size(fs::canonical(s.out)) > 64;
     }},
    {"a dangling symlink", false,
     [](auto dir, auto& o) {
         fs::create_symlink("nowhere", dir / (std::string("link") + o.ext));
         return Scene{goodInput(dir, o), dir / (std::string("link") + o.ext)};
     },
     2, "which does not exist",
     [](const Scene& s) { return fs::is_symlink(s.out) && !fs::exists(s.out.parent_path() / "nowhere"); }},
    {"a pipe", false,
     [](auto dir, auto& o) {
         mkfifo((dir / (std::string("pipe") + o.ext)).c_str(), 0644);
         return Scene{goodInput(dir, o), dir / (std::string("pipe") + o.ext)};
     },
     2, "it is a pipe, not a regular file", [](const Scene& s) { return fs::is_fifo(s.out); }},
    {"a folder", false,
     [](auto dir, auto& o) {
         fs::create_directory(dir / (std::string("folder") + o.ext));
         return Scene{goodInput(dir, o), dir / (std::string("folder") + o.ext)};
     },
     2, "it is a folder", [](const Scene& s) { return fs::is_directory(s.out); }},
    {"a read-only file", false,
     [](auto dir, auto& o) {
         put(dir / (std::string("ro") + o.ext), kOld);
         fs::permissions(dir / (std::string("ro") + o.ext), fs::perms::owner_read | fs::perms::group_read);
         return Scene{goodInput(dir, o), dir / (std::string("ro") + o.ext)};
     },
     2, "it is read-only", kKeepsOld},
    {"the input under a second name", true,
     [](auto dir, auto& o) {
         const fs::path in = goodInput(dir, o);
         fs::create_hard_link(in, dir / (std::string("second") + o.ext));
         return Scene{in, dir / (std::string("second") + o.ext)};
     },
     1, "it is the input file", [](const Scene&) { return true; }},
    {"a channel data file (arguments swapped)", true,
     [](auto dir, auto& o) {
         put(dir / "other.sin", kOld);
         return Scene{goodInput(dir, o), dir / "other.sin"};
     },
     1, "channel data file (.sin)", kKeepsOld},
    {"a name of 255 bytes", false,
     [](auto dir, auto& o) { return Scene{goodInput(dir, o), dir / (std::string(251, 'n') + o.ext)}; }, 0, "",
     kWritten},
    {"names that are not UTF-8", false,
     [](auto dir, auto& o) {
         return Scene{goodInput(dir, o, "in\xff\xfe.sin"), dir / (std::string("caf\xe9") + o.ext)};
     },
     0, "", kWritten},
};

} // namespace

class HostilePaths : public TempDirTest {};

TEST_F(HostilePaths, EveryOutputGivenEveryHostilePath)
{
    for (const Output& o : kOutputs) {
        for (const Hostile& h : kHostile) {
            if (h.exportsOnly && !o.isExport)
                continue;
            SCOPED_TRACE(std::string(o.program) + " " + o.command + ", " + h.name);
            const fs::path dir = dir_ / (std::string(o.command + 2) + "-" + std::to_string(&h - kHostile));
            fs::create_directories(dir);
            const Scene s = h.setUp(dir, o);
            const std::string inBefore = contents(s.in);
            const RunResult r = run(o.program, o.args(s.in.string(), s.out.string()));
            EXPECT_EQ(r.status, h.status) << r.err;
            EXPECT_NE(r.err.find(h.says), std::string::npos) << r.err;
            EXPECT_EQ(r.err.find("Success"), std::string::npos) << r.err;
            EXPECT_TRUE(h.after(s));
            EXPECT_EQ(contents(s.in), inBefore);
            EXPECT_FALSE(leftTemporaries(dir));
        }
    }
}

TEST_F(HostilePaths, AWriterFailingMidwayLeavesTheOldFile)
{
    // A file size limit makes every write past 600 bytes fail, as a full disk would.
    for (const Output& o : kOutputs) {
        SCOPED_TRACE(std::string(o.program) + " " + o.command);
        const fs::path dir = dir_ / (o.command + 2);
        fs::create_directories(dir);
        const fs::path in = goodInput(dir, o);
        const fs::path out = dir / (std::string("out") + o.ext);
        put(out, kOld);
        const RunResult r = run(o.program, o.args(in.string(), out.string()), {.fileLimit = 600});
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("unchanged"), std::string::npos) << r.err;
        EXPECT_EQ(contents(out), kOld);
        EXPECT_FALSE(leftTemporaries(dir));
    }
}

TEST_F(HostilePaths, HostileInputsAreRefusedWithTheSystemsReason)
{
    mkfifo((dir_ / "pipe.sin").c_str(), 0644);  // no writer: an open without care hangs
    fs::create_directory(dir_ / "folder.sin");
    const struct {
        fs::path in;
        const char* says;
    } inputs[] = {
        {dir_ / "pipe.sin", "it is a pipe, not a regular file"},
        {dir_ / "folder.sin", "it is a folder, not a regular file"},
        {"/dev/stdin", "it is a device, not a regular file"},  // /dev/null here
        {dir_ / "missing.sin", "No such file or directory"},
    };
    const struct {
        const char* program;
        std::function<std::vector<std::string>(const std::string&)> args;
    } readers[] = {
        {"cps-ccir", [&](auto in) { return std::vector<std::string>{"--export-csv", in, (dir_ / "o.csv").string()}; }},
        {"cps-keys", [&](auto in) { return std::vector<std::string>{"--print-pdf", in, (dir_ / "o.pdf").string()}; }},
        {"cps16", [](auto in) { return std::vector<std::string>{"--write", in, "--port", "virtual"}; }},
        {"cps-brand", [&](auto in) { return std::vector<std::string>{"--screenshot", (dir_ / "o.png").string(), in}; }},
    };
    for (const auto& reader : readers) {
        for (const auto& input : inputs) {
            SCOPED_TRACE(std::string(reader.program) + " " + input.in.string());
            const RunResult r = run(reader.program, reader.args(input.in.string()));
            EXPECT_EQ(r.status, 2) << r.err;
            EXPECT_NE(r.err.find("Cannot open \"" + input.in.string() + "\" (" + input.says + ")."),
                      std::string::npos)
                << r.err;
        }
    }
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.sin"));
    EXPECT_FALSE(fs::exists(dir_ / "o.csv") || fs::exists(dir_ / "o.pdf") || fs::exists(dir_ / "o.png"));
}

TEST_F(HostilePaths, ArgumentsAreCheckedBeforeAnythingIsDone)
{
    const fs::path in = goodInput(dir_, kOutputs[0]);
    const std::string a = (dir_ / "a.sin").string();
    const std::string b = (dir_ / "b.sin").string();
    put(dir_ / "radio.sin", kOld);
    const std::string radio = (dir_ / "radio.sin").string();
    const struct {
        std::vector<std::string> args;
        int status;
        const char* says;
    } cases[] = {
        {{"--new", a, b}, 1, "unexpected"},
        {{"--new", a, "--new", b}, 1, "unexpected --new"},
        {{"--export-csv", in.string()}, 1, "needs more arguments"},
        {{"--export-csv", in.string(), (dir_ / "x.csv").string(), "extra"}, 1, "unexpected extra"},
        {{"--export-csv", radio, radio}, 1, "channel data file"},
        {{"--print-pdf", radio, radio}, 1, "channel data file"},
        {{"--read", a, "--port", "virtual", "--port", "virtual"}, 1, "--port is given twice"},
        {{"--read", a, "--port", "virtual", "--retries", "1001"}, 1, "--retries needs a count from 0 to 1000"},
        {{"--read", a, "--port", "virtual", "--retries", "99999999999999999999"}, 1, "from 0 to 1000"},
        {{"--read", a, "--port", "virtual", "--retries", "4294967297"}, 1, "from 0 to 1000"},
        {{"--read", a, "--port", "virtual", "--retries", "-1"}, 1, "from 0 to 1000"},
        {{"--read", a, "--port", "virtual", "--retries", "+5"}, 1, "from 0 to 1000"},
        {{"--read", a, "--port", "virtual", "--retries"}, 1, "--retries needs N"},
        {{"--write", a, b, "--port", "virtual"}, 1, "unexpected"},
        {{"--list-ports", "extra"}, 1, "takes no arguments"},
        {{"--port", "COM1", "--port", "COM2"}, 1, "--port is given twice"},
        {{"--screenshot", (dir_ / "a.png").string(), "--screenshot", (dir_ / "b.png").string()}, 1, "given twice"},
        {{a, b}, 1, "unexpected"},
        {{"--screenshot", radio}, 1, "channel data file"},  // the slip that once emptied the file
        {{"--screenshot", (dir_ / "w.txt").string()}, 1, "no picture format"},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const auto& arg : c.args)
            line += arg + " ";
        SCOPED_TRACE(line);
        const RunResult r = run("cps-twotone", c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    EXPECT_EQ(contents(radio), kOld);
    for (const char* never : {"a.sin", "b.sin", "x.csv", "a.png", "b.png", "w.txt"})
        EXPECT_FALSE(fs::exists(dir_ / never)) << never;
}

TEST_F(HostilePaths, AReadEndsWhateverBecomesOfItsErrorStream)
{
    // Progress goes to stderr; a reader that went away must not end the transfer.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    close(fds[0]);
    const fs::path out = dir_ / "read.sin";
    const RunResult r = run("cps16", {"--read", out.string(), "--port", "virtual"}, {.stderrFd = fds[1]});
    close(fds[1]);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(fs::file_size(out), findEdition("cps16")->imageSize);
}

TEST_F(HostilePaths, ALanguageTheWindowRefusesIsRefusedByTheBatchCommands)
{
    // A copy of the program (its translations are built in) with its own ini file beside it.
    const fs::path bin = dir_ / "bin";
    fs::create_directories(bin);
    fs::copy_file(fs::path(TOLVAN_BIN_DIR) / "cps-twotone", bin / "cps-twotone");
    const fs::path in = goodInput(dir_, kOutputs[0]);
    const struct {
        const char* language;
        int status;
        const char* says;
    } languages[] = {
        {"cps-twotone_XX", 2, "Load Resource DLL english.dll Fail"},
        {"../bin/cps-twotone_EN", 2, "Load Resource DLL english.dll Fail"},
        {"", 2, "Load Resource DLL english.dll Fail"},
        {"cps-twotone_CH", 0, ""},
    };
    for (const auto& l : languages) {
        put(bin / "cps-twotone.ini", std::string("[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=") + l.language + "\n");
        for (const auto& args : std::vector<std::vector<std::string>>{
                 {"--screenshot", (dir_ / "w.png").string(), in.string()},
                 {"--export-csv", in.string(), (dir_ / "t.csv").string()},
                 {"--print-pdf", in.string(), (dir_ / "r.pdf").string()},
                 {"--write", in.string(), "--port", "/dev/tolvan-none"},
             }) {
            SCOPED_TRACE(std::string(l.language) + " " + args[0]);
            const RunResult r = run("cps-twotone", args, {.program = bin / "cps-twotone"});
            EXPECT_EQ(r.status, args[0] == std::string("--write") && l.status == 0 ? 3 : l.status) << r.err;
            EXPECT_NE(r.err.find(l.says), std::string::npos) << r.err;
        }
    }
    // The Chinese table.
    EXPECT_NE(contents(dir_ / "t.csv").find("频道"), std::string::npos);
}
