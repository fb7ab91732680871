#pragma once
// Channels for the import tests: random but valid in their program, and the
// languages a program's lists come in.

#include "codeplug/tone_list.h"
#include "editions/record_codec.h"
#include "editor/cell_editing.h"
#include "editor/form_settings.h"

#include <gtest/gtest.h>

#include <random>

namespace tolvan {

inline std::vector<Language> languagesOf(const Edition& e)
{
    std::vector<Language> out{e.uiLanguage(Language::English)};
    if (e.uiLanguage(Language::Chinese) != out.front())
        out.push_back(Language::Chinese);
    return out;
}

// Frequencies every rule and, where the edition checks it, the form's band accepts.
inline std::vector<TenHz> acceptedFrequencies(const Edition& e, const MemoryImage& image)
{
    std::optional<Band> band;
    FormSettings form(e);
    form.loadFromImage(image);
    for (int i = 0; i < form.count(); ++i)
        if (form.list(i).label == "Field" && !e.bands.empty() && form.selection(i) >= 0)
            band = e.bands.at(static_cast<std::size_t>(form.selection(i)));
    std::vector<TenHz> out;
    for (TenHz f : {14552000, 13600000, 17400000, 43500000, 44600625, 46256250, 46756250, 40012500, 25000000}) {
        if (checkFrequencyEntry(frequencyText(f), e.frequencyRule, band).verdict == FrequencyVerdict::Accepted)
            out.push_back(f);
    }
    return out;
}

// `base` with random valid channels, some left unused. A tone typed on a row
// without frequencies is not kept, so only `tonesOnUnused` puts one there.
inline MemoryImage randomChannels(const Edition& e, const MemoryImage& base, unsigned seed, bool tonesOnUnused = true)
{
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const auto freqs = acceptedFrequencies(e, base);
    EXPECT_FALSE(freqs.empty());
    const auto& tones = ToneList::instance().texts();
    const std::string nameChars = "ABCXYZ0189- ";
    MemoryImage image = base;
    for (int ch = 1; ch <= e.channelCount; ++ch) {
        ChannelFields f = e.records().read(e, image, ch);
        if (pick(4) == 0) {
            f.rx = f.tx = 0;
        } else {
            f.rx = freqs[static_cast<std::size_t>(pick(static_cast<int>(freqs.size())))];
            f.tx = freqs[static_cast<std::size_t>(pick(static_cast<int>(freqs.size())))];
        }
        f.rxTone = toneFromText(tones[static_cast<std::size_t>(pick(static_cast<int>(tones.size())))]);
        f.txTone = toneFromText(tones[static_cast<std::size_t>(pick(static_cast<int>(tones.size())))]);
        if (!f.inUse() && !tonesOnUnused)
            f.rxTone = f.txTone = toneFromText("OFF");
        f.signalling = e.signallingValues.empty() ? -1 : pick(static_cast<int>(e.signallingValues.size()));
        f.busy = pick(static_cast<int>(std::max<std::size_t>(1, e.english.busy.items.size())));
        f.wide = pick(2);
        f.scan = pick(2);
        f.highPower = pick(2);
        f.pttId = pick(2);
        f.name.clear();
        for (int n = pick(7); n > 0; --n)
            f.name += nameChars[static_cast<std::size_t>(pick(static_cast<int>(nameChars.size())))];
        while (!f.name.empty() && f.name.back() == ' ')
            f.name.pop_back();
        e.records().write(e, image, ch, f);
    }
    return image;
}

} // namespace tolvan
