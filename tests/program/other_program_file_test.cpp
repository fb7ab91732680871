// A file longer than the program's image, most likely another radio's: --write
// refuses it unless --accept-length is given, the reading commands go on with
// its first bytes and say so. What every program says is in
// tests/program/golden/other_program_files.txt.

#include "codeplug/sin_file.h"
#include "editions/edition.h"
#include "golden.h"
#include "run_program.h"
#include "sim/sample_codeplug.h"
#include "temp_dir.h"

using namespace tolvan;
using namespace tolvan::testing;
namespace fs = std::filesystem;

namespace {

class OtherProgramFile : public TempDirTest {
protected:
    // The largest image of another program, or for the largest program a
    // length no program has.
    fs::path longerFile(const Edition& e)
    {
        const fs::path file = dir_ / "other.sin";
        const Edition& largest = *findEdition("cps-twotone");
        if (e.imageSize < largest.imageSize) {
            saveSin(file, sampleCodeplug(largest));
        } else {
            MemoryImage odd(5000);
            saveSin(file, odd);
        }
        return file;
    }
};

TEST_F(OtherProgramFile, WriteRefusesItAndReadingCommandsSayTheyReadItsFirstBytes)
{
    std::string text;
    for (const Edition* e : allEditions()) {
        const std::string in = longerFile(*e).string();
        text += runShown(e->id, {"--write", in, "--port", "virtual"}, dir_);
        text += runShown(e->id, {"--export-csv", in, (dir_ / "t.csv").string()}, dir_);
        text += runShown(e->id, {"--diff", in, in}, dir_);
    }
    // The reading commands read the first bytes as the program's own file.
    const Edition& keys = *findEdition("cps-keys");
    const std::string in = longerFile(keys).string();
    text += runShown("cps-keys", {"--print-pdf", in, (dir_ / "r.pdf").string()}, dir_);
    saveSin(dir_ / "own.sin", sampleCodeplug(keys));
    ASSERT_EQ(run("cps-keys", {"--export-csv", (dir_ / "own.sin").string(), (dir_ / "own.csv").string()}).status, 0);
    ASSERT_EQ(run("cps-keys", {"--export-csv", in, (dir_ / "t.csv").string()}).status, 0);
    const MemoryImage head = *loadSin(in, keys.imageSize).image;
    saveSin(dir_ / "head.sin", head);
    ASSERT_EQ(run("cps-keys", {"--export-csv", (dir_ / "head.sin").string(), (dir_ / "head.csv").string()}).status, 0);
    EXPECT_EQ(contents(dir_ / "t.csv"), contents(dir_ / "head.csv"));
    text += runShown("cps-keys", {"--import-csv", (dir_ / "own.csv").string(), in, (dir_ / "imported.sin").string()}, dir_);
    EXPECT_EQ(fs::file_size(dir_ / "imported.sin"), keys.imageSize);
    expectGolden("program", "other_program_files", text);
}

// With --accept-length the first bytes go to the radio.
TEST_F(OtherProgramFile, AcceptLengthWritesItsFirstBytes)
{
    const RunResult r
        = run("cps16", {"--write", longerFile(*findEdition("cps16")).string(), "--port", "virtual", "--accept-length"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("holds 4096 bytes"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Its first 1024 bytes are written."), std::string::npos) << r.err;
    // Only --write takes it.
    EXPECT_EQ(run("cps16", {"--export-csv", longerFile(*findEdition("cps16")).string(), (dir_ / "t.csv").string(),
                            "--accept-length"})
                  .status,
              1);
}

} // namespace
