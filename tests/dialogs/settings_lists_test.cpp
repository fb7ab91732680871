#include "dialogs/dialog_texts.h"
#include "dialogs/key_assignment.h"
#include "dialogs/settings_lists.h"

#include <gtest/gtest.h>

using namespace tolvan;

namespace {

enum { kTimeOut, kPower, kSquelch, kBeep, kVoice, kScrambler, kVox, kBatterySave };
const char* const kKeyEditions[] = {"cps-keys", "cps-keys-cn"};

SettingsLists model(const char* id) { return SettingsLists(findEdition(id)->settingsLists.value()); }
KeyAssignment keys(const char* id) { return KeyAssignment(findEdition(id)->keyAssignment.value()); }

} // namespace

TEST(SettingsLists, OnlyTheKeyRadiosHaveTheListAndKeyDialogs)
{
    for (const Edition* e : allEditions()) {
        EXPECT_EQ(e->settingsLists.has_value(), e->family == Family::KeyAssignment) << e->id;
        EXPECT_EQ(e->keyAssignment.has_value(), e->family == Family::KeyAssignment) << e->id;
    }
}

TEST(SettingsLists, WhatEachByteShows)
{
    struct Case {
        int list;
        std::size_t offset;
        std::uint8_t byte;
        int shown;
    };
    const Case cases[] = {
        {kTimeOut, 0x3C3, 10, 10},     {kTimeOut, 0x3C3, 11, 0},      {kTimeOut, 0x3C3, 0xFF, 0},
        {kPower, 0x3C4, 0xFF, 9},      {kPower, 0x3C4, 27, 9},        {kPower, 0x3C4, 26, 8},
        {kPower, 0x3C4, 2, 0},         {kSquelch, 0x3C1, 9, 9},       {kSquelch, 0x3C1, 10, 0},
        {kBeep, 0x3C0, 0xFE, 0},       {kBeep, 0x3C0, 0x01, 1},       {kVoice, 0x3C0, 0x00, 0},
        {kVoice, 0x3C0, 0x08, 1},      {kVoice, 0x3C0, 0xFF, 2},      {kVoice, 0x3C0, 0x10, -1},
        {kScrambler, 0x3C0, 0x20, 1},  {kScrambler, 0x3C0, 0xDF, 0},  {kVox, 0x3C7, 9, 9},
        {kVox, 0x3C7, 10, -1},         {kVox, 0x3C7, 0xFF, -1},       {kBatterySave, 0x3C0, 0x02, 0},
        {kBatterySave, 0x3C0, 0xFD, 1},
    };
    for (const char* id : kKeyEditions) {
        // 0x3C0 = 0x2F: beep disabled, battery save on, English, scrambler off.
        const MemoryImage fresh = newDocumentImage(*findEdition(id));
        EXPECT_EQ(model(id).read(fresh), (std::vector<int>{0, 9, 5, 1, 1, 1, 0, 0})) << id;
        // OK on a new document changes nothing but the power rank: 0xFF shows rank 9, stored as 27.
        MemoryImage image = fresh, want = fresh;
        want.set(0x3C4, 27);
        model(id).write(model(id).read(image), image);
        EXPECT_EQ(image, want) << id;
        for (const Case& c : cases) {
            image = fresh;
            image.set(c.offset, c.byte);
            EXPECT_EQ(model(id).read(image).at(c.list), c.shown) << id << " list " << c.list << " byte " << int(c.byte);
        }
    }
}

TEST(SettingsLists, WhatOkWrites)
{
    struct Case {
        std::vector<int> chosen;  // time-out, power, squelch, beep, voice, scrambler, vox, battery save
        std::uint8_t flags;       // 0x3C0, starting from 0xC4 (bit 2 and the top bits kept)
        std::uint8_t squelch, timeOut, power, vox;
    };
    const Case cases[] = {
        {{0, 9, 5, 0, 0, 0, 0, 0}, 0xC6, 5, 0, 27, 0},
        {{10, 0, 9, 1, 2, 1, 9, 1}, 0xFD, 9, 10, 0, 9},
        {{3, 4, 0, 0, 1, 0, 1, 0}, 0xCE, 0, 3, 12, 1},
        // Lists without a selection keep their bytes and bits.
        {{-1, -1, -1, -1, -1, -1, -1, -1}, 0xC4, 0xAA, 0xAA, 0xAA, 0xAA},
    };
    for (const char* id : kKeyEditions) {
        for (const Case& c : cases) {
            MemoryImage image = newDocumentImage(*findEdition(id));
            image.write(0x3C0, std::vector<std::uint8_t>{0xC4, 0xAA, 0x03, 0xAA, 0xAA, 0x12, 0x78, 0xAA});
            MemoryImage want = image;
            want.write(0x3C0, std::vector<std::uint8_t>{c.flags, c.squelch, 0x03, c.timeOut, c.power, 0x12, 0x78, c.vox});
            model(id).write(c.chosen, image);
            EXPECT_EQ(image, want) << id << " flags " << int(image.at(0x3C0));
        }
    }
}

TEST(SettingsLists, TypingSnapsBackOnlyInTheChineseBuild)
{
    const SettingsLists en = model("cps-keys");
    const SettingsLists zh = model("cps-keys-cn");
    // Only the Chinese build snaps these four lists back when typed into.
    const int snapped[] = {2, 9, 4, 1, 6, 6, 6, 6};
    for (int i = 0; i < zh.count(); ++i) {
        EXPECT_EQ(zh.typed(i, 6), snapped[i]) << i;
        EXPECT_EQ(en.typed(i, 6), 6) << i;
    }
}

// The two side buttons: one byte each, sixteen times the short press plus the long one.
TEST(KeyAssignment, EachNibbleIsOneList)
{
    struct Case {
        std::uint8_t button2, button3;
        SideButtonChoice side2, side3;
    };
    const Case cases[] = {
        {0x12, 0x78, {1, 2}, {7, 8}},  // a new document: Monitor / Scan, Vox / Scrambler
        {0x00, 0x88, {0, 0}, {8, 8}},
        {0x9A, 0xF0, {-1, -1}, {-1, 0}},  // codes 9 to 15 leave the list without a selection
        {0x89, 0xFF, {8, -1}, {-1, -1}},
    };
    for (const char* id : kKeyEditions) {
        for (const Case& c : cases) {
            MemoryImage image = newDocumentImage(*findEdition(id));
            image.set(0x3C5, c.button2);
            image.set(0x3C6, c.button3);
            EXPECT_EQ(keys(id).read(image), (std::vector<SideButtonChoice>{c.side2, c.side3})) << id << " " << int(c.button2);
        }
    }
}

TEST(KeyAssignment, OkStoresSixteenTimesShortPlusLong)
{
    struct Case {
        std::uint8_t before;
        SideButtonChoice chosen;
        std::uint8_t after;
    };
    const Case cases[] = {
        {0x78, {7, 5}, 0x75},  // "Talk Around" as long press
        {0x12, {0, 0}, 0x00},  {0x00, {8, 8}, 0x88},
        {0x9A, {3, -1}, 0x3A},  // no selection keeps its own nibble ...
        {0x9A, {-1, 4}, 0x94},  // ... and borrows nothing from the other
        {0xFF, {-1, -1}, 0xFF},
    };
    for (const char* id : kKeyEditions) {
        for (const Case& c : cases) {
            const MemoryImage fresh = newDocumentImage(*findEdition(id));
            MemoryImage image = fresh, want = fresh;
            image.set(0x3C6, c.before);
            want.set(0x3C6, c.after);
            keys(id).write({keys(id).read(image)[0], c.chosen}, image);
            EXPECT_EQ(image, want) << id << " " << int(c.before);
        }
    }
}
