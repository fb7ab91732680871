#include "editor/channel_table.h"

#include "editions/record_codec.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tolvan;

namespace {

const Edition& twoTone() { return *findEdition("cps-twotone"); }

} // namespace

// Every edition's new document in both languages: the header row and the count
// of channels, with no cell but the channel numbers. Then records written into a
// new document, "--" leaving a byte as it is, and the channel's row as shown
// (its channel number looked up by column).
TEST(ChannelTable, LoadedImagesMatchTheGoldenFile)
{
    std::ostringstream out;
    for (const Edition* e : allEditions()) {
        for (Language language : {Language::English, Language::Chinese}) {
            ChannelTable table(*e, language);
            table.loadFromImage(newDocumentImage(*e));
            out << e->id << (language == Language::English ? " en " : " zh ") << table.rowCount() - 1 << " channels:";
            for (int col = 0; col < table.columnCount(); ++col)
                out << " [" << table.cell(0, col) << "]";
            out << "\n";
            for (int row = 1; row < table.rowCount(); ++row)
                for (int col = 0; col < table.columnCount(); ++col)
                    ASSERT_EQ(table.cell(row, col), col ? "" : std::to_string(row)) << e->id << " " << row << "," << col;
        }
    }
    struct Case {
        const char* id;
        Language language;
        int channel;
        const char* record;
        const char* name = "";
    };
    const auto en = Language::English, zh = Language::Chinese;
    // 145.125 MHz received; byte 13 holds the power, band width, scan and busy lock flags.
    const Case cases[] = {
        {"cps-twotone", en, 1, "00 25 51 14 -- -- -- -- -- -- -- -- -- FF"},
        {"cps-twotone", en, 1, "00 25 51 14 -- -- -- -- -- -- -- -- -- 04"},
        {"cps-twotone", en, 1, "00 25 51 14 -- -- -- -- -- -- -- -- -- 08"},
        {"cps-twotone", en, 1, "00 25 51 14 -- -- -- -- -- -- -- -- -- 03"},
        {"cps-twotone", zh, 1, "00 25 51 14 -- -- -- -- -- -- -- -- -- FF"},
        {"cps-twotone", zh, 1, "00 25 51 14 -- -- -- -- -- -- -- -- -- 02"},
        // A channel not in use shows only its name.
        {"cps-twotone", en, 2, "00 25 51 00 12 34 56 FF 70 06 23 80 01 FF", "0A 0B 25 0C 0D FF"},
        // The small radios show a stored tone without frequencies, and no "OFF".
        {"cps-keys", en, 1, "-- -- -- -- -- -- -- -- 23 80 FF FF"},
    };
    for (const Case& c : cases) {
        const Edition& e = *findEdition(c.id);
        MemoryImage image = newDocumentImage(e);
        auto write = [&](std::size_t at, const char* hex) {
            std::istringstream bytes(hex);
            for (std::string byte; bytes >> byte; ++at)
                if (byte != "--")
                    image.set(at, static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16)));
        };
        write(e.recordOffset(c.channel), c.record);
        if (e.nameBase)
            write(*e.nameBase + 8 * static_cast<std::size_t>(c.channel - 1), c.name);
        ChannelTable table(e, c.language);
        table.loadFromImage(image);
        out << c.id << (c.language == en ? " en " : " zh ") << c.record << " / " << c.name << ": "
            << table.cell(c.channel, Column::Channel);
        for (int col = 1; col < table.columnCount(); ++col)
            out << " [" << table.cell(c.channel, col) << "]";
        out << "\n";
    }
    expectGolden("editor", "table_rows", out.str());
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
