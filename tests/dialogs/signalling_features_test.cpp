#include "dialogs/signalling_features.h"
#include "dialog_scenarios.h"
#include "golden.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tolvan {
namespace {

using V = SignallingFeaturesValues;
using Visit = DialogVisit<SignallingFeatures, V>;

std::string shown(const V& v)
{
    std::ostringstream s;
    s << "time-out " << v.timeOut << ", squelch " << v.squelch << ", language " << v.language << ", beep " << v.beep
      << ", scrambler " << v.scrambler << ", battery save " << v.batterySave << ", VOX gain " << v.voxGain
      << " delay " << v.voxDelay << " function " << v.voxFunction << " inhibit " << v.voxInhibit << ", PF1 " << v.pf1
      << " PF2 " << v.pf2 << ", PTT ID [" << v.pttId << "] ANI [" << v.aniCode << "], begin/end of Tx " << v.beginOfTx
      << v.endOfTx;
    return s.str();
}

Visit language(std::uint8_t code, int chosen)
{
    // The stored code in bits 0-1, over set check bits; the chosen item then
    // rewrites the whole byte before the checks are applied.
    return {"language code", [code](const SignallingFeatures& m, MemoryImage& image) {
                image.set(m.layout().flags, static_cast<std::uint8_t>(0xFC | code));
            },
            [chosen](V& v) { v.language = chosen; }};
}

// The four programs of the DTMF/FleetSync radios: two keep their settings at
// 0x810 (the larger radio), two at 0x7D0 (the smaller one, which lacks the
// codes and the Tx bits). A file of an English program opens in its Chinese
// twin with the same settings: their visits read the same.
TEST(SignallingFeatures, EveryVisitOfEveryRadioMatchesTheGoldenFile)
{
    const std::vector<Visit> visits = {
        {"new document", {}, {}},
        {"time-out", {}, [](V& v) { v.timeOut = 40; }}, {"squelch", {}, [](V& v) { v.squelch = 9; }},
        {"beep", {}, [](V& v) { v.beep = false; }}, {"scrambler", {}, [](V& v) { v.scrambler = true; }},
        {"battery save", {}, [](V& v) { v.batterySave = false; }}, {"VOX gain", {}, [](V& v) { v.voxGain = 10; }},
        {"VOX delay", {}, [](V& v) { v.voxDelay = 5; }}, {"VOX function", {}, [](V& v) { v.voxFunction = false; }},
        {"VOX inhibit", {}, [](V& v) { v.voxInhibit = false; }}, {"PF1", {}, [](V& v) { v.pf1 = 5; }},
        {"PF2", {}, [](V& v) { v.pf2 = 3; }}, {"Begin of Tx", {}, [](V& v) { v.beginOfTx = true; }},
        {"End of Tx", {}, [](V& v) { v.endOfTx = true; }},
        {"PTT ID keeps within 0000-1999", {}, [](V& v) { v.pttId = "2345"; }},
        {"PTT ID of three digits", {}, [](V& v) { v.pttId = "234"; }},
        {"PTT ID as typed", {}, [](V& v) { v.pttId = "0123"; }},
        {"ANI code as typed", {}, [](V& v) { v.aniCode = "ABC123"; }},
        {"ANI code in upper case", {}, [](V& v) { v.aniCode = "ab1"; }},
        {"ANI code of eight", {}, [](V& v) { v.aniCode = "Z9Y8X7W6"; }},
        language(3, 1),  // Chinese shown; English written as 2
        language(2, 0),  // English shown; Chinese written as 3
        language(0, 2),  // Off written as 0
        language(1, 0),  // 1 is no item: the first one shows
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
         [](V& v) {
             v.pttId = "12";
             v.aniCode = "AB";
             v.beginOfTx = v.endOfTx = true;
         }},
    };
    std::string out;
    for (const char* id : {"cps-brand", "cps-cn2", "cps-fleet", "cps-cn10"}) {
        const Edition& e = *findEdition(id);
        out += visitDialog<SignallingFeatures, V>(e, SignallingFeatures(*e.signallingFeatures), visits, shown);
    }
    expectGolden("dialogs", "signalling_features", out);
}

} // namespace
} // namespace tolvan
