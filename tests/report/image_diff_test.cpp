// Comparing two images: per channel column by column in the table's words,
// then the settings by their names, then other bytes by address; and the
// command's exit statuses.

#include "codeplug/sin_file.h"
#include "editions/record_codec.h"
#include "link/image_regions.h"
#include "program/exit_status.h"
#include "report/image_diff.h"
#include "sim/sample_codeplug.h"
#include "golden.h"
#include "run_program.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace tolvan {
namespace {

namespace fs = std::filesystem;

// The item the first form list shows in `changed`: its second, or its first
// when the sample already has the second.
int changedIndex(const Edition& e)
{
    const FormList& list = e.formLists.front();
    return sampleCodeplug(e).at(list.offset) == list.base + 1 ? 0 : 1;
}

// The sample with channel 2's receive frequency moved, the first form list's
// byte changed, byte 15 of channel 3's record (no column shows it) and the
// image's last byte (never sent to a radio) changed; and, where a 16-byte code
// is among the settings, one of its bytes set to a value that prints nothing.
MemoryImage changed(const Edition& e)
{
    MemoryImage b = sampleCodeplug(e);
    b.set(e.recordOffset(3) + 15, static_cast<std::uint8_t>(b.at(e.recordOffset(3) + 15) ^ 0x40));
    for (const NamedSetting& s : namedSettings(e, Language::English))
        if (s.bits.size() == 16)
            b.set(s.bits[5].offset, 0xEE);
    ChannelFields ch2 = e.records().read(e, b, 2);
    ch2.rx = 43501250;
    e.records().write(e, b, 2, ch2);
    const FormList& list = e.formLists.front();
    b.set(list.offset, static_cast<std::uint8_t>(list.base + changedIndex(e)));
    b.set(e.imageSize - 1, 0x12);
    return b;
}

// The comparison of the sample with `changed` in every edition and language, as
// the command prints it.
TEST(ImageDiffText, EveryEditionAndLanguageMatchesTheGoldenFile)
{
    std::string out;
    for (const Edition* e : allEditions()) {
        const MemoryImage a = sampleCodeplug(*e);
        EXPECT_TRUE(compareImages(*e, Language::English, a, a).identical()) << e->id;
        for (Language language : {Language::English, Language::Chinese}) {
            out += "== " + e->id + (language == Language::English ? " en\n" : " zh\n");
            out += comparisonText(*e, language, compareImages(*e, language, a, changed(*e)));
        }
    }
    expectGolden("report", "image_diff", out);
    EXPECT_EQ(comparisonText(*findEdition("cps-twotone"), Language::English, {}), "The files are identical.\n");
}

class ImageDiffCommand : public TempDirTest {};

TEST_F(ImageDiffCommand, ExitStatusTellsIdenticalFromDifferentFromAFileError)
{
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const fs::path a = dir_ / "a.sin", b = dir_ / "b.sin";
        ASSERT_EQ(saveSin(a, sampleCodeplug(*e)), SinStatus::Ok);
        ASSERT_EQ(saveSin(b, changed(*e)), SinStatus::Ok);
        EXPECT_EQ(testing::run(e->id, {"--diff", a, a}).status, kExitDone);
        EXPECT_EQ(testing::run(e->id, {"--diff", a, b}).status, kExitDifferent);
        EXPECT_EQ(testing::run(e->id, {"--diff", a, dir_ / "missing.sin"}).status, kExitFileError);
        EXPECT_EQ(testing::run(e->id, {"--diff", a}).status, kExitUsage);
    }
}

} // namespace
} // namespace tolvan
