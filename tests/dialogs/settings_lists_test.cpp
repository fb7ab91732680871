#include "dialogs/key_assignment.h"
#include "dialogs/settings_lists.h"
#include "dialog_scenarios.h"
#include "golden.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tolvan;

namespace {

using Lists = DialogVisit<SettingsLists, std::vector<int>>;
using Keys = DialogVisit<KeyAssignment, std::vector<SideButtonChoice>>;
using Bytes = std::vector<std::uint8_t>;

const char* const kKeyEditions[] = {"cps-keys", "cps-keys-cn"};

SettingsLists lists(const char* id) { return SettingsLists(findEdition(id)->settingsLists.value()); }

std::string shownLists(const std::vector<int>& selections)
{
    std::ostringstream out;
    out << "time-out, power, squelch, beep, voice, scrambler, VOX, battery save:";
    for (int s : selections)
        out << " " << s;
    return out.str();
}

std::string shownKeys(const std::vector<SideButtonChoice>& buttons)
{
    std::ostringstream out;
    out << "short/long press:";
    for (const SideButtonChoice& b : buttons)
        out << " " << b.shortPress << "/" << b.longPress;
    return out.str();
}

Lists listByte(std::size_t offset, std::uint8_t byte) { return {"one byte", holding<SettingsLists>(offset, {byte}), {}}; }

// The two side buttons: one byte each, sixteen times the short press plus the long one.
Keys buttons(std::uint8_t two, std::uint8_t three) { return {"stored", holding<KeyAssignment>(0x3C5, {two, three}), {}}; }

Lists chosen(std::vector<int> selections)
{
    // Every byte of the area set, so that what OK keeps shows.
    return {"chosen", holding<SettingsLists>(0x3C0, {0xC4, 0xAA, 0x03, 0xAA, 0xAA, 0x12, 0x78, 0xAA}),
            [selections](std::vector<int>& v) { v = selections; }};
}

Keys button3(std::uint8_t before, SideButtonChoice choice)
{
    return {"button 3 chosen", holding<KeyAssignment>(0x3C6, {before}),
            [choice](std::vector<SideButtonChoice>& v) { v[1] = choice; }};
}

} // namespace

TEST(SettingsLists, EveryVisitOfBothDialogsMatchesTheGoldenFile)
{
    const std::vector<Lists> listVisits = {
        {"new document", {}, {}},  // 0x3C0 = 0x2F; power 0xFF shows rank 9, stored as 27
        listByte(0x3C3, 10),   listByte(0x3C3, 11),   listByte(0x3C3, 0xFF),  // time-out
        listByte(0x3C4, 27),   listByte(0x3C4, 26),   listByte(0x3C4, 2),     // power
        listByte(0x3C1, 9),    listByte(0x3C1, 10),                           // squelch
        listByte(0x3C0, 0xFE), listByte(0x3C0, 0x01), listByte(0x3C0, 0x00),  // beep, voice, battery save
        listByte(0x3C0, 0x08), listByte(0x3C0, 0xFF), listByte(0x3C0, 0x10),
        listByte(0x3C0, 0x20), listByte(0x3C0, 0xDF), listByte(0x3C0, 0x02), listByte(0x3C0, 0xFD),
        listByte(0x3C7, 9),    listByte(0x3C7, 10),   listByte(0x3C7, 0xFF),  // VOX
        chosen({0, 9, 5, 0, 0, 0, 0, 0}),
        chosen({10, 0, 9, 1, 2, 1, 9, 1}),
        chosen({3, 4, 0, 0, 1, 0, 1, 0}),
        chosen({-1, -1, -1, -1, -1, -1, -1, -1}),  // lists without a selection keep their bytes and bits
    };
    const std::vector<Keys> keyVisits = {
        {"new document", {}, {}},  // Monitor / Scan, Vox / Scrambler
        buttons(0x00, 0x88),
        buttons(0x9A, 0xF0),  // codes 9 to 15 leave the list without a selection
        buttons(0x89, 0xFF),
        button3(0x78, {7, 5}),  // "Talk Around" as long press
        button3(0x12, {0, 0}),
        button3(0x00, {8, 8}),
        button3(0x9A, {3, -1}),  // no selection keeps its own nibble ...
        button3(0x9A, {-1, 4}),  // ... and borrows nothing from the other
        button3(0xFF, {-1, -1}),
    };
    std::string out;
    for (const char* id : kKeyEditions) {
        const Edition& e = *findEdition(id);
        out += visitDialog<SettingsLists, std::vector<int>>(e, lists(id), listVisits, shownLists);
        out += visitDialog<KeyAssignment, std::vector<SideButtonChoice>>(e, KeyAssignment(*e.keyAssignment), keyVisits,
                                                                         shownKeys);
    }
    // Only the Chinese build snaps some lists back when a 6 is typed into them.
    for (int i = 0; i < lists("cps-keys").count(); ++i)
        out += "list " + std::to_string(i) + " typed 6: " + std::to_string(lists("cps-keys").typed(i, 6)) + ", Chinese build "
               + std::to_string(lists("cps-keys-cn").typed(i, 6)) + "\n";
    expectGolden("dialogs", "settings_lists", out);
}
