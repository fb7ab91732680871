#include "program/read_backup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <unistd.h>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

class ReadBackupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
        dir = fs::temp_directory_path() / ("backup_test_" + std::to_string(::getpid()));
        fs::remove_all(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // 2026-12-06 19:53:15 UTC plus `seconds`.
    static std::chrono::system_clock::time_point at(int seconds)
    {
        return std::chrono::system_clock::from_time_t(1796586795 + seconds);
    }

    fs::path dir;
};

} // namespace

TEST_F(ReadBackupTest, NamesCarryProgramDateAndTime)
{
    EXPECT_EQ(readBackupName("cps-twotone", at(0)), "cps-twotone-20261206-195315.sin");
}

TEST_F(ReadBackupTest, SavesTheImageAndKeepsTheNewest)
{
    MemoryImage image(4096, 0x5A);
    std::string error;
    const fs::path first = saveReadBackup(dir, "cps-twotone", image, at(0), 3, &error);
    ASSERT_FALSE(first.empty()) << error;
    EXPECT_EQ(fs::file_size(first), 4096u);
    // A second read in the same second gets its own file.
    const fs::path second = saveReadBackup(dir, "cps-twotone", image, at(0), 3);
    EXPECT_EQ(second.filename(), "cps-twotone-20261206-195315-2.sin");

    // Files that are not this program's backups are never removed.
    std::ofstream(dir / "notes.txt") << "x";
    std::ofstream(dir / "cps-ccir-20200101-000000.sin") << "x";
    std::ofstream(dir / "cps-twotone-2020.sin") << "x";

    for (int i = 1; i <= 4; ++i)
        saveReadBackup(dir, "cps-twotone", image, at(i), 3);
    std::vector<std::string> kept;
    for (const fs::path& p : readBackups(dir, "cps-twotone"))
        kept.push_back(p.filename().string());
    EXPECT_EQ(kept, (std::vector<std::string>{"cps-twotone-20261206-195317.sin", "cps-twotone-20261206-195318.sin",
                                              "cps-twotone-20261206-195319.sin"}));
    EXPECT_TRUE(fs::exists(dir / "notes.txt"));
    EXPECT_TRUE(fs::exists(dir / "cps-ccir-20200101-000000.sin"));
    EXPECT_TRUE(fs::exists(dir / "cps-twotone-2020.sin"));
}

TEST_F(ReadBackupTest, SameSecondCountersSortInOrder)
{
    MemoryImage image(1024);
    for (int i = 0; i < 11; ++i)
        saveReadBackup(dir, "cps16", image, at(0), 50);
    const auto all = readBackups(dir, "cps16");
    ASSERT_EQ(all.size(), 11u);
    EXPECT_EQ(all.front().filename(), "cps16-20261206-195315.sin");
    EXPECT_EQ(all.back().filename(), "cps16-20261206-195315-11.sin");
}

TEST_F(ReadBackupTest, AnUnwritableDirectoryIsReported)
{
    std::ofstream(dir.string() + "-file") << "x";  // a file where the directory should be
    std::string error;
    EXPECT_TRUE(saveReadBackup(dir.string() + "-file", "cps", MemoryImage(16), at(0), 50, &error).empty());
    EXPECT_FALSE(error.empty());
    fs::remove(dir.string() + "-file");
}
