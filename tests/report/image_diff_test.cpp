// Comparing two images: per channel column by column in the table's words,
// then the settings by their names, then other bytes by address; every
// differing byte named, both sides as the program saves them; and the
// command's exit statuses.

#include "codeplug/sin_file.h"
#include "codeplug/text_util.h"
#include "editions/record_codec.h"
#include "editor/channel_table.h"
#include "editor/form_settings.h"
#include "editor/saved_image.h"
#include "link/image_regions.h"
#include "program/exit_status.h"
#include "report/image_diff.h"
#include "sim/sample_codeplug.h"
#include "golden.h"
#include "run_program.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <random>

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

// Seeded random bytes the size of the edition's image.
MemoryImage randomImage(const Edition& e, std::mt19937& random)
{
    MemoryImage image(e.imageSize);
    for (std::size_t i = 0; i < image.size(); ++i)
        image.set(i, static_cast<std::uint8_t>(random()));
    return image;
}

// Every byte where `a` and `b` differ is named by the comparison: by its
// channel's cells or a byte line there, by a setting, or among the other
// bytes; no byte has two byte lines, and each line shows the two values.
void expectEveryDifferenceNamed(const Edition& e, const ImageComparison& c, const MemoryImage& a,
                                const MemoryImage& b)
{
    std::set<std::size_t> named, lines;
    auto line = [&](const ImageComparison::Byte& byte, int channel) {
        EXPECT_EQ(channelAt(e, byte.offset), channel) << byte.offset;
        EXPECT_TRUE(lines.insert(byte.offset).second) << byte.offset;
        EXPECT_EQ(byte.before, a.at(byte.offset));
        EXPECT_EQ(byte.after, b.at(byte.offset));
        named.insert(byte.offset);
    };
    for (const auto& channel : c.channels) {
        for (std::size_t offset : channel.shown)
            EXPECT_EQ(channelAt(e, offset), channel.number) << offset;
        named.insert(channel.shown.begin(), channel.shown.end());
        for (const auto& byte : channel.bytes)
            line(byte, channel.number);
    }
    for (const auto& setting : c.settings)
        named.insert(setting.offsets.begin(), setting.offsets.end());
    for (const auto& byte : c.bytes)
        line(byte, 0);
    std::set<std::size_t> differing;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a.at(i) != b.at(i))
            differing.insert(i);
    EXPECT_EQ(named, differing);
}

// The sample as a radio read it: channel 2's byte 12 as a new document has it,
// not as a save writes it.
MemoryImage original(const Edition& e)
{
    MemoryImage a = sampleCodeplug(e);
    a.set(e.recordOffset(2) + 12, 0x00);
    return a;
}

// `original` with channel 2's receive frequency moved, and where channels have
// names its name changed and byte 12 set as a save writes it (the radio's
// reading of the example); the first form list's byte changed, byte 15 of
// channel 3's record (no column shows it) and the image's last byte (never
// sent to a radio) changed; and, where codes are among the settings, byte 5 of
// each set to a value that prints nothing (a 4-digit code does not even read it).
MemoryImage changed(const Edition& e)
{
    MemoryImage b = original(e);
    b.set(e.recordOffset(3) + 15, static_cast<std::uint8_t>(b.at(e.recordOffset(3) + 15) ^ 0x40));
    for (const NamedSetting& s : namedSettings(e, Language::English))
        if (s.item && s.bits.size() >= 8)
            b.set(s.bits[5].offset, 0xEE);
    ChannelFields ch2 = e.records().read(e, b, 2);
    ch2.rx = 43501250;
    ch2.name = "RENAME";
    e.records().write(e, b, 2, ch2);
    if (e.nameBase)
        b.set(e.recordOffset(2) + 12, 0xB7);
    const FormList& list = e.formLists.front();
    b.set(list.offset, static_cast<std::uint8_t>(list.base + changedIndex(e)));
    b.set(e.imageSize - 1, 0x12);
    return b;
}

// The comparison of `original` with `changed` in every edition and language,
// as --diff prints it; then how the window's comparisons name their sides.
TEST(ImageDiffText, EveryEditionAndLanguageMatchesTheGoldenFile)
{
    std::string out;
    for (const Edition* e : allEditions()) {
        const MemoryImage a = imageAsSaved(*e, original(*e));
        for (Language language : {Language::English, Language::Chinese}) {
            out += "== " + e->id + (language == Language::English ? " en\n" : " zh\n");
            out += comparisonText(*e, language, compareAsSaved(*e, language, a, changed(*e)));
        }
    }
    const Edition& e = *findEdition("cps-twotone");
    ImageComparison renamed;
    renamed.channels.push_back({2, {{"Name", "LOCAL", "RENAME"}}, {}, {}});
    for (Language language : {Language::English, Language::Chinese})
        for (ComparedSides sides : {ComparedSides::DocumentAndFile, ComparedSides::DocumentAndRadio}) {
            out += "== sides " + std::to_string(static_cast<int>(sides)) + "\n";
            out += comparisonText(e, language, {}, sides) + comparisonText(e, language, renamed, sides);
        }
    expectGolden("report", "image_diff", out);
    EXPECT_EQ(comparisonText(e, Language::English, {}), "The files are identical.\n");
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
            std::string expected, listed;
            for (int n = 1; n <= e->channelCount; ++n)
                for (int col = 1; col < ta.columnCount(); ++col)
                    if (ta.columnAt(col) != Column::More && ta.cell(n, col) != tb.cell(n, col))
                        expected += std::to_string(n) + " " + trim(ta.cell(0, col)) + ": " + ta.cell(n, col) + " -> "
                                    + tb.cell(n, col) + "\n";
            const ImageComparison c = compareImages(*e, language, a, b);
            expectEveryDifferenceNamed(*e, c, a, b);
            for (const auto& channel : c.channels) {
                EXPECT_FALSE(channel.cells.empty()) << channel.number;
                for (const auto& cell : channel.cells)
                    listed += std::to_string(channel.number) + " " + cell.column + ": " + cell.before + " -> " + cell.after
                              + "\n";
            }
            EXPECT_FALSE(expected.empty());
            EXPECT_EQ(listed, expected);
        }
    }
}

// Pairs of images a few bits or bytes apart (in channels, settings and
// elsewhere), as they are and as the program saves them: every differing byte
// is named.
TEST(ImageDiff, EveryDifferingByteIsNamed)
{
    std::mt19937 random(30);
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        std::vector<std::size_t> settingBytes;
        for (const NamedSetting& s : namedSettings(*e, Language::English))
            for (const NamedSetting::Bits& bits : s.bits)
                settingBytes.push_back(bits.offset);
        for (int pair = 0; pair < 40; ++pair) {
            const Language language = pair % 2 ? Language::Chinese : Language::English;
            const MemoryImage a = pair % 4 < 2 ? sampleCodeplug(*e) : randomImage(*e, random);
            MemoryImage b = a;
            for (unsigned k = 0, changes = 1 + random() % 12; k < changes; ++k) {
                const std::size_t at = k % 2 ? settingBytes[random() % settingBytes.size()] : random() % a.size();
                const auto flip = static_cast<std::uint8_t>(k % 3 ? 1u << (random() % 8) : random());
                b.set(at, static_cast<std::uint8_t>(b.at(at) ^ flip));
            }
            expectEveryDifferenceNamed(*e, compareImages(*e, language, a, b), a, b);
            const MemoryImage savedA = imageAsSaved(*e, a), savedB = imageAsSaved(*e, b);
            expectEveryDifferenceNamed(*e, compareAsSaved(*e, language, savedA, b), savedA, savedB);
        }
    }
}

// A file opened in the window (its table and form, in the window's language,
// store it) and compared with itself: identical in every program, for the
// sample, a new document and random bytes, though the save rewrites bytes of each.
TEST(ImageDiff, AFileComparedWithItselfIsIdentical)
{
    std::mt19937 random(4);
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        const MemoryImage files[] = {sampleCodeplug(*e), newDocumentImage(*e), randomImage(*e, random),
                                     randomImage(*e, random)};
        for (Language language : {Language::English, Language::Chinese}) {
            for (const MemoryImage& file : files) {
                ChannelTable table(*e, language);
                FormSettings form(*e);
                table.loadFromImage(file);
                form.loadFromImage(file);
                MemoryImage document = file;
                table.storeToImage(document);
                form.storeToImage(document);
                EXPECT_TRUE(compareAsSaved(*e, language, document, file).identical());
                EXPECT_TRUE(compareImages(*e, language, file, file).identical());
            }
            EXPECT_FALSE(compareImages(*e, language, imageAsSaved(*e, files[2]), files[2]).identical());
        }
    }
}

// The files as they are: channel 2 renamed and its byte 12 changed from 00 to
// B7, in every program with names. The byte is named beside the name, where
// no column shows it as its own line under the channel.
TEST(ImageDiff, AByteChangeIsShownBesideAChangedName)
{
    for (const Edition* e : allEditions()) {
        if (!e->nameBase)
            continue;
        SCOPED_TRACE(e->id);
        const std::size_t byte12 = e->recordOffset(2) + 12;
        const ImageComparison c = compareImages(*e, Language::English, original(*e), changed(*e));
        const ImageComparison::Channel& channel = c.channels.at(0);
        EXPECT_EQ(channel.number, 2);
        EXPECT_EQ(channel.cells.back().after, "RENAME");
        EXPECT_TRUE(std::count(channel.shown.begin(), channel.shown.end(), byte12) == 1
                    || (!channel.bytes.empty() && channel.bytes[0].offset == byte12));
    }
    const Edition& e = *findEdition("cps-twotone");
    EXPECT_NE(comparisonText(e, Language::English, compareImages(e, Language::English, original(e), changed(e)))
                  .find("Channel 2\n  Receive(MHz): 435.00000 -> 435.01250\n  Name: LOCAL -> RENAME\n"
                        "  byte 12: 00 -> B7\nChannel 3\n  byte 15: 00 -> 40\n"),
              std::string::npos);
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
        const std::string a = (dir_ / "a.sin").string(), b = (dir_ / "b.sin").string();
        ASSERT_EQ(saveSin(a, sampleCodeplug(*e)), SinStatus::Ok);
        ASSERT_EQ(saveSin(b, changed(*e)), SinStatus::Ok);
        EXPECT_EQ(testing::run(e->id, {"--diff", a, a}).status, kExitDone);
        EXPECT_EQ(testing::run(e->id, {"--diff", a, b}).status, kExitDifferent);
        // A file and its save differ only in bytes a save rewrites: a write of either sends the same.
        const std::string saved = (dir_ / "saved.sin").string();
        ASSERT_EQ(saveSin(saved, imageAsSaved(*e, original(*e))), SinStatus::Ok);
        ASSERT_EQ(saveSin(a, original(*e)), SinStatus::Ok);
        EXPECT_EQ(testing::run(e->id, {"--diff", a, saved}).status, kExitDone);
        EXPECT_EQ(testing::run(e->id, {"--diff", a, (dir_ / "missing.sin").string()}).status, kExitFileError);
        EXPECT_EQ(testing::run(e->id, {"--diff", a}).status, kExitUsage);
    }
}

} // namespace
} // namespace tolvan
