#include "dialogs/optional_features.h"
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
    s << "squelch " << v.squelch << ", time-out " << v.timeOut << " (" << OptionalFeatures::timeOutText(v.timeOut)
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

} // namespace
} // namespace tolvan
