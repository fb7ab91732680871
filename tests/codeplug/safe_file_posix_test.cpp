// Every output goes through writeFileSafely: whatever stands at the path, the
// old file survives byte for byte unless the new one is complete, the reason is
// named, and no temporary file is left behind.

#include "codeplug/safe_file.h"
#include "codeplug/sin_file.h"
#include "golden.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <fcntl.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <tuple>
#include <unistd.h>

using namespace tolvan;
namespace fs = std::filesystem;
using tolvan::testing::contents;
using tolvan::testing::put;

namespace {

// A text without the test's own folder, long names shortened and bytes beyond
// ASCII spelled out, so that it reads the same on every machine.
std::string readable(std::string text, const fs::path& dir)
{
    for (auto [from, to] : {std::pair{dir.string(), std::string("FOLDER")}, {std::string(200, 'n'), "<200 n>"}})
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, from.size(), to);
    std::string out;
    for (unsigned char c : text) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
        out += c < 0x80 ? std::string(1, static_cast<char>(c)) : escaped;
    }
    return out;
}

std::string faultName(FileFault fault)
{
    const char* const names[] = {"none",         "not regular", "dangling link", "read-only",
                                 "same as input", "channel file", "too large",     "system"};
    return names[static_cast<int>(fault)];
}

// The folder as the user finds it afterwards: every entry, sorted, one a line.
std::string scene(const fs::path& dir, const std::string& old, const std::string& fresh = {})
{
    std::set<std::string> lines;
    for (const auto& e : fs::directory_iterator(dir)) {
        std::string line = "  " + readable(e.path().filename().string(), dir);
        if (e.is_symlink())
            line += " -> " + fs::read_symlink(e.path()).string();
        else if (e.is_directory())
            line += ": folder";
        else if (e.is_fifo())
            line += ": pipe";
        else if (e.is_socket())
            line += ": socket";
        else {
            char mode[8];
            std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(fs::status(e.path()).permissions()));
            const std::string bytes = contents(e.path());
            line += std::string(": ") + mode;
            line += bytes == old ? " the old bytes" : bytes == fresh ? " the new bytes" : " other bytes";
        }
        lines.insert(line + "\n");
    }
    std::string out;
    for (const std::string& line : lines)
        out += line;
    return out;
}

} // namespace

class SafeFile : public TempDirTest {};

// Whatever stands at the path: what the writer says, and the folder afterwards;
// a file replaced keeps its mode.
TEST_F(SafeFile, RefusesWhatItMustNotReplaceAndKeepsTheOldBytes)
{
    const std::string old = "old bytes\n";
    const std::string fresh(5000, 'n');
    using P = const fs::path&;
    const OutputRules exporting{.input = "", .isExport = true};
    const struct {
        const char* name;
        std::function<fs::path(P)> setUp;  // returns the path given to the writer
        OutputRules rules;
    } cases[] = {
        {"plain file", [&](P d) { put(d / "a.sin", old); return d / "a.sin"; }, {}},
        {"symlink: the target gets the data, the link stays",
         [&](P d) { put(d / "real.sin", old); fs::create_symlink("real.sin", d / "link.sin"); return d / "link.sin"; }, {}},
        {"dangling symlink", [&](P d) { fs::create_symlink("nowhere.sin", d / "link.sin"); return d / "link.sin"; }, {}},
        {"pipe", [&](P d) { mkfifo((d / "p.sin").c_str(), 0644); return d / "p.sin"; }, {}},
        {"folder", [&](P d) { fs::create_directory(d / "f.sin"); return d / "f.sin"; }, {}},
        {"socket", [&](P d) { ::mknod((d / "s.sin").c_str(), S_IFSOCK | 0644, 0); return d / "s.sin"; }, {}},
        {"device", [&](P) { return fs::path("/dev/null"); }, {}},
        {"file of mode 0640: the mode is kept",
         [&](P d) {
             put(d / "a.sin", old);
             fs::permissions(d / "a.sin", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
             return d / "a.sin";
         },
         {}},
        {"read-only file",
         [&](P d) {
             put(d / "ro.sin", old);
             fs::permissions(d / "ro.sin", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
             return d / "ro.sin";
         },
         {}},
        {"output is the input under a second name",
         [&](P d) { put(d / "in.sin", old); fs::create_hard_link(d / "in.sin", d / "out.csv"); return d / "out.csv"; },
         {.input = "in.sin", .isExport = false}},
        {"export over a channel data file", [&](P d) { put(d / "radio.SIN", old); return d / "radio.SIN"; }, exporting},
        {"export through a link to a channel data file",
         [&](P d) { put(d / "radio.sin", old); fs::create_symlink("radio.sin", d / "table.csv"); return d / "table.csv"; },
         exporting},
        {"output is the second input through a link",
         [&](P d) { put(d / "base.sin", old); fs::create_symlink("base.sin", d / "out.sin"); return d / "out.sin"; },
         {.input = "list.csv", .secondInput = "base.sin"}},
        {"missing folder", [&](P d) { return d / "none" / "a.sin"; }, {}},
        {"folder without write permission",
         [&](P d) {
             fs::permissions(d, fs::perms::owner_read | fs::perms::owner_exec);
             return d / "a.sin";
         },
         {}},
        {"old file in a folder without write permission",
         [&](P d) {
             put(d / "a.sin", old);
             fs::permissions(d, fs::perms::owner_read | fs::perms::owner_exec);
             return d / "a.sin";
         },
         {}},
        {"name of 255 bytes", [&](P d) { return d / (std::string(251, 'n') + ".sin"); }, {}},
        {"name of 256 bytes", [&](P d) { return d / (std::string(252, 'n') + ".sin"); }, {}},
        {"name that is not UTF-8", [&](P d) { put(d / "caf\xe9.sin", old); return d / "caf\xe9.sin"; }, {}},
    };
    std::string out;
    const mode_t mask = umask(022);  // new files get the usual 0644
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path dir = dir_ / std::to_string(&c - cases);
        fs::create_directories(dir);
        const fs::path target = c.setUp(dir);
        OutputRules rules = c.rules;
        for (fs::path* input : {&rules.input, &rules.secondInput})
            if (!input->empty())
                *input = dir / *input;
        const FileResult checked = checkOutputFile(target, rules);
        const FileResult r = writeFileSafely(target, fresh, rules);
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(checked.fault, r.fault);
        EXPECT_EQ(r.reason.find("Success"), std::string::npos);
        out += std::string(c.name) + ": " + faultName(r.fault) + (isUsageFault(r.fault) ? " (a usage fault), " : ", ")
               + (r.ok() ? "written" : readable(describeWriteFault(r, target), dir)) + "\n" + scene(dir, old, fresh);
    }
    umask(mask);
    expectGolden("codeplug", "safe_file_targets", out);
}

TEST_F(SafeFile, AWriterFailingMidwayLeavesTheOldFileAndNoTemporary)
{
    const fs::path target = dir_ / "a.sin";
    put(target, "previous");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    // Files may grow to 1000 bytes only: the write fails midway, as on a full disk.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit lower = saved;
    lower.rlim_cur = 1000;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &lower);
    const FileResult r = writeFileSafely(target, std::string(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(r.fault, FileFault::SystemError);
    EXPECT_EQ(readable(describeWriteFault(r, target), dir_),
              "Cannot write \"FOLDER/a.sin\": File too large. The previous file is unchanged.");
    EXPECT_EQ(scene(dir_, "previous"), "  a.sin: 0644 the old bytes\n");
}

TEST_F(SafeFile, TheNextSaveRemovesOnlyStaleTemporariesOfItsOwn)
{
    const auto age = [](const fs::path& p, int seconds) {
        const timeval t[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
        utimes(p.c_str(), t);
    };
    // A name, its age in seconds, and whether it survives.
    const std::tuple<const char*, int, bool> files[] = {
        {".tolvan-Ab12Cd", 120, false},  // left by a killed save
        {".tolvan-Ef34Gh", 5, true},     // another save may be writing it now
        {".tolvan-Ab12Cd7", 120, true},  // not our pattern
        {".other-Ab12Cd", 120, true},
        {"notes.txt", 120, true},
    };
    for (const auto& [name, seconds, survives] : files) {
        put(dir_ / name, "x");
        age(dir_ / name, seconds);
    }
    ASSERT_TRUE(writeFileSafely(dir_ / "a.sin", "new").ok());
    for (const auto& [name, seconds, survives] : files)
        EXPECT_EQ(fs::exists(dir_ / name), survives) << name;
}

TEST_F(SafeFile, ReadingRefusesWhatIsNotARegularFileWithoutWaiting)
{
    mkfifo((dir_ / "pipe").c_str(), 0644);  // no writer: a blocking open would hang
    fs::create_directory(dir_ / "folder");
    put(dir_ / "short", "abc");
    std::string out;
    for (const fs::path& path : {dir_ / "pipe", dir_ / "folder", fs::path("/dev/null"), dir_ / "missing", dir_ / "short"}) {
        std::string bytes;
        const FileResult r = readFileSafely(path, bytes, 100);
        const SinLoadResult loaded = loadSin(path, 4096);
        out += readable(path.string(), dir_) + ": " + faultName(r.fault) + " (" + r.reason
               + ") " + readable(describeSinStatus(loaded.status, path, 4096, loaded.detail), dir_) + "\n";
    }
    expectGolden("codeplug", "safe_file_reads", out);
    std::string bytes;
    EXPECT_TRUE(readFileSafely(dir_ / "short", bytes, 2).ok());
    EXPECT_EQ(bytes, "ab");
    // Read whole: a longer file is refused, not cut.
    EXPECT_EQ(readWholeFile(dir_ / "short", bytes, 2).fault, FileFault::TooLarge);
    EXPECT_EQ(bytes, "");
    EXPECT_TRUE(readWholeFile(dir_ / "short", bytes, 3).ok());
    EXPECT_EQ(bytes, "abc");
    EXPECT_EQ(readWholeFile(dir_ / "pipe", bytes, 3).fault, FileFault::NotRegular);
}
