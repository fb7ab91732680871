#include "editor/form_settings.h"

#include "codeplug/data_password.h"

#include <gtest/gtest.h>

using namespace tolvan;

namespace {

enum { kType, kField, kPower, kManual };  // the form's order

const Edition& edition(const char* id) { return *findEdition(id); }

} // namespace

TEST(FormSettings, NewDocumentsShowTheFormDefaults)
{
    for (const char* id : {"cps-twotone", "cps-ccir", "cps-brand", "cps-fleet", "cps-cn2", "cps-cn10"}) {
        FormSettings form(edition(id));
        form.loadFromImage(newDocumentImage(edition(id)));
        EXPECT_EQ(form.selection(kType), id == std::string("cps-brand") ? 1 : 0) << id;  // brand starts at 0x39
        EXPECT_EQ(form.selection(kField), 2) << id;
        EXPECT_EQ(form.selection(kPower), 9) << id;
        EXPECT_EQ(form.selection(kManual), 0) << id;
    }
}

TEST(FormSettings, BytesTheListsCannotShowSelectTheFallback)
{
    struct Case {
        const char* id;
        int list;
        std::uint8_t byte;
        int index;
    };
    const Case cases[] = {
        {"cps-twotone", kField, 0xED, 0},  {"cps-twotone", kField, 0xEE, 0},  {"cps-twotone", kField, 0xF7, 9},
        {"cps-twotone", kField, 0xF8, 0},  {"cps-twotone", kField, 0x00, 0},  {"cps-twotone", kType, 0x38, 0},
        {"cps-twotone", kType, 0x3A, 2},   {"cps-twotone", kType, 0x3B, 0},   {"cps-twotone", kType, 0xFF, 0},
        {"cps-twotone", kType, 0x37, -1},  {"cps-twotone", kType, 0x00, -1},  {"cps-twotone", kPower, 0, 0},
        {"cps-twotone", kPower, 9, 9},     {"cps-twotone", kPower, 10, 0},    {"cps-twotone", kPower, 0xFF, 0},
        {"cps-twotone", kManual, 0x80, 0}, {"cps-twotone", kManual, 0x7F, 1}, {"cps-fleet", kPower, 3, 3},
        {"cps-fleet", kPower, 9, 9},       {"cps-fleet", kPower, 10, 9},      {"cps-fleet", kPower, 0xFF, 9},
        {"cps-fleet", kField, 0xF9, 0},    {"cps-fleet", kType, 0x39, 1},     {"cps-cn10", kManual, 0x7F, 1},
        // The small radios: the model list, the band list, then (16 channels) the
        // 16th channel's scan bit.
        {"cps-keys", 1, 0xF7, 9},          {"cps-keys", 1, 0xF8, 0},          {"cps-keys", 1, 0xED, 0},
        {"cps16", 1, 0xF9, 11},            {"cps16", 1, 0xFA, 0},             {"cps16", 2, 0x04, 0},
        {"cps16-cn", 2, 0xFB, 1},          {"cps16", 0, 0x37, 0},             {"cps16", 0, 0x41, 10},
        {"cps16", 0, 0x42, 0},             {"cps16", 0, 0x36, -1},            {"cps-keys", 0, 0x37, 0},
    };
    for (const Case& c : cases) {
        const Edition& e = edition(c.id);
        MemoryImage image = newDocumentImage(e);
        image.set(e.formLists.at(c.list).offset, c.byte);
        FormSettings form(e);
        form.loadFromImage(image);
        EXPECT_EQ(form.selection(c.list), c.index) << c.id << " list " << c.list << " byte " << int(c.byte);
    }
}

TEST(FormSettings, StoringWritesOnlyTheFormBytes)
{
    struct Case {
        const char* id;
        std::size_t type, field, power, manual;
        bool stamps0x811;
    };
    const Case cases[] = {
        {"cps-twotone", 0x80B, 0x80A, 0x819, 0x812, true},
        {"cps-ccir", 0x80B, 0x80A, 0x819, 0x812, true},
        {"cps-cn2", 0x80B, 0x80A, 0x819, 0x812, true},
        {"cps-fleet", 0x7DB, 0x7DA, 0x7D7, 0x7D2, false},
        {"cps-cn10", 0x7DB, 0x7DA, 0x7D7, 0x7D2, false},
    };
    for (const Case& c : cases) {
        const Edition& e = edition(c.id);
        MemoryImage image(e.imageSize, 0x00);
        image.set(c.manual, 0xC4);
        FormSettings form(e);
        form.select(kType, 2);
        form.select(kField, 9);
        form.select(kPower, 4);
        form.select(kManual, 1);
        form.storeToImage(image);
        MemoryImage expected(e.imageSize, 0x00);
        expected.set(c.type, 0x3A);
        expected.set(c.field, 0xF7);
        expected.set(c.power, 4);
        expected.set(c.manual, 0x44);  // bit 7 cleared, the other bits kept
        if (c.stamps0x811)
            expected.set(0x811, 0xA8);
        EXPECT_EQ(image, expected) << c.id;

        form.select(kManual, 0);
        form.select(kType, -1);  // a list without a selection
        form.storeToImage(image);
        EXPECT_EQ(image.at(c.manual), 0xC4) << c.id;
        EXPECT_EQ(image.at(c.type), 0x37) << c.id;
    }
}

TEST(FormSettings, EveryFormRoundTripsThroughItsBytes)
{
    for (const Edition* e : allEditions()) {
        MemoryImage image = newDocumentImage(*e);
        FormSettings form(*e);
        form.loadFromImage(image);
        MemoryImage again = image;
        form.storeToImage(again);
        EXPECT_EQ(again, image) << e->id;
    }
}

TEST(FormSettings, TypingSnapsSomeListsBack)
{
    FormSettings form(edition("cps-twotone"));
    const int snapped[] = {0, 2, 9, 1};  // Manul Setting keeps its choice
    for (int i = 0; i < form.count(); ++i) {
        form.select(i, 1);
        form.typed(i);
        EXPECT_EQ(form.selection(i), snapped[i]) << form.list(i).label;
    }
}

TEST(FormSettings, TheDataPasswordOfTheKeyRadios)
{
    struct Case {
        std::vector<std::uint8_t> stored;  // 0x000-0x005
        const char* shown;
        const char* typed;
        std::vector<std::uint8_t> saved;
    };
    const Case cases[] = {
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "", "123456", {'1', '2', '3', '4', '5', '6'}},
        {{'1', 0xFF, '2', 'x', '3', 0x00}, "123", "", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {{'9', '8', '7', 0xFF, 0xFF, 0xFF}, "987", "98 7", {'9', '8', 0xFF, '7', 0xFF, 0xFF}},
    };
    for (const char* id : {"cps-keys", "cps-keys-cn"}) {
        for (const Case& c : cases) {
            const Edition& e = edition(id);
            MemoryImage image = newDocumentImage(e);
            image.write(0, c.stored);
            FormSettings form(e);
            ASSERT_TRUE(form.hasPassword());
            form.loadFromImage(image);
            EXPECT_EQ(form.password(), c.shown) << id;
            // What is shown goes back as it was read (0xFF for the skipped bytes).
            MemoryImage again = image;
            form.storeToImage(again);
            EXPECT_EQ(readDataPassword(again, 0), c.shown) << id;
            form.setPassword(c.typed);
            form.storeToImage(image);
            EXPECT_EQ(std::vector<std::uint8_t>(image.raw().begin(), image.raw().begin() + 6), c.saved) << id;
        }
    }
    for (const char* id : {"cps-twotone", "cps-fleet", "cps16", "cps16-cn"}) {
        FormSettings form(edition(id));
        EXPECT_FALSE(form.hasPassword()) << id;
        MemoryImage image = newDocumentImage(edition(id));
        image.set(0, '5');
        form.setPassword("1");
        form.storeToImage(image);
        EXPECT_EQ(image.at(0), '5') << id << ": byte 0 is not a password here";
    }
}
