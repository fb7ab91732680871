// Every command that writes or reads a file, given the paths and arguments a
// careless or hostile user gives: the old file survives byte for byte unless the
// new one is complete, the message says why, the exit status is right, nothing
// is left behind.

#include "codeplug/safe_file.h"
#include "codeplug/sin_file.h"
#include "editions/edition.h"
#include "run_program.h"
#include "sim/sample_codeplug.h"
#include "temp_dir.h"

#include <sys/stat.h>

using namespace tolvan;
using namespace tolvan::testing;
namespace fs = std::filesystem;

namespace {

bool leftTemporaries(const fs::path& dir)
{
    for (const auto& e : fs::directory_iterator(dir))
        if (isSafeFileTemporary(e.path().filename().string()))
            return true;
    return false;
}

const std::string kOld = "the user's old file\n";
using Args = std::vector<std::string>;

// The commands that write a file, each in a program that has it.
const struct Output {
    const char* command;
    const char* program;
    const char* ext;  // of its output
    bool isExport;
    std::function<Args(const std::string& in, const std::string& out)> args;
} kOutputs[] = {
    {"--new", "cps-twotone", ".sin", false, [](auto, auto out) { return Args{"--new", out}; }},
    {"--read", "cps16", ".sin", false, [](auto, auto out) { return Args{"--read", out, "--port", "virtual"}; }},
    {"--export-csv", "cps-ccir", ".csv", true, [](auto in, auto out) { return Args{"--export-csv", in, out}; }},
    {"--print-pdf", "cps-keys", ".pdf", true, [](auto in, auto out) { return Args{"--print-pdf", in, out}; }},
    {"--screenshot", "cps-fleet", ".png", true, [](auto in, auto out) { return Args{"--screenshot", out, in}; }},
};

fs::path goodInput(const fs::path& dir, const Output& o, const std::string& name = "in.sin")
{
    saveSin(dir / name, newDocumentImage(*findEdition(o.program)));
    return dir / name;
}

const auto kKeepsOld = [](const fs::path& out) { return contents(out) == kOld; };
const auto kWritten = [](const fs::path& out) { return fs::is_regular_file(out) && fs::file_size(out) > 64; };

// `file` is the output's name, '%' standing for the command's extension.
const struct Hostile {
    const char* name;
    bool exportsOnly;
    std::string file;
    std::function<void(const fs::path& in, const fs::path& out)> prepare;
    int status;
    const char* says;
    std::function<bool(const fs::path& out)> after;
    std::string input = "in.sin";
} kHostile[] = {
    {"a new name", false, "out%", nullptr, 0, "", kWritten},
    {"an old file of that name", false, "out%", [](auto, auto out) { put(out, kOld); }, 0, "",
     [](auto out) { return contents(out) != kOld && fs::file_size(out) > 64; }},
    {"a symlink: its target is written, the link stays", false, "link%",
     [](auto, auto out) {
         put(out.parent_path() / ("real" + out.extension().string()), kOld);
         fs::create_symlink("real" + out.extension().string(), out);
     },
     0, "", [](auto out) { return fs::is_symlink(out) && contents(out) != kOld && fs::file_size(fs::canonical(out)) > 64; }},
    {"a dangling symlink", false, "link%", [](auto, auto out) { fs::create_symlink("nowhere", out); }, 2,
     "which does not exist", [](auto out) { return fs::is_symlink(out) && !fs::exists(out.parent_path() / "nowhere"); }},
    {"a pipe", false, "pipe%", [](auto, auto out) { mkfifo(out.c_str(), 0644); }, 2, "it is a pipe, not a regular file",
     [](auto out) { return fs::is_fifo(out); }},
    {"a folder", false, "folder%", [](auto, auto out) { fs::create_directory(out); }, 2, "it is a folder",
     [](auto out) { return fs::is_directory(out); }},
    {"a read-only file", false, "ro%",
     [](auto, auto out) {
         put(out, kOld);
         fs::permissions(out, fs::perms::owner_read | fs::perms::group_read);
     },
     2, "it is read-only", kKeepsOld},
    {"the input under a second name", true, "second%", [](auto in, auto out) { fs::create_hard_link(in, out); }, 1,
     "it is the input file", [](auto) { return true; }},
    {"a channel data file (arguments swapped)", true, "other.sin", [](auto, auto out) { put(out, kOld); }, 1,
     "channel data file (.sin)", kKeepsOld},
    {"a name of 255 bytes", false, std::string(251, 'n') + "%", nullptr, 0, "", kWritten},
    {"names that are not UTF-8", false, "caf\xe9%", nullptr, 0, "", kWritten, "in\xff\xfe.sin"},
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
            std::string file = h.file;
            if (const auto at = file.find('%'); at != std::string::npos)
                file.replace(at, 1, o.ext);
            const fs::path in = goodInput(dir, o, h.input), out = dir / file;
            if (h.prepare)
                h.prepare(in, out);
            const std::string inBefore = contents(in);
            const RunResult r = run(o.program, o.args(in.string(), out.string()));
            EXPECT_EQ(r.status, h.status) << r.err;
            EXPECT_NE(r.err.find(h.says), std::string::npos) << r.err;
            EXPECT_EQ(r.err.find("Success"), std::string::npos) << r.err;
            EXPECT_TRUE(h.after(out));
            EXPECT_EQ(contents(in), inBefore);
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
        const fs::path in = goodInput(dir, o), out = dir / (std::string("out") + o.ext);
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
        std::function<Args(const std::string&)> args;
    } readers[] = {
        {"cps-ccir", [&](auto in) { return Args{"--export-csv", in, (dir_ / "o.csv").string()}; }},
        {"cps-keys", [&](auto in) { return Args{"--print-pdf", in, (dir_ / "o.pdf").string()}; }},
        {"cps16", [](auto in) { return Args{"--write", in, "--port", "virtual"}; }},
        {"cps-brand", [&](auto in) { return Args{"--screenshot", (dir_ / "o.png").string(), in}; }},
    };
    for (const auto& reader : readers) {
        for (const auto& input : inputs) {
            SCOPED_TRACE(std::string(reader.program) + " " + input.in.string());
            const RunResult r = run(reader.program, reader.args(input.in.string()));
            EXPECT_EQ(r.status, 2) << r.err;
            EXPECT_NE(r.err.find("Cannot open \"" + input.in.string() + "\" (" + input.says + ")."), std::string::npos)
                << r.err;
        }
    }
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.sin"));
    EXPECT_FALSE(fs::exists(dir_ / "o.csv") || fs::exists(dir_ / "o.pdf") || fs::exists(dir_ / "o.png"));
}

TEST_F(HostilePaths, ArgumentsAreCheckedBeforeAnythingIsDone)
{
    const std::string in = goodInput(dir_, kOutputs[0]).string(), a = (dir_ / "a.sin").string(),
                      b = (dir_ / "b.sin").string(), radio = (dir_ / "radio.sin").string();
    put(radio, kOld);
    const Args read = {"--read", a, "--port", "virtual"};
    const auto readWith = [&](Args more) {
        more.insert(more.begin(), read.begin(), read.end());
        return more;
    };
    const struct {
        Args args;
        const char* says;
    } cases[] = {
        {{"--new", a, b}, "unexpected"},
        {{"--new", a, "--new", b}, "unexpected --new"},
        {{"--export-csv", in}, "needs more arguments"},
        {{"--export-csv", in, (dir_ / "x.csv").string(), "extra"}, "unexpected extra"},
        {{"--export-csv", radio, radio}, "channel data file"},
        {{"--print-pdf", radio, radio}, "channel data file"},
        {readWith({"--port", "virtual"}), "--port is given twice"},
        {readWith({"--retries", "1001"}), "--retries needs a count from 0 to 1000"},
        {readWith({"--retries", "99999999999999999999"}), "from 0 to 1000"},
        {readWith({"--retries", "4294967297"}), "from 0 to 1000"},
        {readWith({"--retries", "-1"}), "from 0 to 1000"},
        {readWith({"--retries", "+5"}), "from 0 to 1000"},
        {readWith({"--retries"}), "--retries needs N"},
        {{"--write", a, b, "--port", "virtual"}, "unexpected"},
        {{"--list-ports", "extra"}, "takes no arguments"},
        {{"--port", "COM1", "--port", "COM2"}, "--port is given twice"},
        {{"--screenshot", (dir_ / "a.png").string(), "--screenshot", (dir_ / "b.png").string()}, "given twice"},
        {{a, b}, "unexpected"},
        {{"--screenshot", radio}, "channel data file"},  // the slip that once emptied the file
        {{"--screenshot", (dir_ / "w.txt").string()}, "no picture format"},
        {{"--no-such-option"}, "unexpected --no-such-option"},
        {{"--new"}, "--new needs OUT.sin"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const RunResult r = run("cps-twotone", c.args);
        EXPECT_EQ(r.status, 1) << r.err;
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
    // 128 blocks cover the whole image: the file is the radio's memory.
    const Edition& e = *findEdition("cps16");
    EXPECT_EQ(loadSin(out, e.imageSize).image, sampleCodeplug(e));
}

TEST_F(HostilePaths, ALanguageTheWindowRefusesIsRefusedByTheBatchCommands)
{
    // A copy of the program (its translations are built in) with its own ini file beside it.
    const fs::path bin = dir_ / "bin";
    fs::create_directories(bin);
    fs::copy_file(fs::path(TOLVAN_BIN_DIR) / "cps-twotone", bin / "cps-twotone");
    const std::string in = goodInput(dir_, kOutputs[0]).string();
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
        for (const Args& args : {Args{"--screenshot", (dir_ / "w.png").string(), in},
                                 Args{"--export-csv", in, (dir_ / "t.csv").string()},
                                 Args{"--print-pdf", in, (dir_ / "r.pdf").string()},
                                 Args{"--write", in, "--port", "/dev/tolvan-none"}}) {
            SCOPED_TRACE(std::string(l.language) + " " + args[0]);
            const RunResult r = run("cps-twotone", args, {.program = bin / "cps-twotone"});
            EXPECT_EQ(r.status, args[0] == "--write" && l.status == 0 ? 3 : l.status) << r.err;
            EXPECT_NE(r.err.find(l.says), std::string::npos) << r.err;
        }
    }
    EXPECT_NE(contents(dir_ / "t.csv").find("频道"), std::string::npos);  // the Chinese table
}
