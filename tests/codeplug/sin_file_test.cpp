#include "codeplug/sin_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

MemoryImage patterned(std::size_t size)
{
    MemoryImage image(size);
    for (std::size_t i = 0; i < size; ++i)
        image.set(i, static_cast<std::uint8_t>(i ^ (i >> 8)));
    return image;
}

} // namespace

class SinFileTest : public TempDirTest {};

// Saving keeps the old file until the new one is whole: see safe_file_test.
TEST_F(SinFileTest, AFolderThatTakesNoNewFileLeavesThePreviousFile)
{
    const fs::path p = dir_ / "kept.sin";
    ASSERT_EQ(saveSin(p, patterned(1024)), SinStatus::Ok);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    // Where the folder binds nothing the missing folder is the way the save fails.
    const fs::path target = tolvan::testing::foldersCanBeLocked() ? p : dir_ / "no-such-dir" / "x.sin";
    std::string detail;
    EXPECT_EQ(saveSin(target, MemoryImage(1024, 0x00), &detail), SinStatus::CannotWrite);
    EXPECT_FALSE(detail.empty());
    EXPECT_EQ(*loadSin(p, 1024).image, patterned(1024));
    // The message says whether a previous file is there to be kept.
    const std::string unchanged = describeSinStatus(SinStatus::CannotWrite, p, 1024, "Permission denied");
    EXPECT_EQ(unchanged, "Cannot save \"" + p.string() + "\" (Permission denied). The previous file is unchanged.");
    const fs::path none = dir_ / "none.sin";
    EXPECT_EQ(describeSinStatus(SinStatus::CannotWrite, none, 1024), "Cannot save \"" + none.string() + "\".");
}

TEST_F(SinFileTest, ShortEmptyLongAndMissingFiles)
{
    const MemoryImage image = patterned(5000);
    // A name, the bytes of the pattern written first, and what loading says.
    const std::tuple<std::string, std::size_t, SinStatus> cases[] = {
        {"short.sin", 4095, SinStatus::TooShort}, {"empty.sin", 0, SinStatus::Empty},
        {"long.sin", 5000, SinStatus::Ok},        {"missing.sin", 0, SinStatus::CannotOpen},
    };
    for (const auto& [name, bytes, status] : cases) {
        if (name != "missing.sin")
            std::ofstream(dir_ / name, std::ios::binary).write(reinterpret_cast<const char*>(image.raw().data()),
                                                               static_cast<std::streamsize>(bytes));
        const SinLoadResult loaded = loadSin(dir_ / name, 4096);
        EXPECT_EQ(loaded.status, status) << name;
        EXPECT_EQ(loaded.image.has_value(), status == SinStatus::Ok) << name;
    }
    // A longer file gives its first bytes.
    EXPECT_EQ(*loadSin(dir_ / "long.sin", 4096).image, patterned(4096));
    EXPECT_EQ(loadSin(dir_, 4096).status, SinStatus::CannotOpen);

    EXPECT_EQ(describeSinStatus(SinStatus::TooShort, "a.sin", 4096, "4095 bytes"),
              "\"a.sin\" is not a channel data file of this program: it holds 4095 bytes, not 4096.");
    EXPECT_EQ(describeSinStatus(SinStatus::Empty, "a.sin", 4096), "\"a.sin\" is empty: it holds no channel data.");
    EXPECT_EQ(describeSinStatus(SinStatus::Ok, "a.sin", 4096), "");
}
