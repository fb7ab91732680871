#include "program/tol_doc.h"
#include "program/sin_status_text.h"
#include "golden.h"

#include "temp_dir.h"

#include <cerrno>
#include <cstring>
#include <fstream>

using namespace tolvan;
namespace fs = std::filesystem;

using DocumentTest = TempDirTest;

namespace {

const Edition& edition() { return *findEdition("cps-twotone"); }

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

TEST_F(DocumentTest, SaveRunsTheTableFirstAndClearsTheChange)
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
}

TEST_F(DocumentTest, NewAndReadBehaveAsAUserExpects)
{
    CTolDoc doc(edition());
    ASSERT_EQ(doc.OnSaveDocument(dir_ / "a.sin"), SinStatus::Ok);
    MemoryImage fromRadio(edition().imageSize, 0x00);
    doc.replaceImage(fromRadio);
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
        {SinStatus::Ok, ""},
    };
    std::string out;
    for (const auto& [status, detail] : cases) {
        out += "[" + detail + "]\n";
        for (Language language : {Language::English, Language::Chinese})
            out += "  " + sinStatusText(status, "/x/a.sin", 1024, detail, language) + "\n";
    }
    expectGolden("program", "sin_status_texts", out);
}
