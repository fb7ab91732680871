// Comparing two images: per channel column by column in the table's words,
// then the settings by their names, then other bytes by address; and the
// command's exit statuses.

#include "codeplug/sin_file.h"
#include "codeplug/text_util.h"
#include "editions/record_codec.h"
#include "editor/channel_table.h"
#include "link/image_regions.h"
#include "program/exit_status.h"
#include "report/image_diff.h"
#include "sim/sample_codeplug.h"
#include "golden.h"
#include "run_program.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

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
// image's last byte (never sent to a radio) changed; and, where codes are among
// the settings, byte 5 of each set to a value that prints nothing (a 4-digit
// code does not even read it).
MemoryImage changed(const Edition& e)
{
    MemoryImage b = sampleCodeplug(e);
    b.set(e.recordOffset(3) + 15, static_cast<std::uint8_t>(b.at(e.recordOffset(3) + 15) ^ 0x40));
    for (const NamedSetting& s : namedSettings(e, Language::English))
        if (s.bits.size() >= 8)
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

// Two images unlike in nearly every byte: every channel's cells are what a
// table loaded from each image shows, under the table's header, and a channel
// is listed exactly when a shown column differs.
TEST(ImageDiff, ChannelsAreShownInTheWordsOfALoadedTable)
{
    for (const Edition* e : allEditions()) {
        for (Language language : {Language::English, Language::Chinese}) {
            SCOPED_TRACE(e->id + (language == Language::English ? " en" : " zh"));
            MemoryImage a(e->imageSize), b(e->imageSize);
            unsigned x = 7;
            for (std::size_t i = 0; i < a.size(); ++i) {
                x = x * 1103515245u + 12345u;
                a.set(i, static_cast<std::uint8_t>(x >> 16));
                // Every third channel's bytes alike in both.
                b.set(i, channelAt(*e, i) % 3 == 1 ? a.at(i) : static_cast<std::uint8_t>(x >> 24));
            }
            ChannelTable ta(*e, language), tb(*e, language);
            ta.loadFromImage(a);
            tb.loadFromImage(b);
            std::vector<ImageComparison::Channel> expected;
            for (int n = 1; n <= e->channelCount; ++n) {
                ImageComparison::Channel channel{n, {}};
                for (int col = 1; col < ta.columnCount(); ++col)
                    if (ta.columnAt(col) != Column::More && ta.cell(n, col) != tb.cell(n, col))
                        channel.cells.push_back({trim(ta.cell(0, col)), ta.cell(n, col), tb.cell(n, col)});
                if (!channel.cells.empty())
                    expected.push_back(channel);
            }
            const ImageComparison c = compareImages(*e, language, a, b);
            ASSERT_EQ(c.channels.size(), expected.size());
            ASSERT_GT(c.channels.size(), 0u);
            for (std::size_t i = 0; i < expected.size(); ++i) {
                ASSERT_EQ(c.channels[i].number, expected[i].number);
                ASSERT_EQ(c.channels[i].cells.size(), expected[i].cells.size()) << expected[i].number;
                for (std::size_t j = 0; j < expected[i].cells.size(); ++j) {
                    EXPECT_EQ(c.channels[i].cells[j].column, expected[i].cells[j].column);
                    EXPECT_EQ(c.channels[i].cells[j].before, expected[i].cells[j].before);
                    EXPECT_EQ(c.channels[i].cells[j].after, expected[i].cells[j].after);
                }
            }
        }
    }
}

// What a comparison keeps of an edition between calls is never taken for a
// changed copy of it: the copy's own words name the column.
TEST(ImageDiff, AChangedCopyOfAnEditionIsComparedInItsOwnWords)
{
    const Edition& builtIn = *findEdition("cps-twotone");
    Edition copy = builtIn;
    const std::size_t receive = static_cast<std::size_t>(
        std::find(copy.columns.begin(), copy.columns.end(), Column::Receive) - copy.columns.begin());
    const std::string header = trim(builtIn.english.headers.at(receive));
    const MemoryImage a = sampleCodeplug(builtIn), b = changed(builtIn);
    for (const std::string renamed : {"Receive here", "Listen on"}) {
        copy.english.headers.at(receive) = renamed;
        const ImageComparison c = compareImages(copy, Language::English, a, b);
        ASSERT_FALSE(c.channels.empty());
        EXPECT_EQ(c.channels[0].cells.at(0).column, renamed);
        EXPECT_EQ(compareImages(builtIn, Language::English, a, b).channels[0].cells.at(0).column, header);
    }
    EXPECT_THROW(compareImages(builtIn, Language::English, a, MemoryImage(builtIn.imageSize + 1)),
                 std::invalid_argument);
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
