// Any text typed into a frequency or tone cell of one edition (chosen by the
// first byte): the checks must never crash, and an accepted frequency must lie
// in range, on a step, and read back as typed.

#include "codeplug/frequency_codec.h"
#include "codeplug/tone_codec.h"
#include "fuzz_input.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tolvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput in = takeEditionAndLanguage(data, size);
    const std::string text(reinterpret_cast<const char*>(in.data), in.size);
    const FrequencyRule& rule = in.edition->frequencyRule;
    const FrequencyEntry entry = checkFrequencyEntry(text, rule);
    if (entry.verdict == FrequencyVerdict::Accepted) {
        bool onStep = false;
        for (TenHz step : rule.steps)
            onStep = onStep || entry.value % step == 0;
        if (entry.value < rule.minimum || entry.value > rule.maximum || !onStep
            || frequencyFromText(entry.text) != entry.value)
            std::abort();
    }
    // Odd tone texts keep the spelling's own arithmetic (a DCS code of five
    // digits wraps its byte); they must only never crash.
    (void)toneText(toneFromText(text));
    return 0;
}
