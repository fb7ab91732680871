#include "dialogs/dialog_texts.h"
#include "dialogs/key_assignment.h"

#include <gtest/gtest.h>

using namespace tolvan;

namespace {

const char* const kKeyEditions[] = {"cps-keys", "cps-keys-cn"};

KeyAssignment model(const char* id)
{
    return KeyAssignment(findEdition(id)->keyAssignment.value());
}

} // namespace

TEST(KeyAssignment, OnlyTheKeyRadiosHaveTheDialog)
{
    for (const Edition* e : allEditions())
        EXPECT_EQ(e->keyAssignment.has_value(), e->family == Family::KeyAssignment) << e->id;
    for (Language language : {Language::English, Language::Chinese})
        EXPECT_EQ(keyAssignmentTexts(language).functions.size(), 9u);
}

TEST(KeyAssignment, EachNibbleIsOneList)
{
    struct Case {
        std::uint8_t button2, button3;
        SideButtonChoice side2, side3;
    };
    const Case cases[] = {
        {0x12, 0x78, {1, 2}, {7, 8}},   // a new document: Monitor / Scan, Vox / Scrambler
        {0x00, 0x88, {0, 0}, {8, 8}},
        {0x9A, 0xF0, {-1, -1}, {-1, 0}},  // codes 9 to 15 leave the list without a selection
        {0x89, 0xFF, {8, -1}, {-1, -1}},
    };
    for (const char* id : kKeyEditions) {
        for (const Case& c : cases) {
            MemoryImage image = newDocumentImage(*findEdition(id));
            image.set(0x3C5, c.button2);
            image.set(0x3C6, c.button3);
            const std::vector<SideButtonChoice> read = model(id).read(image);
            ASSERT_EQ(read.size(), 2u);
            EXPECT_EQ(read[0], c.side2) << id << " " << int(c.button2);
            EXPECT_EQ(read[1], c.side3) << id << " " << int(c.button3);
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
        {0x78, {7, 5}, 0x75},    // "Talk Around" as long press
        {0x12, {0, 0}, 0x00},
        {0x00, {8, 8}, 0x88},
        {0x9A, {3, -1}, 0x3A},   // no selection keeps its own nibble ...
        {0x9A, {-1, 4}, 0x94},   // ... and borrows nothing from the other
        {0xFF, {-1, -1}, 0xFF},
    };
    for (const char* id : kKeyEditions) {
        for (const Case& c : cases) {
            MemoryImage image = newDocumentImage(*findEdition(id));
            const MemoryImage fresh = image;
            image.set(0x3C6, c.before);
            model(id).write({model(id).read(image)[0], c.chosen}, image);
            EXPECT_EQ(image.at(0x3C6), c.after) << id << " " << int(c.before);
            image.set(0x3C6, fresh.at(0x3C6));
            EXPECT_EQ(image, fresh) << "only the button's byte changes";
        }
    }
}
