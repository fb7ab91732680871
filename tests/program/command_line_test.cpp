// The deliverables as a user runs them from a shell, and every command that
// writes or reads a file given the paths and arguments a careless or hostile
// user gives: the old file survives byte for byte unless the new one is
// complete, the message says why, the exit status is right, nothing is left behind.

#include "codeplug/safe_file.h"
#include "codeplug/sin_file.h"
#include "editions/edition.h"
#include "editions/record_codec.h"
#include "editor/channel_table.h"
#include "editor/table_csv.h"
#include "editor/table_csv_import.h"
#include "run_program.h"
#include "sim/sample_codeplug.h"
#include "golden.h"
#include "temp_dir.h"

#include <algorithm>
#include <regex>
#include <sys/stat.h>

using namespace tolvan;
using namespace tolvan::testing;
namespace fs = std::filesystem;

namespace {

bool leftTemporaries(const fs::path& dir)
{
    return std::ranges::any_of(fs::directory_iterator(dir),
                               [](const auto& e) { return isSafeFileTemporary(e.path().filename().string()); });
}

const std::string kOld = "the user's old file\n";
using Args = std::vector<std::string>;

// The channel list of a new document, as the program exports it, beside `base`.
std::string channelList(const std::string& program, const fs::path& base)
{
    const Edition& e = *findEdition(program);
    ChannelTable table(e, e.uiLanguage(Language::Chinese));
    table.loadFromImage(newDocumentImage(e));
    const fs::path csv = fs::path(base).replace_extension(".csv");
    put(csv, channelTableCsv(table));
    return csv.string();
}

// The commands that write a file, each in a program that has it.
enum class Needs { Any, Input, Export };
const struct Output {
    const char* command;
    const char* program;
    const char* ext;  // of its output
    Needs kind;       // Input: it reads a file; Export: also never replaces a channel data file
    std::function<Args(const std::string& in, const std::string& out)> args;
} kOutputs[] = {
    {"--new", "cps-twotone", ".sin", Needs::Any, [](auto, auto out) { return Args{"--new", out}; }},
    {"--read", "cps16", ".sin", Needs::Any, [](auto, auto out) { return Args{"--read", out, "--port", "virtual"}; }},
    {"--export-csv", "cps-ccir", ".csv", Needs::Export, [](auto in, auto out) { return Args{"--export-csv", in, out}; }},
    {"--print-pdf", "cps-keys", ".pdf", Needs::Export, [](auto in, auto out) { return Args{"--print-pdf", in, out}; }},
    {"--screenshot", "cps-fleet", ".png", Needs::Export, [](auto in, auto out) { return Args{"--screenshot", out, in}; }},
    {"--import-csv", "cps-cn10", ".sin", Needs::Input,
     [](auto in, auto out) { return Args{"--import-csv", channelList("cps-cn10", in), in, out}; }},
    {"--import-sin", "cps-twotone", ".sin", Needs::Input, [](auto in, auto out) { return Args{"--import-sin", in, in, out}; }},
};

fs::path goodInput(const fs::path& dir, const Output& o, const std::string& name = "in.sin")
{
    saveSin(dir / name, newDocumentImage(*findEdition(o.program)));
    return dir / name;
}

// What a file is after the command, in words: a snapshot must not hold the
// bytes of a PDF or a picture, only that they were written.
std::string state(const fs::path& p, const fs::path& in)
{
    if (fs::is_symlink(p))
        return "a link to " + fs::read_symlink(p).string() + ", " + (fs::exists(p) ? state(fs::canonical(p), in) : "missing");
    if (!fs::exists(p))
        return "missing";
    if (fs::is_fifo(p) || fs::is_directory(p))
        return fs::is_fifo(p) ? "a pipe" : "a folder";
    if (fs::equivalent(p, in))
        return "the input itself";
    return contents(p) == kOld ? "the old file" : fs::file_size(p) > 64 ? "written" : "short";
}

// `file` is the output's name, '%' standing for the command's extension.
const struct Hostile {
    const char* name;
    Needs needs;
    std::string file;
    std::function<void(const fs::path& in, const fs::path& out)> prepare;
    std::string input = "in.sin";
    std::uint64_t fileLimit = kNoFileLimit;
    // Links (Wine makes none), named pipes, a folder's write permission, a
    // name's bytes that are no UTF-8 and a file size limit: Linux only.
    bool posixOnly = false;
} kHostile[] = {
    {"a new name", Needs::Any, "out%", nullptr},
    {"an old file of that name", Needs::Any, "out%", [](auto, auto out) { put(out, kOld); }},
    {"a symlink: its target is written, the link stays", Needs::Any, "link%",
     [](auto, auto out) {
         put(out.parent_path() / ("real" + out.extension().string()), kOld);
         fs::create_symlink("real" + out.extension().string(), out);
     },
     "in.sin", kNoFileLimit, true},
    {"a dangling symlink", Needs::Any, "link%", [](auto, auto out) { fs::create_symlink("nowhere", out); }, "in.sin",
     kNoFileLimit, true},
    {"a pipe", Needs::Any, "pipe%", [](auto, auto out) { makeFifo(out); }, "in.sin", kNoFileLimit, true},
    {"a folder", Needs::Any, "folder%", [](auto, auto out) { fs::create_directory(out); }},
    {"a read-only file", Needs::Any, "ro%",
     [](auto, auto out) {
         put(out, kOld);
         fs::permissions(out, fs::perms::owner_read | fs::perms::group_read);
     }},
    {"the input under a second name", Needs::Input, "second%", [](auto in, auto out) { fs::create_hard_link(in, out); }},
    {"a channel data file (arguments swapped)", Needs::Export, "other.sin", [](auto, auto out) { put(out, kOld); }},
    // The file would be made in its folder: refused before any work.
    {"a folder that cannot be written", Needs::Any, "locked/out%",
     [](auto, auto out) {
         fs::create_directory(out.parent_path());
         fs::permissions(out.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
     },
     "in.sin", kNoFileLimit, true},
    {"an old file in a folder that cannot be written", Needs::Any, "locked/out%",
     [](auto, auto out) {
         fs::create_directory(out.parent_path());
         put(out, kOld);
         fs::permissions(out.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
     },
     "in.sin", kNoFileLimit, true},
    {"a name of 255 bytes", Needs::Any, std::string(251, 'n') + "%", nullptr},
    {"names that are not UTF-8", Needs::Any, "caf\xe9%", nullptr, "in\xff\xfe.sin", kNoFileLimit, true},
    // Every write past 600 bytes fails, as on a full disk.
    {"a writer failing midway", Needs::Any, "out%", [](auto, auto out) { put(out, kOld); }, "in.sin", 600, true},
};

} // namespace

using CommandLine = TempDirTest;

// Each writes its own new document (as the window saves one); --help names the radio and offers only the
// options this program takes, in Chinese too where the program has Chinese texts (every program's help is in
// tests/program/golden/help.txt).
TEST_F(CommandLine, EveryDeliverableWritesItsNewDocumentAndHelps)
{
    TOLVAN_SKIP_ON_WINDOWS("the system's language is the user's interface language there, not set per program");
    std::string help;
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const auto out = dir_ / (e->id + ".sin");
        ASSERT_EQ(run(e->id, {"--new", out.string()}).status, 0);
        EXPECT_EQ(contents(out).size(), e->imageSize);  // its bytes: the window's test compares them with a save
        ASSERT_EQ(run(e->id, {"--help"}, {.stdoutFile = dir_ / "help"}).status, 0);
        // The help pages' folder is the build's install prefix.
        static const std::regex dataDir(R"((/[\w.+-]+)+(/tolvan/cps))");
        const auto helpText = [&] { return std::regex_replace(contents(dir_ / "help"), dataDir, "DATADIR$2"); };
        help += "== " + e->id + "\n" + helpText();
        if (e->languages == LanguageChoice::EnglishOnly)
            continue;
        ASSERT_EQ(run(e->id, {"--help"}, {.stdoutFile = dir_ / "help", .lang = "zh_CN.UTF-8"}).status, 0);
        help += "== " + e->id + " (zh_CN)\n" + helpText();
    }
    expectGolden("program", "help", help);
    EXPECT_EQ(run("cps-twotone", {"--new", "/no/such/dir/x.sin"}).status, 2);
}

// The status, the messages and what became of the output, for every output
// command given every hostile path, are in tests/program/golden/hostile_outputs.txt.
TEST_F(CommandLine, EveryOutputGivenEveryHostilePath)
{
    std::string text;
    for (const Output& o : kOutputs) {
        for (const Hostile& h : kHostile) {
            if (h.needs > o.kind || (kWindows && h.posixOnly))
                continue;
            const std::string what = std::string(o.program) + " " + o.command + ", " + h.name;
            SCOPED_TRACE(what);
            const fs::path dir = dir_ / (std::string(o.command + 2) + "-" + std::to_string(&h - kHostile));
            fs::create_directories(dir);
            std::string file = h.file;
            if (const auto at = file.find('%'); at != std::string::npos)
                file.replace(at, 1, o.ext);
            const fs::path in = goodInput(dir, o, h.input), out = dir / file;
            if (h.prepare)
                h.prepare(in, out);
            const std::string inBefore = contents(in);
            const RunResult r = run(o.program, o.args(in.string(), out.string()), {.fileLimit = h.fileLimit});
            fs::permissions(out.parent_path(), fs::perms::owner_all, fs::perm_options::add);
            text += result(what, r, dir) + "  -> " + state(out, in) + "\n";
            EXPECT_EQ(contents(in), inBefore);
            EXPECT_FALSE(leftTemporaries(dir));
        }
    }
    expectGolden("program", "hostile_outputs", text, [](const std::string& head) {
        return kWindows && std::ranges::any_of(kHostile, [&](const Hostile& h) {
                   return h.posixOnly && head.find(std::string(", ") + h.name + ":") != std::string::npos;
               });
    });
}

TEST_F(CommandLine, HostileInputsAreRefusedWithTheSystemsReason)
{
    makeFifo(dir_ / "pipe.sin");  // no writer: an open without care hangs
    fs::create_directory(dir_ / "folder.sin");
    // Windows has no named pipe, nor standard input or an endless device by a file name.
    const auto posixOnly = [](const std::string& name) {
        return name.find("pipe.sin") != name.npos || name.find("/dev/") != name.npos;
    };
    const fs::path inputs[] = {dir_ / "pipe.sin", dir_ / "folder.sin", "/dev/stdin", dir_ / "missing.sin"};
    const std::string base = channelList("cps-cn2", dir_ / "base.sin");  // a good list beside it
    saveSin(dir_ / "base.sin", newDocumentImage(*findEdition("cps-cn2")));
    const auto import = [&](auto in) { return Args{"--import-csv", in, (dir_ / "base.sin").string(), (dir_ / "o.sin").string()}; };
    const struct {
        const char* program;
        std::function<Args(const std::string&)> args;
    } readers[] = {
        {"cps-ccir", [&](auto in) { return Args{"--export-csv", in, (dir_ / "o.csv").string()}; }},
        {"cps-keys", [&](auto in) { return Args{"--print-pdf", in, (dir_ / "o.pdf").string()}; }},
        {"cps16", [](auto in) { return Args{"--write", in, "--port", "virtual"}; }},
        {"cps-brand", [&](auto in) { return Args{"--screenshot", (dir_ / "o.png").string(), in}; }},
        {"cps-cn2", import},
        {"cps-cn2", [&](auto in) { return Args{"--import-sin", in, (dir_ / "base.sin").string(), (dir_ / "o.sin").string()}; }},
    };
    std::string text;
    for (const auto& reader : readers)
        for (const fs::path& in : inputs)
            if (!kWindows || !posixOnly(in.string()))
                text += runShown(reader.program, reader.args(in.string()), dir_);
    // A list is read whole: an endless device or a file larger than any export is refused unread.
    put(dir_ / "big.csv", std::string(kChannelCsvLimit + 1, '\n'));
    for (const fs::path& in : {fs::path("/dev/zero"), dir_ / "big.csv"})
        if (!kWindows || !posixOnly(in.string()))
            text += runShown("cps-cn2", import(in.string()), dir_);
    expectGolden("program", "hostile_inputs", text,
                 [&](const std::string& head) { return kWindows && posixOnly(head); });
    EXPECT_EQ(fs::is_fifo(dir_ / "pipe.sin"), !kWindows);
    for (const char* never : {"o.csv", "o.pdf", "o.png", "o.sin"})
        EXPECT_FALSE(fs::exists(dir_ / never)) << never;
}

// OUT.sin may be neither IN.csv nor BASE.sin under any name: a usage error
// before anything is read, both kept byte for byte, nothing left behind.
TEST_F(CommandLine, AnImportNeverReplacesItsListOrItsBase)
{
    saveSin(dir_ / "base.sin", sampleCodeplug(*findEdition("cps-twotone")));
    channelList("cps-twotone", dir_ / "base.sin");
    const std::string list = contents(dir_ / "base.csv"), base = contents(dir_ / "base.sin");
    fs::create_directory(dir_ / "sub");
    for (const char* name : {"base.csv", "base.sin"}) {
        if (!kWindows)  // Wine makes no symbolic links
            fs::create_symlink(name, dir_ / (std::string("link-") + name));
        fs::create_hard_link(dir_ / name, dir_ / (std::string("hard-") + name));
    }
    std::string text;
    for (const std::string out : {"base.csv", "./base.csv", "sub/../base.csv", "link-base.csv", "hard-base.csv", "base.sin",
                                  "./base.sin", "sub/../base.sin", "link-base.sin", "hard-base.sin"})
        if (!kWindows || !out.starts_with("link-"))
            text += runShown("cps-twotone", {"--import-csv", "base.csv", "base.sin", out}, dir_, {.cwd = dir_});
    expectGolden("program", "import_over_its_inputs", text,
                 [](const std::string& head) { return kWindows && head.find(" link-") != std::string::npos; });
    EXPECT_EQ(contents(dir_ / "base.csv"), list);
    EXPECT_EQ(contents(dir_ / "base.sin"), base);
    EXPECT_FALSE(leftTemporaries(dir_));
}

// One plan for a mixed fleet: another program's file or CSV goes in by its
// own layout and words, with every unfit cell named, skipped when asked, and
// the choice of layout named where the file's length leaves it open.
TEST_F(CommandLine, ChannelsFromAnotherProgram)
{
    const Edition& ccir = *findEdition("cps-ccir");
    MemoryImage far = sampleCodeplug(ccir), msk = far;
    ChannelFields f = ccir.records().read(ccir, far, 1);
    f.name = "FAR";
    ccir.records().write(ccir, far, 30, f);
    f.signalling = 1;  // MSK here, DTMF in the FleetSync radios
    ccir.records().write(ccir, msk, 1, f);
    saveSin(dir_ / "far.sin", far);
    saveSin(dir_ / "msk.sin", msk);
    saveSin(dir_ / "two.sin", sampleCodeplug(*findEdition("cps-twotone")));
    for (const char* p : {"cps16", "cps-keys-cn"})
        saveSin(dir_ / (std::string(p) + ".sin"), sampleCodeplug(*findEdition(p)));
    const Args runs[] = {
        {"cps16", "--import-sin", "far.sin", "cps16.sin", "o.sin"},
        {"cps16", "--import-sin", "--skip-unfit", "far.sin", "cps16.sin", "o.sin"},
        {"cps-twotone", "--import-sin", "msk.sin", "two.sin", "o.sin"},
        {"cps-twotone", "--import-sin", "--from", "cps-ccir", "msk.sin", "two.sin", "o.sin"},
        {"cps-twotone", "--import-sin", "--from", "cps-brand", "msk.sin", "two.sin", "o.sin"},
        {"cps16", "--import-sin", "--from", "cps-keys", "msk.sin", "cps16.sin", "o.sin"},
        {"cps16", "--import-sin", "--from", "cps-nine", "msk.sin", "cps16.sin", "o.sin"},
        {"cps-twotone", "--export-csv", "--plan", "two.sin", "plan.csv"},
        {"cps-keys-cn", "--import-csv", "plan.csv", "cps-keys-cn.sin", "o.sin"},
        {"cps16", "--import-csv", "plan.csv", "cps16.sin", "o.sin"},
    };
    std::string text;
    for (const Args& r : runs) {
        fs::remove(dir_ / "o.sin");
        text += runShown(r[0], Args(r.begin() + 1, r.end()), dir_, {.cwd = dir_});
        text += fs::exists(dir_ / "o.sin") ? "  o.sin written\n" : "";
    }
    text += contents(dir_ / "plan.csv").substr(0, contents(dir_ / "plan.csv").find('\n') + 1);
    expectGolden("program", "channels_from_another_program", text);
}

// A read from the command line is kept as the window keeps it, before the
// file is saved; a read refused before it starts keeps nothing.
TEST_F(CommandLine, EveryCompletedReadKeepsItsBackup)
{
    const Spawn how{.dataHome = dir_ / "data"};
    const fs::path backups = dir_ / "data" / "tolvan" / "backups";
    ASSERT_EQ(run("cps16", {"--read", (dir_ / "a.sin").string(), "--port", "virtual"}, how).status, 0);
    fs::create_directory(dir_ / "folder.sin");
    EXPECT_EQ(run("cps16", {"--read", (dir_ / "folder.sin").string(), "--port", "virtual"}, how).status, 2);
    const std::vector<fs::directory_entry> kept(fs::directory_iterator(backups), {});
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(kept[0].path().filename().string().starts_with("cps16-"));
    EXPECT_EQ(contents(kept[0].path()), contents(dir_ / "a.sin"));
    EXPECT_EQ(loadSin(kept[0].path(), 1024).image, sampleCodeplug(*findEdition("cps16")));
}

// One rule for the arguments of every command: "--" ends the options, a name
// that begins with "-" is refused before it (with that hint), an option's value
// may not be empty, and --help takes nothing more. What each gave is in
// tests/program/golden/argument_rule.txt.
TEST_F(CommandLine, OneArgumentRuleForEveryCommand)
{
    saveSin(dir_ / "-in.sin", newDocumentImage(*findEdition("cps16")));
    channelList("cps16", dir_ / "-list.sin");
    const struct {
        const char* command;  // "" for the window
        Args options, names;
    } commands[] = {
        {"--new", {}, {"-new.sin"}},
        {"--read", {"--port", "virtual"}, {"-read.sin"}},
        {"--write", {"--port", "virtual"}, {"-in.sin"}},
        {"--export-csv", {}, {"-in.sin", "-out.csv"}},
        {"--import-csv", {}, {"-list.csv", "-in.sin", "-imported.sin"}},
        {"--diff", {}, {"-in.sin", "-in.sin"}},
        {"--print-pdf", {}, {"-in.sin", "-out.pdf"}},
        {"--list-ports", {}, {"-x"}},
        {"", {"--screenshot", "shot.png"}, {"-in.sin"}},
    };
    const char* const made[] = {"-new.sin", "-read.sin", "-out.csv", "-imported.sin", "-out.pdf", "shot.png"};
    const auto cat = [](std::initializer_list<Args> parts) {
        Args out;
        for (const Args& part : parts)
            out.insert(out.end(), part.begin(), part.end());
        return out;
    };
    const auto runAll = [&](const std::vector<Args>& cases) {
        std::string text;
        for (Args args : cases) {
            if (args.front().empty())
                args.erase(args.begin());
            text += runShown("cps16", args, dir_, {.cwd = dir_});
        }
        return text;
    };
    std::vector<Args> refused = {{"--new", "-"}, {"--read", "a.sin", "--port", ""}, {"--write", "--port", "", "--", "-in.sin"},
                                 {"--port", "", "--", "-in.sin"}, {"--screenshot", "", "-in.sin"}, {"--help", "extra"}, {"-h", "--"},
                                 {"--read", "a.sin", "--port", "virtual", "--retries", ""}};
    for (const auto& c : commands)
        refused.push_back(cat({{c.command}, c.names, c.options}));
    std::string text = runAll(refused);
    for (const char* name : made)
        EXPECT_FALSE(fs::exists(dir_ / name)) << name;
    std::vector<Args> ended;
    for (const auto& c : commands)
        ended.push_back(cat({{c.command}, c.options, {"--"}, c.names}));
    text += runAll(ended);
    for (const char* name : made)
        EXPECT_TRUE(fs::exists(dir_ / name)) << name;
    expectGolden("program", "argument_rule", text);
}

TEST_F(CommandLine, ArgumentsAreCheckedBeforeAnythingIsDone)
{
    const std::string in = goodInput(dir_, kOutputs[0]).string(), a = (dir_ / "a.sin").string(),
                      b = (dir_ / "b.sin").string(), radio = (dir_ / "radio.sin").string();
    put(radio, kOld);
    std::vector<Args> cases = {
        {"--new", a, b}, {"--new", a, "--new", b}, {"--export-csv", in},
        {"--export-csv", in, (dir_ / "x.csv").string(), "extra"}, {"--export-csv", radio, radio},
        {"--print-pdf", radio, radio}, {"--read", a, "--port", "virtual", "--port", "virtual"},
        {"--read", a, "--port", "virtual", "--retries"}, {"--write", a, b, "--port", "virtual"}, {"--list-ports", "extra"},
        {"--port", "COM1", "--port", "COM2"},
        {"--screenshot", (dir_ / "a.png").string(), "--screenshot", (dir_ / "b.png").string()}, {a, b},
        {"--screenshot", radio},  // the slip that once emptied the file
        {"--screenshot", (dir_ / "w.txt").string()}, {"--no-such-option"}, {"--new"},
    };
    for (const char* retries : {"1001", "99999999999999999999", "4294967297", "-1", "+5"})
        cases.push_back({"--read", a, "--port", "virtual", "--retries", retries});
    std::string text;
    for (const Args& args : cases)
        text += runShown("cps-twotone", args, dir_);
    expectGolden("program", "argument_errors", text);
    EXPECT_EQ(contents(radio), kOld);
    for (const char* never : {"a.sin", "b.sin", "x.csv", "a.png", "b.png", "w.txt"})
        EXPECT_FALSE(fs::exists(dir_ / never)) << never;
}

TEST_F(CommandLine, AReadEndsWhateverBecomesOfItsErrorStream)
{
    // Progress goes to stderr; a reader that went away must not end the transfer.
    const ReaderGone pipe;
    const fs::path out = dir_ / "read.sin";
    const RunResult r = run("cps16", {"--read", out.string(), "--port", "virtual"}, {.stderrFd = pipe.fd()});
    EXPECT_EQ(r.status, 0);
    // 128 blocks cover the whole image: the file is the radio's memory.
    const Edition& e = *findEdition("cps16");
    EXPECT_EQ(loadSin(out, e.imageSize).image, sampleCodeplug(e));
}

// A copy of the program (its translations are built in) with its own ini file
// beside it: a language the window refuses is refused by every batch command.
TEST_F(CommandLine, ALanguageTheWindowRefusesIsRefusedByTheBatchCommands)
{
    const fs::path bin = dir_ / "bin";
    fs::create_directories(bin);
    fs::copy_file(programFile(TOLVAN_BIN_DIR, "cps-twotone"), programFile(bin, "cps-twotone"));
    const std::string in = goodInput(dir_, kOutputs[0]).string();
    std::string text;
    for (const char* language : {"cps-twotone_XX", "../bin/cps-twotone_EN", "", "cps-twotone_CH"}) {
        put(bin / "cps-twotone.ini", std::string("[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=") + language + "\n");
        for (const Args& args : {Args{"--screenshot", (dir_ / "w.png").string(), in},
                                 Args{"--export-csv", in, (dir_ / "t.csv").string()},
                                 Args{"--print-pdf", in, (dir_ / "r.pdf").string()},
                                 Args{"--write", in, "--port", "/dev/tolvan-none"}})
            text += result(std::string(*language ? language : "(none)") + " " + args[0],
                           run("cps-twotone", args, {.program = programFile(bin, "cps-twotone")}), dir_);
    }
    expectGolden("program", "language_refused", text);
    EXPECT_NE(contents(dir_ / "t.csv").find("频道"), std::string::npos);  // the Chinese table
}
