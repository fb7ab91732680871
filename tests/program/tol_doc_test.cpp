// A document through open, save, new and read; the file errors it tells; the
// backups a read leaves.

#include "program/read_backup.h"
#include "program/sin_status_text.h"
#include "program/tol_doc.h"
#include "golden.h"
#include "temp_dir.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>

using namespace tolvan;
namespace fs = std::filesystem;

using DocumentTest = TempDirTest;

namespace {

const Edition& edition() { return *findEdition("cps-twotone"); }

class ReadBackupTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        tolvan::testing::setEnvironment("TZ", "UTC");
        tzset();
    }
    // 2026-12-06 19:53:15 UTC plus `seconds`.
    static std::chrono::system_clock::time_point at(int seconds)
    {
        return std::chrono::system_clock::from_time_t(1796586795 + seconds);
    }
    std::vector<std::string> kept(const std::string& program) const
    {
        std::vector<std::string> names;
        for (const fs::path& p : readBackups(dir_ / "backups", program))
            names.push_back(p.filename().string());
        return names;
    }
};

} // namespace

TEST_F(DocumentTest, AFailedOpenKeepsTheWorkInHand)
{
    CTolDoc doc(edition());
    ASSERT_EQ(doc.OnSaveDocument(dir_ / "mine.sin"), SinStatus::Ok);
    doc.image().set(0x100, 0x42);
    doc.setModified();

    std::ofstream(dir_ / "short.sin", std::ios::binary) << std::string(4095, '\x11');
    std::ofstream(dir_ / "empty.sin", std::ios::binary);
    for (const char* name : {"short.sin", "empty.sin", "missing.sin"}) {
        const SinLoadResult r = doc.OnOpenDocument(dir_ / name);
        EXPECT_NE(r.status, SinStatus::Ok) << name;
        EXPECT_EQ(doc.image().at(0x100), 0x42) << name;
        EXPECT_EQ(doc.path(), dir_ / "mine.sin") << name;
        EXPECT_TRUE(doc.isModified()) << name;
    }
}

// Save runs the table first and clears the change; a read replaces the image
// but keeps the path; New forgets both.
TEST_F(DocumentTest, SaveReadAndNewBehaveAsAUserExpects)
{
    CTolDoc doc(edition());
    doc.beforeSave = [](MemoryImage& image) { image.set(0xFE0, 0x5A); };
    doc.setModified();
    ASSERT_EQ(doc.OnSaveDocument(dir_ / "a.sin"), SinStatus::Ok);
    EXPECT_FALSE(doc.isModified());

    CTolDoc other(edition());
    ASSERT_EQ(other.OnOpenDocument(dir_ / "a.sin").status, SinStatus::Ok);
    EXPECT_EQ(other.image().at(0xFE0), 0x5A);  // bytes the radio never sees are kept
    EXPECT_EQ(other.path(), dir_ / "a.sin");

    doc.replaceImage(MemoryImage(edition().imageSize, 0x00));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.path(), dir_ / "a.sin");
    EXPECT_THROW(doc.replaceImage(MemoryImage(16)), std::invalid_argument);

    doc.OnNewDocument();
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.path().empty());
    EXPECT_EQ(doc.image(), newDocumentImage(edition()));
}

// A Chinese window tells of a bad file in Chinese, the system's reason included;
// the English one keeps the shared sentence. Every text is in
// tests/program/golden/sin_status_texts.txt.
TEST(SinStatusText, EveryFileErrorInBothLanguages)
{
    const std::pair<SinStatus, std::string> cases[] = {
        {SinStatus::CannotOpen, std::strerror(ENOENT)}, {SinStatus::CannotOpen, std::strerror(EACCES)},
        {SinStatus::CannotOpen, "it is a folder"},      {SinStatus::CannotOpen, "Something new"},
        {SinStatus::CannotOpen, ""},                    {SinStatus::Empty, ""},
        {SinStatus::TooShort, "100 bytes"},             {SinStatus::CannotWrite, std::strerror(ENOSPC)},
        {SinStatus::CannotWrite, "its folder \"/x\" is read-only"}, {SinStatus::Ok, ""},
    };
    std::string out;
    for (const auto& [status, detail] : cases) {
        out += "[" + detail + "]\n";
        for (Language language : {Language::English, Language::Chinese})
            out += "  " + sinStatusText(status, "/x/a.sin", 1024, detail, language) + "\n";
    }
    expectGolden("program", "sin_status_texts", out);
}

TEST_F(ReadBackupTest, AnUnwritableDirectoryIsReported)
{
    std::ofstream(dir_ / "backups") << "x";  // a file where the directory should be
    std::string error;
    EXPECT_TRUE(saveReadBackup(dir_ / "backups", "cps", MemoryImage(16), at(0), 50, &error).empty());
    EXPECT_TRUE(error.starts_with("Cannot save")) << error;
    // A Chinese program says it in Chinese.
    EXPECT_TRUE(saveReadBackup(dir_ / "backups", "cps", MemoryImage(16), at(0), 50, &error, Language::Chinese).empty());
    EXPECT_TRUE(error.starts_with("无法保存文件")) << error;
}

// What a backup returns holds the image and is among the newest kept, whether
// reads come faster than one a second (the counters sort as numbers: -10 after
// -9) or the clock went back; files that are not this program's backups stay.
TEST_F(ReadBackupTest, TheReturnedBackupIsKept)
{
    const char* const others[] = {"notes.txt", "cps16-cn-20200101-000000.sin", "cps16-2020.sin"};
    const struct {
        const char* what;
        std::vector<int> seconds;
        std::vector<std::string> kept;
    } cases[] = {
        {"eleven reads in one second",
         std::vector<int>(11, 0),
         {"cps16-20261206-195315-9.sin", "cps16-20261206-195315-10.sin", "cps16-20261206-195315-11.sin"}},
        {"the clock set back",
         {10, 11, 12, 0},
         {"cps16-20261206-195315.sin", "cps16-20261206-195326.sin", "cps16-20261206-195327.sin"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir_ / "backups");
        fs::create_directories(dir_ / "backups");
        for (const char* other : others)
            std::ofstream(dir_ / "backups" / other) << "x";
        for (int s : c.seconds) {
            const fs::path saved = saveReadBackup(dir_ / "backups", "cps16", MemoryImage(1024, 0x5A), at(s), 3);
            EXPECT_EQ(loadSin(saved, 1024).image, MemoryImage(1024, 0x5A)) << saved;
        }
        EXPECT_EQ(kept("cps16"), c.kept);
        for (const char* other : others)
            EXPECT_TRUE(fs::exists(dir_ / "backups" / other)) << other;
    }
}
