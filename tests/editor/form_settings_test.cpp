#include "editor/form_settings.h"

#include "codeplug/data_password.h"
#include "editor/channel_table.h"

#include <gtest/gtest.h>

#include "golden.h"

#include <sstream>
#include <string>

using namespace tolvan;

namespace {

enum { kType, kField, kPower, kManual };  // the form's order

const Edition& edition(const char* id) { return *findEdition(id); }

// A list of the form by its label.
int listNamed(const FormSettings& form, const std::string& label)
{
    for (int i = 0; i < form.count(); ++i)
        if (form.list(i).label == label)
            return i;
    ADD_FAILURE() << "no list " << label << " in " << form.edition().id;
    return 0;
}

constexpr std::size_t kFlags = 0x3C0;
constexpr std::size_t kSideButton = 0x3C2;
constexpr std::size_t kPowerRank = 0x3C4;

// The flag byte of a sixteen-channel record.
std::size_t flagsOf(int channel) { return 0x010 + 16 * static_cast<std::size_t>(channel - 1) + 12; }

} // namespace

// Every edition's form in both languages: each list's label and items, which
// item it starts on before any image, and which a new document selects.
TEST(FormSettings, EveryEditionsListsMatchTheirGoldenFile)
{
    std::ostringstream out;
    for (const Edition* e : allEditions()) {
        for (Language asked : {Language::English, Language::Chinese}) {
            FormSettings form(*e);
            out << e->id << (asked == Language::English ? " en" : " zh") << "\n";
            std::vector<int> before;
            for (int i = 0; i < form.count(); ++i)
                before.push_back(form.selection(i));
            form.loadFromImage(newDocumentImage(*e));
            for (int i = 0; i < form.count(); ++i) {
                out << "  " << form.list(i).label << ": start " << before[static_cast<std::size_t>(i)] << ", new "
                    << form.selection(i) << ":";
                for (const std::string& item : form.list(i).items(e->uiLanguage(asked)))
                    out << " [" << item << "]";
                out << "\n";
            }
        }
    }
    expectGolden("editor", "form_lists", out.str());
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
        // Stored once (a new 16-channel document gets its TX power and band
        // width then), the bytes no longer change when read and stored again.
        MemoryImage image = newDocumentImage(*e);
        FormSettings form(*e);
        form.loadFromImage(image);
        form.storeToImage(image);
        FormSettings again(*e);
        again.loadFromImage(image);
        MemoryImage twice = image;
        again.storeToImage(twice);
        EXPECT_EQ(twice, image) << e->id;
    }
}

// --- The sixteen-channel family: the lists above the table and the "Function
// Setting" group below it, in both builds.

TEST(SixteenChannelForm, NewDocumentSavesItsSettings)
{
    // What a new document shows is in the golden file of the form's lists.
    for (const char* id : {"cps16", "cps16-cn"}) {
        const Edition& e = edition(id);
        const MemoryImage fresh = newDocumentImage(e);
        ChannelTable table(e, e.uiLanguage(Language::English));
        FormSettings form(e);
        table.loadFromImage(fresh);
        form.loadFromImage(fresh);

        // Saved at once: the table, then the form. The TX power byte becomes
        // 9 x 3 and the wide band width clears bit 2 in every record.
        MemoryImage saved = fresh;
        table.storeToImage(saved);
        form.storeToImage(saved);
        MemoryImage expected = fresh;
        expected.set(kPowerRank, 27);
        for (int ch = 1; ch <= 16; ++ch)
            expected.set(flagsOf(ch), 0xFB);
        EXPECT_EQ(saved, expected) << id;
    }
}

TEST(SixteenChannelForm, BandWidthIsOneSettingForAllChannels)
{
    for (const char* id : {"cps16", "cps16-cn"}) {
        const Edition& e = edition(id);
        FormSettings form(e);
        const int bandWidth = listNamed(form, "Band  Width");
        // "Narrow" sets bit 2 in all 16 records, empty ones included, and
        // nothing else; "Wide" clears it again.
        MemoryImage image(e.imageSize, 0x00);
        form.select(bandWidth, 0);
        form.storeToImage(image);
        for (int ch = 1; ch <= 16; ++ch)
            EXPECT_EQ(image.at(flagsOf(ch)), 0x04) << id << " channel " << ch;
        EXPECT_EQ(image.at(flagsOf(16) + 16), 0x00) << id << ": no 17th record";
        form.select(bandWidth, 1);
        form.storeToImage(image);
        for (int ch = 1; ch <= 16; ++ch)
            EXPECT_EQ(image.at(flagsOf(ch)), 0x00) << id << " channel " << ch;

        // Channel 1 alone decides what the list shows.
        struct Read {
            std::uint8_t channel1, others;
            int index;
        };
        for (const Read& r : {Read{0xFB, 0xFF, 1}, Read{0xFF, 0xFB, 0}, Read{0x00, 0x04, 1}, Read{0x04, 0x00, 0}}) {
            MemoryImage file = newDocumentImage(e);
            for (int ch = 1; ch <= 16; ++ch)
                file.set(flagsOf(ch), ch == 1 ? r.channel1 : r.others);
            form.loadFromImage(file);
            EXPECT_EQ(form.selection(bandWidth), r.index) << id << " channel 1 " << int(r.channel1);
        }
    }
}

TEST(SixteenChannelForm, EachListReadsItsByte)
{
    struct Case {
        const char* id;
        const char* label;
        std::size_t offset;
        std::uint8_t byte;
        int index;
    };
    const Case cases[] = {
        // TX power: the byte div 3, at most 9.
        {"cps16", "TX Power", kPowerRank, 0, 0}, {"cps16", "TX Power", kPowerRank, 2, 0},
        {"cps16", "TX Power", kPowerRank, 3, 1}, {"cps16", "TX Power", kPowerRank, 26, 8},
        {"cps16", "TX Power", kPowerRank, 27, 9}, {"cps16", "TX Power", kPowerRank, 30, 9},
        {"cps16-cn", "TX Power", kPowerRank, 0xFF, 9},
        // Time-out timer 0..10 and squelch 0..9, anything else index 0.
        {"cps16", "Time-out Timer", 0x3C3, 10, 10}, {"cps16", "Time-out Timer", 0x3C3, 11, 0},
        {"cps16-cn", "Time-out Timer", 0x3C3, 0xFF, 0}, {"cps16", "Squelch Level", 0x3C1, 9, 9},
        {"cps16", "Squelch Level", 0x3C1, 10, 0}, {"cps16-cn", "Squelch Level", 0x3C1, 0, 0},
        // Bits of 0x3C0: VOX (bit 3 set = OFF), scan on the 16th channel (bit 2 set = OFF).
        {"cps16", "Vox", kFlags, 0x08, 1}, {"cps16-cn", "Vox", kFlags, 0xF7, 0},
        {"cps16", "Scan Function(16th)", kFlags, 0x04, 0}, {"cps16-cn", "Scan Function(16th)", kFlags, 0xFB, 1},
        // The warning bit reads oppositely in the two builds: index 1 is "Disable" and "关闭".
        {"cps16", "Warning", kFlags, 0x01, 1}, {"cps16", "Warning", kFlags, 0xFE, 0},
        {"cps16-cn", "Warning", kFlags, 0x01, 0}, {"cps16-cn", "Warning", kFlags, 0xFE, 1},
        // The side button's code table.
        {"cps16", "Side Button", kSideButton, 3, 0}, {"cps16", "Side Button", kSideButton, 2, 1},
        {"cps16", "Side Button", kSideButton, 5, 2}, {"cps16", "Side Button", kSideButton, 6, 3},
        {"cps16-cn", "Side Button", kSideButton, 0, 4},
    };
    for (const Case& c : cases) {
        const Edition& e = edition(c.id);
        MemoryImage image = newDocumentImage(e);
        image.set(c.offset, c.byte);
        FormSettings form(e);
        form.loadFromImage(image);
        EXPECT_EQ(form.selection(listNamed(form, c.label)), c.index) << c.id << " " << c.label << " " << int(c.byte);
    }
}

TEST(SixteenChannelForm, EachListWritesOnlyItsBits)
{
    struct Case {
        const char* id;
        const char* label;
        int index;
        std::size_t offset;
        std::uint8_t before, after;
    };
    const Case cases[] = {
        {"cps16", "TX Power", 4, kPowerRank, 0xFF, 12},       {"cps16-cn", "TX Power", 9, kPowerRank, 0, 27},
        {"cps16", "Time-out Timer", 10, 0x3C3, 0xFF, 10},     {"cps16", "Squelch Level", 0, 0x3C1, 5, 0},
        // 0x3C0 also gets the other lists' starting values (warning index 1,
        // scan "OFF", VOX "ON"); bits 1 and 4-7 are kept.
        {"cps16", "Vox", 1, kFlags, 0x00, 0x0D},              {"cps16-cn", "Vox", 0, kFlags, 0xFF, 0xF6},
        {"cps16", "Scan Function(16th)", 0, kFlags, 0x00, 0x05},
        {"cps16", "Scan Function(16th)", 1, kFlags, 0xFF, 0xF3},
        // "Disable" sets bit 0 in cps16; "关闭" clears it in cps16-cn.
        {"cps16", "Warning", 1, kFlags, 0xF6, 0xF7},          {"cps16", "Warning", 0, kFlags, 0xF7, 0xF6},
        {"cps16-cn", "Warning", 1, kFlags, 0xF7, 0xF6},       {"cps16-cn", "Warning", 0, kFlags, 0xF6, 0xF7},
        {"cps16", "Side Button", 0, kSideButton, 0xFF, 3},    {"cps16", "Side Button", 1, kSideButton, 0, 2},
        {"cps16", "Side Button", 2, kSideButton, 0, 5},       {"cps16", "Side Button", 3, kSideButton, 0, 6},
        {"cps16-cn", "Side Button", 4, kSideButton, 3, 0},
        {"cps16", "Field", 11, 0x3D2, 0xF5, 249},             {"cps16", "Type", 10, 0x3D3, 0x37, 65},
    };
    for (const Case& c : cases) {
        const Edition& e = edition(c.id);
        FormSettings form(e);
        MemoryImage start(e.imageSize, 0x00);
        form.storeToImage(start);  // every list's starting value
        start.set(c.offset, c.before);
        form.select(listNamed(form, c.label), c.index);
        MemoryImage image = start;
        form.storeToImage(image);
        MemoryImage expected = start;
        expected.set(c.offset, c.after);
        EXPECT_EQ(image, expected) << c.id << " " << c.label << " " << c.index;
    }
}

TEST(SixteenChannelForm, UnknownSideButtonCodeKeepsThePreviousChoice)
{
    for (const char* id : {"cps16", "cps16-cn"}) {
        const Edition& e = edition(id);
        FormSettings form(e);
        const int side = listNamed(form, "Side Button");
        for (std::uint8_t stray : {1, 4, 7, 0xFF}) {
            form.select(side, 2);  // "VOX ON/OFF"
            MemoryImage image = newDocumentImage(e);
            image.set(kSideButton, stray);
            form.loadFromImage(image);
            EXPECT_EQ(form.selection(side), 2) << id << " byte " << int(stray);
            form.storeToImage(image);
            EXPECT_EQ(image.at(kSideButton), 5) << id << ": saving stores the code of the choice";
        }
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
