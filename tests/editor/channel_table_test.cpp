#include "editor/channel_table.h"

#include "editions/record_codec.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tolvan;

// Every edition's new document in both languages: the header row and the count
// of channels, with no cell but the channel numbers, and the records its empty
// rows store (the first channel's and the last, which all between equal). Then
// records written into a new document, "--" leaving a byte as it is, and the
// channel's row as shown (its channel number looked up by column).
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
            MemoryImage image = newDocumentImage(*e);
            table.storeToImage(image);
            const std::string last = hexBytes(image.bytes(e->recordOffset(e->channelCount), 16));
            out << "  empty channels stored: " << hexBytes(image.bytes(e->recordOffset(1), 16)) << " ... " << last << "\n";
            for (int ch = 2; ch < e->channelCount; ++ch)
                ASSERT_EQ(hexBytes(image.bytes(e->recordOffset(ch), 16)), last) << e->id << " channel " << ch;
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
            EXPECT_EQ(again.cell(4, Column::Receive), formatMHz(40000000 + 625 * 4)) << e->id;
        }
    }
}
