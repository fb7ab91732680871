// The safe writer on Windows: device names are never written or read as
// files, read-only files are refused and kept, names in any script reach the
// system as UTF-16, and a completed write leaves no temporary file behind.

#include "codeplug/path_text.h"
#include "codeplug/safe_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace tolvan;
namespace fs = std::filesystem;
using tolvan::testing::contents;
using tolvan::testing::put;

namespace {

class SafeFileWinTest : public TempDirTest {};

std::vector<std::string> entries(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(SafeFileWinTest, DeviceNamesAreRefusedInEveryFolderAndSpelling)
{
    for (const char* name : {"CON", "nul", "NUL.sin", "com1", "COM1.txt", "LPT9.csv", "aux", "prn .sin", "CONOUT$",
                             "\\\\.\\COM3"}) {
        const fs::path target = std::string(name).starts_with("\\\\") ? fs::path(name) : dir_ / name;
        const FileResult written = writeFileSafely(target, "bytes");
        EXPECT_EQ(written.fault, FileFault::NotRegular) << name;
        FileResult read;
        EXPECT_EQ(openRegularFile(target, read), -1) << name;
        EXPECT_EQ(read.fault, FileFault::NotRegular) << name;
    }
    // Only the name itself: a longer name that begins like a device is a file.
    for (const char* name : {"CONSOLE.sin", "COM10.sin", "nullable.txt", "COM.sin"})
        EXPECT_TRUE(writeFileSafely(dir_ / name, "bytes").ok()) << name;
}

TEST_F(SafeFileWinTest, AReadOnlyFileIsRefusedAndKept)
{
    const fs::path p = dir_ / "kept.sin";
    put(p, "old");
    ASSERT_TRUE(SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_READONLY));
    const FileResult r = writeFileSafely(p, "new");
    EXPECT_EQ(r.fault, FileFault::ReadOnly);
    EXPECT_EQ(r.reason, "it is read-only");
    EXPECT_EQ(contents(p), "old");
    SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(entries(dir_), std::vector<std::string>{"kept.sin"});
}

TEST_F(SafeFileWinTest, ReplacesWholeAndLeavesNoTemporary)
{
    const fs::path p = dir_ / "radio.sin";
    put(p, std::string(4096, '\x11'));
    const std::string fresh(4096, '\x22');
    ASSERT_TRUE(writeFileSafely(p, fresh).ok());
    EXPECT_EQ(contents(p), fresh);
    EXPECT_EQ(entries(dir_), std::vector<std::string>{"radio.sin"});
    std::string back;
    ASSERT_TRUE(readWholeFile(p, back, 4096).ok());
    EXPECT_EQ(back, fresh);  // binary: no byte is taken for a line end
}

TEST_F(SafeFileWinTest, NamesInAnyScriptReachTheSystemAsUtf16)
{
    // What a user types arrives as UTF-8 (the wide command line, converted).
    for (const char* typed : {"\xE4\xBF\xA1\xE9\x81\x93.sin", "K\xC3\xA4rnt\xC3\xA4.sin", "\xF0\x9F\x93\xBB.sin"}) {
        const fs::path p = dir_ / pathFromText(typed);
        ASSERT_TRUE(writeFileSafely(p, "bytes").ok()) << typed;
        const std::u8string name = p.filename().u8string();
        EXPECT_EQ(std::string(name.begin(), name.end()), typed);
        EXPECT_NE(GetFileAttributesW(p.c_str()), INVALID_FILE_ATTRIBUTES) << typed;
        std::string back;
        EXPECT_TRUE(readWholeFile(p, back, 100).ok());
        EXPECT_EQ(back, "bytes");
    }
}

TEST_F(SafeFileWinTest, AnExportNeverReplacesItsInputOrAChannelFile)
{
    const fs::path in = dir_ / "in.sin";
    put(in, "radio");
    EXPECT_EQ(checkOutputFile(in, {.input = in}).fault, FileFault::SameAsInput);
    // Another spelling of the same file (case, a dot folder) is the same file.
    EXPECT_EQ(checkOutputFile(dir_ / "." / "IN.SIN", {.input = in}).fault, FileFault::SameAsInput);
    EXPECT_EQ(checkOutputFile(dir_ / "out.SIN", {.input = in, .isExport = true}).fault, FileFault::ChannelFile);
    EXPECT_TRUE(checkOutputFile(dir_ / "out.csv", {.input = in, .isExport = true}).ok());
}

} // namespace
