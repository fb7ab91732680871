// Every visit of the settings dialogs: the bytes the file holds, what the
// dialog shows, the bytes OK writes, in every edition that has the dialog.

#include "dialogs/key_assignment.h"
#include "dialogs/optional_features.h"
#include "dialogs/settings_lists.h"
#include "dialogs/signalling_features.h"
#include "dialog_scenarios.h"
#include "golden.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tolvan {
namespace {

using V = OptionalFeaturesValues;
using Visit = DialogVisit<OptionalFeatures, V>;
using Bytes = std::vector<std::uint8_t>;

std::string shown(const V& v)
{
    std::ostringstream s;
    s << "squelch " << v.squelch << ", time-out " << v.timeOut << " (" << OptionalFeatures::timeOutText(v.timeOut, "OFF")
      << "), VOX " << v.voxGain << ", signal mode " << v.signalMode << ", language " << v.language << ", PF1 " << v.pf1
      << " PF2 " << v.pf2 << ", priority " << v.priorityChannel << ", beep " << v.beep << ", battery save "
      << v.batterySave << ", scrambler " << v.scrambler << ", begin/end of Tx " << v.beginOfTx << v.endOfTx
      << ", IDs [" << v.groupId << "] [" << v.id << "] [" << v.callId << "] [" << v.checkId << "] [" << v.killId
      << "] [" << v.listenId << "]";
    return s.str();
}

Visit stored(const char* what, std::size_t offset, Bytes bytes) { return {what, holding<OptionalFeatures>(offset, bytes), {}}; }

Visit typed(const char* what, std::string V::*field, std::string text)
{
    return {what, {}, [field, text](V& v) { v.*field = text; }};
}

Visit language(std::uint8_t stored, int chosen)
{
    // The language rewrites the whole flag byte before the checks are applied.
    return {"language", holding<OptionalFeatures>(0x812, {stored}), [chosen](V& v) {
                v.language = chosen;
                v.beep = v.batterySave = true;
                v.scrambler = false;
            }};
}

TEST(OptionalFeatures, EveryVisitMatchesTheGoldenFile)
{
    const std::uint8_t F = 0xFF;
    const std::vector<Visit> visits = {
        {"new document", {}, {}},  // a stored language 0 has no item in a two-item list
        stored("time-out off", 0x814, {0}),                stored("time-out 15 s", 0x814, {1}),
        stored("time-out 600 s", 0x814, {40}),             stored("time-out beyond the spin", 0x814, {41}),
        stored("time-out erased", 0x814, {F}),             stored("priority channel 1", 0x81A, {1}),
        stored("priority channel 64", 0x81A, {64}),        stored("priority channel 128", 0x81A, {128}),
        typed("group ID holds 0000-1999", &V::groupId, "2345"), typed("group ID of three digits", &V::groupId, "234"),
        typed("group ID with a first digit of 1", &V::groupId, "1999"),
        typed("group ID with a non-digit", &V::groupId, "9x"), typed("ID in upper case", &V::id, "ab1"),
        typed("check ID with other characters", &V::checkId, "1*2"), typed("call ID of eight", &V::callId, "ZZ99AA00"),
        typed("kill ID", &V::killId, "K1"), typed("listen ID", &V::listenId, "L2"), typed("listen ID erased", &V::listenId, ""),
        stored("ID read: digits and letters only", 0x830, {0x41, F, 0x42}),
        stored("call ID read in upper case", 0x828, {'a', '-', '7', 0x00, 'z'}),
        stored("group ID read: digits only", 0x820, {'1', 'A', '2', F, '9'}),
        language(0xFF, 1),  // English: bits 0-1 = 2
        language(0xFE, 0),  // Chinese: 3
        language(0xFD, 0),  // code 1 reads as Chinese
        language(0xFC, -1),  // no selection leaves the byte but for the checks
        {"lists beyond their items",
         [](const OptionalFeatures&, MemoryImage& image) {
             image.write(0x813, Bytes{10, F, 11, 4});  // squelch, time-out, VOX gain, signal mode
             image.write(0x817, Bytes{0x99, 0x99});
             image.write(0x81A, Bytes{129, 6});
             image.set(0x810, 0x30);
         },
         [](V& v) {
             v.priorityChannel = v.pf2 = -1;  // stored as 0 over PF1, and as -1
             v.beginOfTx = false;
         }},
    };
    const Edition& twoTone = *findEdition("cps-twotone");
    std::string out = visitDialog<OptionalFeatures, V>(twoTone, OptionalFeatures(*twoTone.optionalFeatures), visits, shown);
    // Every visit again in the CCIR program, which has no key lists: it never writes their bytes.
    const Edition& ccir = *findEdition("cps-ccir");
    out += visitDialog<OptionalFeatures, V>(ccir, OptionalFeatures(*ccir.optionalFeatures), visits, shown);
    std::vector<std::uint8_t> keys;
    for (int key = 0; key < 256; ++key)
        if (OptionalFeatures::idBoxAcceptsKey(key))
            keys.push_back(static_cast<std::uint8_t>(key));
    expectGolden("dialogs", "optional_features", out + "the ID boxes take the keys " + hexBytes(keys) + "\n");
}

using SV = SignallingFeaturesValues;
using SignallingVisit = DialogVisit<SignallingFeatures, SV>;

std::string shownSignalling(const SV& v)
{
    std::ostringstream s;
    s << "time-out " << v.timeOut << ", squelch " << v.squelch << ", language " << v.language << ", beep " << v.beep
      << ", scrambler " << v.scrambler << ", battery save " << v.batterySave << ", VOX gain " << v.voxGain
      << " delay " << v.voxDelay << " function " << v.voxFunction << " inhibit " << v.voxInhibit << ", PF1 " << v.pf1
      << " PF2 " << v.pf2 << ", PTT ID [" << v.pttId << "] ANI [" << v.aniCode << "], begin/end of Tx " << v.beginOfTx
      << v.endOfTx;
    return s.str();
}

SignallingVisit signallingLanguage(std::uint8_t code, int chosen)
{
    // The stored code in bits 0-1, over set check bits; the chosen item then
    // rewrites the whole byte before the checks are applied.
    return {"language code", [code](const SignallingFeatures& m, MemoryImage& image) {
                image.set(m.layout().flags, static_cast<std::uint8_t>(0xFC | code));
            },
            [chosen](SV& v) { v.language = chosen; }};
}

// The four programs of the DTMF/FleetSync radios: two keep their settings at
// 0x810 (the larger radio), two at 0x7D0 (the smaller one, which lacks the
// codes and the Tx bits). A file of an English program opens in its Chinese
// twin with the same settings: their visits read the same.
TEST(SignallingFeatures, EveryVisitOfEveryRadioMatchesTheGoldenFile)
{
    const std::vector<SignallingVisit> visits = {
        {"new document", {}, {}},
        {"time-out", {}, [](SV& v) { v.timeOut = 40; }},
        {"squelch", {}, [](SV& v) { v.squelch = 9; }},
        {"beep", {}, [](SV& v) { v.beep = false; }},
        {"scrambler", {}, [](SV& v) { v.scrambler = true; }},
        {"battery save", {}, [](SV& v) { v.batterySave = false; }},
        {"VOX gain", {}, [](SV& v) { v.voxGain = 10; }},
        {"VOX delay", {}, [](SV& v) { v.voxDelay = 5; }},
        {"VOX function", {}, [](SV& v) { v.voxFunction = false; }},
        {"VOX inhibit", {}, [](SV& v) { v.voxInhibit = false; }},
        {"PF1", {}, [](SV& v) { v.pf1 = 5; }},
        {"PF2", {}, [](SV& v) { v.pf2 = 3; }},
        {"Begin of Tx", {}, [](SV& v) { v.beginOfTx = true; }},
        {"End of Tx", {}, [](SV& v) { v.endOfTx = true; }},
        {"PTT ID keeps within 0000-1999", {}, [](SV& v) { v.pttId = "2345"; }},
        {"PTT ID of three digits", {}, [](SV& v) { v.pttId = "234"; }},
        {"PTT ID as typed", {}, [](SV& v) { v.pttId = "0123"; }},
        {"ANI code as typed", {}, [](SV& v) { v.aniCode = "ABC123"; }},
        {"ANI code in upper case", {}, [](SV& v) { v.aniCode = "ab1"; }},
        {"ANI code of eight", {}, [](SV& v) { v.aniCode = "Z9Y8X7W6"; }},
        signallingLanguage(3, 1),  // Chinese shown; English written as 2
        signallingLanguage(2, 0),  // English shown; Chinese written as 3
        signallingLanguage(0, 2),  // Off written as 0
        signallingLanguage(1, 0),  // 1 is no item: the first one shows
        {"values outside the lists",
         [](const SignallingFeatures& m, MemoryImage& image) {
             const SignallingFeaturesLayout& l = m.layout();
             for (auto [offset, value] : {std::pair{l.timeOut, 41}, {l.squelch, 10}, {l.voxGain, 11}, {l.voxDelay, 6},
                                          {l.pf1, 6}, {l.pf2, 0xFF}})
                 image.set(offset, static_cast<std::uint8_t>(value));
         },
         {}},
        {"bytes the dialog never shows, and typing into hidden boxes",
         [](const SignallingFeatures&, MemoryImage& image) {
             for (std::size_t i = 0x7B0; i < 0x850 && i < image.size(); ++i)
                 image.set(i, 0x33);
         },
         [](SV& v) {
             v.pttId = "12";
             v.aniCode = "AB";
             v.beginOfTx = v.endOfTx = true;
         }},
    };
    std::string out;
    for (const char* id : {"cps-brand", "cps-cn2", "cps-fleet", "cps-cn10"}) {
        const Edition& e = *findEdition(id);
        out += visitDialog<SignallingFeatures, SV>(e, SignallingFeatures(*e.signallingFeatures), visits, shownSignalling);
    }
    expectGolden("dialogs", "signalling_features", out);
}

using Lists = DialogVisit<SettingsLists, std::vector<int>>;
using Keys = DialogVisit<KeyAssignment, std::vector<SideButtonChoice>>;

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
    for (const char* id : {"cps-keys", "cps-keys-cn"}) {
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

} // namespace
} // namespace tolvan
