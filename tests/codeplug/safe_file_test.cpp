// Every output goes through writeFileSafely: whatever stands at the path, the
// old file survives byte for byte unless the new one is complete, the reason is
// named, and no temporary file is left behind.

#include "codeplug/safe_file.h"
#include "codeplug/sin_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put(const fs::path& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary) << bytes;
}

int temporariesIn(const fs::path& dir)
{
    int n = 0;
    for (const auto& e : fs::directory_iterator(dir))
        n += isSafeFileTemporary(e.path().filename().string()) ? 1 : 0;
    return n;
}

// While alive, files may grow to `bytes` only: a write beyond fails midway
// with "File too large", as on a full disk.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        old = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = saved;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, old);
    }
    rlimit saved{};
    void (*old)(int) = nullptr;
};

} // namespace

class SafeFile : public TempDirTest {};

TEST_F(SafeFile, RefusesWhatItMustNotReplaceAndKeepsTheOldBytes)
{
    const std::string old = "old bytes\n";
    const std::string fresh(5000, 'n');
    struct Case {
        const char* name;
        std::function<fs::path(const fs::path&)> setUp;  // returns the path given to the writer
        OutputRules rules;
        FileFault fault;
        const char* says;
        std::function<bool(const fs::path&)> after;  // the scene is as it should be
    };
    const auto keeps = [old](const char* file) {
        return [old, file](const fs::path& dir) { return contents(dir / file) == old; };
    };
    using P = const fs::path&;
    const auto ok = FileFault::None;
    const Case cases[] = {
        {"plain file", [&](P d) { put(d / "a.sin", old); return d / "a.sin"; }, {}, ok, "",
         [&](P d) { return contents(d / "a.sin") == fresh; }},
        {"symlink: the target gets the data, the link stays",
         [&](P d) { put(d / "real.sin", old); fs::create_symlink("real.sin", d / "link.sin"); return d / "link.sin"; },
         {}, ok, "", [&](P d) { return fs::is_symlink(d / "link.sin") && contents(d / "real.sin") == fresh; }},
        {"dangling symlink", [&](P d) { fs::create_symlink("nowhere.sin", d / "link.sin"); return d / "link.sin"; }, {},
         FileFault::DanglingLink, "does not exist",
         [&](P d) { return fs::is_symlink(d / "link.sin") && !fs::exists(d / "nowhere.sin"); }},
        {"pipe", [&](P d) { mkfifo((d / "p.sin").c_str(), 0644); return d / "p.sin"; }, {}, FileFault::NotRegular,
         "it is a pipe, not a regular file", [&](P d) { return fs::is_fifo(d / "p.sin"); }},
        {"folder", [&](P d) { fs::create_directory(d / "f.sin"); return d / "f.sin"; }, {}, FileFault::NotRegular,
         "it is a folder", [&](P d) { return fs::is_directory(d / "f.sin"); }},
        {"device", [&](P) { return fs::path("/dev/null"); }, {}, FileFault::NotRegular, "it is a device",
         [&](P) { return fs::is_character_file("/dev/null"); }},
        {"read-only file",
         [&](P d) {
             put(d / "ro.sin", old);
             fs::permissions(d / "ro.sin", fs::perms::owner_read | fs::perms::group_read);
             return d / "ro.sin";
         },
         {}, FileFault::ReadOnly, "read-only", keeps("ro.sin")},
        {"output is the input under a second name",
         [&](P d) { put(d / "in.sin", old); fs::create_hard_link(d / "in.sin", d / "out.csv"); return d / "out.csv"; },
         {.input = "", .isExport = false}, FileFault::SameAsInput, "it is the input file", keeps("in.sin")},
        {"export over a channel data file", [&](P d) { put(d / "radio.SIN", old); return d / "radio.SIN"; },
         {.input = "", .isExport = true}, FileFault::ChannelFile, "channel data file", keeps("radio.SIN")},
        {"export through a link to a channel data file",
         [&](P d) { put(d / "radio.sin", old); fs::create_symlink("radio.sin", d / "table.csv"); return d / "table.csv"; },
         {.input = "", .isExport = true}, FileFault::ChannelFile, "channel data file", keeps("radio.sin")},
        {"missing folder", [&](P d) { return d / "none" / "a.sin"; }, {}, FileFault::SystemError,
         "No such file or directory", [&](P d) { return !fs::exists(d / "none"); }},
        {"name of 255 bytes", [&](P d) { return d / (std::string(251, 'n') + ".sin"); }, {}, ok, "",
         [&](P d) { return contents(d / (std::string(251, 'n') + ".sin")) == fresh; }},
        {"name of 256 bytes", [&](P d) { return d / (std::string(252, 'n') + ".sin"); }, {}, FileFault::SystemError,
         "too long", [&](P) { return true; }},
        {"name that is not UTF-8", [&](P d) { put(d / "caf\xe9.sin", old); return d / "caf\xe9.sin"; }, {}, ok, "",
         [&](P d) { return contents(d / "caf\xe9.sin") == fresh; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path dir = dir_ / std::to_string(&c - cases);
        fs::create_directories(dir);
        const fs::path target = c.setUp(dir);
        OutputRules rules = c.rules;
        if (c.fault == FileFault::SameAsInput)
            rules.input = dir / "in.sin";
        const FileResult checked = checkOutputFile(target, rules);
        const FileResult r = writeFileSafely(target, fresh, rules);
        EXPECT_EQ(checked.fault, r.fault);
        EXPECT_EQ(r.fault, c.fault) << r.reason;
        EXPECT_NE(r.reason.find(c.says), std::string::npos) << r.reason;
        EXPECT_EQ(r.reason.find("Success"), std::string::npos);
        EXPECT_TRUE(c.after(dir));
        EXPECT_EQ(temporariesIn(dir), 0);
        if (!r.ok()) {
            EXPECT_NE(describeWriteFault(r, target).find(r.reason), std::string::npos);
        }
    }
}

TEST_F(SafeFile, AWriterFailingMidwayLeavesTheOldFileAndNoTemporary)
{
    const fs::path target = dir_ / "a.sin";
    put(target, "previous");
    FileResult r;
    {
        FileSizeLimit limit(1000);
        r = writeFileSafely(target, std::string(4096, 'x'));
    }
    EXPECT_EQ(r.fault, FileFault::SystemError);
    EXPECT_EQ(r.reason, "File too large");
    EXPECT_EQ(contents(target), "previous");
    EXPECT_EQ(temporariesIn(dir_), 0);
    EXPECT_NE(describeWriteFault(r, target).find("The previous file is unchanged."), std::string::npos);

    // The same through the channel data file's own save.
    MemoryImage image(4096);
    std::string detail;
    {
        FileSizeLimit limit(1000);
        EXPECT_EQ(saveSin(target, image, &detail), SinStatus::CannotWrite);
    }
    EXPECT_EQ(detail, "File too large");
    EXPECT_EQ(contents(target), "previous");
    EXPECT_EQ(temporariesIn(dir_), 0);
}

TEST_F(SafeFile, KeepsPermissionsAndGivesNewFilesTheUsualOnes)
{
    const fs::path kept = dir_ / "kept.sin";
    put(kept, "old");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeFileSafely(kept, "new").ok());
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const mode_t mask = umask(022);
    ASSERT_TRUE(writeFileSafely(dir_ / "fresh.sin", "new").ok());
    umask(mask);
    struct stat st {};
    ASSERT_EQ(stat((dir_ / "fresh.sin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(SafeFile, TheNextSaveRemovesOnlyStaleTemporariesOfItsOwn)
{
    const auto age = [](const fs::path& p, int seconds) {
        const timeval t[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
        utimes(p.c_str(), t);
    };
    const struct {
        const char* name;
        int ageSeconds;
        bool survives;
    } files[] = {
        {".tolvan-Ab12Cd", 120, false},  // left by a killed save
        {".tolvan-Ef34Gh", 5, true},     // another save may be writing it now
        {".tolvan-Ab12Cd7", 120, true},  // not our pattern
        {".other-Ab12Cd", 120, true},
        {"notes.txt", 120, true},
    };
    for (const auto& f : files) {
        put(dir_ / f.name, "x");
        age(dir_ / f.name, f.ageSeconds);
    }
    ASSERT_TRUE(writeFileSafely(dir_ / "a.sin", "new").ok());
    for (const auto& f : files)
        EXPECT_EQ(fs::exists(dir_ / f.name), f.survives) << f.name;
}

TEST_F(SafeFile, ReadingRefusesWhatIsNotARegularFileWithoutWaiting)
{
    mkfifo((dir_ / "pipe").c_str(), 0644);
    fs::create_directory(dir_ / "folder");
    put(dir_ / "short", "abc");
    const struct {
        fs::path path;
        FileFault fault;
        const char* says;
    } cases[] = {
        {dir_ / "pipe", FileFault::NotRegular, "it is a pipe, not a regular file"},  // no writer: would hang
        {dir_ / "folder", FileFault::NotRegular, "it is a folder, not a regular file"},
        {"/dev/null", FileFault::NotRegular, "it is a device, not a regular file"},
        {dir_ / "missing", FileFault::SystemError, "No such file or directory"},
        {dir_ / "short", FileFault::None, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string());
        std::string bytes;
        const FileResult r = readFileSafely(c.path, bytes, 100);
        EXPECT_EQ(r.fault, c.fault);
        EXPECT_EQ(r.reason, c.says);
        const SinLoadResult loaded = loadSin(c.path, 4096);
        if (!r.ok()) {
            EXPECT_EQ(describeSinStatus(loaded.status, c.path, 4096, loaded.detail),
                      "Cannot open \"" + c.path.string() + "\" (" + c.says + ").");
        }
    }
    std::string bytes;
    EXPECT_TRUE(readFileSafely(dir_ / "short", bytes, 2).ok());
    EXPECT_EQ(bytes, "ab");
}
