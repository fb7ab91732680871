#include "editor/channel_table.h"

#include "editions/record_codec.h"

#include <gtest/gtest.h>

using namespace tolvan;

namespace {

const Edition& twoTone() { return *findEdition("cps-twotone"); }

// A record with a receive frequency of 145.125 MHz and the given flag byte.
MemoryImage withChannel1(std::uint8_t byte13)
{
    MemoryImage image = newDocumentImage(twoTone());
    const std::uint8_t rx[] = {0x00, 0x25, 0x51, 0x14};
    image.write(0, rx);
    image.set(13, byte13);
    return image;
}

} // namespace

TEST(ChannelTable, NewDocumentShowsOnlyChannelNumbers)
{
    ChannelTable table(twoTone(), Language::English);
    table.loadFromImage(newDocumentImage(twoTone()));
    ASSERT_EQ(table.rowCount(), 129);
    ASSERT_EQ(table.columnCount(), 13);
    EXPECT_EQ(table.cell(0, 1), "Receive(MHz)");
    EXPECT_EQ(table.cell(0, 12), "More");
    for (int row = 1; row <= 128; ++row) {
        EXPECT_EQ(table.cell(row, 0), std::to_string(row));
        for (int col = 1; col < 13; ++col)
            ASSERT_EQ(table.cell(row, col), "") << row << "," << col;
    }
}

TEST(ChannelTable, FlagByteWords)
{
    struct Case {
        std::uint8_t byte13;
        Language language;
        const char *power, *wide, *scan, *busy;
    };
    const Case cases[] = {
        {0xFF, Language::English, "High", "Wide", "Yes", "Close"},
        {0x04, Language::English, "Low", "Narrow", "No", "QT/DQT"},
        {0x08, Language::English, "Low", "Narrow", "Yes", "Close"},
        {0x03, Language::English, "Low", "Narrow", "No", "Carrier"},
        {0xFF, Language::Chinese, "高", "宽", "是", "关闭"},
        {0x02, Language::Chinese, "低", "窄", "否", "载波"},
    };
    for (const Case& c : cases) {
        ChannelTable table(twoTone(), c.language);
        table.loadFromImage(withChannel1(c.byte13));
        std::vector<std::string> shown;
        for (Column col : {Column::Receive, Column::Transmit, Column::RxTone, Column::Power, Column::Bandwidth,
                           Column::Scan, Column::Busy, Column::More})
            shown.push_back(table.cell(1, col));
        EXPECT_EQ(shown, (std::vector<std::string>{"145.12500", "", "OFF", c.power, c.wide, c.scan, c.busy, ">>"}))
            << int(c.byte13);
    }
}

TEST(ChannelTable, UnusedChannelShowsOnlyItsName)
{
    MemoryImage image = newDocumentImage(twoTone());
    const std::uint8_t rec[] = {0x00, 0x25, 0x51, 0x00, 0x12, 0x34, 0x56, 0xFF, 0x70, 0x06, 0x23, 0x80, 0x01, 0xFF};
    image.write(16, rec);
    const std::uint8_t name[] = {10, 11, 37, 12, 13, 0xFF};
    image.write(0x850 + 8, name);
    ChannelTable table(twoTone(), Language::English);
    table.loadFromImage(image);
    for (int col = 1; col < 13; ++col)
        EXPECT_EQ(table.cell(2, col), table.columnAt(col) == Column::Name ? "AB CD" : "") << col;
}

TEST(ChannelTable, SmallRadiosShowStoredTonesWithoutOff)
{
    const Edition& keys = *findEdition("cps-keys");
    MemoryImage image = newDocumentImage(keys);
    const std::uint8_t tones[] = {0x23, 0x80, 0xFF, 0xFF};
    image.write(keys.recordOffset(1) + 8, tones);
    ChannelTable table(keys, Language::English);
    table.loadFromImage(image);
    EXPECT_EQ(table.cell(1, Column::RxTone), "D023N");
    EXPECT_EQ(table.cell(1, Column::TxTone), "");
    EXPECT_EQ(table.cell(1, Column::Busy), "");
    EXPECT_EQ(table.cell(0, Column::Scan), "Scan/Add");
}

TEST(ChannelTable, EmptyRowsAreWrittenBackAsNotInUse)
{
    ChannelTable table(twoTone(), Language::English);
    MemoryImage image = newDocumentImage(twoTone());
    table.loadFromImage(image);
    table.storeToImage(image);
    for (int ch = 1; ch <= 128; ++ch) {
        const std::size_t r = twoTone().recordOffset(ch);
        ASSERT_EQ(image.at(r + 12), 0xB7) << ch;
        ASSERT_EQ(image.at(r + 13), 0xC5) << ch;
    }
}

TEST(ChannelTable, WordsOfEitherLanguageAreUnderstood)
{
    ChannelTable table(twoTone(), Language::English);
    MemoryImage image = newDocumentImage(twoTone());
    table.setCell(1, Column::Receive, "145.12500");
    table.setCell(1, Column::Power, "高");
    table.setCell(1, Column::Busy, "载波");
    table.setCell(1, Column::PttId, "开");
    table.setCell(1, Column::Signal, "2-Tone");
    table.storeToImage(image);
    EXPECT_EQ(image.at(13) & 0x26, 0x22);  // high power, carrier
    EXPECT_EQ(image.at(12), 0x48);          // 2-Tone kind, PTT ID

    // Names are cut to eight and a lower-case letter ends them.
    table.setCell(1, Column::Name, "ABCDEFGHIJK");
    table.setCell(2, Column::Name, "AbC");
    table.storeToImage(image);
    table.loadFromImage(image);
    EXPECT_EQ(table.cell(1, Column::Name), "ABCDEFGH");
    EXPECT_EQ(table.cell(2, Column::Name), "A");
}

TEST(ChannelTable, EveryEditionRoundTripsThroughItsTexts)
{
    for (const Edition* e : allEditions()) {
        for (Language lang : {Language::English, Language::Chinese}) {
            MemoryImage image = newDocumentImage(*e);
            ChannelTable table(*e, lang);
            const int nameCol = table.columnOf(Column::Name);
            for (int ch = 1; ch <= e->channelCount; ch += 3) {
                table.setCell(ch, Column::Receive, formatMHz(40000000 + 625 * static_cast<TenHz>(ch)));
                table.setCell(ch, Column::Transmit, ch % 2 ? "446.00625" : "");
                table.setCell(ch, Column::RxTone, ch % 2 ? "D023I" : "88.5");
                table.setCell(ch, Column::TxTone, ch % 2 ? "254.1" : "");
                if (nameCol >= 0)
                    table.setCell(ch, nameCol, std::to_string(ch) + "N");
            }
            table.storeToImage(image);
            ChannelTable again(*e, lang);
            again.loadFromImage(image);
            MemoryImage twice = image;
            again.storeToImage(twice);
            ASSERT_EQ(twice, image) << e->id;
            ChannelTable third(*e, lang);
            third.loadFromImage(twice);
            for (int row = 1; row < again.rowCount(); ++row)
                for (int col = 0; col < again.columnCount(); ++col)
                    ASSERT_EQ(third.cell(row, col), again.cell(row, col)) << e->id << " " << row << "," << col;
            EXPECT_EQ(again.cell(4, Column::Receive), formatMHz(40000000 + 625 * 4)) << e->id;
        }
    }
}

namespace {

// Every byte of the image arbitrary: names, words and frequencies of every kind.
MemoryImage scrambled(const Edition& e, unsigned seed)
{
    MemoryImage image(e.imageSize);
    unsigned x = seed;
    for (std::size_t i = 0; i < image.size(); ++i) {
        x = x * 1103515245u + 12345u;
        image.set(i, static_cast<std::uint8_t>(x >> 16));
    }
    return image;
}

} // namespace

// A table is loaded again and again (a fuzzed file, a read from the radio): a
// load shows exactly the new image, nothing of what the cells held before; and
// a row's texts held outside the table read back as the row does.
TEST(ChannelTable, ALoadOverAnotherShowsOnlyTheNewImage)
{
    for (const Edition* e : allEditions()) {
        for (Language lang : {Language::English, Language::Chinese}) {
            SCOPED_TRACE(e->id + (lang == Language::English ? " en" : " zh"));
            const MemoryImage images[] = {scrambled(*e, 1), newDocumentImage(*e), scrambled(*e, 2)};
            ChannelTable reused(*e, lang);
            for (const MemoryImage& image : images) {
                reused.loadFromImage(image);
                ChannelTable fresh(*e, lang);
                fresh.loadFromImage(image);
                for (int row = 0; row < fresh.rowCount(); ++row) {
                    std::vector<std::string> texts;
                    for (int col = 0; col < fresh.columnCount(); ++col) {
                        ASSERT_EQ(reused.cell(row, col), fresh.cell(row, col)) << row << "," << col;
                        texts.push_back(fresh.cell(row, col));
                    }
                    if (row > 0) {
                        ASSERT_EQ(fresh.channelOfTexts(texts), fresh.channelOfRow(row)) << row;
                    }
                }
            }
            EXPECT_THROW(reused.channelOfTexts({"1", "145.12500"}), std::invalid_argument);
        }
    }
}
