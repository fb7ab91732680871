#include "codeplug/sin_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

class SinFileTest : public TempDirTest {
protected:
    fs::path file(const std::string& name) const { return dir_ / name; }

    static void writeBytes(const fs::path& p, std::size_t count, std::uint8_t seed)
    {
        std::ofstream out(p, std::ios::binary);
        for (std::size_t i = 0; i < count; ++i)
            out.put(static_cast<char>(static_cast<std::uint8_t>(i * 7 + seed)));
    }

    static std::vector<std::uint8_t> readBytes(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

};

MemoryImage patterned(std::size_t size)
{
    MemoryImage image(size);
    for (std::size_t i = 0; i < size; ++i)
        image.set(i, static_cast<std::uint8_t>(i ^ (i >> 8)));
    return image;
}

} // namespace

TEST_F(SinFileTest, EveryImageSizeRoundTripsByteForByte)
{
    for (std::size_t size : {4096u, 3168u, 2048u, 1024u}) {
        const MemoryImage image = patterned(size);
        const fs::path p = file("round" + std::to_string(size) + ".sin");
        ASSERT_EQ(saveSin(p, image), SinStatus::Ok);
        EXPECT_EQ(fs::file_size(p), size);
        const SinLoadResult loaded = loadSin(p, size);
        ASSERT_EQ(loaded.status, SinStatus::Ok);
        EXPECT_EQ(*loaded.image, image);  // the tail the radio never sees included
    }
}

TEST_F(SinFileTest, ShortEmptyLongAndMissingFiles)
{
    writeBytes(file("short.sin"), 4095, 1);
    writeBytes(file("empty.sin"), 0, 1);
    writeBytes(file("long.sin"), 5000, 3);

    const SinLoadResult shortFile = loadSin(file("short.sin"), 4096);
    EXPECT_EQ(shortFile.status, SinStatus::TooShort);
    EXPECT_FALSE(shortFile.image);

    const SinLoadResult empty = loadSin(file("empty.sin"), 4096);
    EXPECT_EQ(empty.status, SinStatus::Empty);
    EXPECT_FALSE(empty.image);

    const SinLoadResult longFile = loadSin(file("long.sin"), 4096);
    ASSERT_EQ(longFile.status, SinStatus::Ok);
    const auto raw = readBytes(file("long.sin"));
    EXPECT_TRUE(std::equal(longFile.image->raw().begin(), longFile.image->raw().end(), raw.begin()));

    EXPECT_EQ(loadSin(file("missing.sin"), 4096).status, SinStatus::CannotOpen);
    EXPECT_EQ(loadSin(dir_, 4096).status, SinStatus::CannotOpen);
}

TEST_F(SinFileTest, FailedSaveLeavesThePreviousFile)
{
    const fs::path p = file("kept.sin");
    writeBytes(p, 1024, 9);
    const auto before = readBytes(p);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    if (::geteuid() == 0) {
        // root writes anyway; check the other way the save can fail instead
        fs::permissions(dir_, fs::perms::owner_all);
        std::string detail;
        EXPECT_EQ(saveSin(dir_ / "no-such-dir" / "x.sin", patterned(1024), &detail), SinStatus::CannotWrite);
        EXPECT_FALSE(detail.empty());
    } else {
        std::string detail;
        EXPECT_EQ(saveSin(p, patterned(1024), &detail), SinStatus::CannotWrite);
        EXPECT_FALSE(detail.empty());
    }
    EXPECT_EQ(readBytes(p), before);
}

TEST_F(SinFileTest, SaveReplacesAndLeavesNoTemporaryFiles)
{
    const fs::path p = file("replace.sin");
    writeBytes(p, 1024, 5);
    ::chmod(p.c_str(), 0640);
    ASSERT_EQ(saveSin(p, patterned(1024)), SinStatus::Ok);
    EXPECT_EQ(readBytes(p), patterned(1024).raw());
    EXPECT_EQ(fs::status(p).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(SinFileMessages, NameTheFileAndTheProblem)
{
    EXPECT_EQ(describeSinStatus(SinStatus::TooShort, "a.sin", 4096, "4095 bytes"),
              "\"a.sin\" is not a channel data file of this program: it holds 4095 bytes, not 4096.");
    EXPECT_EQ(describeSinStatus(SinStatus::Empty, "a.sin", 4096), "\"a.sin\" is empty: it holds no channel data.");
    EXPECT_EQ(describeSinStatus(SinStatus::Ok, "a.sin", 4096), "");
}
